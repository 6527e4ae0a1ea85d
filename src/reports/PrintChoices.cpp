#include "reports/PrintChoices.h"

namespace tavo {

void PrintChoices::PrepareChoices(bool calculatorProject) {
    enabled_.RBinstallation = !calculatorProject;
    if (!enabled_.RBinstallation && report_ == kInstallationReport) ResetChoice();
}

void PrintChoices::ResetChoice() {
    report_ = kProjectDetailsReport;
    PrintOutBtnClick();
}

void PrintChoices::PrintOutBtnClick() {
    const bool network = report_ == kNetworkReport;
    const bool installation = report_ == kInstallationReport;
    enabled_.BUTTexport = network || installation;
    enabled_.cbxPrintAllNetworks = network;
    enabled_.NumberFormat = installation;
    // A preview shows one report; every network goes only to the printer.
    enabled_.BUTTpreview = !(network && printAllNetworks_);
}

void PrintChoices::ChooseReport(int report) {
    if (report < kProjectDetailsReport || report > kInstallationReport) return;
    if (report == kInstallationReport && !enabled_.RBinstallation) return;
    report_ = report;
    PrintOutBtnClick();
}

void PrintChoices::SetPrintAllNetworks(bool ticked) {
    printAllNetworks_ = ticked;
    PrintOutBtnClick();
}

PrintExport PrintChoices::ExportTarget() const {
    if (report_ == kNetworkReport)
        return printAllNetworks_ ? PrintExport::AllNetworks : PrintExport::CurrentNetwork;
    if (report_ == kInstallationReport) return PrintExport::Installation;
    return PrintExport::None;
}

std::string PrintAllProgressMessage(const std::string& network, int position, int count,
                                    const std::string& printer) {
    return PrintNetworkProgressMessage(network) + "\r" + std::to_string(position) + " of " +
           std::to_string(count) + "\r to " + printer;
}

std::string PrintNetworkProgressMessage(const std::string& network) {
    return "Printing report for network \"" + network + "\"";
}

}  // namespace tavo
