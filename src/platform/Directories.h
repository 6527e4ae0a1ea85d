#pragma once

#include <string>

namespace tavo {

// The directory of the running program, ending in '/'. TAVOUNIT.DAT lies there.
std::string ProgramDirectory();

// The process's working directory, ending in '/'.
std::string WorkingDirectory();

// The directory that holds TAVO.INI, ending in '/': $TAVO_WINDIR when set, otherwise
// $XDG_CONFIG_HOME, otherwise ~/.config.
std::string IniDirectory();

// dir + name, with exactly one '/' between them.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace tavo
