// The Print command without a window: the reports the headless view lays out (every character
// 2 mm wide per 10 points), with the print dialog's answers and the progress window scripted.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "reports/PrintChoices.h"
#include "support/InstallationBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::ScriptedPrompts;
using testing::TempDir;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

const char kCatalogue[] =
    "Power supply 500 mA\r\nPSU, p, 0, 500, 0, YES, YES, NO, NO, PSU, 1\r\n"
    "Input 20 mA\r\nIN20, i, 20, 0, 36, NO, NO, NO, YES, IN, 4\r\n";

bool Has(const Texts& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class PrintRunTest : public ::testing::Test {
  protected:
    PrintRunTest() {
        WriteBytes(dir.File("TAVOUNIT.DAT"), kCatalogue);
        state.Today = [] { return Date{2026, 12, 9}; };
        state.MinuteOfDay = [] { return 14 * 60 + 5; };
        state.Locale.ShortDateFormat = "dd/mm/yyyy";
        view.Printer = "TavoPDF";
        EXPECT_TRUE(driver.FormActivate());
    }
    // site.tav: three networks, network n holding n IN20 units; network 1 in memory.
    void MakeProject() {
        prompts.files = {dir.File("site.tav")};
        ASSERT_TRUE(driver.SaveAs1Click());
        state.Project.NetworkCount = 3;
        driver.FormActivate();
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(driver.MakeCurrent(n - 1));
            state.Units.UnitTable[2].Quantity = n;
            ASSERT_TRUE(driver.Save1Click());
        }
        ASSERT_TRUE(driver.MakeCurrent(0));
    }
    bool Print(int report, bool toPrinter, bool decimal = false, bool all = false) {
        view.NextPrintRequest = PrintRequest{report, toPrinter, decimal, all};
        return driver.btnPrintClick();
    }

    TempDir dir;
    ScriptedPrompts prompts;
    AppState state{prompts};
    HeadlessView view{state};
    CommandDriver driver{state, view, dir.File("TAVOUNIT.DAT"), ""};
};

