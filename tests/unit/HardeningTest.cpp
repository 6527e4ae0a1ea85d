// What a hostile file or a full disk must not do: lose a network silently, block, eat memory,
// leave a project's files mixed, replace a link or a read-only file, or leave temporary files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "calculator/CommandDriver.h"
#include "calculator/HeadlessView.h"
#include "core/NetworkFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::WriteBytes;
using Texts = std::vector<std::string>;

const char kCatalogue[] =
    "Power supply 500 mA\r\nPSU, p, 0, 500, 0, YES, NO, NO, NO, PSU, 1\r\n"
    "Input 20 mA\r\nIN20, i, 20, 0, 36, NO, NO, NO, YES, IN, 4\r\n";
const std::string kDashes(32, '-');

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

class HardeningTest : public ::testing::Test {
  protected:
    HardeningTest() {
        WriteBytes(dir.File("TAVOUNIT.DAT"), kCatalogue);
        state.Today = [] { return Date{2026, 12, 9}; };
        EXPECT_TRUE(driver.FormActivate());
    }
    std::string Path(const char* name) const { return dir.File(name); }
    std::int32_t Qty(int slot) const {
        return state.Units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
    }
    // site.tav of two networks: 1 holds 2 IN20, 2 holds 1 PSU; network 1 in memory.
    void MakeProject() {
        state.Units.UnitTable[2].Quantity = 2;
        prompts.files = {Path("site.tav")};
        ASSERT_TRUE(driver.SaveAs1Click());
        state.Project.NetworkCount = 2;
        driver.FormActivate();
        ASSERT_TRUE(driver.MakeCurrent(1));
        state.Units.UnitTable[1].Quantity = 1;
        ASSERT_TRUE(driver.Save1Click());
        ASSERT_TRUE(driver.MakeCurrent(0));
        prompts.shown.clear();
    }

    TempDir dir;
    ScriptedPrompts prompts;
    AppState state{prompts};
    HeadlessView view{state};
    CommandDriver driver{state, view, dir.File("TAVOUNIT.DAT"), ""};
};

TEST_F(HardeningTest, ABadRowIsSkippedAndItsNetworkIsNotWrittenOverWithoutAYes) {
    MakeProject();
    WriteBytes(Path("site.002"), "NetWork Name:Roof\r\n" + kDashes + "\r\nCat.No. Qty\r\n" +
                                     kDashes + "\r\nXYZ 3\r\nPSU 1\r\nIN20 12a\r\nIN20 4\r\n");
    ASSERT_TRUE(driver.MakeCurrent(1));
    EXPECT_EQ(prompts.Texts(),
              (Texts{"Unknown unit Cat.No. XYZ ignored", "Unrecognised text \"12a\" ignored"}));
    EXPECT_EQ(Qty(1), 1);
    EXPECT_EQ(Qty(2), 4);  // the rows after the bad ones count
    EXPECT_FALSE(state.Window.NetworkSaved);
    const std::string before = ReadBytes(Path("site.002"));
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.MakeCurrent(0));
    EXPECT_EQ(prompts.Texts().back(), "Save network?");
    EXPECT_EQ(ReadBytes(Path("site.002")), before);
}

