// The CSV exports through the command driver: files read back by Python's csv module, so that
// every line parses and holds the values as the program holds them.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "support/FileSizeLimit.h"
#include "support/InstallationBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::WriteBytes;
using Rows = std::vector<std::vector<std::string>>;

const char kCatalogue[] =
    "Power supply 500 mA\r\nPSU, p, 0, 500, 0, YES, YES, NO, NO, PSU, 1\r\n"
    "Input \"quoted\", 20 mA\r\nIN20, i, 20, 0, 36, NO, NO, NO, YES, IN, 4\r\n"
    "Output 30 mA\r\nOUT30, o, 30, 0, 45, NO, NO, NO, YES, OUT, 8\r\n";

// The rows of a CSV file as Python's csv module reads them, every byte as the file holds it.
Rows ParseCsv(const std::string& path) {
    const std::string command =
        "/usr/bin/python3 -c 'import csv,sys\n"
        "with open(sys.argv[1], newline=\"\", encoding=\"latin-1\") as f:\n"
        "  for row in csv.reader(f, strict=True):\n"
        "    print(\" \".join(v.encode(\"latin-1\").hex() or \"-\" for v in row))' '" +
        path + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    Rows rows;
    if (!pipe) return rows;
    std::string line;
    for (int c = std::fgetc(pipe.get()); c != EOF; c = std::fgetc(pipe.get())) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::vector<std::string> row;
        std::size_t start = 0;
        while (start <= line.size() && !line.empty()) {
            std::size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            const std::string hex = line.substr(start, end - start);
            std::string value;
            for (std::size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2)
                value += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            row.push_back(value);
            start = end + 1;
        }
        rows.push_back(row);
        line.clear();
    }
    return rows;
}

class CsvExportTest : public ::testing::Test {
  protected:
    CsvExportTest() {
        WriteBytes(dir.File("TAVOUNIT.DAT"), kCatalogue);
        state.Today = [] { return Date{2026, 12, 9}; };
        EXPECT_TRUE(driver.FormActivate());
    }
    void Place(int slot, const std::string& digits) {
        view.SelectTab(0);
        view.Lists().SetCurrentRow(slot);
        view.Lists().QtyBarKeyPress(' ');
        for (char digit : digits) view.Lists().QtyBarKeyPress(digit);
    }
    // site.tav with networks "Hall" (2 IN20) and "Roof" (1 PSU, 3 OUT30); network 1 in memory.
    void MakeProject() {
        state.Project.ProjectName = "Harbour \"North\"";
        Place(2, "2");
        prompts.files = {dir.File("site.tav")};
        ASSERT_TRUE(driver.SaveAs1Click());
        state.Project.NetworkCount = 2;
        driver.FormActivate();
        driver.cbxNetworksChange(1);
        Place(1, "1");
        Place(3, "3");
        ASSERT_TRUE(driver.Save1Click());
        for (auto [file, name] : {std::pair{"site.001", "Hall"}, std::pair{"site.002", "Roof"}}) {
            std::string bytes = ReadBytes(dir.File(file));
            const auto at = bytes.find("NetWork Name:") + 13;
            bytes.replace(at, bytes.find('\r', at) - at, name);
            WriteBytes(dir.File(file), bytes);
        }
        prompts.files = {dir.File("site.tav")};
        ASSERT_TRUE(driver.Open1Click());
        prompts.shown.clear();
    }
    std::vector<std::string> Texts() const { return prompts.Texts(); }

    TempDir dir;
    ScriptedPrompts prompts;
    AppState state{prompts};
    HeadlessView view{state};
    CommandDriver driver{state, view, dir.File("TAVOUNIT.DAT"), ""};
};

TEST_F(CsvExportTest, AnEmptyNetworkGivesElevenLines) {
    prompts.files = {dir.File("empty.csv")};
    ASSERT_TRUE(driver.mnuCurrentNetworkDatatoCSVClick());
    EXPECT_EQ(prompts.dialogs.back().Title, "Save Export");
    EXPECT_EQ(prompts.dialogs.back().Filter, "Comma Separated Value (CSV)|*.csv");
    EXPECT_EQ(prompts.dialogs.back().DefaultExtension, "csv");
    EXPECT_EQ(prompts.dialogs.back().FileName, "Network 1");
    EXPECT_EQ(ReadBytes(dir.File("empty.csv")),
              "\"Project\",\"\"\r\n\"\",\"\"\r\n\"Network\",\"Network 1\"\r\n\"\",\"\"\r\n"
              "\"Description\",\"Cat No\",\"Qty\"\r\n\"\",\"\",\" Total 0\"\r\n\r\n"
              "\"Units consume 0 mA\",\"No current\"\r\n\"Max supply 0 mA\",\"No supply\"\r\n"
              "\"AC impedance unknown\",\"Add burden\"\r\n");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Export Complete!"});
    EXPECT_EQ(view.Lists().TabIndex(), kSelectedUnitsTab);
    // Cancelling the save dialog changes nothing, not even the list shown.
    view.SelectTab(0);
    prompts.files = {""};
    EXPECT_FALSE(driver.mnuCurrentNetworkDatatoCSVClick());
    EXPECT_EQ(view.Lists().TabIndex(), 0);
}