TEST_F(PrintRunTest, PrintAllNetworksPrintsEachInSelectorOrderAndCancelsBetweenThem) {
    MakeProject();
    ASSERT_TRUE(Print(kNetworkReport, true, false, true));
    EXPECT_TRUE(view.LastDialogForCalculator);
    ASSERT_EQ(view.Produced.size(), 3u);
    EXPECT_EQ(view.ProgressMessages,
              (Texts{"Printing report for network \"Network 1\"\r1 of 3\r to TavoPDF",
                     "Printing report for network \"Network 2\"\r2 of 3\r to TavoPDF",
                     "Printing report for network \"Network 3\"\r3 of 3\r to TavoPDF"}));
    for (int n = 1; n <= 3; ++n) {
        const auto& report = view.Produced[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(report.Layout, "REPcalculator");
        EXPECT_TRUE(report.Device.ToPrinter);
        EXPECT_FALSE(report.Device.CancelDialog);  // the progress window stands in for it
        EXPECT_EQ(report.Device.PrintDateTime, "09/12/2026 14:05");
        ASSERT_EQ(report.Pages.size(), 1u);
        const Texts& page = report.Pages[0];
        const std::string number = std::to_string(n);
        EXPECT_TRUE(Has(page, "Network " + number + " (" + number + " of 3)"));
        EXPECT_TRUE(Has(page, "  " + number));  // the quantity of IN20
        EXPECT_TRUE(Has(page, "Report " + number + " of 3 Page 1 of 1"));
        EXPECT_FALSE(Has(page, "Page 1 of 1"));  // lblSysPage hidden while lblPage shows
    }
    EXPECT_EQ(state.Window.CurrentNetwork, 3);
    EXPECT_FALSE(view.ProgressShown);
    EXPECT_EQ(view.Lists().TabIndex(), kSelectedUnitsTab);

    // Cancel while network 1 prints: it completes, 2 and 3 are not printed, 1 stays current.
    view.Produced.clear();
    view.AfterProduce = [this] {
        if (view.Produced.size() == 1) view.ProgressCancel();
    };
    EXPECT_FALSE(Print(kNetworkReport, true, false, true));
    EXPECT_EQ(view.Produced.size(), 1u);
    EXPECT_EQ(state.Window.CurrentNetwork, 1);
    // Afterwards the footer shows the page alone again.
    view.AfterProduce = nullptr;
    view.Produced.clear();
    ASSERT_TRUE(Print(kNetworkReport, false));
    EXPECT_TRUE(Has(view.Produced[0].Pages[0], "Report 1 of 3 Page 1 of 1"));
    ASSERT_TRUE(Print(kProjectDetailsReport, false));
    EXPECT_TRUE(Has(view.Produced[1].Pages[0], "Page 1 of 1"));
}

TEST_F(PrintRunTest, APreviewShowsTheCurrentNetworkOnlyAndNeedsNoPrinter) {
    MakeProject();
    view.Printer.clear();
    ASSERT_TRUE(Print(kNetworkReport, false, false, true));
    ASSERT_EQ(view.Produced.size(), 1u);
    EXPECT_FALSE(view.Produced[0].Device.ToPrinter);
    EXPECT_EQ(view.ProgressMessages, Texts{"Printing report for network \"Network 1\""});
    // Printing without a printer says so and produces nothing.
    EXPECT_FALSE(Print(kProjectDetailsReport, true));
    EXPECT_EQ(prompts.Texts(), Texts{kNoPrinterMessage});
    EXPECT_EQ(view.Produced.size(), 1u);
    // A print dialog closed without Preview or Print prints nothing.
    EXPECT_FALSE(driver.btnPrintClick());
    EXPECT_EQ(view.Produced.size(), 1u);
}

TEST_F(PrintRunTest, TheInstallationReportShowsTheChosenNumberFormat) {
    testing::InstallationBuilder site;
    site.TagLine("NMain=01|x|254|0").TagLine("ALighting=38").TagLine("GHall=254|1E||38");
    testing::UnitBlock block;
    block.FirstApplication = 0x38;
    block.Groups = {0x1E};
    site.Unit({"Quay", "254", "1A", "PSU", testing::BlockHex(block)});
    site.Write(dir.File("site"));
    ASSERT_TRUE(driver.OpenFile(dir.File("site.tag")));
    prompts.shown.clear();

    ASSERT_TRUE(Print(kInstallationReport, false, true));
    EXPECT_FALSE(view.LastDialogForCalculator);
    Texts page = view.Produced.back().Pages.at(0);
    EXPECT_TRUE(Has(page, "Decimal (Base 10)"));
    EXPECT_TRUE(Has(page, "Quay"));  // lblppProject, set before printing
    EXPECT_TRUE(Has(page, "Main"));  // the network column shows the tag
    EXPECT_TRUE(Has(page, "26") && Has(page, "30") && Has(page, "56"));
    EXPECT_FALSE(Has(page, "1A") || Has(page, "1E") || Has(page, "38"));

    ASSERT_TRUE(Print(kInstallationReport, false, false));
    page = view.Produced.back().Pages.at(0);
    EXPECT_TRUE(Has(page, "Hexadecimal (Base 16)"));
    EXPECT_TRUE(Has(page, "1A") && Has(page, "1E") && Has(page, "38"));
    EXPECT_FALSE(Has(page, "26") || Has(page, "56"));  // (Delays shows 30 in either format)
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PrintRunTest, TheProjectDetailsReportStaysOnePageWhateverTheNotes) {
    state.Project.ProjectName = "Harbour";
    state.Project.Notes.assign(40, "A line of notes long enough to need wrapping in its box.");
    ASSERT_TRUE(Print(kProjectDetailsReport, false));
    ASSERT_EQ(view.Produced.size(), 1u);
    EXPECT_EQ(view.Produced[0].Pages.size(), 1u);
    EXPECT_TRUE(Has(view.Produced[0].Pages[0], "Harbour"));
    EXPECT_TRUE(Has(view.Produced[0].Pages[0], "Page 1 of 1"));
}

}  // namespace
}  // namespace tavo
