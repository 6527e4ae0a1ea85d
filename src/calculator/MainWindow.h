#pragma once

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

#include "calculator/StatusTimer.h"
#include "core/AppState.h"

class QAction;
class QToolButton;

namespace tavo {

class CalculatorPage;
class TDLGUnitHint;

// What the main window hands to the windows and viewers it opens, so that tests and the
// program can supply their own.
struct MainWindowServices {
    // Shows the project details dialog without blocking; hides it.
    std::function<void()> ShowProjectDetails;
    std::function<void()> HideProjectDetails;
    // After the program changed the project details (New, Open): the dialog reloads them.
    std::function<void()> ProjectDetailsChanged;
    // The help viewer: contents, index with a keyword, its own help, a topic.
    std::function<void()> HelpContents;
    std::function<void(const std::string&)> HelpIndex;
    std::function<void()> HelpOnHelp;
    std::function<void(const std::string&)> HelpTopic;
    std::function<void()> PrinterSetup;
    std::function<void()> About;
    // Network entries of the tag store: their number and the name of entry i (1-based).
    std::function<int()> TagNetworkEntries;
    std::function<std::string(int)> TagNetworkName;
};

// The main window: the system's only top-level window and its driver. It runs the start-up
// sequence (address limit, catalogue, the five-tick wait, the calculator page), owns the
// timer, and carries the project commands with their prompts.
class TVCALC : public QMainWindow {
    Q_OBJECT
  public:
    // arguments are the program's command-line arguments without the program name;
    // catalogue is the path of TAVOUNIT.DAT.
    TVCALC(AppState& state, QStringList arguments, std::string catalogue,
           QWidget* parent = nullptr);
    ~TVCALC() override;

    MainWindowServices& Services() { return services_; }

    // An activation of the window: on the first, the start-up load; whenever the page is not
    // ready, the five-tick wait and the page set-up; then the labels, the network count and
    // the selector follow the project. Returns false when the catalogue is missing.
    bool FormActivate();

    // The commands. Each returns whether it went through (for New and Open: went on; for
    // the saves: the files are on disk).
    bool New1Click();
    bool Open1Click();
    bool Save1Click();
    bool SaveAs1Click();
    bool Savelocalnetwork1Click();
    void cbxNetworksChange(int index);
    // Whether the window may close now (asks the exit prompts).
    bool FormCloseQuery();

    // name: a file path in the file system's encoding, or "Untitled".
    void SetWindowTitle(const std::string& name);
    void FillNetworkSelector(int count, int selected);
    void UpdateSelectorCaption();

    CalculatorPage& Page() { return *page_; }
    TDLGUnitHint& Hint() { return *hint_; }
    StatusTimer& Timer() { return timer_; }

  signals:
    // The start-up found no catalogue.
    void CatalogueMissing();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool StartUpLoad();
    void InitCalculatorPage();
    void WaitForStartupTicks();
    void BuildMenus();
    void BuildToolBar();
    void BuildPanel2();
    void BuildStatusBar();
    QAction* AddAction(QMenu* menu, const char* caption, const char* hint, const QKeySequence& key,
                       const char* name, std::function<void()> action);
    // The prompt before New or Open drops what is in memory: true to go on (No, or Yes and
    // the save succeeded), false to stop.
    bool SaveBeforeDropping();
    // The file work of a save with the flags set only on success; reports a file-system error.
    bool SaveProjectFiles();
    bool SaveNetwork(const std::string& name, int number);
    // Reads network number into the UnitTable; an untitled project has no files. False (with
    // the error shown and the network in memory kept) when its file cannot be read.
    bool ReadNetwork(int number);
    // Switches the network in memory to number, when it can be read.
    void SwitchTo(int number);
    std::string SelectorText() const;
    std::string SelectorItem(int index) const;
    void RefreshAfterRead();

    AppState& state_;
    QStringList arguments_;
    std::string catalogue_;
    MainWindowServices services_;
    StatusTimer timer_;
    QTimer* timer1_ = nullptr;
    TDLGUnitHint* hint_ = nullptr;
    CalculatorPage* page_ = nullptr;
    QLabel* lblInstaller_ = nullptr;
    QLabel* lblProject_ = nullptr;
    QLabel* lblNetworkSelector_ = nullptr;
    QComboBox* cbxNetworks_ = nullptr;
    bool firstActivation_ = true;
    bool calculatorReady_ = false;
    bool activating_ = false;
    bool selectorFilling_ = false;
    bool leftForOwnWindow_ = false;
};

}  // namespace tavo
