#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/Catalogue.h"
#include "core/NetworkFile.h"
#include "platform/FileError.h"
#include "platform/Locale.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::CrLf;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::WriteBytes;
using Shown = ScriptedPrompts::Shown;

const std::string kDashes(32, '-');

// A catalogue of four unit types (a five- and a fifteen-character catalogue number among
// them) and a late one in slot 150; today is 5 March 2024 in a d/m/yyyy locale.
class NetworkFileTest : public ::testing::Test {
  protected:
    NetworkFileTest() {
        ResetUnitTable(state.Units);
        const std::vector<std::string> catNos = {"IN-4A", "OUT-2", "SYS-1", "PSU-1250-DIN-XL"};
        for (std::size_t i = 0; i < catNos.size(); ++i)
            state.Units.UnitTable[i + 1].CatNo = catNos[i];
        for (int slot = 5; slot <= 150; ++slot)
            Unit(slot).CatNo = slot == 150 ? "LATE-150" : "FILL-" + std::to_string(slot);
        state.Units.UnitCount = 150;
        state.Today = [] { return Date{2024, 3, 5}; };
        state.Locale.ShortDateFormat = "d/m/yyyy";
        state.Status = {"Power balance OK", "Safe if short circuit", "OK without burden"};
    }

    UnitType& Unit(int slot) { return state.Units.UnitTable[static_cast<std::size_t>(slot)]; }
    std::int32_t& Qty(int slot) { return Unit(slot).Quantity; }

    // The project at dir/site.tav, as Save leaves it.
    std::string UseProject(const std::string& name = "site.tav") {
        state.Window.ProjectFileName = dir.File(name);
        state.Window.ProjectBaseName = PathWithoutExtension(state.Window.ProjectFileName);
        return state.Window.ProjectFileName;
    }

    // A network file as a user might edit it, LF line ends, rows after the header.
    std::string WriteNetwork(int number, std::initializer_list<std::string_view> rows) {
        std::string text = "NetWork Name:Edited\n             Saved:\t1/2/2023\n" + kDashes +
                           "\nCat.No.                 Qty\n" + kDashes + "\n";
        for (std::string_view row : rows) text.append(row).append("\n");
        const std::string path = dir.File("site." + NetworkNumberText(number));
        WriteBytes(path, text);
        return path;
    }

    // Reads network number of project as the program does; true when every row was taken.
    bool Read(const std::string& project, int number) {
        const NetworkFileRead read =
            ReadNetworkFile(state.Units, NetworkFilePath(project, number), prompts.Sink());
        if (read.SavedDate) state.Window.NetworkSavedDate = *read.SavedDate;
        return read.Complete;
    }

    ScriptedPrompts prompts;
    AppState state{prompts};
    TempDir dir;
};

TEST_F(NetworkFileTest, WritesHeaderAndOneRowPerUnitTypeInUse) {
    UseProject();
    Qty(1) = 3;   // five characters, padded with seven spaces
    Qty(4) = 12;  // fifteen characters, not padded
    state.Window.NetworkSaved = false;
    ASSERT_TRUE(SaveNetworkFile(state, "Ground floor", 7));

    const std::string path = dir.File("site.007");
    EXPECT_EQ(
        ReadBytes(path),
        CrLf({"The local Tavo network file " + path + " was created by Tavo Calculator",
              "NetWork Name:Ground floor", "             Saved:\t5/3/2024",
              "            Report:\tPower balance OK", "                  :\tSafe if short circuit",
              "                  :\tOK without burden", kDashes, "Cat.No.                 Qty",
              kDashes, "IN-4A       \t\t3", "PSU-1250-DIN-XL\t\t12"}));
    EXPECT_TRUE(prompts.shown.empty());

    // Without units there are no rows; the date follows the locale.
    ClearQuantities(state.Units);
    state.Locale.ShortDateFormat = "yyyy-mm-dd";
    state.Status = {"No current", "No supply", "No burden"};
    ASSERT_TRUE(SaveNetworkFile(state, "", 1));
    const std::string empty = dir.File("site.001");
    EXPECT_EQ(
        ReadBytes(empty),
        CrLf({"The local Tavo network file " + empty + " was created by Tavo Calculator",
              "NetWork Name:", "             Saved:\t2024-03-05", "            Report:\tNo current",
              "                  :\tNo supply", "                  :\tNo burden", kDashes,
              "Cat.No.                 Qty", kDashes}));
}

