#pragma once

#include <string>

namespace tavo {

// The choices of the print dialog and the rules that tie its controls together, kept apart
// from the widgets: which report, which number format, whether every network is printed,
// which controls can be used, and where the output goes.

inline constexpr const char* kDeviceScreen = "Screen";
inline constexpr const char* kDevicePrinter = "Printer";
inline constexpr const char* kPrintingHelpTopic = "Printing";

// The reports in the order of the dialog's choices; ReportChoice gives their numbers.
inline constexpr int kProjectDetailsReport = 0;
inline constexpr int kNetworkReport = 1;
inline constexpr int kInstallationReport = 2;

// What the Export button runs.
enum class PrintExport { None, CurrentNetwork, AllNetworks, Installation };

// Which controls can be used. The two number-format choices are enabled together.
struct PrintControlsEnabled {
    bool RBinstallation = false;
    bool BUTTexport = false;
    bool cbxPrintAllNetworks = false;
    bool NumberFormat = false;
    bool BUTTpreview = true;
    bool operator==(const PrintControlsEnabled&) const = default;
};

class PrintChoices {
  public:
    // Project Details, hexadecimal numbers, the tick clear, the installation report withdrawn.
    PrintChoices() { ResetChoice(); }

    // Offers the installation report exactly when an installation project is open; when it
    // is withdrawn while chosen, the choice goes back to Project Details.
    void PrepareChoices(bool calculatorProject);
    // Chooses Project Details and brings the enabled states up to date.
    void ResetChoice();
    // Brings the enabled states up to date with the chosen report and the tick.
    void PrintOutBtnClick();

    // A click on one of the three report choices; a withdrawn choice cannot be taken.
    void ChooseReport(int report);
    // A click on "Print All Networks". Its tick stays while it is disabled.
    void SetPrintAllNetworks(bool ticked);
    // A click on one of the number formats.
    void SetNumbersAsDecimal(bool decimal) { numbersAsDecimal_ = decimal; }
    // Preview chooses "Screen", Print chooses "Printer".
    void SetDevice(const char* device) { device_ = device; }

    // 0 Project Details, 1 Network Information, 2 Installation Report.
    int ReportChoice() const { return report_; }
    bool NumbersAsDecimal() const { return numbersAsDecimal_; }
    bool AllNetworksChosen() const { return printAllNetworks_; }
    const std::string& Device() const { return device_; }
    const PrintControlsEnabled& Enabled() const { return enabled_; }

    // The export for the chosen report: the current network or all networks (as the tick
    // says) for Network Information, the installation table for the installation report,
    // nothing for Project Details.
    PrintExport ExportTarget() const;

  private:
    int report_ = kProjectDetailsReport;
    bool numbersAsDecimal_ = false;
    bool printAllNetworks_ = false;
    std::string device_ = kDeviceScreen;
    PrintControlsEnabled enabled_;
};

// The progress window's message while every network is printed: the network in double
// quotes, then "k of n" and " to " with the printer on lines of their own (CR ends a line).
std::string PrintAllProgressMessage(const std::string& network, int position, int count,
                                    const std::string& printer);
// The progress window's message while one network's report is printed or previewed.
std::string PrintNetworkProgressMessage(const std::string& network);

}  // namespace tavo
