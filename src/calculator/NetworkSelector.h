#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/AppState.h"

namespace tavo {

// The items of the network selector for count networks. While an installation project is
// open the names come from its tag file's network entries (tagNetworkName(i) gives entry i,
// counted from 1 with entry 1 the default "No Network"; tagNetworkEntries their number);
// otherwise from the networks' own files, "Network " + i where a file names none. An
// untitled project has no files to ask. Never empty: "Local Network" stands in.
std::vector<std::string> NetworkSelectorItems(
    int count, const MainWindowState& window, int tagNetworkEntries,
    const std::function<std::string(int)>& tagNetworkName);

}  // namespace tavo
