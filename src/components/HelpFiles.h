#pragma once

#include <string>

namespace tavo {

// The name of the help file and of the alias list that the program looks up at start-up.
inline constexpr char kHelpFileName[] = "TavoCalc.hlp";
inline constexpr char kAliasFileName[] = "TavoAlias.als";
inline constexpr char kLogoFileName[] = "TavoLogo.jpg";

// The directory an installed copy keeps its support files in, ending in '/': the data
// directory relative to the program's (bin/ -> share/tavocalc/), written without "..".
std::string InstalledDataDirectory(const std::string& programDirectory);

// Where a support file of the program is found: the file of that name in the working
// directory when it exists there, else the one beside the program (the build tree), else the
// one in the installed data directory, else the working directory's path all the same, so
// that a message can name the place it was expected.
std::string FindSupportFile(const std::string& name, const std::string& workingDirectory,
                            const std::string& programDirectory);

// Where a file that belongs to the program itself (the unit catalogue) is found: beside the
// program, else in the installed data directory, else the path beside the program.
std::string FindProgramFile(const std::string& name, const std::string& programDirectory);

}  // namespace tavo
