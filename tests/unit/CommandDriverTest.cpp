// The main window's commands without a window: every prompt and file dialog scripted, on real
// files in a temporary folder, the window played by the headless view.
#include "calculator/CommandDriver.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "calculator/HeadlessView.h"
#include "calculator/UnitLists.h"
#include "core/Catalogue.h"
#include "core/NetworkFile.h"
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
    "Input 20 mA\r\nIN20, i, 20, 0, 36, NO, NO, NO, YES, IN, 4\r\n"
    "Output 30 mA\r\nOUT30, o, 30, 0, 45, NO, NO, NO, YES, OUT, 8\r\n";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CommandDriverTest : public ::testing::Test {
  protected:
    CommandDriverTest() {
        WriteBytes(dir.File("TAVOUNIT.DAT"), kCatalogue);
        state.Today = [] { return Date{2026, 12, 9}; };
    }

    void Start() { ASSERT_TRUE(driver.FormActivate()); }
    std::int32_t Qty(int slot) const {
        return state.Units.UnitTable[static_cast<std::size_t>(slot)].Quantity;
    }
    // Types a quantity for a unit type as a user would on "All Units".
    void Place(int slot, const std::string& digits) {
        view.SelectTab(0);
        view.Lists().SetCurrentRow(slot);
        view.Lists().QtyBarKeyPress(' ');
        for (char digit : digits) view.Lists().QtyBarKeyPress(digit);
    }
    std::string Path(const char* name) const { return dir.File(name); }
    bool Exists(const char* name) const { return FileExists(Path(name)); }
    std::string Network(const char* name) const { return ReadBytes(Path(name)); }
    // A saved project of three networks: 1 holds 2 IN20, 2 holds 3 OUT30, 3 has no file;
    // network 2 is in memory.
    void MakeProject() {
        Place(2, "2");
        prompts.files = {Path("site.tav")};
        ASSERT_TRUE(driver.SaveAs1Click());
        state.Project.NetworkCount = 3;
        driver.FormActivate();
        driver.cbxNetworksChange(1);
        Place(3, "3");
        ASSERT_TRUE(driver.Save1Click());
        ASSERT_TRUE(state.Window.NetworkSaved);
        RemoveFileIfExists(Path("site.003"));
        ASSERT_TRUE(prompts.shown.empty()) << prompts.Texts().front();
    }

    TempDir dir;
    ScriptedPrompts prompts;
    AppState state{prompts};
    HeadlessView view{state};
    CommandDriver driver{state, view, dir.File("TAVOUNIT.DAT"), ""};
};

TEST_F(CommandDriverTest, StartUpShowsAnUntitledProjectOfOneNetwork) {
    Start();
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [Untitled]");
    EXPECT_EQ(view.Items, Texts{"Network 1"});
    EXPECT_EQ(view.Index, 0);
    EXPECT_EQ(view.Installer, "");
    EXPECT_EQ(state.Units.UnitCount, 3);
    EXPECT_EQ(state.Evaluation.MaxAddressable, 100);
    EXPECT_TRUE(prompts.shown.empty());

    // A first argument within the range raises the address limit; a missing catalogue ends
    // the program with its message.
    ScriptedPrompts otherPrompts;
    AppState other{otherPrompts};
    HeadlessView otherView{other};
    CommandDriver raised{other, otherView, dir.File("TAVOUNIT.DAT"), "150"};
    ASSERT_TRUE(raised.FormActivate());
    EXPECT_EQ(other.Evaluation.MaxAddressable, 150);
    CommandDriver missing{other, otherView, dir.File("none.dat"), ""};
    EXPECT_FALSE(missing.FormActivate());
    ASSERT_EQ(otherPrompts.shown.size(), 1u);
    EXPECT_EQ(otherPrompts.shown[0].Kind, MessageKind::Error);
    EXPECT_EQ(otherPrompts.shown[0].Text,
              ScriptedPrompts::Plain(MissingDataFileMessage(dir.File("none.dat"))));
}

