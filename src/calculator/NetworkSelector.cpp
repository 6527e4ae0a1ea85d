#include "calculator/NetworkSelector.h"

#include "calculator/ProjectCommandsText.h"
#include "core/NetworkFile.h"
#include "platform/FileError.h"
#include "platform/Text.h"

namespace tavo {

bool IsInstallationFile(const std::string& path) {
    return path.size() >= 4 && ToUpperAscii(path.substr(path.size() - 4)) == ".TAG";
}

std::string SelectorCaption(int position, int count) {
    return "Network Selector (" + std::to_string(position) + " of " + std::to_string(count) + ")";
}

std::vector<std::string> NetworkSelectorItems(int count, const MainWindowState& window,
                                              const std::vector<std::string>& importedNames) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) {
        if (!window.CalculatorProject && static_cast<std::size_t>(i) <= importedNames.size()) {
            items.push_back(importedNames[static_cast<std::size_t>(i) - 1]);
        } else if (window.ProjectFileName.empty()) {
            items.push_back("Network " + std::to_string(i));
        } else {
            try {
                items.push_back(ReadNetworkName(window.ProjectFileName, i));
            } catch (const FileError&) {
                // An unreadable network file still has a place in the selector.
                items.push_back("Network " + std::to_string(i));
            }
        }
    }
    if (items.empty()) items.push_back("Local Network");
    return items;
}

}  // namespace tavo