TEST_F(HardeningTest, WhatIsNoNetworkFileIsReportedAndTheNetworkInMemoryStays) {
    MakeProject();
    ::mkfifo(Path("pipe.001").c_str(), 0600);
    struct Case {
        const char* What;
        std::function<void()> Make;
        std::string Reason;
    };
    const std::vector<Case> cases = {
        {"random bytes", [&] { WriteBytes(Path("site.002"), std::string(4096, '\x9C') + "\x01"); },
         kNotANetworkFile},
        {"a directory", [&] { std::filesystem::create_directory(Path("site.002")); },
         std::strerror(EISDIR)},
        {"a pipe", [&] { std::filesystem::create_symlink(Path("pipe.001"), Path("site.002")); },
         kNotAFile},
        {"a device", [&] { std::filesystem::create_symlink("/dev/zero", Path("site.002")); },
         kNotAFile},
        {"too large",
         [&] { WriteBytes(Path("site.002"), std::string(kMaxNetworkFileBytes + 1, 'x')); },
         "the file is too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove_all(Path("site.002"));
        c.Make();
        prompts.shown.clear();
        EXPECT_FALSE(driver.MakeCurrent(1));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_TRUE(StartsWith(prompts.shown[0].Text, "Cannot "));
        EXPECT_NE(prompts.shown[0].Text.find(Path("site.002")), std::string::npos);
        EXPECT_NE(prompts.shown[0].Text.find(c.Reason), std::string::npos) << prompts.shown[0].Text;
        EXPECT_EQ(state.Window.CurrentNetwork, 1);
        EXPECT_EQ(Qty(2), 2);  // network 1 stays in memory, saved
    }
    // Lone CR line ends are line ends.
    std::filesystem::remove_all(Path("site.002"));
    WriteBytes(Path("site.002"),
               "NetWork Name:Roof\r" + kDashes + "\rCat.No. Qty\r" + kDashes + "\rPSU 3\r");
    ASSERT_TRUE(driver.MakeCurrent(1));
    EXPECT_EQ(Qty(1), 3);
    EXPECT_EQ(driver.SelectorText(), "Roof");
}

TEST_F(HardeningTest, AProjectThatIsNoFileOpensNothingAndWaitsForNothing) {
    ::mkfifo(Path("pipe.tav").c_str(), 0600);
    for (const char* project : {"/dev/zero", "pipe.tav"}) {
        SCOPED_TRACE(project);
        prompts.shown.clear();
        const std::string path = project[0] == '/' ? project : Path(project);
        EXPECT_FALSE(driver.OpenFile(path));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_NE(prompts.shown[0].Text.find(kNotAFile), std::string::npos);
        EXPECT_TRUE(state.Window.ProjectFileName.empty());
    }
}

TEST_F(HardeningTest, AFailedSaveLeavesEveryOldFileAsItWasAndNoNewOne) {
    MakeProject();
    // Network 1 gets a long name, so that its file is larger than the project file.
    std::string first = ReadBytes(Path("site.001"));
    first.replace(first.find("Network 1"), 9, std::string(190, 'N'));
    WriteBytes(Path("site.001"), first);
    ASSERT_TRUE(driver.OpenFile(Path("site.tav")));
    state.Project.ProjectName = "Changed";
    for (int slot = 1; slot <= 2; ++slot) state.Units.UnitTable[slot].Quantity = 99;
    const std::string project = ReadBytes(Path("site.tav"));
    const std::string network = ReadBytes(Path("site.001"));
    // The project file fits, the network file does not: neither is replaced.
    {
        testing::FileSizeLimit limit(project.size() + 20);
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(driver.Save1Click());
    }
    EXPECT_EQ(ReadBytes(Path("site.tav")), project);
    EXPECT_EQ(ReadBytes(Path("site.001")), network);
    EXPECT_NE(prompts.Texts().back().find(std::strerror(EFBIG)), std::string::npos);
    // A failed Save As leaves no file under the new name.
    prompts.files = {Path("copy.tav")};
    {
        testing::FileSizeLimit limit(project.size() + 20);
        EXPECT_FALSE(driver.SaveAs1Click());
    }
    EXPECT_FALSE(FileExists(Path("copy.tav")));
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_FALSE(StartsWith(entry.path().filename().string(), "copy.")) << entry.path();
}

TEST_F(HardeningTest, SavesGoThroughLinksLeaveReadOnlyFilesAndSweepUpTemporaries) {
    MakeProject();
    // A link to the project file elsewhere: the target gets the save, the link stays.
    std::filesystem::create_directory(Path("real"));
    std::filesystem::rename(Path("site.tav"), Path("real/site.tav"));
    std::filesystem::create_symlink(Path("real/site.tav"), Path("site.tav"));
    state.Project.ProjectName = "Through the link";
    ASSERT_TRUE(driver.Save1Click());
    EXPECT_TRUE(std::filesystem::is_symlink(Path("site.tav")));
    EXPECT_NE(ReadBytes(Path("real/site.tav")).find("Through the link"), std::string::npos);
    // Leftovers of an interrupted save go with the next save; a file of the user's stays.
    WriteBytes(Path("site.001.tavo-aB3dE9"), "cut sh");
    for (const char* mine : {"site.001.backup", "site.001.202401", "site.001.Copy01"})
        WriteBytes(Path(mine), "mine");
    ASSERT_TRUE(driver.Save1Click());
    EXPECT_FALSE(std::filesystem::exists(Path("site.001.tavo-aB3dE9")));
    for (const char* mine : {"site.001.backup", "site.001.202401", "site.001.Copy01"})
        EXPECT_TRUE(std::filesystem::exists(Path(mine))) << mine;
    // A network file made read-only is not replaced, even for root.
    ::chmod(Path("site.001").c_str(), 0444);
    const std::string before = ReadBytes(Path("site.001"));
    state.Units.UnitTable[2].Quantity = 7;
    state.Window.NetworkSaved = false;
    prompts.shown.clear();
    EXPECT_FALSE(driver.Save1Click());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].Text.find(std::strerror(EACCES)), std::string::npos);
    EXPECT_EQ(ReadBytes(Path("site.001")), before);
    EXPECT_FALSE(state.Window.NetworkSaved);
}

TEST_F(HardeningTest, ACatalogueWithoutUnitsOrThatIsNoFileSaysWhatIsWrong) {
    for (const auto& [content, expected] : std::vector<std::pair<std::string, std::string>>{
             {"; only comments\r\n", "holds no unit types"}, {"", std::strerror(EISDIR)}}) {
        ScriptedPrompts otherPrompts;
        AppState other{otherPrompts};
        HeadlessView otherView{other};
        const std::string path = content.empty() ? dir.Path() : Path("EMPTY.DAT");
        if (!content.empty()) WriteBytes(path, content);
        CommandDriver starting{other, otherView, path, ""};
        EXPECT_FALSE(starting.FormActivate());
        ASSERT_EQ(otherPrompts.shown.size(), 1u);
        EXPECT_NE(otherPrompts.shown[0].Text.find(expected), std::string::npos)
            << otherPrompts.shown[0].Text;
    }
}

}  // namespace
}  // namespace tavo