TEST_F(NetworkFileTest, UntitledProjectIsRefusedAndNothingWritten) {
    state.Window.ProjectFileName.clear();
    state.Window.ProjectBaseName.clear();
    state.Window.NetworkSaved = false;
    Qty(1) = 2;
    const bool existedBefore = std::filesystem::exists(".001");

    EXPECT_FALSE(SaveNetworkFile(state, "Ground floor", 1));
    EXPECT_EQ(std::filesystem::exists(".001"), existedBefore);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(NetworkFileTest, WriteFailureIsReportedWithTheSystemTextAndLeavesNetworkUnsaved) {
    state.Window.ProjectBaseName = dir.File("gone/site");
    state.Window.NetworkSaved = false;
    Qty(2) = 1;
    try {
        SaveNetworkFile(state, "Ground floor", 1);
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(dir.File("gone/site.001")), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find(std::strerror(ENOENT)), std::string::npos)
            << error.what();
    }
}

TEST_F(NetworkFileTest, ReadBackRestoresQuantitiesNameAndSavedDate) {
    const std::string project = UseProject();
    Qty(1) = 3;
    Qty(3) = 2147483647;
    Qty(4) = 12;
    Qty(150) = 7;
    ASSERT_TRUE(SaveNetworkFile(state, "  Ground floor  ", 2));

    ClearQuantities(state.Units);
    Qty(2) = 9;  // not in the file: cleared by the read
    state.Window.NetworkSavedDate.clear();
    EXPECT_TRUE(Read(project, 2));
    EXPECT_EQ(Qty(1), 3);
    EXPECT_EQ(Qty(2), 0);
    EXPECT_EQ(Qty(3), 2147483647);
    EXPECT_EQ(Qty(4), 12);
    EXPECT_EQ(Qty(150), 7);
    EXPECT_EQ(Qty(149), 0);
    EXPECT_EQ(state.Window.NetworkSavedDate, "5/3/2024");
    EXPECT_EQ(ReadNetworkName(project, 2), "Ground floor");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NetworkFileTest, ReaderTakesRowsAfterTheSecondDashLineOnly) {
    UseProject();
    WriteBytes(dir.File("site.001"),
               "IN-4A 5\n"  // before any dash line: not a row
               "----- first\r\n"
               "OUT-2 6\n"                            // between the dash lines: not a row
               "Report saved on\tMonday\t9/9/2009\n"  // the date, after the last TAB
               "-------\n"
               "\n"
               "   \t \r\n"  // blank: no row
               "IN-4A\t\t4 extra words are ignored\n"
               "------------\n"  // further dash lines are skipped
               "SYS-1 1\n"
               "SYS-1 8\n"                   // the last row wins
               "  PSU-1250-DIN-XL   0010");  // last line without an end
    EXPECT_TRUE(Read(state.Window.ProjectFileName, 1));
    EXPECT_EQ(Qty(1), 4);
    EXPECT_EQ(Qty(2), 0);
    EXPECT_EQ(Qty(3), 8);
    EXPECT_EQ(Qty(4), 10);
    EXPECT_EQ(state.Window.NetworkSavedDate, "9/9/2009");
    EXPECT_TRUE(prompts.shown.empty());

    // A date line without a TAB gives its whole text, wherever it stands.
    WriteBytes(dir.File("site.002"), kDashes + "\n" + kDashes + "\nIN-4A 1\nSAVED ON MONDAY\n");
    EXPECT_TRUE(Read(state.Window.ProjectFileName, 2));
    EXPECT_EQ(Qty(1), 1);
    EXPECT_EQ(state.Window.NetworkSavedDate, "SAVED ON MONDAY");
}

TEST_F(NetworkFileTest, ARejectedRowIsSkippedWithItsWarningAndTheRowsAfterItAreRead) {
    const std::string project = UseProject();
    struct Case {
        const char* Row;
        const char* Warning;
    };
    const Case cases[] = {
        {"OUT-2\t\t12a", "Unrecognised text \"12a\" ignored"},
        {"OUT-2 9999999999", "Unrecognised text \"9999999999\" ignored"},
        {"OUT-2 2147483648", "Unrecognised text \"2147483648\" ignored"},
        {"OUT-2 -4", "Unrecognised text \"-4\" ignored"},
        {"OUT-2", "Unrecognised text \"\" ignored"},
        {"XYZ-9 3", "Unknown unit Cat.No. XYZ-9 ignored"},
        {"out-2 3", "Unknown unit Cat.No. out-2 ignored"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Row);
        prompts.shown.clear();
        WriteNetwork(1, {"IN-4A 3", c.Row, "SYS-1 4", "PSU-1250-DIN-XL 2"});
        Qty(2) = 5;
        Qty(3) = 5;
        EXPECT_FALSE(Read(project, 1));
        EXPECT_EQ(Qty(1), 3);
        EXPECT_EQ(Qty(2), 0);
        EXPECT_EQ(Qty(3), 4);
        EXPECT_EQ(Qty(4), 2);
        EXPECT_EQ(prompts.shown, (std::vector<Shown>{{MessageKind::Warning, c.Warning, false}}));
    }
}