TEST_F(CommandDriverTest, NewOnAnEditedUntitledProjectAsksToSaveTheProject) {
    Start();
    Place(2, "4");
    // Cancel: everything stays.
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.New1Click());
    EXPECT_EQ(prompts.Texts(), Texts{"Project changed. Save project?"});
    EXPECT_EQ(Qty(2), 4);
    // Yes, then the save dialog cancelled: nothing was saved, so New stops.
    prompts.answers = {Answer::Yes};
    prompts.files = {""};
    EXPECT_FALSE(driver.New1Click());
    EXPECT_EQ(Qty(2), 4);
    EXPECT_EQ(prompts.dialogs.back().Filter, "Tavo Network Project|*.tav");
    EXPECT_EQ(prompts.dialogs.back().DefaultExtension, "tav");
    // No: a fresh project.
    prompts.answers = {Answer::No};
    EXPECT_TRUE(driver.New1Click());
    EXPECT_EQ(Qty(2), 0);
    EXPECT_TRUE(state.Window.NetworkSaved);
    EXPECT_TRUE(state.Window.ProjectSaved);
    EXPECT_EQ(prompts.shown.size(), 3u);
}

TEST_F(CommandDriverTest, NewOnASavedProjectAsksOnlyAboutTheNetwork) {
    Start();
    MakeProject();
    Place(3, "8");
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.New1Click());
    EXPECT_EQ(prompts.Texts(), Texts{"Save network?"});
    EXPECT_EQ(state.Window.ProjectFileName, Path("site.tav"));
    EXPECT_EQ(Qty(3), 8);
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(driver.New1Click());
    EXPECT_TRUE(Contains(Network("site.002"), "OUT30       \t\t8\r\n"));
    EXPECT_TRUE(state.Window.ProjectFileName.empty());
    EXPECT_EQ(Qty(3), 0);
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [Untitled]");
}

TEST_F(CommandDriverTest, SaveAsWritesTheFilesAndTitlesTheWindow) {
    Start();
    state.Project.ProjectName = "Harbour";
    driver.FormActivate();
    Place(2, "2");
    prompts.files = {Path("site.tav")};
    ASSERT_TRUE(driver.SaveAs1Click());
    EXPECT_EQ(prompts.dialogs.back().FileName, "Harbour");  // the project name is proposed
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [" + Path("site.tav") + "]");
    EXPECT_TRUE(state.Window.ProjectSaved && state.Window.NetworkSaved);
    EXPECT_TRUE(Contains(Network("site.001"), "NetWork Name:Network 1\r\n"));
    EXPECT_TRUE(Contains(Network("site.001"), "IN20        \t\t2\r\n"));
    EXPECT_TRUE(Contains(ReadBytes(Path("site.tav")), "       Name:\tHarbour\r\n"));
    // Save As under the same name copies nothing and still saves.
    prompts.files = {Path("site.tav")};
    EXPECT_TRUE(driver.SaveAs1Click());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(CommandDriverTest, AFailedSaveMarksNothingSavedAndReportsTheSystemText) {
    Start();
    Place(2, "2");
    prompts.files = {Path("missing/site.tav")};
    EXPECT_FALSE(driver.SaveAs1Click());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].Kind, MessageKind::Error);
    EXPECT_TRUE(Contains(prompts.shown[0].Text, std::strerror(ENOENT)));
    EXPECT_FALSE(state.Window.NetworkSaved);
    EXPECT_TRUE(state.Window.ProjectFileName.empty());
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [Untitled]");
    // Exit with Yes, and the save fails again: the window may not close.
    prompts.answers = {Answer::Yes};
    prompts.files = {Path("missing/site.tav")};
    EXPECT_FALSE(driver.FormCloseQuery());
    EXPECT_EQ(prompts.shown[1].Text, "Save network before exit?");
    EXPECT_EQ(prompts.shown.size(), 3u);
}

TEST_F(CommandDriverTest, OpenReadsTheProjectAndItsFirstNetwork) {
    Start();
    MakeProject();
    EXPECT_TRUE(driver.New1Click());
    prompts.files = {Path("site.tav")};
    ASSERT_TRUE(driver.Open1Click());
    EXPECT_EQ(prompts.dialogs.back().Filter,
              "Tavo Calculator Project (*.tav)|*.tav|Tavo Installation Project (*.tag)|*.tag|"
              "All Files (*.*)|*");
    EXPECT_EQ(prompts.dialogs.back().DefaultExtension, "ta!");
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [" + Path("site.tav") + "]");
    EXPECT_EQ(Qty(2), 2);
    EXPECT_EQ(Qty(3), 0);
    EXPECT_EQ(view.Items, (Texts{"Network 1", "Network 2", "Network 3"}));
    EXPECT_EQ(view.Lists().TabIndex(), kSelectedUnitsTab);
    EXPECT_EQ(state.Window.ProjectBaseName, Path("site"));
    driver.cbxNetworksChange(1);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Qty(3), 3);
    EXPECT_EQ(Qty(2), 0);
    driver.cbxNetworksChange(0);
    // The file dialog cancelled keeps the project.
    prompts.files = {""};
    EXPECT_FALSE(driver.Open1Click());
    EXPECT_EQ(Qty(2), 2);
    EXPECT_EQ(state.Window.ProjectFileName, Path("site.tav"));
    // Open starts where a project was opened last, Save As beside the open project.
    EXPECT_EQ(prompts.dialogs.back().Directory, dir.Path());
    prompts.files = {""};
    EXPECT_FALSE(driver.SaveAs1Click());
    EXPECT_EQ(prompts.dialogs.back().Directory, dir.Path());
}

