#include "components/HelpFiles.h"

#include <filesystem>

#include "platform/Directories.h"
#include "platform/TextFile.h"

#ifndef TAVO_DATA_FROM_PROGRAM
#define TAVO_DATA_FROM_PROGRAM "../share/tavocalc"
#endif

namespace tavo {

std::string InstalledDataDirectory(const std::string& programDirectory) {
    std::string dir =
        (std::filesystem::path(JoinPath(programDirectory, TAVO_DATA_FROM_PROGRAM)) / "")
            .lexically_normal()
            .string();
    if (dir.empty() || dir.back() != '/') dir.push_back('/');
    return dir;
}

std::string FindProgramFile(const std::string& name, const std::string& programDirectory) {
    const std::string besideProgram = JoinPath(programDirectory, name);
    if (FileExists(besideProgram)) return besideProgram;
    const std::string installed = JoinPath(InstalledDataDirectory(programDirectory), name);
    if (FileExists(installed)) return installed;
    return besideProgram;
}

std::string FindSupportFile(const std::string& name, const std::string& workingDirectory,
                            const std::string& programDirectory) {
    const std::string inWorkingDirectory = JoinPath(workingDirectory, name);
    if (FileExists(inWorkingDirectory)) return inWorkingDirectory;
    const std::string forProgram = FindProgramFile(name, programDirectory);
    if (FileExists(forProgram)) return forProgram;
    return inWorkingDirectory;
}

}  // namespace tavo