TEST_F(CsvExportTest, AllNetworksParseWithTheValuesAsHeld) {
    MakeProject();
    prompts.files = {dir.File("all.csv")};
    ASSERT_TRUE(driver.mnuAllNetworkDatatoCSVClick());
    EXPECT_EQ(prompts.dialogs.back().FileName, "Networks");
    const Rows rows = ParseCsv(dir.File("all.csv"));
    ASSERT_EQ(rows.size(), 1u + 10 + 11);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Project", "Harbour \"North\""}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Network", "Hall"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"Input \"quoted\", 20 mA", " IN20", "  2"}));
    EXPECT_EQ(rows[6], (std::vector<std::string>{"", "", " Total 2"}));
    EXPECT_TRUE(rows[7].empty());
    EXPECT_EQ(rows[12], (std::vector<std::string>{"Network", "Roof"}));
    EXPECT_EQ(rows[17], (std::vector<std::string>{"", "", " Total 4"}));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Export Complete!"});
    EXPECT_EQ(state.Window.CurrentNetwork, 1);  // back on the network that was current
    EXPECT_EQ(driver.SelectorText(), "Hall");
}

TEST_F(CsvExportTest, ForOneNetworkAllNetworksIsTheCurrentNetwork) {
    Place(2, "3");
    prompts.files = {dir.File("one.csv"), dir.File("all.csv")};
    ASSERT_TRUE(driver.mnuCurrentNetworkDatatoCSVClick());
    ASSERT_TRUE(driver.mnuAllNetworkDatatoCSVClick());
    EXPECT_EQ(ReadBytes(dir.File("one.csv")), ReadBytes(dir.File("all.csv")));
}

TEST_F(CsvExportTest, CancelAtSaveNetworkStopsTheAllNetworksExport) {
    MakeProject();
    Place(2, "9");
    WriteBytes(dir.File("all.csv"), "old,export\r\n");
    prompts.files = {dir.File("all.csv")};
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.mnuAllNetworkDatatoCSVClick());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Save network?"});
    EXPECT_EQ(ReadBytes(dir.File("all.csv")), "old,export\r\n");
    EXPECT_EQ(state.Units.UnitTable[2].Quantity, 9);
}

TEST_F(CsvExportTest, AFailedExportLeavesTheOldFileWholeAndClaimsNothing) {
    MakeProject();
    WriteBytes(dir.File("all.csv"), "old,export\r\n");
    prompts.files = {dir.File("all.csv")};
    ASSERT_TRUE(driver.mnuAllNetworkDatatoCSVClick());
    const rlim_t full = ReadBytes(dir.File("all.csv")).size();
    WriteBytes(dir.File("all.csv"), "old,export\r\n");
    for (rlim_t limit : {rlim_t{0}, rlim_t{5}, full - 1}) {
        SCOPED_TRACE(limit);
        prompts.shown.clear();
        prompts.files = {dir.File("all.csv")};
        {
            testing::FileSizeLimit cap(limit);
            ASSERT_TRUE(cap.ok());
            EXPECT_FALSE(driver.mnuAllNetworkDatatoCSVClick());
        }
        EXPECT_EQ(ReadBytes(dir.File("all.csv")), "old,export\r\n");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_NE(prompts.shown[0].Text.find(std::strerror(EFBIG)), std::string::npos);
        EXPECT_EQ(state.Window.CurrentNetwork, 1);
    }
    // A directory that does not exist: the system's text, and no file.
    prompts.shown.clear();
    prompts.files = {dir.File("none/net.csv")};
    EXPECT_FALSE(driver.mnuCurrentNetworkDatatoCSVClick());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].Text.find(std::strerror(ENOENT)), std::string::npos);
}

TEST_F(CsvExportTest, TheInstallationFileHoldsEveryRowInTwentyTwoValues) {
    EXPECT_FALSE(driver.mnuExportClick().InstallationEnabled);  // a calculator project
    testing::InstallationBuilder site;
    site.TagLine("NMain=01|x|254|0").TagLine("ALighting \"A\"=38");
    testing::UnitBlock block;
    block.FirstApplication = 0x38;
    site.Unit({"Quay, \"B\"", "254", "0A", "PSU", testing::BlockHex(block)});
    site.Write(dir.File("site"));
    ASSERT_TRUE(driver.OpenFile(dir.File("site.tag")));
    const CommandDriver::ExportMenu menu = driver.mnuExportClick();
    EXPECT_TRUE(menu.InstallationEnabled);
    EXPECT_EQ(menu.CurrentNetworkCaption, "Current Network Data (Main) to CSV");
    EXPECT_EQ(menu.CurrentNetworkHint,
              "Export the data for the current Network (Main) to CSV format");

    prompts.files = {dir.File("site.csv")};
    ASSERT_TRUE(driver.mnuInstallationDataToCSVClick());
    const Rows rows = ParseCsv(dir.File("site.csv"));
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) EXPECT_EQ(row.size(), 22u);
    EXPECT_EQ(rows[0][0], "Project");
    EXPECT_EQ(rows[0][20], "PEinstallationppFiel");
    EXPECT_EQ(rows[0][21], "");
    EXPECT_EQ(rows[1][0], "Quay, \"B\"");
    EXPECT_EQ(rows[1][4], "Lighting \"A\"");
    EXPECT_EQ(rows[1][6], "0A");
    EXPECT_EQ(rows[2], std::vector<std::string>(22, ""));  // the table's empty last row
    // The next installation export proposes the file chosen last.
    prompts.files = {""};
    EXPECT_FALSE(driver.mnuInstallationDataToCSVClick());
    EXPECT_EQ(prompts.dialogs.back().FileName, dir.File("site.csv"));
}

}  // namespace
}  // namespace tavo
