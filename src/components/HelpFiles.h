#pragma once

#include <string>

namespace tavo {

// The name of the help file and of the alias list that the program looks up at start-up.
inline constexpr char kHelpFileName[] = "TavoCalc.hlp";
inline constexpr char kAliasFileName[] = "TavoAlias.als";

// Where a support file of the program is found: the file of that name in the working
// directory when it exists there, else the one beside the program, else the working
// directory's path all the same, so that a message can name the place it was expected.
std::string FindSupportFile(const std::string& name, const std::string& workingDirectory,
                            const std::string& programDirectory);

}  // namespace tavo
