#pragma once

#include <string>
#include <vector>

#include "core/AppState.h"

namespace tavo {

// The items of the network selector for count networks. While an installation project is
// open its networks are named as the import named them (importedNames, network 1 first);
// otherwise, and for networks beyond those, the names come from the networks' own files,
// "Network " + i where a file names none. An untitled project has no files to ask. Never
// empty: "Local Network" stands in.
std::vector<std::string> NetworkSelectorItems(int count, const MainWindowState& window,
                                              const std::vector<std::string>& importedNames);

}  // namespace tavo
