#pragma once

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "calculator/CommandDriver.h"
#include "calculator/MainWindowView.h"
#include "calculator/StatusTimer.h"
#include "core/AppState.h"

class QAction;
class QToolButton;

namespace tavo {

class CalculatorPage;
class TElidedLabel;
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
    // Printing (see MainWindowView): the print dialog, the printer, producing a report, the
    // progress window of network reports.
    std::function<std::optional<PrintRequest>(bool)> ExecutePrintDialog;
    std::function<std::string()> CurrentPrinterName;
    std::function<bool(ReportLayout&, ReportFeed&, const ReportDevice&)> ProduceReport;
    std::function<void(std::function<void()>)> ShowPrintProgress;
    std::function<void(const std::string&)> SetPrintMessage;
    std::function<void()> HidePrintProgress;
    // The tag selection dialog (see MainWindowView::SelectCatalogueEntry).
    std::function<int(const Catalogue&, const std::string&, const std::string&, const std::string&,
                      const std::string&)>
        SelectCatalogueEntry;
};

// The main window: the system's only top-level window. It builds and paints its widgets,
// owns the timer and forwards its menu, tool-bar, selector and close events to the command
// driver, which decides; it shows what the driver tells it through the view interface.
class TVCALC : public QMainWindow, private MainWindowView {
    Q_OBJECT
  public:
    // arguments are the program's command-line arguments without the program name
    // (`[LIMIT] [FILE]`, see StartupArguments: the file is opened once the window is shown);
    // catalogue is the path of TAVOUNIT.DAT, alias that of TavoAlias.als (empty for none).
    TVCALC(AppState& state, QStringList arguments, std::string catalogue, std::string alias = {},
           QWidget* parent = nullptr);
    ~TVCALC() override;

    MainWindowServices& Services() { return services_; }
    CommandDriver& Driver() { return *driver_; }

    // The driver's commands, for the program and the tests.
    bool FormActivate() { return driver_->FormActivate(); }
    bool New1Click() { return driver_->New1Click(); }
    bool Open1Click() { return driver_->Open1Click(); }
    bool Save1Click() { return driver_->Save1Click(); }
    bool SaveAs1Click() { return driver_->SaveAs1Click(); }
    bool Savelocalnetwork1Click() { return driver_->Savelocalnetwork1Click(); }
    void cbxNetworksChange(int index) { driver_->cbxNetworksChange(index); }
    bool FormCloseQuery() { return driver_->FormCloseQuery(); }

    CalculatorPage& Page() { return *page_; }
    TDLGUnitHint& Hint() { return *hint_; }
    StatusTimer& Timer();

  signals:
    // The start-up found no catalogue.
    void CatalogueMissing();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The view the driver writes to.
    void ShowCaption(const std::string& caption) override;
    void ShowProjectLabels(const std::string& installer, const std::string& project) override;
    void ShowSelector(const std::vector<std::string>& items, int index) override;
    void ShowSelectorCaption(const std::string& caption) override;
    UnitLists& Lists() override;
    void SelectTab(int tab) override;
    void ShowCalculatorPage() override;
    void RefreshNetworkStatus() override;
    void FocusGrid() override;
    void HideOtherWindows() override;
    void ProjectDetailsChanged() override;
    int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                             const std::string& network, const std::string& addressDec,
                             const std::string& addressHex) override;
    std::optional<PrintRequest> ExecutePrintDialog(bool calculatorProject) override;
    std::string CurrentPrinterName() override;
    bool ProduceReport(ReportLayout& layout, ReportFeed& feed, const ReportDevice& device) override;
    void ShowPrintProgress(std::function<void()> cancel) override;
    void SetPrintMessage(const std::string& text) override;
    void HidePrintProgress() override;
    void ProcessPendingEvents() override;
    void WaitForStartupTicks() override;
    void StartUpResize() override;

    void BuildMenus();
    void BuildToolBar();
    void BuildPanel2();
    void BuildStatusBar();
    QAction* AddAction(QMenu* menu, const char* caption, const char* hint, const QKeySequence& key,
                       const char* name, std::function<void()> action);

    MainWindowServices services_;
    QTimer* timer1_ = nullptr;
    TDLGUnitHint* hint_ = nullptr;
    CalculatorPage* page_ = nullptr;
    TElidedLabel* lblInstaller_ = nullptr;
    TElidedLabel* lblProject_ = nullptr;
    QLabel* lblNetworkSelector_ = nullptr;
    QComboBox* cbxNetworks_ = nullptr;
    std::unique_ptr<CommandDriver> driver_;
    bool leftForOwnWindow_ = false;
};

}  // namespace tavo
