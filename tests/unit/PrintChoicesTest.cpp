#include <gtest/gtest.h>

#include <string>

#include "reports/PrintChoices.h"

namespace tavo {
namespace {

// Export, Preview, the tick, the number format, the installation report: 1 enabled.
std::string Enabled(const PrintChoices& choices) {
    const PrintControlsEnabled& e = choices.Enabled();
    std::string out;
    for (bool on :
         {e.BUTTexport, e.BUTTpreview, e.cbxPrintAllNetworks, e.NumberFormat, e.RBinstallation})
        out += on ? '1' : '0';
    return out;
}

TEST(PrintChoicesTest, EnabledStatesAndExportFollowTheReportAndTheTick) {
    const struct {
        int report;
        bool tick;
        const char* enabled;
        PrintExport target;
    } cases[] = {
        {kProjectDetailsReport, true, "01001", PrintExport::None},
        {kProjectDetailsReport, false, "01001", PrintExport::None},
        {kNetworkReport, false, "11101", PrintExport::CurrentNetwork},
        {kNetworkReport, true, "10101", PrintExport::AllNetworks},
        // The tick stays while another report is chosen, and Preview comes back.
        {kInstallationReport, true, "11011", PrintExport::Installation},
    };
    for (const auto& c : cases) {
        PrintChoices choices;
        choices.PrepareChoices(false);
        choices.ChooseReport(kNetworkReport);
        choices.SetPrintAllNetworks(c.tick);
        choices.ChooseReport(c.report);
        SCOPED_TRACE(std::to_string(c.report) + (c.tick ? " ticked" : " clear"));
        EXPECT_EQ(choices.ReportChoice(), c.report);
        EXPECT_EQ(Enabled(choices), c.enabled);
        EXPECT_EQ(choices.ExportTarget(), c.target);
        EXPECT_EQ(choices.AllNetworksChosen(), c.tick);
    }
}

TEST(PrintChoicesTest, ProgressMessages) {
    EXPECT_EQ(PrintAllProgressMessage("Hall \xC4", 2, 3, "Office PDF"),
              "Printing report for network \"Hall \xC4\"\r2 of 3\r to Office PDF");
    EXPECT_EQ(PrintNetworkProgressMessage("N1"), "Printing report for network \"N1\"");
}

}  // namespace
}  // namespace tavo
