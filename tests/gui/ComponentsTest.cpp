// The supporting components through real widgets: the status-bar hint, the about box, the
// web-address label and the shape of Qt's file dialog.
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "components/AboutBox.h"
#include "components/ApplicationInfo.h"
#include "components/MessageBoxPrompts.h"
#include "components/StatusBarHint.h"
#include "components/UrlLabel.h"
#include "support/TempDir.h"

namespace {

const QString kGrip = QStringLiteral("      ");

// A main window like the program's: three panels on its status bar and a few controls
// with hints.
struct MainForm {
    QMainWindow window;
    QPushButton* button;
    QLineEdit* edit;
    QLabel* bare;  // no hint of its own, on a frame that has one
    QList<QLabel*> panels;

    MainForm() {
        auto* central = new QWidget(&window);
        auto* layout = new QVBoxLayout(central);
        button = new QPushButton(QStringLiteral("New"), central);
        button->setToolTip(QStringLiteral("New|Start a new project"));
        edit = new QLineEdit(central);
        edit->setToolTip(QStringLiteral("Installer|Name of the installer\rUp to 30 characters"));
        auto* frame = new QFrame(central);
        frame->setToolTip(QStringLiteral("Details of the project"));
        auto* inner = new QVBoxLayout(frame);
        bare = new QLabel(QStringLiteral("Project"), frame);
        inner->addWidget(bare);
        layout->addWidget(button);
        layout->addWidget(edit);
        layout->addWidget(frame);
        window.setCentralWidget(central);
        QStatusBar* bar = window.statusBar();
        for (int width : {50, 75, 50}) {
            auto* panel = new QLabel(bar);
            panel->setMinimumWidth(width);
            bar->addPermanentWidget(panel, panels.size() == 2 ? 1 : 0);
            panels << panel;
        }
        window.resize(400, 300);
    }
    QLabel* Last() const { return panels.last(); }
};

bool Activate(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void Enter(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), widget->mapTo(widget->window(), QPointF(1, 1)),
                      widget->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

class ComponentsTest : public QObject {
    Q_OBJECT

  private slots:
    // Qt's dialogs keep their settings (the file dialog's columns) apart from the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void lastPanelShowsTheFirstLineOfTheHintUnderTheMouse() {
        MainForm form;
        tavo::TZorStatusBarHint hint(&form.window);
        QVERIFY(Activate(form.window));
        QVERIFY(form.window.statusBar()->isSizeGripEnabled());

        Enter(form.button);
        QCOMPARE(form.Last()->text(), QStringLiteral("Start a new project") + kGrip);
        QCOMPARE(form.Last()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(form.window.statusBar()->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(form.Last()->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(form.panels[0]->text(), QString());
        QCOMPARE(form.panels[1]->text(), QString());

        Enter(form.edit);
        QCOMPARE(form.Last()->text(), QStringLiteral("Name of the installer") + kGrip);

        // A control without a hint shows the hint of the frame it sits on.
        Enter(form.bare);
        QCOMPARE(form.Last()->text(), QStringLiteral("Details of the project") + kGrip);

        form.window.statusBar()->setSizeGripEnabled(false);
        Enter(form.button);
        QCOMPARE(form.Last()->text(), QStringLiteral("Start a new project"));

        // The real mouse; the control under it changes its hint (as the unit grid does per cell).
        QTest::mouseMove(form.edit, form.edit->rect().center());
        QTRY_VERIFY(form.edit->underMouse());
        QCOMPARE(form.Last()->text(), QStringLiteral("Name of the installer"));
        form.edit->setToolTip(QStringLiteral("Row 3|Power supply 350 mA"));
        QCOMPARE(form.Last()->text(), QStringLiteral("Power supply 350 mA"));
        // A change elsewhere, or on the window around the control, does not count.
        form.button->setToolTip(QStringLiteral("Other|Not under the mouse"));
        form.window.setToolTip(QStringLiteral("Window title"));
        QCOMPARE(form.Last()->text(), QStringLiteral("Power supply 350 mA"));

        QTest::mouseMove(form.button, form.button->rect().center());
        QTRY_COMPARE(form.Last()->text(), QStringLiteral("Not under the mouse"));
    }

    void dialogWithoutStatusBarLeavesTheMainWindowAlone() {
        MainForm form;
        tavo::TZorStatusBarHint hint(&form.window);
        QVERIFY(Activate(form.window));
        Enter(form.button);
        const QString shown = form.Last()->text();

        QDialog dialog(&form.window);
        auto* close = new QPushButton(QStringLiteral("Close"), &dialog);
        close->setToolTip(QStringLiteral("Close|Close the details"));
        QVERIFY(Activate(dialog));
        Enter(close);
        QCOMPARE(form.Last()->text(), shown);

        // Unless every window shows hints, or only the main window does.
        hint.SetDisplayOnAllForms(true);
        Enter(close);
        QCOMPARE(form.Last()->text(), QStringLiteral("Close the details") + kGrip);

        hint.SetDisplayOnParentOnly(true);
        QVERIFY(!hint.DisplayOnAllForms());
        close->setToolTip(QStringLiteral("Close|Close and keep the details"));
        Enter(close);
        QCOMPARE(form.Last()->text(), QStringLiteral("Close and keep the details") + kGrip);
    }

    void barWithoutPanelsShowsTheWholeLongHintAsItsMessage() {
        QMainWindow window;
        auto* button = new QPushButton(QStringLiteral("Go"), &window);
        button->setToolTip(QStringLiteral("Go|First line\rSecond line"));
        window.setCentralWidget(button);
        QStatusBar* bar = window.statusBar();
        tavo::TZorStatusBarHint hint;
        QVERIFY(Activate(window));
        Enter(button);
        QCOMPARE(bar->currentMessage(), QStringLiteral("First line\rSecond line"));
    }

    void panelsAreThePermanentLabelsAndADestroyedHintStopsListening() {
        MainForm form;
        auto* message = new QLabel(QStringLiteral("message"), form.window.statusBar());
        form.window.statusBar()->addWidget(message);
        QCOMPARE(tavo::TZorStatusBarHint::Panels(form.window.statusBar()), form.panels);
        {
            tavo::TZorStatusBarHint hint;
            QVERIFY(Activate(form.window));
            Enter(form.button);
            QCOMPARE(message->text(), QStringLiteral("message"));
            QCOMPARE(form.Last()->text(), QStringLiteral("Start a new project") + kGrip);
        }
        Enter(form.edit);
        QCOMPARE(form.Last()->text(), QStringLiteral("Start a new project") + kGrip);
    }

    // The product name stands out larger, also with a desktop font given in pixels.
    void aboutBoxShowsBothVersionsUnderALargerTitle() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Point size")));
        tavo::testing::TempDir dir;
        const std::string catalogue = dir.File("TAVOUNIT.DAT");
        tavo::testing::WriteBytes(catalogue,
                                  "; Tavo unit catalogue\r\n; VERSION : 2,1,0\r\n"
                                  "Input 18 mA\r\nIN18, i, 18, 0, 36, NO, NO, NO, YES, IN, 4\r\n");
        const QFont desktop = QApplication::font();
        QFont pixels = desktop;
        pixels.setPixelSize(11);
        QApplication::setFont(pixels);
        tavo::TAboutBox box(catalogue, nullptr);
        QApplication::setFont(desktop);
        const QFontInfo title(box.findChild<QLabel*>(QStringLiteral("ProductName"))->font());
        QVERIFY(title.bold());
        QCOMPARE(title.pixelSize(), 15);
        QCOMPARE(box.objectName(), QStringLiteral("AboutBox"));
        QCOMPARE(box.windowTitle(), QStringLiteral("About the Tavo Calculator"));

        const tavo::VersionResource builtIn = tavo::BuiltInVersionResource();
        const tavo::TZorApplicationInfo info(&builtIn);
        const QString version = box.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        QVERIFY2(version.startsWith(QStringLiteral("Version ")) && version.contains(" (Build "),
                 qPrintable(version));
        QCOMPARE(version, QString::fromStdString(info.GetVersionText()));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("lblDataVersion"))->text(),
                 QStringLiteral("Data Version  2.1.0"));

        QStringList texts;
        for (QLabel* label : box.findChildren<QLabel*>()) texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Tavo Calculator")));
        QVERIFY(texts.contains(
            QStringLiteral("For the latest version of this software, see the Brenlow web site")));
        QCOMPARE(box.UrlLabel()->Address(), QString::fromLatin1(tavo::kMakerWebSite));

        // The catalogue is read afresh: without it the default data version shows.
        tavo::TAboutBox missing(dir.File("NOFILE.DAT"), nullptr);
        QCOMPARE(missing.findChild<QLabel*>(QStringLiteral("lblDataVersion"))->text(),
                 QStringLiteral("Data Version 1.0.0"));
    }

    // Qt's own file dialog shows the sizes, types and dates of the files whole.
    void fileDialogColumnsShowSizesAndDatesWhole() {
        tavo::testing::TempDir dir;
        tavo::testing::WriteBytes(dir.File("Sample.tav"), std::string(745, 'x'));
        tavo::testing::WriteBytes(dir.File("Big.001"), std::string(1234567, 'x'));
        QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
            .remove(QStringLiteral("FileDialog"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDirectory(QString::fromStdString(dir.Path()));
        tavo::ShapeFileDialog(dialog);
        dialog.show();  // never run as a blocking box
        auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        const QModelIndex root = view->rootIndex();
        QTRY_COMPARE(view->model()->rowCount(root), 2);
        for (int row = 0; row < 2; ++row) {
            for (int column = 1; column < 4; ++column) {
                const QModelIndex cell = view->model()->index(row, column, root);
                QTRY_VERIFY(!cell.data().toString().isEmpty());
                QVERIFY2(view->sizeHintForIndex(cell).width() <= view->visualRect(cell).width(),
                         qPrintable(cell.data().toString()));
            }
        }
    }

    // The link opens the maker's site and leaves the box open; OK or Enter closes it.
    void aboutBoxLinkOpensTheSiteAndOkCloses() {
        tavo::testing::TempDir dir;
        for (bool byKey : {false, true}) {
            tavo::TAboutBox box(dir.File("TAVOUNIT.DAT"), nullptr);
            box.setWindowModality(Qt::NonModal);  // shown, never run as a blocking box
            QList<QUrl> opened;
            box.UrlLabel()->SetOpener([&](const QUrl& url) {
                opened << url;
                return true;
            });
            QVERIFY(Activate(box));
            QTest::mouseClick(box.UrlLabel(), Qt::LeftButton);
            QCOMPARE(opened, QList<QUrl>{QUrl(QString::fromLatin1(tavo::kMakerWebSite))});
            QVERIFY(box.isVisible());
            auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
            QVERIFY(ok->isDefault());
            if (byKey)
                QTest::keyClick(&box, Qt::Key_Return);
            else
                QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        }
    }

    void urlLabelOpensItsCaption() {
        tavo::TZorUrlLabel label;
        QCOMPARE(label.text(), QString::fromLatin1(tavo::kUrlLabelDefaultAddress));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

        QList<QUrl> opened;
        label.SetOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QSignalSpy clicks(&label, &tavo::TZorUrlLabel::clicked);
        label.SetAddress(QStringLiteral("https://www.brenlow.example/tavo"));
        label.resize(label.sizeHint());
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));

        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(opened.size(), 0);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.brenlow.example/tavo"))});

        // A press on the label released off it is no click.
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(opened.size(), 1);
    }
};

QTEST_MAIN(ComponentsTest)
#include "ComponentsTest.moc"
