#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavo {

struct Catalogue;
class ReportFeed;
struct ReportLayout;
class UnitLists;

// What the print dialog asks for when it closes with Preview or Print.
struct PrintRequest {
    int Report = 0;  // 0 project details, 1 network information, 2 installation report
    bool ToPrinter = false;
    bool NumbersAsDecimal = false;
    bool AllNetworks = false;
};

// Where and how a report is produced.
struct ReportDevice {
    bool ToPrinter = false;  // the printer named; otherwise a modal preview on the screen
    std::string PrinterName;
    bool CancelDialog = true;   // the engine's own progress dialog while it prints
    std::string PrintDateTime;  // the text of the print date and time
};

// All that the command driver may change on the main window. The desktop program implements
// it with widgets, tavocalc-cli without a window, tests with a recorder.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // The window's caption, which is also the window's own hint. File paths in it are in the
    // file system's encoding, everything else is 8-bit text.
    virtual void ShowCaption(const std::string& caption) = 0;
    // lblInstaller and lblProject.
    virtual void ShowProjectLabels(const std::string& installer, const std::string& project) = 0;
    // cbxNetworks, always written whole: its items and the selected one (0-based).
    virtual void ShowSelector(const std::vector<std::string>& items, int index) = 0;
    // lblNetworkSelector.
    virtual void ShowSelectorCaption(const std::string& caption) = 0;

    // The unit lists of the calculator page; the driver changes them and then has them shown.
    virtual UnitLists& Lists() = 0;
    // Chooses a list tab as a click on it would (TabCtrlChange) and shows the page.
    virtual void SelectTab(int tab) = 0;
    // Shows the unit lists' state in the page's controls.
    virtual void ShowCalculatorPage() = 0;
    // Recomputes the status strip from the evaluation and keeps its texts (after Evaluate).
    virtual void RefreshNetworkStatus() = 0;
    virtual void FocusGrid() = 0;

    // An activation of the main window hides the program's other windows: the hint dialog
    // and the project details dialog.
    virtual void HideOtherWindows() = 0;
    // The program changed the project details (New, Open, import): the details dialog reloads.
    virtual void ProjectDetailsChanged() = 0;

    // The tag selection dialog: which of the catalogue entries with the shared installation
    // code the installed unit (network name, address in decimal and hexadecimal) is. Returns
    // the slot of the entry highlighted when the dialog closed.
    virtual int SelectCatalogueEntry(const Catalogue& units, const std::string& code,
                                     const std::string& network, const std::string& addressDec,
                                     const std::string& addressHex) = 0;

    // The print dialog, shown modally; empty when it closed without Preview or Print.
    virtual std::optional<PrintRequest> ExecutePrintDialog(bool calculatorProject) = 0;
    // The printer chosen last in the printer set-up, else the system's default; empty when the
    // system has no printer.
    virtual std::string CurrentPrinterName() = 0;
    // Produces a report over its feed on the device. False when the user cancelled it; throws
    // FileError when its output cannot be written.
    virtual bool ProduceReport(ReportLayout& layout, ReportFeed& feed,
                               const ReportDevice& device) = 0;
    // The progress window of network reports: shown (its Cancel calling cancel), its message,
    // hidden.
    virtual void ShowPrintProgress(std::function<void()> cancel) = 0;
    virtual void SetPrintMessage(const std::string& text) = 0;
    virtual void HidePrintProgress() = 0;

    // Lets pending events run once.
    virtual void ProcessPendingEvents() = 0;
    // Lets pending events run until the window's timer has ticked five times.
    virtual void WaitForStartupTicks() = 0;
    // The first activation sets the window's height for the loaded calculator.
    virtual void StartUpResize() = 0;
};

}  // namespace tavo
