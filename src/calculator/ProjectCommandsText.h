#pragma once

#include <string>

namespace tavo {

// The texts of the main window's prompts and dialogs.
inline constexpr const char* kProjectChangedPrompt = "Project changed. Save project?";
inline constexpr const char* kSaveNetworkPrompt = "Save network?";
inline constexpr const char* kSaveProjectBeforeExit = "Save project before exit?";
inline constexpr const char* kSaveNetworkBeforeExit = "Save network before exit?";
inline constexpr const char* kOperationCancelled = "Operation cancelled";
inline constexpr const char* kCannotSaveNetwork = "Cannot save network";

inline constexpr const char* kOpenFilter =
    "Tavo Calculator Project (*.tav)|*.tav|Tavo Installation Project (*.tag)|*.tag|All Files "
    "(*.*)|*";
inline constexpr const char* kOpenDefaultExtension = "ta!";
inline constexpr const char* kSaveFilter = "Tavo Network Project|*.tav";
inline constexpr const char* kSaveDefaultExtension = "tav";

// The window caption for a project name.
inline std::string WindowTitle(const std::string& name) {
    return "Tavo Calculator/Installation Reporter [" + name + "]";
}

// A chosen file opens as an installation project when its name ends in ".tag" in any case.
bool IsInstallationFile(const std::string& path);

// "Network Selector (k of n)".
std::string SelectorCaption(int position, int count);

}  // namespace tavo
