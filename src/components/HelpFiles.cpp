#include "components/HelpFiles.h"

#include "platform/Directories.h"
#include "platform/TextFile.h"

namespace tavo {

std::string FindSupportFile(const std::string& name, const std::string& workingDirectory,
                            const std::string& programDirectory) {
    const std::string inWorkingDirectory = JoinPath(workingDirectory, name);
    if (FileExists(inWorkingDirectory)) return inWorkingDirectory;
    const std::string besideProgram = JoinPath(programDirectory, name);
    if (FileExists(besideProgram)) return besideProgram;
    return inWorkingDirectory;
}

}  // namespace tavo