TEST_F(NetworkFileTest, MissingFileReadsAsAnEmptyNetworkWithoutMessage) {
    const std::string project = UseProject();
    Qty(1) = 4;
    Qty(150) = 1;
    EXPECT_FALSE(Read(project, 4));
    EXPECT_EQ(Qty(1), 0);
    EXPECT_EQ(Qty(150), 0);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ReadNetworkName(project, 4), "Network 4");
}

TEST_F(NetworkFileTest, NetworkNameComesFromTheFirstNameLine) {
    const std::string project = UseProject();
    const auto nameOf = [&](const std::string& bytes) {
        WriteBytes(dir.File("site.003"), bytes);
        return ReadNetworkName(project, 3);
    };
    EXPECT_EQ(nameOf("header\r\n  NETWORK NAME: Ground floor \t\r\nNetwork Name:Second\r\n"),
              "Ground floor");
    EXPECT_EQ(nameOf("NetWork Name:Level 2: east wing\r\n"), "Level 2: east wing");
    EXPECT_EQ(nameOf("network name Basement\n"), "network name Basement");
    EXPECT_EQ(nameOf("NetWork Name:" + std::string(150, ' ') + std::string(100, 'a') + "\r\n"),
              std::string(50, 'a'));
    EXPECT_EQ(nameOf("NetWork Name:" + std::string(250, 'b') + "\r\n"), std::string(200, 'b'));
    EXPECT_EQ(nameOf("The local network\r\nName: Ground floor\r\n"), "Network 3");
    EXPECT_EQ(nameOf(""), "Network 3");
    // A name line with nothing after the colon names no network.
    EXPECT_EQ(nameOf("NetWork Name:   \r\nNetWork Name:Later\r\n"), "Network 3");
}

TEST_F(NetworkFileTest, NetworkFilesAreNamedByOneExtensionRule) {
    EXPECT_EQ(NetworkFilePath("/jobs/site.tav", 7), "/jobs/site.007");
    EXPECT_EQ(NetworkFilePath("/jobs/site.dat", 42), "/jobs/site.042");
    EXPECT_EQ(NetworkFilePath("/jobs/site.t", 100), "/jobs/site.100");
    EXPECT_EQ(NetworkFilePath("/jobs/site.tavx", 1), "/jobs/site.001");
    EXPECT_EQ(NetworkFilePath("/jobs/site.project", 1), "/jobs/site.001");
    EXPECT_EQ(NetworkFilePath("/jobs/site.d/x", 1), "/jobs/site.d/x.001");
    EXPECT_EQ(NetworkFilePath("/jobs/site", 1), "/jobs/site.001");
    EXPECT_EQ(NetworkFilePath("/jobs/my.site.tav", 1), "/jobs/my.site.001");
    EXPECT_EQ(NetworkFilePath("/jobs/site.tav", 1000), "/jobs/site.1000");

    // What Save writes under ProjectBaseName is what a read of the project name finds.
    std::filesystem::create_directory(dir.File("site.d"));
    for (const char* name : {"site.tav", "site.proj", "site.d/x", "plain"}) {
        SCOPED_TRACE(name);
        const std::string project = UseProject(name);
        ClearQuantities(state.Units);
        Qty(2) = 6;
        ASSERT_TRUE(SaveNetworkFile(state, "Roof", 7));
        EXPECT_TRUE(FileExists(NetworkFilePath(project, 7)));
        ClearQuantities(state.Units);
        EXPECT_TRUE(Read(project, 7));
        EXPECT_EQ(Qty(2), 6);
        EXPECT_EQ(ReadNetworkName(project, 7), "Roof");
    }
    EXPECT_TRUE(FileExists(dir.File("site.007")));
    EXPECT_TRUE(FileExists(dir.File("site.d/x.007")));
    EXPECT_TRUE(FileExists(dir.File("plain.007")));
    EXPECT_FALSE(FileExists(dir.File("site.d.007")));
}

