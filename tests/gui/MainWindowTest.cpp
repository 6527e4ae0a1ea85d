// The main window's project commands through its real menus, tool buttons and network
// selector, with every prompt and file dialog scripted, on real files in a temporary folder.
#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "components/MessageBoxPrompts.h"
#include "core/NetworkFile.h"
#include "project/ProjectFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

using tavo::Answer;
using tavo::testing::ScriptedPrompts;

namespace {

const char kCatalogue[] =
    "Power supply 500 mA\r\nPSU, p, 0, 500, 0, YES, NO, NO, NO, PSU, 1\r\n"
    "Input 20 mA\r\nIN20, i, 20, 0, 36, NO, NO, NO, YES, IN, 4\r\n"
    "Output 30 mA\r\nOUT30, o, 30, 0, 45, NO, NO, NO, YES, OUT, 8\r\n";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<tavo::testing::TempDir> dir_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<tavo::AppState> state_;
    std::unique_ptr<tavo::TVCALC> window_;
    int detailsShown_ = 0;
    std::vector<std::string> helpCalls_;

    void Start() {
        window_ =
            std::make_unique<tavo::TVCALC>(*state_, QStringList{}, dir_->File("TAVOUNIT.DAT"));
        tavo::MainWindowServices& services = window_->Services();
        services.ShowProjectDetails = [this] { ++detailsShown_; };
        services.HelpContents = [this] { helpCalls_.push_back("contents"); };
        services.HelpIndex = [this](const std::string& keyword) {
            helpCalls_.push_back("index:" + keyword);
        };
        services.HelpOnHelp = [this] { helpCalls_.push_back("help on help"); };
        services.HelpTopic = [this](const std::string& topic) {
            helpCalls_.push_back("topic:" + topic);
        };
        window_->show();
        QVERIFY(window_->FormActivate());
    }
    QAction* Action(const char* name) {
        return window_->findChild<QAction*>(QString::fromLatin1(name));
    }
    QComboBox* Selector() { return window_->findChild<QComboBox*>(QStringLiteral("cbxNetworks")); }
    QString LabelText(const char* name) {
        return window_->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QTableWidget* Grid() { return window_->findChild<QTableWidget*>(QStringLiteral("sGrid")); }
    tavo::UnitType& Unit(int slot) {
        return state_->Units.UnitTable[static_cast<std::size_t>(slot)];
    }
    // Types a quantity for a unit type as a user would on "All Units".
    void Place(int slot, const QString& digits) {
        window_->Page().SelectTab(0);
        window_->Page().SelectRow(slot);
        QTest::keyClick(Grid(), Qt::Key_Space);
        QTest::keyClicks(Grid(), digits);
    }
    QStringList Messages() {
        QStringList texts;
        for (const auto& shown : prompts_->shown) texts << QString::fromStdString(shown.Text);
        return texts;
    }
    std::string Path(const char* name) { return dir_->File(name); }
    bool Exists(const char* name) { return tavo::FileExists(Path(name)); }
    // Picks the network next to the selected one with the keyboard (0-based index).
    void PickNetwork(int index) {
        Selector()->setFocus();
        const int from = Selector()->currentIndex();
        QVERIFY(index == from + 1 || index == from - 1);
        QTest::keyClick(Selector(), index > from ? Qt::Key_Down : Qt::Key_Up);
    }
    // A saved project of three networks: 1 holds 2 IN20, 2 holds 3 OUT30, 3 has no file.
    void MakeProject() {
        Place(2, QStringLiteral("2"));
        prompts_->files.push_back(Path("site.tav"));
        Action("SaveAs1")->trigger();
        state_->Project.NetworkCount = 3;
        window_->FormActivate();
        PickNetwork(1);
        Place(3, QStringLiteral("3"));
        Action("Save1")->trigger();
        QVERIFY(state_->Window.NetworkSaved);
        tavo::RemoveFileIfExists(Path("site.003"));
    }

  private slots:
    void init() {
        dir_ = std::make_unique<tavo::testing::TempDir>();
        tavo::testing::WriteBytes(dir_->File("TAVOUNIT.DAT"), kCatalogue);
        prompts_ = std::make_unique<ScriptedPrompts>();
        state_ = std::make_unique<tavo::AppState>(*prompts_);
        state_->Today = [] { return tavo::Date{2026, 12, 9}; };
        detailsShown_ = 0;
        helpCalls_.clear();
    }
    void cleanup() {
        if (window_) window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_.reset();
        state_.reset();
        prompts_.reset();
        dir_.reset();
    }

    void menusToolButtonsAndPanelsAreInPlace() {
        Start();
        const struct {
            const char* Name;
            const char* Caption;
            const char* Hint;
            QKeySequence Key;
        } items[] = {
            {"New1", "&New Project",
             "Create a new empty project (you will be prompted to save any changes)",
             QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"Open1", "&Open Project", "Load a  project  from disk",
             QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"Save1", "&Save Project", "Save the current project",
             QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"SaveAs1", "Save Project &As", "Save the current project under a different file name",
             QKeySequence(Qt::CTRL | Qt::Key_A)},
            {"Savelocalnetwork1", "Save Network", "Save only the current network", QKeySequence()},
            {"Print1", "Print", "Open the print dialog box", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Quit1", "E&xit", "Exit this Application", QKeySequence(Qt::ALT | Qt::Key_F4)},
            {"HelpContents", "&Contents", "Open Help on the contents page",
             QKeySequence(Qt::Key_F1)},
            {"SearchForHelpOn1", "&Search For Help On...", "Open Help on the index page",
             QKeySequence()},
            {"HowtouseHelp1", "&How to use Help", "get help on how to use the help files",
             QKeySequence()},
            {"mnuTutorial", "Tutorial", "Run the Tavo Calculator Tutorial", QKeySequence()},
            {"About1", "&About...", "View the about box", QKeySequence()},
        };
        for (const auto& item : items) {
            QAction* action = Action(item.Name);
            QVERIFY2(action != nullptr, item.Name);
            QCOMPARE(action->text(), QString::fromLatin1(item.Caption));
            QCOMPARE(action->statusTip(), QString::fromLatin1(item.Hint));
            QCOMPARE(action->shortcut(), item.Key);
        }
        QVERIFY(!Action("Savelocalnetwork1")->isVisible());
        QVERIFY(!Action("Print1")->isEnabled());
        QCOMPARE(Action("EditProjectDetails2")->text(), QStringLiteral("&Edit Project Details"));
        QCOMPARE(Action("PrinterSetup1")->text(), QStringLiteral("Printer Setup"));
        QStringList menus;
        for (QAction* menu : window_->menuBar()->actions()) menus << menu->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"),
                                     QStringLiteral("&Help ")}));
        const char* buttons[][2] = {{"ToolButton1", "New Project"},
                                    {"ToolButton2", "Open Project"},
                                    {"ToolButton3", "Save Project"},
                                    {"btnPrint", "Print"},
                                    {"ToolButton5", "Project Details"}};
        for (const auto& button : buttons)
            QCOMPARE(window_->findChild<QToolButton*>(QString::fromLatin1(button[0]))->toolTip(),
                     QString::fromLatin1(button[1]));
        QCOMPARE(Selector()->toolTip(), QStringLiteral("Select a network to edit or view"));
        QCOMPARE(Selector()->count(), 1);
        QCOMPARE(Selector()->itemText(0), QStringLiteral("Network 1"));
        QCOMPARE(LabelText("lblNetworkSelector"), QStringLiteral("Network Selector (1 of 1)"));
        QCOMPARE(window_->statusBar()->findChildren<QLabel*>().size(), 3);
        QCOMPARE(window_->windowTitle(),
                 QStringLiteral("Tavo Calculator/Installation Reporter [Untitled]"));
        // The help commands and the details button reach their windows.
        QTest::keyClick(Grid(), Qt::Key_F1);
        Action("SearchForHelpOn1")->trigger();
        Action("HowtouseHelp1")->trigger();
        Action("mnuTutorial")->trigger();
        QCOMPARE(helpCalls_, (std::vector<std::string>{"contents", "index:", "help on help",
                                                       "topic:Tutorial"}));
        QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton5")),
                          Qt::LeftButton);
        Action("EditProjectDetails2")->trigger();
        QCOMPARE(detailsShown_, 2);
    }

    void newOnAnEditedUntitledProjectAsksToSaveTheProject() {
        Start();
        Place(2, QStringLiteral("4"));
        // Cancel: everything stays.
        prompts_->answers = {Answer::Cancel};
        QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton1")),
                          Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Project changed. Save project?")});
        QCOMPARE(Unit(2).Quantity, 4);
        // Yes, then the save dialog cancelled: nothing was saved, so New stops.
        prompts_->answers = {Answer::Yes};
        prompts_->files = {""};
        Action("New1")->trigger();
        QCOMPARE(Unit(2).Quantity, 4);
        QCOMPARE(prompts_->dialogs.back().Filter, std::string("Tavo Network Project|*.tav"));
        QCOMPARE(prompts_->dialogs.back().DefaultExtension, std::string("tav"));
        // No: a fresh project.
        prompts_->answers = {Answer::No};
        Action("New1")->trigger();
        QCOMPARE(Unit(2).Quantity, 0);
        QVERIFY(state_->Window.NetworkSaved);
        QVERIFY(state_->Window.ProjectSaved);
        QCOMPARE(Messages().size(), 3);
    }

    void saveAsWritesTheFilesAndTitlesTheWindow() {
        Start();
        state_->Project.ProjectName = "Harbour";
        window_->FormActivate();
        Place(2, QStringLiteral("2"));
        prompts_->files = {Path("site.tav")};
        QVERIFY(window_->SaveAs1Click());
        QCOMPARE(prompts_->dialogs.back().FileName, std::string("Harbour"));
        QCOMPARE(window_->windowTitle(),
                 QString::fromStdString("Tavo Calculator/Installation Reporter [" +
                                        Path("site.tav") + "]"));
        QVERIFY(state_->Window.ProjectSaved && state_->Window.NetworkSaved);
        const std::string network = tavo::testing::ReadBytes(Path("site.001"));
        QVERIFY(network.find("NetWork Name:Network 1\r\n") != std::string::npos);
        QVERIFY(network.find("IN20        \t\t2\r\n") != std::string::npos);
        QVERIFY(tavo::testing::ReadBytes(Path("site.tav")).find("       Name:\tHarbour\r\n") !=
                std::string::npos);
        // A path with letters beyond ASCII shows as the file system spells it.
        const std::string accented = Path("Caf\xC3\xA9.tav");
        prompts_->files = {accented};
        QVERIFY(window_->SaveAs1Click());
        QVERIFY(window_->windowTitle().endsWith(QString::fromUtf8("Caf\xC3\xA9.tav]")));
        QVERIFY(tavo::FileExists(Path("Caf\xC3\xA9.001")));
        // Save As under the same name copies nothing and still saves.
        prompts_->files = {accented};
        QVERIFY(window_->SaveAs1Click());
        QVERIFY(prompts_->shown.empty());
    }

    void failedSaveMarksNothingSavedAndReportsTheSystemText() {
        Start();
        Place(2, QStringLiteral("2"));
        prompts_->files = {Path("missing/site.tav")};
        QVERIFY(!window_->SaveAs1Click());
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages()[0].endsWith(QStringLiteral("No such file or directory")));
        QCOMPARE(prompts_->shown[0].Kind, tavo::MessageKind::Error);
        QVERIFY(!state_->Window.NetworkSaved);
        QVERIFY(state_->Window.ProjectFileName.empty());
        QCOMPARE(window_->windowTitle(),
                 QStringLiteral("Tavo Calculator/Installation Reporter [Untitled]"));
        // Exit with Yes, and the save fails again: the window stays open.
        prompts_->answers = {Answer::Yes};
        prompts_->files = {Path("missing/site.tav")};
        QVERIFY(!window_->close());
        QCOMPARE(Messages()[1], QStringLiteral("Save network before exit?"));
        QCOMPARE(Messages().size(), 3);
        QVERIFY(window_->isVisible());
    }

    void openReadsTheProjectAndItsFirstNetwork() {
        Start();
        MakeProject();
        prompts_->answers = {Answer::No};
        Action("New1")->trigger();
        QVERIFY(prompts_->shown.empty());  // everything was saved
        prompts_->files = {Path("site.tav")};
        QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("ToolButton2")),
                          Qt::LeftButton);
        QCOMPARE(prompts_->dialogs.back().Filter,
                 std::string("Tavo Calculator Project (*.tav)|*.tav|Tavo Installation Project "
                             "(*.tag)|*.tag|All Files (*.*)|*"));
        QCOMPARE(prompts_->dialogs.back().DefaultExtension, std::string("ta!"));
        QCOMPARE(window_->windowTitle(),
                 QString::fromStdString("Tavo Calculator/Installation Reporter [" +
                                        Path("site.tav") + "]"));
        QCOMPARE(Unit(2).Quantity, 2);
        QCOMPARE(Unit(3).Quantity, 0);
        QCOMPARE(Selector()->count(), 3);
        QCOMPARE(Selector()->itemText(2), QStringLiteral("Network 3"));
        QCOMPARE(window_->Page().Lists().TabIndex(), 7);
        QCOMPARE(state_->Window.ProjectBaseName, Path("site"));
        PickNetwork(1);
        QVERIFY(prompts_->shown.empty());
        QCOMPARE(Unit(3).Quantity, 3);
        QCOMPARE(Unit(2).Quantity, 0);
        PickNetwork(0);
        // The file dialog cancelled keeps the project.
        prompts_->files = {""};
        Action("Open1")->trigger();
        QCOMPARE(Unit(2).Quantity, 2);
        QCOMPARE(state_->Window.ProjectFileName, Path("site.tav"));
    }

    void openStopsAtCancelAndRejectsDamagedOrInstallationFiles() {
        Start();
        Place(2, QStringLiteral("2"));
        prompts_->answers = {Answer::Cancel};
        Action("Open1")->trigger();
        QCOMPARE(Messages(), (QStringList{QStringLiteral("Project changed. Save project?"),
                                          QStringLiteral("Operation cancelled")}));
        QCOMPARE(Unit(2).Quantity, 2);
        // An installation project is not opened and nothing changes.
        prompts_->answers = {Answer::No};
        tavo::testing::WriteBytes(Path("plant.TAG"), "NMain=01|x|254|0\r\n");
        prompts_->files = {Path("plant.TAG")};
        Action("Open1")->trigger();
        QVERIFY(Messages().last().startsWith(QStringLiteral("Opening installation projects")));
        QCOMPARE(Unit(2).Quantity, 2);
        // A damaged project file leaves a new untitled project.
        tavo::testing::WriteBytes(Path("bad.tav"), "nothing like a project\r\n");
        prompts_->answers = {Answer::No};
        prompts_->files = {Path("bad.tav")};
        Action("Open1")->trigger();
        QCOMPARE(Messages().last(), QStringLiteral("Project file is corrupted, data ignored"));
        QVERIFY(state_->Window.ProjectFileName.empty());
        QCOMPARE(window_->windowTitle(),
                 QStringLiteral("Tavo Calculator/Installation Reporter [Untitled]"));
        QCOMPARE(Unit(2).Quantity, 0);
    }

    void switchingNetworksAsksAboutTheOneInMemory() {
        Start();
        MakeProject();
        QCOMPARE(Selector()->currentIndex(), 1);
        Place(3, QStringLiteral("5"));
        // Cancel keeps network 2 in memory, selected and unsaved.
        prompts_->answers = {Answer::Cancel};
        PickNetwork(2);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Save network?")});
        QCOMPARE(Selector()->currentIndex(), 1);
        QCOMPARE(Unit(3).Quantity, 5);
        QVERIFY(!state_->Window.NetworkSaved);
        // No drops the edits and shows network 3, which has no file: an empty network.
        prompts_->answers = {Answer::No};
        PickNetwork(2);
        QCOMPARE(Selector()->currentIndex(), 2);
        QCOMPARE(state_->Window.CurrentNetwork, 3);
        QCOMPARE(Unit(3).Quantity, 0);
        QCOMPARE(LabelText("lblNetworkSelector"), QStringLiteral("Network Selector (3 of 3)"));
        PickNetwork(1);
        QCOMPARE(Unit(3).Quantity, 3);  // the saved 3, not the dropped 5
        // Yes writes network 2 before network 1 is read.
        Place(3, QStringLiteral("7"));
        prompts_->answers = {Answer::Yes};
        PickNetwork(0);
        QCOMPARE(Unit(2).Quantity, 2);
        QVERIFY(tavo::testing::ReadBytes(Path("site.002")).find("OUT30       \t\t7\r\n") !=
                std::string::npos);
        QCOMPARE(state_->Window.LoadedNetworkNumber, 1);
    }

    void fewerNetworksDeleteTheSurplusFilesOnSave() {
        Start();
        Place(2, QStringLiteral("1"));
        prompts_->files = {Path("site.tav")};
        window_->SaveAs1Click();
        for (const char* name : {"site.002", "site.003", "site.004", "site.005"})
            tavo::testing::WriteBytes(Path(name), "x\r\n");
        state_->Project.NetworkCount = 5;
        window_->FormActivate();
        QCOMPARE(Selector()->count(), 5);
        state_->Project.NetworkCount = 3;
        state_->Window.ProjectSaved = false;
        window_->FormActivate();
        QCOMPARE(Selector()->count(), 3);
        QVERIFY(window_->Save1Click());
        QVERIFY(Exists("site.003"));
        QVERIFY(!Exists("site.004"));
        QVERIFY(!Exists("site.005"));
    }

    void exitPromptsFollowWhatIsUnsaved() {
        Start();
        MakeProject();
        Place(2, QStringLiteral("9"));
        prompts_->answers = {Answer::Cancel};
        QVERIFY(!window_->close());
        QCOMPARE(Messages(), QStringList{QStringLiteral("Save network before exit?")});
        prompts_->answers = {Answer::Yes};
        QVERIFY(window_->close());
        QVERIFY(tavo::testing::ReadBytes(Path("site.002")).find("IN20        \t\t9\r\n") !=
                std::string::npos);
        QCOMPARE(Messages().size(), 2);
    }

    void switchingAnUntitledNetworkNeedsAFileName() {
        Start();
        state_->Project.NetworkCount = 2;
        window_->FormActivate();
        Place(2, QStringLiteral("3"));
        // Yes, but the save dialog is cancelled: the network cannot be saved and stays.
        prompts_->answers = {Answer::Yes};
        prompts_->files = {""};
        PickNetwork(1);
        QCOMPARE(Messages(), (QStringList{QStringLiteral("Save network?"),
                                          QStringLiteral("Cannot save network")}));
        QCOMPARE(prompts_->shown[1].Kind, tavo::MessageKind::Error);
        QCOMPARE(Selector()->currentIndex(), 0);
        QCOMPARE(Unit(2).Quantity, 3);
        // A changed project asks to save the project on exit; No closes.
        state_->Window.ProjectSaved = false;
        prompts_->answers = {Answer::No};
        QVERIFY(window_->close());
        QCOMPARE(Messages().last(), QStringLiteral("Save project before exit?"));
    }

    void anUnreadableNetworkFileIsNeverWrittenOver() {
        Start();
        MakeProject();
        PickNetwork(0);
        // Network 2's file exists but cannot be read (reading this file fails even for root).
        tavo::RemoveFileIfExists(Path("site.002"));
        QVERIFY(::symlink("/proc/self/mem", Path("site.002").c_str()) == 0);
        Place(2, QStringLiteral("6"));
        prompts_->answers = {Answer::Yes};
        PickNetwork(1);
        QCOMPARE(Messages().size(), 2);
        QVERIFY(Messages()[1].startsWith(QStringLiteral("Cannot read file")));
        // Network 1 stays in memory and selected; a save writes network 1, not network 2.
        QCOMPARE(Selector()->currentIndex(), 0);
        QCOMPARE(state_->Window.LoadedNetworkNumber, 1);
        QCOMPARE(Unit(2).Quantity, 6);
        QVERIFY(window_->Save1Click());
        QVERIFY(tavo::testing::ReadBytes(Path("site.001")).find("IN20        \t\t6\r\n") !=
                std::string::npos);
        char target[64] = {};
        QVERIFY(::readlink(Path("site.002").c_str(), target, sizeof target - 1) > 0);
        QCOMPARE(QString::fromLatin1(target), QStringLiteral("/proc/self/mem"));
    }

    void saveAsWhoseCopyFailsLeavesTheProjectUnsaved() {
        Start();
        MakeProject();
        PickNetwork(0);
        tavo::RemoveFileIfExists(Path("site.002"));
        QVERIFY(::symlink("/proc/self/mem", Path("site.002").c_str()) == 0);
        prompts_->files = {Path("other.tav")};
        QVERIFY(!window_->SaveAs1Click());
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages()[0].startsWith(QStringLiteral("Cannot read file")));
        QVERIFY(!state_->Window.ProjectSaved);
        QVERIFY(Exists("other.001"));
        // Closing therefore still asks.
        prompts_->answers = {Answer::No};
        QVERIFY(window_->close());
        QCOMPARE(Messages().last(), QStringLiteral("Save project before exit?"));
    }

    void aNetworkDroppedByALowerCountLeavesMemory() {
        Start();
        MakeProject();  // network 2 in memory
        state_->Project.NetworkCount = 1;
        window_->FormActivate();
        QCOMPARE(Selector()->count(), 1);
        QCOMPARE(state_->Window.CurrentNetwork, 1);
        QCOMPARE(state_->Window.LoadedNetworkNumber, 1);
        QCOMPARE(Unit(2).Quantity, 2);  // network 1 read from its file
        QCOMPARE(Unit(3).Quantity, 0);
    }

    void saveAsOfAnUntitledProjectCopiesNoStrayFiles() {
        Start();
        const QString before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir_->Path()));
        tavo::testing::WriteBytes(dir_->File(".002"), "NetWork Name:Stray\r\n");
        state_->Project.NetworkCount = 2;
        window_->FormActivate();
        Place(2, QStringLiteral("1"));
        prompts_->files = {Path("fresh.tav")};
        QVERIFY(window_->SaveAs1Click());
        QDir::setCurrent(before);
        QVERIFY(Exists("fresh.001"));
        QVERIFY(!Exists("fresh.002"));
    }

    void newOnASavedProjectAsksOnlyAboutTheNetwork() {
        Start();
        MakeProject();
        Place(3, QStringLiteral("8"));
        prompts_->answers = {Answer::Cancel};
        Action("New1")->trigger();
        QCOMPARE(Messages(), QStringList{QStringLiteral("Save network?")});
        QCOMPARE(state_->Window.ProjectFileName, Path("site.tav"));
        QCOMPARE(Unit(3).Quantity, 8);
        prompts_->answers = {Answer::Yes};
        Action("New1")->trigger();
        QVERIFY(tavo::testing::ReadBytes(Path("site.002")).find("OUT30       \t\t8\r\n") !=
                std::string::npos);
        QVERIFY(state_->Window.ProjectFileName.empty());
        QCOMPARE(Unit(3).Quantity, 0);
    }

    void fileDialogFiltersShowEachPatternOnce() {
        QCOMPARE(tavo::NameFilters("Tavo Calculator Project (*.tav)|*.tav|Tavo Installation "
                                   "Project (*.tag)|*.tag|All Files (*.*)|*"),
                 (QStringList{QStringLiteral("Tavo Calculator Project (*.tav)"),
                              QStringLiteral("Tavo Installation Project (*.tag)"),
                              QStringLiteral("All Files (*)")}));
        QCOMPARE(tavo::NameFilters("Tavo project|*.tav|All files|*.*"),
                 (QStringList{QStringLiteral("Tavo project (*.tav)"),
                              QStringLiteral("All files (*.*)")}));
    }

    void tagStoreNamesServeOnlyAnOpenInstallation() {
        Start();
        window_->Services().TagNetworkEntries = [] { return 3; };
        window_->Services().TagNetworkName = [](int entry) {
            return entry == 2 ? std::string("Plant A") : std::string("Plant B");
        };
        state_->Project.NetworkCount = 2;
        window_->FormActivate();
        QCOMPARE(Selector()->itemText(0), QStringLiteral("Network 1"));
        state_->Window.CalculatorProject = false;
        window_->FormActivate();
        QCOMPARE(Selector()->itemText(0), QStringLiteral("Plant A"));
        QCOMPARE(Selector()->itemText(1), QStringLiteral("Plant B"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
