#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include <QImage>

#include "calculator/MainWindowView.h"
#include "core/AppState.h"
#include "reporter/TagStore.h"

#include <QStringList>

namespace tavo {

class TVCALC;
class TProjForm;
class THelpViewer;
class TfrmSelectTag;
class TDLGPrint;
class TfrmPrintCancel;
class TZorStatusBarHint;

// The running program: its one world (AppState, tag store, printer) and its windows, created
// in start-up order and wired together. The main window is shown by Show().
class TavoApplication {
  public:
    // catalogue: TAVOUNIT.DAT; helpFile: TavoCalc.hlp; alias: TavoAlias.als; logo: the reports'
    // TavoLogo.jpg; as found for this run (empty for none).
    TavoApplication(Prompts& prompts, const QStringList& arguments, const std::string& catalogue,
                    const std::string& helpFile, const std::string& alias = {},
                    const std::string& logo = {});
    ~TavoApplication();

    TVCALC& Window() { return *window_; }
    AppState& State() { return *state_; }
    TProjForm& ProjectDetailsDialog() { return *projForm_; }
    THelpViewer& Help() { return *help_; }
    TfrmSelectTag& TagSelection() { return *selectTag_; }
    TDLGPrint& PrintDialog() { return *printDialog_; }
    TfrmPrintCancel& PrintProgress() { return *printCancel_; }
    TTagStore& Tags() { return state_->Tags; }

    // Produces a report on the screen (a modal preview with Print and Save as PDF) or on the
    // printer named; false when cancelled.
    bool ProduceReport(ReportLayout& layout, ReportFeed& feed, const ReportDevice& device);
    std::string CurrentPrinterName();

  private:
    void PrepareHelp(Qt::WindowModality modality);
    void PlaceBesideMainWindow(QWidget& window);

    std::unique_ptr<AppState> state_;
    QPrinter printer_;
    std::string catalogue_;
    QImage logo_;
    bool printerChosen_ = false;  // a printer was chosen in the printer set-up
    std::unique_ptr<TVCALC> window_;
    TProjForm* projForm_ = nullptr;           // owned by the main window
    THelpViewer* help_ = nullptr;             // owned by the main window
    TfrmSelectTag* selectTag_ = nullptr;      // owned by the main window
    TDLGPrint* printDialog_ = nullptr;        // owned by the main window
    TfrmPrintCancel* printCancel_ = nullptr;  // owned by the main window
    TZorStatusBarHint* statusHint_ = nullptr;
};

}  // namespace tavo
