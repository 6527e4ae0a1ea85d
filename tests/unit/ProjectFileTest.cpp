#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/Catalogue.h"
#include "core/NetworkFile.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "project/ProjectFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

using tavo::testing::FileSizeLimit;

namespace tavo {
namespace {

using testing::CrLf;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempDir;
using testing::WriteBytes;

ProjectDetails SampleDetails() {
    ProjectDetails d;
    d.InstallerName = "Anna Berg";
    d.InstallerCompany = "Berg Electric";
    d.InstallerAddress = "12 Quay Road";
    d.InstallerCity = "Harbourton";
    d.InstallerState = "NSW";
    d.InstallerPostcode = "2999";
    d.InstallerPhone = "02 5550 1234";
    d.InstallerMobile = "0400 555 123";
    d.InstallerFax = "";
    d.InstallerEmail = "anna@berg.example";
    d.InstallerWebsite = "www.berg.example";
    d.ProjectName = "Harbour offices";
    d.ProjectLocation = "  Level 3\twest  ";
    d.ProjectConsultant = "Lee & Co";
    d.ProjectArchitect = "";
    d.ProjectOwner = "Port Trust";
    d.NetworkCount = 12;
    d.Notes = {"Cable in riser 2", "", "\tIndented  ", "last"};
    return d;
}

// The lines of SampleDetails() as the file holds them.
std::vector<std::string> SampleLines() {
    return {"    ------------------- Tavo Project ------------------",
            "*** Installer Details ***",
            "       Name:\tAnna Berg",
            "    Company:\tBerg Electric",
            "    Address:\t12 Quay Road",
            "       City:\tHarbourton",
            "      State:\tNSW",
            "   Postcode:\t2999",
            "      Phone:\t02 5550 1234",
            "     Mobile:\t0400 555 123",
            "        Fax:\t",
            "     E-mail:\tanna@berg.example",
            "        Web:\twww.berg.example",
            "",
            "*** Project Details ***",
            "       Name:\tHarbour offices",
            "   Location:\t  Level 3\twest  ",
            " Consultant:\tLee & Co",
            "  Architect:\t",
            "      Owner:\tPort Trust",
            "   Networks:\t12",
            "",
            "*** Notes ***",
            "Cable in riser 2",
            "",
            "\tIndented  ",
            "last"};
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(pos));
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// A record that differs from the sample in every field.
ProjectDetails OtherDetails() {
    ProjectDetails d;
    d.InstallerName = "Old installer";
    d.InstallerCity = "Old city";
    d.ProjectName = "Old project";
    d.ProjectOwner = "Old owner";
    d.NetworkCount = 5;
    d.Notes = {"old note"};
    return d;
}

class ProjectFileTest : public ::testing::Test {
  protected:
    ProjectFileTest() {
        ResetUnitTable(state.Units);
        state.Units.UnitTable[1].CatNo = "IN-4A";
        state.Units.UnitTable[2].CatNo = "OUT-2";
        state.Units.UnitCount = 2;
        state.Today = [] { return Date{2024, 3, 5}; };
        state.Locale.ShortDateFormat = "d/m/yyyy";
    }

    bool Read(const std::string& bytes, ProjectDetails& details) {
        LineReader reader = LineReader::FromBytes(bytes);
        return ReadProjectFile(details, reader);
    }

