// Opening an installation project: whole imports of installations written by the test
// builders, through the command driver with the window played by the headless view.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "core/NetworkFile.h"
#include "reporter/InstallationImport.h"
#include "support/InstallationBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::InstallationBuilder;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::UnitBlock;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

const char kCatalogue[] =
    "Power supply 500 mA\r\nPSU5, p, 0, 500, 0, YES, YES, NO, NO, PSU, 1\r\n"
    "Relay output, 8 channels\r\nREL8, o, 30, 0, 45, NO, NO, NO, YES, RLY8, 8\r\n"
    "Motion sensor\r\nSEN-A, i, 10, 0, 40, NO, NO, NO, YES, SENS, 1\r\n"
    "Light sensor\r\nSEN-B, i, 12, 0, 40, NO, NO, NO, YES, SENS, 1\r\n";

std::string Block(std::vector<int> groups, int application = 0x38) {
    UnitBlock block;
    block.FirstApplication = application;
    block.SecondApplication = application;
    block.Groups = std::move(groups);
    block.Name = "UNIT";
    return BlockHex(block);
}

class InstallationImportTest : public ::testing::Test {
  protected:
    InstallationImportTest() {
        WriteBytes(dir.File("TAVOUNIT.DAT"), kCatalogue);
        WriteBytes(dir.File("TavoAlias.als"), "pir1, SENS\r\n\"WP 6\" RLY8\r\n");
        state.Today = [] { return Date{2026, 12, 9}; };
        driver = std::make_unique<CommandDriver>(state, view, dir.File("TAVOUNIT.DAT"), "",
                                                 dir.File("TavoAlias.als"));
        EXPECT_TRUE(driver->FormActivate());
    }
    std::string Path(const std::string& name) const { return dir.File(name); }
    std::int32_t Qty(int slot) const {
        return state.Units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
    }
    // The site of the examples: networks 254 'Main' (the tag file's first) and 253 'Annex'.
    InstallationBuilder Site() const {
        InstallationBuilder site;
        site.TagLine("NMain=01|main|254|0").TagLine("NAnnex=02|annex|253|0");
        site.TagLine("ALighting=38").TagLine("GHall=254|0A||38");
        site.Unit({"Harbour", "254", "0A", "RLY8", Block({10, 11})});
        site.Unit({"Harbour", "254", "03", "psu", Block({})});
        site.Unit({"Harbour", "253", "05", "PIR1", Block({10})});
        site.Unit({"Harbour", "253", "06", "XYZ", Block({})});
        site.Unit({"Harbour", "253", "07", "", Block({})});
        site.Unit({"Gone", "253", "08", "PSU", Block({}), true});
        return site;
    }
    bool Open(const std::string& name) { return driver->OpenFile(Path(name)); }

    TempDir dir;
    ScriptedPrompts prompts;
    AppState state{prompts};
    HeadlessView view{state};
    std::unique_ptr<CommandDriver> driver;
};

TEST_F(InstallationImportTest, ImportsEachNetworkUnderItsOwnNameWithItsOwnVerdicts) {
    Site().Write(Path("site"));
    ASSERT_TRUE(Open("site.tag"));

    // Sorted by network name, 'Annex' comes first: network 1 holds the annex's units and is
    // named after its own tag, not after the tag file's first network.
    EXPECT_EQ(view.Items, (Texts{"Annex", "Main"}));
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [" + Path("site.tag") + "]");
    EXPECT_EQ(view.Project, "Harbour");
    EXPECT_FALSE(state.Window.CalculatorProject);
    EXPECT_EQ(state.Window.NetworkCount, 2);
    const std::string annex = ReadBytes(Path("site.001"));
    const std::string main = ReadBytes(Path("site.002"));
    EXPECT_NE(annex.find("NetWork Name:Annex\r\n"), std::string::npos);
    EXPECT_NE(annex.find("SEN-A       \t\t1\r\n"), std::string::npos);  // the first entry
    EXPECT_NE(main.find("NetWork Name:Main\r\n"), std::string::npos);
    EXPECT_NE(main.find("REL8        \t\t1\r\n"), std::string::npos) << main;
    EXPECT_NE(main.find("PSU5        \t\t1\r\n"), std::string::npos);
    // Each file carries its own network's verdicts: only the main building has a supply.
    EXPECT_NE(annex.find("                  :\tNo supply\r\n"), std::string::npos) << annex;
    EXPECT_EQ(main.find("No supply"), std::string::npos) << main;
    EXPECT_NE(ReadBytes(Path("site.tav")).find("       Name:\tHarbour\r\n"), std::string::npos);

    // Network 1 is shown; the unit without a type beeped, the unknown one is listed.
    EXPECT_EQ(Qty(3), 1);
    EXPECT_EQ(Qty(2), 0);
    EXPECT_EQ(prompts.beeps, 1);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].Text, UnknownTypesMessage({"XYZ"}));
    EXPECT_NE(prompts.shown[0].Text.find("code(s)!\rXYZ\r\n\rTavo Calculator cannot"),
              std::string::npos);
    EXPECT_EQ(prompts.shown[1].Text,
              "WARNING\rProjects that have been read from Tavo Installation\rfiles will not show "
              "some power supply units as they\rcannot be addressed!\rENSURE THAT ALL POWER "
              "UNITS ARE LISTED IN THE CALCULATOR");

    // The installation table: the relay's eight rows, its continuation rows without network.
    const TTavoData& table = state.Installation;
    EXPECT_EQ(table.RowCount(), 8 + 1 + 1 + 1 + 1 + 1);
    int continuation = 0;
    for (int row = 0; row < table.RowCount(); ++row)
        if (table.GetCell(kProjectColumn, row) == "*") {
            ++continuation;
            EXPECT_EQ(table.GetCell(kNetworkColumn, row), "");
        }
    EXPECT_EQ(continuation, 7);

    // The selector switches between the imported networks as between any others.
    driver->cbxNetworksChange(1);
    EXPECT_EQ(Qty(2), 1);
    EXPECT_EQ(Qty(3), 0);
    EXPECT_EQ(driver->SelectorText(), "Main");
}