TEST_F(CommandDriverTest, OpenStopsAtCancelAndRejectsDamagedFiles) {
    Start();
    Place(2, "2");
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.Open1Click());
    EXPECT_EQ(prompts.Texts(), (Texts{"Project changed. Save project?", "Operation cancelled"}));
    EXPECT_EQ(Qty(2), 2);
    // A damaged project file leaves a new untitled project.
    WriteBytes(Path("bad.tav"), "nothing like a project\r\n");
    prompts.answers = {Answer::No};
    prompts.files = {Path("bad.tav")};
    EXPECT_FALSE(driver.Open1Click());
    EXPECT_EQ(prompts.shown.back().Text, "Project file is corrupted, data ignored");
    EXPECT_EQ(prompts.shown.back().Kind, MessageKind::Error);
    EXPECT_TRUE(state.Window.ProjectFileName.empty());
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [Untitled]");
    EXPECT_EQ(Qty(2), 0);
}

TEST_F(CommandDriverTest, SwitchingNetworksAsksAboutTheOneInMemory) {
    Start();
    MakeProject();
    EXPECT_EQ(view.Index, 1);
    Place(3, "5");
    // Cancel keeps network 2 in memory, selected and unsaved.
    prompts.answers = {Answer::Cancel};
    driver.cbxNetworksChange(2);
    EXPECT_EQ(prompts.Texts(), Texts{"Save network?"});
    EXPECT_EQ(view.Index, 1);
    EXPECT_EQ(Qty(3), 5);
    EXPECT_FALSE(state.Window.NetworkSaved);
    // No drops the edits and shows network 3, which has no file: an empty network.
    prompts.answers = {Answer::No};
    driver.cbxNetworksChange(2);
    EXPECT_EQ(view.Index, 2);
    EXPECT_EQ(state.Window.CurrentNetwork, 3);
    EXPECT_EQ(Qty(3), 0);
    EXPECT_EQ(driver.SelectorText(), "Network 3");
    driver.cbxNetworksChange(1);
    EXPECT_EQ(Qty(3), 3);  // the saved 3, not the dropped 5
    // Yes writes network 2 before network 1 is read.
    Place(3, "7");
    prompts.answers = {Answer::Yes};
    driver.cbxNetworksChange(0);
    EXPECT_EQ(Qty(2), 2);
    EXPECT_TRUE(Contains(Network("site.002"), "OUT30       \t\t7\r\n"));
    EXPECT_EQ(state.Window.LoadedNetworkNumber, 1);
    // Picking the network already shown asks nothing and reads nothing.
    Place(2, "9");
    driver.cbxNetworksChange(0);
    EXPECT_EQ(Qty(2), 9);
    EXPECT_EQ(prompts.shown.size(), 3u);
}

TEST_F(CommandDriverTest, SwitchingAnUntitledNetworkNeedsAFileName) {
    Start();
    state.Project.NetworkCount = 2;
    driver.FormActivate();
    Place(2, "3");
    // Yes, but the save dialog is cancelled: the network cannot be saved and stays.
    prompts.answers = {Answer::Yes};
    prompts.files = {""};
    driver.cbxNetworksChange(1);
    EXPECT_EQ(prompts.Texts(), (Texts{"Save network?", "Cannot save network"}));
    EXPECT_EQ(prompts.shown[1].Kind, MessageKind::Error);
    EXPECT_EQ(view.Index, 0);
    EXPECT_EQ(Qty(2), 3);
    // A changed project asks to save the project on exit; No closes.
    state.Window.ProjectSaved = false;
    prompts.answers = {Answer::No};
    EXPECT_TRUE(driver.FormCloseQuery());
    EXPECT_EQ(prompts.Texts().back(), "Save project before exit?");
}