    ScriptedPrompts prompts;
    AppState state{prompts};
    TempDir dir;
};

TEST_F(ProjectFileTest, WritesBannerSectionsAndRightAlignedLabels) {
    const std::string path = dir.File("site.tav");
    WriteProjectFile(SampleDetails(), path);
    EXPECT_EQ(ReadBytes(path), Join(SampleLines()));

    // A record without notes ends in exactly one empty line; an existing file is replaced.
    ProjectDetails cleared = SampleDetails();
    ClearProjectDetails(cleared);
    EXPECT_EQ(cleared, ProjectDetails{});
    WriteProjectFile(cleared, path);
    EXPECT_EQ(ReadBytes(path), CrLf({"    ------------------- Tavo Project ------------------",
                                     "*** Installer Details ***",
                                     "       Name:\t",
                                     "    Company:\t",
                                     "    Address:\t",
                                     "       City:\t",
                                     "      State:\t",
                                     "   Postcode:\t",
                                     "      Phone:\t",
                                     "     Mobile:\t",
                                     "        Fax:\t",
                                     "     E-mail:\t",
                                     "        Web:\t",
                                     "",
                                     "*** Project Details ***",
                                     "       Name:\t",
                                     "   Location:\t",
                                     " Consultant:\t",
                                     "  Architect:\t",
                                     "      Owner:\t",
                                     "   Networks:\t1",
                                     "",
                                     "*** Notes ***",
                                     ""}));
}

TEST_F(ProjectFileTest, NotesAreWrittenUpToTheLastNonEmptyLineAndAtMost41) {
    const std::string path = dir.File("notes.tav");
    const auto notesWritten = [&](const std::vector<std::string>& notes) {
        ProjectDetails details = SampleDetails();
        details.Notes = notes;
        WriteProjectFile(details, path);
        std::vector<std::string> lines = SplitCrLf(ReadBytes(path));
        EXPECT_GE(lines.size(), 23u);
        EXPECT_EQ(lines[22], "*** Notes ***");
        return std::vector<std::string>(lines.begin() + 23, lines.end());
    };

    std::vector<std::string> many;
    for (int i = 1; i <= 45; ++i) many.push_back("note " + std::to_string(i));
    const std::vector<std::string> written = notesWritten(many);
    ASSERT_EQ(written.size(), 41u);
    EXPECT_EQ(written.back(), "note 41");
    ProjectDetails back;
    LineReader reader = LineReader::Open(path);
    ASSERT_TRUE(ReadProjectFile(back, reader));
    EXPECT_EQ(back.Notes, std::vector<std::string>(many.begin(), many.begin() + 36));

    std::vector<std::string> late(51);
    late[50] = "line 50";
    EXPECT_EQ(notesWritten(late), std::vector<std::string>(41, ""));

    std::vector<std::string> beyondScan(121);
    beyondScan[120] = "never looked at";
    EXPECT_EQ(notesWritten(beyondScan), std::vector<std::string>{""});

    EXPECT_EQ(notesWritten({"a", "", "b", "", ""}), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(notesWritten({"", "", ""}), std::vector<std::string>{""});
    EXPECT_EQ(notesWritten({}), std::vector<std::string>{""});
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ProjectFileTest, WrittenFileReadsBackToTheSameRecord) {
    const std::string path = dir.File("site.tav");
    const ProjectDetails sample = SampleDetails();
    WriteProjectFile(sample, path);
    state.Project = OtherDetails();
    EXPECT_TRUE(ReadProjectFile(state.Project, path));
    EXPECT_EQ(state.Project, sample);
    EXPECT_TRUE(prompts.shown.empty());

    // Values are taken whole, whatever their length; TABs and spaces in them stay.
    ProjectDetails odd = sample;
    odd.InstallerName = std::string(300, 'n');
    odd.InstallerPhone = "\t\t";
    odd.ProjectOwner = "x: y\tz ";
    odd.NetworkCount = 100;
    odd.Notes = {"", "  ", "*** Notes ***", "   Name:\tnot a key here"};
    WriteProjectFile(odd, path);
    EXPECT_TRUE(ReadProjectFile(state.Project, path));
    EXPECT_EQ(state.Project, odd);

    // An empty notes list is stored as one empty line and comes back as that line.
    ProjectDetails noNotes = sample;
    noNotes.Notes.clear();
    WriteProjectFile(noNotes, path);
    EXPECT_TRUE(ReadProjectFile(state.Project, path));
    EXPECT_EQ(state.Project.Notes, std::vector<std::string>{""});
}

TEST_F(ProjectFileTest, CorruptedFileIsRejectedWholeAndChangesNothing) {
    struct Case {
        const char* What;
        std::size_t Line;  // 1-based
        const char* Text;  // nullptr removes the line
    };
    const Case cases[] = {
        {"lower-case key", 3, "       name:\tAnna Berg"},
        {"space between key and TAB", 4, "    Company: \tBerg Electric"},
        {"no TAB", 5, "    Address: 12 Quay Road"},
        {"spaces only", 10, "            "},
        {"empty keyed line", 13, ""},
        {"installer key of another line", 6, "      State:\tHarbourton"},
        {"missing line 14", 14, nullptr},
        {"project key in another case", 18, " consultant:\tLee & Co"},
        {"missing networks line", 21, nullptr},
        {"networks key misspelt", 21, "   Network:\t12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        std::vector<std::string> lines = SampleLines();
        if (c.Text == nullptr)
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(c.Line - 1));
        else
            lines[c.Line - 1] = c.Text;
        prompts.shown.clear();
        ProjectDetails details = OtherDetails();
        EXPECT_FALSE(Read(Join(lines), details));
        EXPECT_EQ(details, OtherDetails());
    }

    // A file that ends inside the project section.
    const std::vector<std::string> lines = SampleLines();
    prompts.shown.clear();
    ProjectDetails details = OtherDetails();
    EXPECT_FALSE(Read(Join(std::vector<std::string>(lines.begin(), lines.begin() + 18)), details));
    EXPECT_EQ(details, OtherDetails());
    prompts.shown.clear();
    EXPECT_FALSE(Read("", details));
}

TEST_F(ProjectFileTest, UnkeyedLinesAndLeadingBlanksAreNotTested) {
    std::vector<std::string> lines = SampleLines();
    lines[0] = "anything at all";
    lines[1] = "";
    lines[2] = "Name:\tAnna Berg";              // no leading spaces
    lines[3] = "\t \tCompany:\tBerg Electric";  // leading TABs and spaces
    lines[13] = "not empty";
    lines[14] = "*** Something else ***";
    lines[21] = "x";
    lines[22] = "";
    lines.resize(23);  // the file ends before any notes line
    ProjectDetails details = OtherDetails();
    ASSERT_TRUE(Read(Join(lines), details));
    ProjectDetails expected = SampleDetails();
    expected.Notes.clear();
    EXPECT_EQ(details, expected);
    EXPECT_TRUE(prompts.shown.empty());

    // Notes lines beyond the 36th are not read.
    lines = SampleLines();
    lines.resize(23);
    for (int i = 1; i <= 40; ++i) lines.push_back("n" + std::to_string(i));
    ASSERT_TRUE(Read(Join(lines), details));
    ASSERT_EQ(details.Notes.size(), 36u);
    EXPECT_EQ(details.Notes.back(), "n36");
}

TEST_F(ProjectFileTest, NetworkCountLooksAtTheFirstThreeCharacters) {
    const std::pair<const char*, int> cases[] = {
        {"3", 3},     {"007", 7},    {"12abc", 12}, {"1x2", 12}, {"abc", 1},  {"0", 1},  {"", 1},
        {"250", 100}, {"1234", 100}, {"100", 100},  {"99", 99},  {"x99", 99}, {" 5", 5}, {"000", 1},
    };
    for (const auto& [value, count] : cases) {
        SCOPED_TRACE(value);
        std::vector<std::string> lines = SampleLines();
        lines[20] = std::string("   Networks:\t") + value;
        ProjectDetails details;
        ASSERT_TRUE(Read(Join(lines), details));
        EXPECT_EQ(details.NetworkCount, count);
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ProjectFileTest, ImportTakesTheInstallerFieldsOnly) {
    ProjectDetails source = OtherDetails();
    source.InstallerName = "New installer";
    source.InstallerWebsite = "www.new.example";
    source.ProjectName = "Not imported";
    source.NetworkCount = 9;
    source.Notes = {"not imported"};
    const std::string path = dir.File("other.tav");
    WriteProjectFile(source, path);

    state.Project = SampleDetails();
    EXPECT_TRUE(ImportInstallerDetails(state.Project, path));
    ProjectDetails expected = SampleDetails();
    expected.InstallerName = "New installer";
    expected.InstallerCompany = "";
    expected.InstallerAddress = "";
    expected.InstallerCity = "Old city";
    expected.InstallerState = "";
    expected.InstallerPostcode = "";
    expected.InstallerPhone = "";
    expected.InstallerMobile = "";
    expected.InstallerFax = "";
    expected.InstallerEmail = "";
    expected.InstallerWebsite = "www.new.example";
    EXPECT_EQ(state.Project, expected);

    // Only the installer section counts: a broken project section does not stop the import.
    std::vector<std::string> lines = SampleLines();
    lines[17] = "broken";
    WriteBytes(path, Join(lines));
    state.Project = OtherDetails();
    EXPECT_TRUE(ImportInstallerDetails(state.Project, path));
    EXPECT_EQ(state.Project.InstallerName, "Anna Berg");
    EXPECT_EQ(state.Project.ProjectName, "Old project");

    // A broken installer section changes nothing.
    lines[7] = "   postcode:\t2999";
    WriteBytes(path, Join(lines));
    state.Project = OtherDetails();
    EXPECT_FALSE(ImportInstallerDetails(state.Project, path));
    EXPECT_EQ(state.Project, OtherDetails());
}

TEST_F(ProjectFileTest, SaveWritesTavFileAndNetworkAndRemovesSurplusNetworks) {
    const std::string base = dir.File("site");
    for (const char* ext : {".003", ".004", ".005", ".100"}) WriteBytes(base + ext, "old\r\n");
    WriteBytes(base + ".004.keep", "not a network file\r\n");

    state.Project = SampleDetails();
    state.Project.NetworkCount = 3;
    state.Window.ProjectFileName = base + ".dat";
    state.Window.NetworkCount = 3;
    state.Window.CurrentNetwork = 2;
    state.Window.LoadedNetworkNumber = 2;
    state.Window.LoadedNetworkName = "Ground floor";
    state.Window.NetworkSaved = false;
    state.Units.UnitTable[2].Quantity = 4;
    ASSERT_TRUE(SaveProject(state));

    EXPECT_EQ(state.Window.ProjectFileName, base + ".dat");
    EXPECT_EQ(state.Window.ProjectBaseName, base);
    EXPECT_EQ(ReadBytes(base + ".tav"), [] {
        std::vector<std::string> lines = SampleLines();
        lines[20] = "   Networks:\t3";
        return Join(lines);
    }());
    EXPECT_FALSE(FileExists(base + ".dat"));
    EXPECT_EQ(ReadBytes(base + ".002"),
              CrLf({"The local Tavo network file " + base + ".002 was created by Tavo Calculator",
                    "NetWork Name:Ground floor", "             Saved:\t5/3/2024",
                    "            Report:\tNo current", "                  :\tNo supply",
                    "                  :\tNo burden", std::string(32, '-'),
                    "Cat.No.                 Qty", std::string(32, '-'), "OUT-2       \t\t4"}));
    EXPECT_EQ(ReadBytes(base + ".003"), "old\r\n");
    EXPECT_FALSE(FileExists(base + ".004"));
    EXPECT_FALSE(FileExists(base + ".005"));
    EXPECT_FALSE(FileExists(base + ".100"));
    EXPECT_TRUE(FileExists(base + ".004.keep"));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ProjectFileTest, SaveNamesEveryFileByTheSameBase) {
    std::filesystem::create_directory(dir.File("site.d"));
    for (const char* name : {"site.d/x", "site.d/job.proj"}) {
        SCOPED_TRACE(name);
        const std::string project = dir.File(name);
        const std::string base = PathWithoutExtension(project);
        WriteBytes(base + ".002", "surplus\r\n");
        state.Project = SampleDetails();
        state.Project.NetworkCount = 1;
        state.Window.ProjectFileName = project;
        state.Window.LoadedNetworkNumber = 1;
        state.Window.LoadedNetworkName = "Roof";
        state.Units.UnitTable[1].Quantity = 6;
        ASSERT_TRUE(SaveProject(state));
        EXPECT_EQ(state.Window.ProjectBaseName, base);
        EXPECT_TRUE(FileExists(base + ".tav"));
        EXPECT_FALSE(FileExists(base + ".002"));
        ClearQuantities(state.Units);
        EXPECT_TRUE(
            ReadNetworkFile(state.Units, NetworkFilePath(project, 1), prompts.Sink()).Complete);
        EXPECT_EQ(state.Units.UnitTable[1].Quantity, 6);
        EXPECT_EQ(ReadNetworkName(project, 1), "Roof");
    }
    EXPECT_TRUE(FileExists(dir.File("site.d/x.tav")));
    EXPECT_TRUE(FileExists(dir.File("site.d/job.tav")));
    EXPECT_FALSE(FileExists(dir.File("site.tav")));
    EXPECT_FALSE(FileExists(dir.File("site.001")));
}

TEST_F(ProjectFileTest, FailedSaveKeepsTheOldProjectFileWhole) {
    const std::string path = dir.File("site.tav");
    WriteProjectFile(SampleDetails(), path);
    const std::string before = ReadBytes(path);

    ProjectDetails big = SampleDetails();
    big.Notes.assign(41, std::string(2000, 'x'));
    try {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        WriteProjectFile(big, path);
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(std::strerror(EFBIG)), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(ReadBytes(path), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"site.tav"});

    // Through Save, the failure stops before the network file is written.
    state.Project = big;
    state.Window.ProjectFileName = path;
    state.Window.NetworkSaved = false;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        EXPECT_THROW(SaveProject(state), FileError);
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(FileExists(dir.File("site.001")));
    EXPECT_FALSE(state.Window.NetworkSaved);
}

TEST_F(ProjectFileTest, MissingProjectFileIsAFileError) {
    state.Project = OtherDetails();
    try {
        ReadProjectFile(state.Project, dir.File("none.tav"));
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(std::strerror(ENOENT)), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(state.Project, OtherDetails());
    EXPECT_THROW(ImportInstallerDetails(state.Project, dir.File("none.tav")), FileError);
    EXPECT_EQ(state.Project, OtherDetails());
}

TEST_F(ProjectFileTest, SaveAsCopiesTheOtherNetworks) {
    const std::string oldName = dir.File("old.tav");
    const std::string newName = dir.File("new.tav");
    WriteBytes(dir.File("old.001"), "one\n");
    WriteBytes(dir.File("old.002"), "two\n");
    WriteBytes(dir.File("old.004"), "four\n");
    WriteBytes(dir.File("old.005"), "beyond the count\n");
    WriteBytes(dir.File("new.002"), "current, written by Save\r\n");
    state.Window.NetworkCount = 4;
    state.Window.CurrentNetwork = 2;
    state.Units.UnitTable[1].Quantity = 3;

    CopyNetworkFiles(state, oldName, newName);
    EXPECT_EQ(ReadBytes(dir.File("new.001")), "one\r\n");
    EXPECT_EQ(ReadBytes(dir.File("new.002")), "current, written by Save\r\n");
    EXPECT_FALSE(FileExists(dir.File("new.003")));  // no source: skipped
    EXPECT_EQ(ReadBytes(dir.File("new.004")), "four\r\n");
    EXPECT_FALSE(FileExists(dir.File("new.005")));
    EXPECT_EQ(state.Units.UnitTable[1].Quantity, 3);
    EXPECT_TRUE(prompts.shown.empty());

    // The same name, or a single network, copies nothing.
    const std::string other = dir.File("other.tav");
    state.Window.NetworkCount = 1;
    state.Window.CurrentNetwork = 1;
    CopyNetworkFiles(state, oldName, other);
    state.Window.NetworkCount = 4;
    state.Window.CurrentNetwork = 3;
    CopyNetworkFiles(state, oldName, oldName);
    EXPECT_FALSE(FileExists(dir.File("other.001")));
    EXPECT_EQ(ReadBytes(dir.File("old.001")), "one\n");
}

}  // namespace
}  // namespace tavo
