// Where the program finds its help file and alias list: the working directory first, then
// beside the program, then in share/tavocalc of an installation, and otherwise the working
// directory's path for the message; the catalogue only beside the program or in share/tavocalc.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "components/HelpFiles.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using testing::TempDir;
using testing::WriteBytes;

struct Directories {
    TempDir working;
    TempDir program;
    std::string Found(const std::string& name) const {
        return FindSupportFile(name, working.Path(), program.Path());
    }
};

TEST(FindSupportFile, WorkingDirectoryComesFirstThenTheProgramsDirectory) {
    Directories dirs;
    WriteBytes(dirs.program.File(kHelpFileName), "beside the program");
    EXPECT_EQ(dirs.Found(kHelpFileName), dirs.program.File(kHelpFileName));

    WriteBytes(dirs.working.File(kHelpFileName), "in the working directory");
    EXPECT_EQ(dirs.Found(kHelpFileName), dirs.working.File(kHelpFileName));

    // Each name is looked up on its own: the alias list is only beside the program.
    WriteBytes(dirs.program.File(kAliasFileName), "RELAY8X, RELAY8\r\n");
    EXPECT_EQ(dirs.Found(kAliasFileName), dirs.program.File(kAliasFileName));
}

TEST(FindSupportFile, NowhereGivesTheWorkingDirectoryPath) {
    Directories dirs;
    EXPECT_EQ(dirs.Found(kHelpFileName), dirs.working.File(kHelpFileName));
    // Directory names given with or without their final '/' give the same path.
    EXPECT_EQ(FindSupportFile(kHelpFileName, dirs.working.Path() + "/", dirs.program.Path()),
              dirs.working.File(kHelpFileName));
}

TEST(FindSupportFile, OnlyRegularFilesCount) {
    Directories dirs;
    // A directory that happens to carry the name is not the help file.
    std::filesystem::create_directory(dirs.working.File(kHelpFileName));
    WriteBytes(dirs.program.File(kHelpFileName), "beside the program");
    EXPECT_EQ(dirs.Found(kHelpFileName), dirs.program.File(kHelpFileName));

    // Names are compared as the file system does: another case is another file.
    EXPECT_EQ(dirs.Found("tavocalc.hlp"), dirs.working.File("tavocalc.hlp"));
}

// An installed copy: the programs in PREFIX/bin, their support files in PREFIX/share/tavocalc.
TEST(FindSupportFile, AnInstalledCopyFindsItsFilesInShare) {
    TempDir prefix, working;
    const std::string bin = prefix.File("bin") + "/";
    const std::string share = prefix.File("share/tavocalc") + "/";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(InstalledDataDirectory(bin), share);
    EXPECT_EQ(InstalledDataDirectory(prefix.File("bin")), share);

    // Nowhere yet: the help file is expected in the working directory, the catalogue beside
    // the program.
    EXPECT_EQ(FindSupportFile(kHelpFileName, working.Path(), bin), working.File(kHelpFileName));
    EXPECT_EQ(FindProgramFile("TAVOUNIT.DAT", bin), bin + "TAVOUNIT.DAT");

    for (const char* name : {kHelpFileName, kAliasFileName, "TAVOUNIT.DAT"})
        WriteBytes(share + name, "installed");
    EXPECT_EQ(FindSupportFile(kHelpFileName, working.Path(), bin), share + kHelpFileName);
    EXPECT_EQ(FindProgramFile("TAVOUNIT.DAT", bin), share + "TAVOUNIT.DAT");

    // A file beside the program (a build tree) comes before the installed one, one in the
    // working directory before both; the catalogue is never taken from the working directory.
    WriteBytes(bin + kAliasFileName, "beside");
    EXPECT_EQ(FindSupportFile(kAliasFileName, working.Path(), bin), bin + kAliasFileName);
    WriteBytes(working.File(kHelpFileName), "working");
    WriteBytes(working.File("TAVOUNIT.DAT"), "working");
    EXPECT_EQ(FindSupportFile(kHelpFileName, working.Path(), bin), working.File(kHelpFileName));
    EXPECT_EQ(FindProgramFile("TAVOUNIT.DAT", bin), share + "TAVOUNIT.DAT");
}

TEST(FindSupportFile, SameDirectoryForBoth) {
    TempDir dir;
    EXPECT_EQ(FindSupportFile(kHelpFileName, dir.Path(), dir.Path()), dir.File(kHelpFileName));
    WriteBytes(dir.File(kHelpFileName), "x");
    EXPECT_EQ(FindSupportFile(kHelpFileName, dir.Path(), dir.Path()), dir.File(kHelpFileName));
}

}  // namespace
}  // namespace tavo