TEST_F(NetworkFileTest, DashesInThePathOrTheNameDoNotBreakTheReadBack) {
    std::filesystem::create_directory(dir.File("jobs-----2024"));
    const std::string project = UseProject("jobs-----2024/site.tav");
    Qty(1) = 2;
    Qty(3) = 5;
    ASSERT_TRUE(SaveNetworkFile(state, "----- east -----", 1));
    ClearQuantities(state.Units);
    EXPECT_TRUE(Read(project, 1));
    EXPECT_EQ(Qty(1), 2);
    EXPECT_EQ(Qty(3), 5);
    EXPECT_TRUE(prompts.shown.empty()) << prompts.Texts().front();
    EXPECT_EQ(ReadNetworkName(project, 1), "----- east -----");
}

TEST_F(NetworkFileTest, CopyNetworkFileCopiesLinesAndLeavesQuantities) {
    const std::string oldProject = dir.File("old.tav");
    const std::string newProject = dir.File("new.data");
    WriteBytes(dir.File("old.002"), "NetWork Name:Roof\nIN-4A\t\t3\r\n\r\nlast");
    Qty(1) = 8;
    Qty(150) = 2;

    CopyNetworkFile(oldProject, newProject, 2);
    EXPECT_EQ(ReadBytes(dir.File("new.002")),
              CrLf({"NetWork Name:Roof", "IN-4A\t\t3", "", "last"}));
    EXPECT_EQ(Qty(1), 8);
    EXPECT_EQ(Qty(150), 2);

    // A copy replaces an existing target; a missing source does nothing.
    WriteBytes(dir.File("new.002"), "older\r\n");
    CopyNetworkFile(oldProject, newProject, 2);
    EXPECT_EQ(ReadBytes(dir.File("new.002")),
              CrLf({"NetWork Name:Roof", "IN-4A\t\t3", "", "last"}));
    CopyNetworkFile(oldProject, newProject, 3);
    EXPECT_FALSE(FileExists(dir.File("new.003")));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NetworkFileTest, InstallationProjectsDirComesFromTavoIni) {
    EXPECT_EQ(ReadInstallationProjectsDir(dir.Path()), "");

    WriteBytes(dir.File("TAVO.INI"),
               "Projects=/before/any/section\r\n"
               "[Other]\r\n"
               "Projects=/other\r\n"
               "[TavoV2]\r\n"
               "; Projects=/commented\r\n"
               "Path=/not/this\r\n"
               "  projects = /data/tavo projects  \r\n"
               "[Later]\r\n"
               "Projects=/later\r\n");
    EXPECT_EQ(ReadInstallationProjectsDir(dir.Path()), "/data/tavo projects");
    EXPECT_EQ(ReadInstallationProjectsDir(dir.Path() + "/"), "/data/tavo projects");

    WriteBytes(dir.File("TAVO.INI"), "[TAVOV2]\nPath=/x\n[Other]\nProjects=/other\n");
    EXPECT_EQ(ReadInstallationProjectsDir(dir.Path()), "");
    WriteBytes(dir.File("TAVO.INI"), "[TAVOV3]\nProjects=/v3\n");
    EXPECT_EQ(ReadInstallationProjectsDir(dir.Path()), "");
}

TEST(ShortDate, FollowsTheLocaleFormat) {
    const auto format = [](const char* pattern, Date date) {
        LocaleSettings locale;
        locale.ShortDateFormat = pattern;
        return FormatShortDate(locale, date);
    };
    EXPECT_EQ(format("d/m/yyyy", {2024, 3, 5}), "5/3/2024");
    EXPECT_EQ(format("dd/mm/yy", {2024, 3, 5}), "05/03/24");
    EXPECT_EQ(format("dd.MM.yyyy", {2009, 12, 31}), "31.12.2009");
    EXPECT_EQ(format("M/d/yy", {2005, 11, 9}), "11/9/05");
    EXPECT_EQ(format("yyyy-mm-dd", {2024, 3, 5}), "2024-03-05");

    EXPECT_EQ(DateFormatFromStrftime("%d/%m/%Y"), "dd/mm/yyyy");
    EXPECT_EQ(DateFormatFromStrftime("%m/%d/%y"), "mm/dd/yy");
    EXPECT_EQ(DateFormatFromStrftime("%d.%m.%Y"), "dd.mm.yyyy");
    EXPECT_EQ(DateFormatFromStrftime("%F"), "yyyy-mm-dd");
    EXPECT_EQ(DateFormatFromStrftime("%D"), "mm/dd/yy");
    EXPECT_EQ(DateFormatFromStrftime("%e/%m/%Y"), "d/mm/yyyy");
    EXPECT_EQ(DateFormatFromStrftime("%Ey-%Om-%Od"), "yy-mm-dd");
    EXPECT_EQ(DateFormatFromStrftime(""), "dd/mm/yyyy");
}

}  // namespace
}  // namespace tavo
