// Saves a picture of a window of the X display as PNG, as the display shows it:
//   tavo-grab-window WINDOW_ID OUT.png [X Y WIDTH HEIGHT]
// WINDOW_ID is the X window's id (decimal or 0x hex, as xwininfo prints it); the area, in the
// window's pixels, is all of it by default. scripts/run.sh uses it to show the program's
// windows on a machine without a screen.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 7) {
        std::fprintf(stderr, "usage: tavo-grab-window WINDOW_ID OUT.png [X Y WIDTH HEIGHT]\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    bool ok = false;
    const WId window = QString::fromLatin1(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || screen == nullptr) {
        std::fprintf(stderr, "tavo-grab-window: no window %s on this display\n", argv[1]);
        return 1;
    }
    int area[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 7 && i < 4; ++i) area[i] = QString::fromLatin1(argv[3 + i]).toInt();
    const QPixmap picture = screen->grabWindow(window, area[0], area[1], area[2], area[3]);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tavo-grab-window: cannot save a picture of window %s as %s\n",
                     argv[1], argv[2]);
        return 1;
    }
    return 0;
}
