// The assembled program: the main window with its details dialog, help viewer and status-bar
// hint, as tavocalc builds it.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
};

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