TEST_F(InstallationImportTest, WithoutATableTheProjectHasOneNetworkAndNoUnits) {
    WriteBytes(Path("empty.TAG"), "NMain=01|x|254|0\r\n");
    ASSERT_TRUE(Open("empty.TAG"));
    EXPECT_EQ(state.Window.NetworkCount, 1);
    EXPECT_FALSE(FileExists(Path("empty.001")));
    EXPECT_TRUE(FileExists(Path("empty.tav")));
    EXPECT_EQ(state.Installation.RowCount(), 1);
    EXPECT_EQ(prompts.Texts().size(), 1u);  // only the power supply warning
}

TEST_F(InstallationImportTest, AnUnreadableOrDamagedTableStopsTheImportWithNothingWritten) {
    struct Case {
        const char* What;
        std::function<void()> Damage;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {"table unreadable",
         [&] {
             RemoveFileIfExists(Path("site.dbf"));
             ASSERT_EQ(::symlink("/proc/self/mem", Path("site.dbf").c_str()), 0);
         },
         "Cannot read file"},
        {"memo unreadable",
         [&] {
             RemoveFileIfExists(Path("site.DBT"));
             std::filesystem::create_directory(Path("site.DBT"));
         },
         "Cannot"},
        {"header cut short", [&] { WriteBytes(Path("site.dbf"), "\x83\x01"); },
         ScriptedPrompts::Plain(DamagedTableMessage(Path("site.dbf"), "header cut short"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove_all(Path("site.DBT"));
        std::filesystem::remove(Path("site.dbf"));
        Site().Write(Path("site"));
        c.Damage();
        prompts.shown.clear();
        EXPECT_FALSE(Open("site.tag"));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Error);
        EXPECT_EQ(prompts.shown[0].Text.rfind(c.Message, 0), 0u) << prompts.shown[0].Text;
        EXPECT_FALSE(FileExists(Path("site.001")));
        EXPECT_FALSE(FileExists(Path("site.tav")));
        EXPECT_TRUE(state.Window.CalculatorProject);
        EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [Untitled]");
    }
}

TEST_F(InstallationImportTest, ATableCutShortReportsItsMissingRecordsAndImportsTheRest) {
    InstallationBuilder site = Site();
    testing::DbaseBuilder table = site.Table();
    table.ClaimRecords(0x7FFFFFFF);
    WriteBytes(Path("site.tag"), site.TagBytes());
    table.Write(Path("site.dbf"));
    ASSERT_TRUE(Open("site.tag"));
    EXPECT_EQ(prompts.Texts().front(),
              ScriptedPrompts::Plain(MissingRecordsMessage(Path("site.dbf"), 0x7FFFFFFF - 6)));
    EXPECT_EQ(view.Items, (Texts{"Annex", "Main"}));
}

TEST_F(InstallationImportTest, MoreThanAHundredNetworksKeepTheFirstHundred) {
    InstallationBuilder site;
    for (int n = 1; n <= 103; ++n) site.Unit({"Big", std::to_string(n), "01", "PSU", Block({})});
    site.Write(Path("big"));
    ASSERT_TRUE(Open("big.tag"));
    EXPECT_EQ(prompts.Texts().front(), SurplusNetworksMessage(103));
    EXPECT_EQ(state.Window.NetworkCount, 100);
    EXPECT_EQ(view.Items.size(), 100u);
    EXPECT_EQ(view.Items[99], "Network 100");  // no tag file: numbered names
    EXPECT_TRUE(FileExists(Path("big.100")));
    EXPECT_FALSE(FileExists(Path("big.101")));
}

TEST_F(InstallationImportTest, ACalculatorProjectOpenedAfterwardsNamesItsNetworksFromItsFiles) {
    Site().Write(Path("site"));
    ASSERT_TRUE(Open("site.tag"));
    prompts.files = {Path("copy.tav")};
    ASSERT_TRUE(driver->SaveAs1Click());
    ASSERT_TRUE(Open("copy.tav"));
    EXPECT_TRUE(state.Window.CalculatorProject);
    EXPECT_EQ(view.Items, (Texts{"Annex", "Main"}));  // as the copied files name them
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [" + Path("copy.tav") + "]");
}

}  // namespace
}  // namespace tavo
