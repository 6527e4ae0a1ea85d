// The assembled program: the main window with its details dialog, help viewer and status-bar
// hint, as tavocalc builds it, on a desktop screen of 1920 x 1080 pixels.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "calculator/MainWindow.h"
#include "calculator/TavoApplication.h"
#include "components/HelpViewer.h"
#include "components/StatusBarHint.h"
#include "project/ProjectDetailsDialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

class ApplicationTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<tavo::testing::TempDir> dir_;
    std::unique_ptr<tavo::testing::ScriptedPrompts> prompts_;
    std::unique_ptr<tavo::TavoApplication> program_;

  private slots:
    void init() {
        dir_ = std::make_unique<tavo::testing::TempDir>();
        tavo::testing::WriteBytes(
            dir_->File("TAVOUNIT.DAT"),
            "; VERSION : 5,1\r\nInput\r\nIN1, i, 20, 0, 36, NO, NO, NO, YES, IN, 1\r\n");
        prompts_ = std::make_unique<tavo::testing::ScriptedPrompts>();
        program_ = std::make_unique<tavo::TavoApplication>(
            *prompts_, QStringList{}, dir_->File("TAVOUNIT.DAT"),
            std::string(TAVO_SOURCE_DIR) + "/data/TavoCalc.hlp");
        program_->Window().show();
        QVERIFY(program_->Window().FormActivate());
    }
    void cleanup() {
        program_.reset();
        prompts_.reset();
        dir_.reset();
    }

    void detailsDialogFeedsTheMainWindow() {
        tavo::TVCALC& window = program_->Window();
        window.findChild<QAction*>(QStringLiteral("EditProjectDetails2"))->trigger();
        tavo::TProjForm& form = program_->ProjectDetailsDialog();
        QVERIFY(form.isVisible());
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("InstName")),
                         QStringLiteral("Robin"));
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("ProjName")),
                         QStringLiteral("Harbour"));
        auto* count = form.findChild<QSpinBox*>(QStringLiteral("edtNetworkCount"));
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("4"));
        QVERIFY(!program_->State().Window.ProjectSaved);
        // Back in the main window: the dialog goes, its values stay and show.
        window.FormActivate();
        QVERIFY(!form.isVisible());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblInstaller"))->text(),
                 QStringLiteral("Robin"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblProject"))->text(),
                 QStringLiteral("Harbour"));
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cbxNetworks"))->count(), 4);
        // New clears the details and the dialog shows them cleared.
        program_->State().Window.ProjectSaved = true;
        window.findChild<QAction*>(QStringLiteral("New1"))->trigger();
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("InstName"))->text(), QString());
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("cbxNetworks"))->count(), 1);
    }

    void helpOpensAtItsPagesAndTheStatusBarShowsHints() {
        tavo::TVCALC& window = program_->Window();
        window.findChild<QAction*>(QStringLiteral("mnuTutorial"))->trigger();
        QVERIFY(program_->Help().isVisible());
        QCOMPARE(program_->Help().CurrentTopic(), QStringLiteral("Tutorial"));
        window.findChild<QAction*>(QStringLiteral("HelpContents"))->trigger();
        QCOMPARE(program_->Help().CurrentTopic(), QStringLiteral("contents"));
        program_->Help().hide();

        window.findChild<tavo::TZorStatusBarHint*>()->ShowHint(
            window.findChild<QToolButton*>(QStringLiteral("ToolButton1"))->toolTip());
        const QList<QLabel*> panels = tavo::TZorStatusBarHint::Panels(window.statusBar());
        QCOMPARE(panels.size(), 3);
        QVERIFY(panels.last()->text().startsWith(QStringLiteral("New Project")));
    }

    // The details dialog and the help open beside the main window, on the side with room.
    void detailsAndHelpOpenBesideTheMainWindow() {
        tavo::TVCALC& window = program_->Window();
        const QRect screen = window.screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1920, 1080));
        tavo::TProjForm& form = program_->ProjectDetailsDialog();
        tavo::THelpViewer& help = program_->Help();
        const auto open = [&](QWidget& other, const char* action) {
            window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(&other));
            QVERIFY(screen.contains(other.frameGeometry()));
            QVERIFY(!other.frameGeometry().intersects(window.frameGeometry()));
        };

        window.move(40, 60);
        open(form, "EditProjectDetails2");
        QVERIFY(form.frameGeometry().left() > window.frameGeometry().right());
        QCOMPARE(form.frameGeometry().top(), window.frameGeometry().top());
        open(help, "mnuTutorial");
        QVERIFY(help.frameGeometry().left() > window.frameGeometry().right());
        // Closed windows open on the side with room; open ones stay where they are.
        form.hide();
        window.move(screen.right() - window.frameGeometry().width() - 20, 200);
        QTRY_VERIFY(window.frameGeometry().right() > screen.center().x());
        open(form, "EditProjectDetails2");
        QVERIFY(form.frameGeometry().right() < window.frameGeometry().left());
        help.move(100, 100);
        window.findChild<QAction*>(QStringLiteral("HelpContents"))->trigger();
        QCOMPARE(help.pos(), QPoint(100, 100));
    }

    // A menu item shows its hint in the status bar while it is under the mouse; an item
    // without a hint clears it.
    void menuItemsWithoutAHintClearTheHint() {
        tavo::TVCALC& window = program_->Window();
        QLabel* hint = tavo::TZorStatusBarHint::Panels(window.statusBar()).last();
        auto* menu = window.findChild<QMenu*>(QStringLiteral("File1"));
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {},
                          window.menuBar()->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        const auto hover = [&](const char* name) {
            QAction* item = window.findChild<QAction*>(QString::fromLatin1(name));
            QTest::mouseMove(menu, menu->actionGeometry(item).center());
            QTRY_COMPARE(menu->activeAction(), item);
        };
        hover("Print1");
        QVERIFY(hint->text().startsWith(QStringLiteral("Open the print dialog box")));
        hover("PrinterSetup1");
        QCOMPARE(hint->text().trimmed(), QString());
        menu->hide();
    }
};

// The offscreen platform with a screen the size of an ordinary desktop's.
int main(int argc, char** argv) {
    tavo::testing::TempDir dir;
    const std::string config = dir.File("screen.json");
    tavo::testing::WriteBytes(config,
                              R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,)"
                              R"( "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96,)"
                              R"( "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    QApplication application(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ApplicationTest.moc"
