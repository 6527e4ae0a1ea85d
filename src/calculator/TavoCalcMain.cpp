// tavocalc: the Tavo Calculator desktop program.
#include <QApplication>
#include <QFont>
#include <memory>

#include "calculator/MainWindow.h"
#include "components/MessageBoxPrompts.h"
#include "core/Catalogue.h"
#include "platform/Directories.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(tavo::kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(tavo::kApplicationTitle));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    tavo::MessageBoxPrompts prompts;
    auto state = std::make_unique<tavo::AppState>(prompts);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tavo::TVCALC window(*state, arguments, tavo::JoinPath(tavo::ProgramDirectory(), tavo::kDataFileName));
    prompts.SetParent(&window);
    QObject::connect(&window, &tavo::TVCALC::CatalogueMissing, &application,
                     [] { QCoreApplication::exit(1); });
    window.show();
    return QApplication::exec();
}
