// The main window's project commands through its real menus, tool buttons and network
// selector, with every prompt and file dialog scripted, on real files in a temporary folder.
#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "calculator/CalculatorPage.h"
#include "calculator/MainWindow.h"
#include "calculator/StatusStrip.h"
#include "components/MessageBoxPrompts.h"
#include "core/NetworkFile.h"
#include "core/NetworkStatus.h"
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

// The tool buttons and their tips.
const char* const kButtons[][2] = {{"ToolButton1", "New Project"},
                                   {"ToolButton2", "Open Project"},
                                   {"ToolButton3", "Save Project"},
                                   {"btnPrint", "Print"},
                                   {"ToolButton5", "Project Details"}};

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
    QToolButton* Button(const char* name) {
        return window_->findChild<QToolButton*>(QString::fromLatin1(name));
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
    // Copies files of the source tree into the folder, over any there.
    void CopyIn(const QString& from, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const QString to = QString::fromStdString(Path(name));
            QFile::remove(to);
            QVERIFY2(QFile::copy(from + QLatin1String(name), to), name);
        }
    }
    static QString Caption(const std::string& file) {
        return QString::fromStdString("Tavo Calculator/Installation Reporter [" + file + "]");
    }
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
            {"PrinterSetup1", "Printer Setup", "", QKeySequence()},
            {"Quit1", "E&xit", "Exit this Application", QKeySequence(Qt::ALT | Qt::Key_F4)},
            {"EditProjectDetails2", "&Edit Project Details", "", QKeySequence()},
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
        QVERIFY(Action("Print1")->isEnabled());
        QStringList menus;
        for (QAction* menu : window_->menuBar()->actions()) menus << menu->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"),
                                     QStringLiteral("&Help ")}));
        for (const auto& [name, tip] : kButtons)
            QCOMPARE(Button(name)->toolTip(), QString::fromLatin1(tip));
        QCOMPARE(Selector()->toolTip(), QStringLiteral("Select a network to edit or view"));
        QCOMPARE(Selector()->count(), 1);
        QCOMPARE(Selector()->itemText(0), QStringLiteral("Network 1"));
        QCOMPARE(LabelText("lblNetworkSelector"), QStringLiteral("Network Selector (1 of 1)"));
        QCOMPARE(window_->statusBar()->findChildren<QLabel*>().size(), 3);
        QCOMPARE(window_->windowTitle(), Caption("Untitled"));
        // The help commands and the details button reach their windows.
        QTest::keyClick(Grid(), Qt::Key_F1);
        Action("SearchForHelpOn1")->trigger();
        Action("HowtouseHelp1")->trigger();
        Action("mnuTutorial")->trigger();
        QCOMPARE(helpCalls_, (std::vector<std::string>{"contents", "index:", "help on help",
                                                       "topic:Tutorial"}));
        QTest::mouseClick(Button("ToolButton5"), Qt::LeftButton);
        Action("EditProjectDetails2")->trigger();
        QCOMPARE(detailsShown_, 2);
    }

    // The commands are the driver's (tested without a window); here, that the menus, tool
    // buttons, selector and close events reach it and that what it decides is shown.
    void toolButtonsMenusAndSelectorReachTheCommands() {
        Start();
        Place(2, QStringLiteral("4"));
        prompts_->answers = {Answer::Cancel};
        QTest::mouseClick(Button("ToolButton1"), Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Project changed. Save project?")});
        QCOMPARE(Unit(2).Quantity, 4);
        MakeProject();
        QCOMPARE(Selector()->count(), 3);
        QCOMPARE(Selector()->currentIndex(), 1);
        QCOMPARE(LabelText("lblNetworkSelector"), QStringLiteral("Network Selector (2 of 3)"));
        QCOMPARE(window_->windowTitle(), Caption(Path("site.tav")));
        QCOMPARE(window_->statusTip(), window_->windowTitle());
        // The keyboard on the selector switches networks; Cancel puts the selector back.
        Place(3, QStringLiteral("5"));
        prompts_->answers = {Answer::Cancel};
        PickNetwork(2);
        QCOMPARE(Messages().last(), QStringLiteral("Save network?"));
        QCOMPARE(Selector()->currentIndex(), 1);
        QCOMPARE(Unit(3).Quantity, 5);
        prompts_->answers = {Answer::No};
        PickNetwork(2);
        QCOMPARE(Selector()->currentIndex(), 2);
        QCOMPARE(LabelText("lblNetworkSelector"), QStringLiteral("Network Selector (3 of 3)"));
        QCOMPARE(Unit(3).Quantity, 0);
        // The wheel over the selector switches nothing.
        QWheelEvent wheel(QPointF(5, 5), Selector()->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Selector(), &wheel);
        QCOMPARE(Selector()->currentIndex(), 2);
        // Open through the tool button, then the menu: the labels follow the project.
        state_->Project.InstallerName = "Anna Berg";
        state_->Project.ProjectName = "Harbour";
        QVERIFY(window_->Save1Click());
        prompts_->files = {Path("site.tav")};
        QTest::mouseClick(Button("ToolButton2"), Qt::LeftButton);
        QCOMPARE(LabelText("lblInstaller"), QStringLiteral("Anna Berg"));
        QCOMPARE(LabelText("lblProject"), QStringLiteral("Harbour"));
        QCOMPARE(Selector()->currentIndex(), 0);
        QCOMPARE(window_->Page().Lists().TabIndex(), 7);
        Action("New1")->trigger();
        QCOMPARE(LabelText("lblProject"), QString());
        QCOMPARE(window_->windowTitle(), Caption("Untitled"));
    }

    void closingAsksTheExitPrompts() {
        Start();
        Place(2, QStringLiteral("2"));
        prompts_->answers = {Answer::Cancel};
        QVERIFY(!window_->close());
        QCOMPARE(Messages(), QStringList{QStringLiteral("Save network before exit?")});
        QVERIFY(window_->isVisible());
        // A path with letters beyond ASCII shows as the file system spells it.
        prompts_->answers = {Answer::Yes};
        prompts_->files = {Path("Caf\xC3\xA9.tav")};
        QVERIFY(window_->close());
        QVERIFY(window_->windowTitle().endsWith(QString::fromUtf8("Caf\xC3\xA9.tav]")));
        QVERIFY(Exists("Caf\xC3\xA9.001"));
        QVERIFY(!window_->isVisible());
    }

    // The sample installation, opened as a user would (File > Open, or its tag file given on
    // the command line): the import asks about the shared codes, warns, and shows network 1
    // of the named networks.
    void openingAnInstallationImportsIt_data() {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("File > Open") << false;
        QTest::newRow("command line") << true;
    }
    void openingAnInstallationImportsIt() {
        QFETCH(bool, commandLine);
        CopyIn(TAVO_SOURCE_DIR "/examples/Harbour/", {"Harbour.tag", "Harbour.dbf", "Harbour.DBT"});
        CopyIn(TAVO_SOURCE_DIR "/data/", {"TAVOUNIT.DAT", "TavoAlias.als"});
        const QString tag = QString::fromStdString(Path("Harbour.tag"));
        window_ =
            std::make_unique<tavo::TVCALC>(*state_, commandLine ? QStringList{tag} : QStringList{},
                                           Path("TAVOUNIT.DAT"), Path("TavoAlias.als"));
        std::vector<std::string> asked;
        window_->Services().SelectCatalogueEntry =
            [&](const tavo::Catalogue& units, const std::string& code, const std::string& network,
                const std::string& dec, const std::string& hex) {
                asked.push_back(code + " " + network + " " + dec + "/" + hex);
                int slot = 1;
                while (units.UnitTable[static_cast<std::size_t>(slot)].InstallCode != code) ++slot;
                return slot;
            };
        window_->show();
        QVERIFY(window_->FormActivate());
        if (commandLine) {
            QTRY_VERIFY(window_->windowTitle().endsWith(tag + QStringLiteral("]")));
        } else {
            prompts_->files = {Path("Harbour.tag")};
            Action("Open1")->trigger();
        }
        QCOMPARE(asked, (std::vector<std::string>{"SENS Main building 19/13",
                                                  "ALARM Main building 37/25"}));
        QCOMPARE(Messages().size(), 2);
        QVERIFY(Messages()[0].startsWith(QStringLiteral("WARNING !  - UNKNOWN UNIT TYPES\r")));
        QVERIFY(Messages()[0].contains(QStringLiteral("\rEVC2\r\n")));
        QVERIFY(Messages()[1].startsWith(QStringLiteral("WARNING\rProjects that have been read")));
        QCOMPARE(Selector()->count(), 3);
        QCOMPARE(Selector()->itemText(0), QStringLiteral("Annex"));
        QCOMPARE(Selector()->itemText(2), QStringLiteral("Main building"));
        QCOMPARE(LabelText("lblProject"), QStringLiteral("Harbour Offices"));
        QCOMPARE(window_->windowTitle(), Caption(Path("Harbour.tag")));
        // Network 1 on "Selected Units": the annex's four units and their total.
        QCOMPARE(window_->Page().Lists().TabIndex(), 7);
        QCOMPARE(Grid()->rowCount(), 5);
        QCOMPARE(Grid()->item(4, 2)->text(), QStringLiteral(" Total 4"));
    }

    // The Export submenu is rebuilt each time it opens: the current network in its caption and
    // hint, the installation item only for an installation project.
    void exportSubmenuFollowsWhatIsOpen() {
        Start();
        QMenu* exportMenu = window_->findChild<QMenu*>(QStringLiteral("mnuExport"));
        QVERIFY(exportMenu != nullptr);
        QVERIFY(exportMenu->menuAction()->isEnabled());
        for (const auto& [name, caption] :
             {std::pair("mnuCurrentNetworkDatatoCSV", "Current Network Data to CSV"),
              {"mnuAllNetworkDatatoCSV", "All Network Data to CSV"},
              {"mnuInstallationDataToCSV", "Installation Data To CSV"}})
            QCOMPARE(Action(name)->text(), QString::fromLatin1(caption));
        QVERIFY(QMetaObject::invokeMethod(exportMenu, "aboutToShow"));
        QCOMPARE(Action("mnuCurrentNetworkDatatoCSV")->text(),
                 QStringLiteral("Current Network Data (Network 1) to CSV"));
        QCOMPARE(
            Action("mnuCurrentNetworkDatatoCSV")->statusTip(),
            QStringLiteral("Export the data for the current Network (Network 1) to CSV format"));
        QVERIFY(!Action("mnuInstallationDataToCSV")->isEnabled());
        // The item writes the file chosen in "Save Export".
        prompts_->files = {Path("net.csv")};
        Action("mnuCurrentNetworkDatatoCSV")->trigger();
        QCOMPARE(prompts_->dialogs.back().Title, std::string("Save Export"));
        QVERIFY(tavo::testing::ReadBytes(Path("net.csv")).rfind("\"Project\",\"\"\r\n", 0) == 0);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Export Complete!")});
    }

    // `tavocalc 150 Sample.tav`: the address limit as ever, and the project opened once the
    // window is up, as File > Open opens it; a file that is not there is reported and leaves
    // the new project.
    void aProjectOnTheCommandLineOpensAfterStartUp() {
        CopyIn(TAVO_SOURCE_DIR "/examples/",
               {"Sample.tav", "Sample.001", "Sample.002", "Sample.003"});
        CopyIn(TAVO_SOURCE_DIR "/data/", {"TAVOUNIT.DAT"});
        const QString project = QString::fromStdString(Path("Sample.tav"));
        window_ = std::make_unique<tavo::TVCALC>(
            *state_, QStringList{QStringLiteral("150"), project}, Path("TAVOUNIT.DAT"));
        window_->show();
        QTRY_COMPARE(window_->windowTitle(), Caption(Path("Sample.tav")));
        QCOMPARE(state_->Evaluation.MaxAddressable, 150);
        QCOMPARE(Selector()->count(), 3);
        QCOMPARE(Selector()->currentIndex(), 0);
        QCOMPARE(LabelText("lblInstaller"), QStringLiteral("Robin Quayle"));
        QCOMPARE(window_->Page().Lists().TabIndex(), 7);
        QVERIFY(state_->Window.ProjectSaved && state_->Window.NetworkSaved);
        QVERIFY(prompts_->shown.empty());

        window_.reset();
        state_ = std::make_unique<tavo::AppState>(*prompts_);
        const QString gone = QString::fromStdString(Path("Gone.tav"));
        window_ = std::make_unique<tavo::TVCALC>(*state_, QStringList{gone}, Path("TAVOUNIT.DAT"));
        window_->show();
        QTRY_COMPARE(Messages().size(), 1);
        QCOMPARE(Messages()[0], QStringLiteral("Cannot open file \"") + gone +
                                    QStringLiteral("\": No such file or directory"));
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral("[Untitled]")));
        QVERIFY(state_->Window.ProjectFileName.empty());
    }

    // Names of any length are cut in their labels, never widening the window.
    void longNamesAreCutAndTheWindowKeepsItsSize() {
        Start();
        QApplication::processEvents();
        const QSize size = window_->size();
        const QString project(100, QLatin1Char('W'));
        state_->Project.InstallerName = "Robin Quayle of Quayle Electrical Installations";
        state_->Project.ProjectName = project.toStdString();
        window_->FormActivate();
        QApplication::processEvents();
        QCOMPARE(window_->size(), size);
        auto* label = window_->findChild<QLabel*>(QStringLiteral("lblProject"));
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QCOMPARE(label->toolTip(), project);
        // A wider window shows more of it; a short name shows whole, without a tip.
        const qsizetype shown = label->text().size();
        window_->resize(size.width() + 200, size.height());
        QApplication::processEvents();
        QVERIFY(label->text().size() > shown);
        state_->Project.ProjectName = "Harbour";
        window_->FormActivate();
        QCOMPARE(label->text(), QStringLiteral("Harbour"));
        QCOMPARE(label->toolTip(), QString());
    }

    // However narrow the window is made, each message of the strip shows whole, right of its
    // value.
    void theNarrowestWindowKeepsEveryStatusMessageWhole() {
        Start();
        auto* strip = window_->findChild<tavo::StatusStrip*>();
        for (const std::string& message : tavo::StatusMessages()) {
            tavo::NetworkStatus status;
            for (tavo::StatusLine* line : {&status.Consumption, &status.Supply, &status.Impedance})
                line->StatusText = message;
            status.Consumption.ValueText = "Units consume 2340 mA";
            status.Supply.ValueText = "Max supply 1500 mA";
            status.Impedance.ValueText = tavo::ImpedanceValueText(300.0);
            strip->Apply(status);
            window_->resize(1, 1);
            QApplication::processEvents();
            for (const char* name : {"SinkL", "SourceL", "ACL"}) {
                auto* label = strip->findChild<QLabel*>(QString::fromLatin1(name));
                const QRect shown(label->mapTo(window_.get(), QPoint(0, 0)), label->size());
                QVERIFY2(window_->rect().contains(shown), message.c_str());
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         message.c_str());
            }
            for (const auto& [value, name] :
                 {std::pair("SinkLabel", "SinkL"), std::pair("AClabel", "ACL")}) {
                QVERIFY(strip->findChild<QLabel*>(QString::fromLatin1(value))->geometry().right() <
                        strip->findChild<QLabel*>(QString::fromLatin1(name))->x());
            }
        }
    }

    // Tool buttons in colour while they work, grey while they do not.
    void toolButtonsShowWhetherTheyAreEnabled() {
        Start();
        // The share of pixels in clear colour: a grey picture has none.
        const auto coloured = [](const QImage& image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (QColor(image.pixel(x, y)).hsvSaturation() > 100) ++count;
            return count;
        };
        for (const auto& names : kButtons) {
            const char* name = names[0];
            QToolButton* button = Button(name);
            const QImage enabled = button->grab().toImage();
            QVERIFY2(coloured(enabled) > 20, name);
            button->setEnabled(false);
            const QImage disabled = button->grab().toImage();
            button->setEnabled(true);
            QVERIFY2(disabled != enabled, name);
            QVERIFY2(coloured(disabled) == 0, name);
        }
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
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