TEST_F(CommandDriverTest, ExitPromptsFollowWhatIsUnsaved) {
    Start();
    EXPECT_TRUE(driver.FormCloseQuery());  // nothing unsaved: no question
    MakeProject();
    Place(2, "9");
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(driver.FormCloseQuery());
    EXPECT_EQ(prompts.Texts(), Texts{"Save network before exit?"});
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(driver.FormCloseQuery());
    EXPECT_TRUE(Contains(Network("site.002"), "IN20        \t\t9\r\n"));
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(CommandDriverTest, FewerNetworksDeleteTheSurplusFilesOnSave) {
    Start();
    Place(2, "1");
    prompts.files = {Path("site.tav")};
    ASSERT_TRUE(driver.SaveAs1Click());
    for (const char* name : {"site.002", "site.003", "site.004", "site.005"})
        WriteBytes(Path(name), "x\r\n");
    state.Project.NetworkCount = 5;
    driver.FormActivate();
    EXPECT_EQ(view.Items.size(), 5u);
    state.Project.NetworkCount = 3;
    state.Window.ProjectSaved = false;
    driver.FormActivate();
    EXPECT_EQ(view.Items.size(), 3u);
    EXPECT_TRUE(driver.Save1Click());
    EXPECT_TRUE(Exists("site.003"));
    EXPECT_FALSE(Exists("site.004"));
    EXPECT_FALSE(Exists("site.005"));
}

TEST_F(CommandDriverTest, ANetworkDroppedByALowerCountLeavesMemory) {
    Start();
    MakeProject();  // network 2 in memory
    state.Project.NetworkCount = 1;
    driver.FormActivate();
    EXPECT_EQ(view.Items, Texts{"Network 1"});
    EXPECT_EQ(state.Window.CurrentNetwork, 1);
    EXPECT_EQ(state.Window.LoadedNetworkNumber, 1);
    EXPECT_EQ(Qty(2), 2);  // network 1 read from its file
    EXPECT_EQ(Qty(3), 0);
}

TEST_F(CommandDriverTest, AnUnreadableNetworkFileIsNeverWrittenOver) {
    Start();
    MakeProject();
    driver.cbxNetworksChange(0);
    // Network 2's file exists but cannot be read (reading this file fails even for root).
    RemoveFileIfExists(Path("site.002"));
    ASSERT_EQ(::symlink("/proc/self/mem", Path("site.002").c_str()), 0);
    Place(2, "6");
    prompts.answers = {Answer::Yes};
    driver.cbxNetworksChange(1);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(prompts.shown[1].Text.rfind("Cannot read file", 0) == 0) << prompts.shown[1].Text;
    // Network 1 stays in memory and selected; a save writes network 1, not network 2.
    EXPECT_EQ(view.Index, 0);
    EXPECT_EQ(state.Window.LoadedNetworkNumber, 1);
    EXPECT_EQ(Qty(2), 6);
    EXPECT_TRUE(driver.Save1Click());
    EXPECT_TRUE(Contains(Network("site.001"), "IN20        \t\t6\r\n"));
    EXPECT_EQ(std::filesystem::read_symlink(Path("site.002")), "/proc/self/mem");
}

TEST_F(CommandDriverTest, ASaveAsWhoseCopyFailsWritesNothingAndKeepsTheProjectWhereItWas) {
    Start();
    MakeProject();
    driver.cbxNetworksChange(0);
    RemoveFileIfExists(Path("site.002"));
    ASSERT_EQ(::symlink("/proc/self/mem", Path("site.002").c_str()), 0);
    prompts.files = {Path("other.tav")};
    EXPECT_FALSE(driver.SaveAs1Click());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].Text.rfind("Cannot read file", 0) == 0);
    EXPECT_FALSE(Exists("other.tav"));
    EXPECT_FALSE(Exists("other.001"));
    EXPECT_EQ(state.Window.ProjectFileName, Path("site.tav"));
    EXPECT_EQ(view.Caption, "Tavo Calculator/Installation Reporter [" + Path("site.tav") + "]");
}

TEST_F(CommandDriverTest, SaveAsOfAnUntitledProjectCopiesNoStrayFiles) {
    Start();
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteBytes(dir.File(".002"), "NetWork Name:Stray\r\n");
    state.Project.NetworkCount = 2;
    driver.FormActivate();
    Place(2, "1");
    prompts.files = {Path("fresh.tav")};
    EXPECT_TRUE(driver.SaveAs1Click());
    std::filesystem::current_path(before);
    EXPECT_TRUE(Exists("fresh.001"));
    EXPECT_FALSE(Exists("fresh.002"));
}

}  // namespace
}  // namespace tavo
