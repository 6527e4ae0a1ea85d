#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "platform/TextFile.h"
#include "platform/Warnings.h"

namespace tavo {

// The network number as file names write it: "001", "042", "100"; four digits unchanged.
std::string NetworkNumberText(int number);

// path without the extension of its file-name part (from the last '.' of the part after the
// last '/'); a file name without '.' is its own base. Network files, project files and their
// copies are all named by this one rule.
std::string PathWithoutExtension(std::string_view path);

// PathWithoutExtension(path) + extension (which starts with '.').
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// The file of network number beside the project file projectFileName.
std::string NetworkFilePath(std::string_view projectFileName, int number);

// Writes the network in the UnitTable as network number of the project named by
// ProjectBaseName, with today's date and the status texts in state. False (nothing written)
// while the project is untitled. Throws FileError when the file system refuses; sets no flag.
bool SaveNetworkFile(const AppState& state, const std::string& networkName, int number);
// The same file put into batch, written when the batch is committed.
bool SaveNetworkFile(const AppState& state, const std::string& networkName, int number,
                     AtomicBatch& batch);

// What reading a network file found.
inline constexpr std::size_t kMaxNetworkFileBytes = 1u << 20;
inline constexpr const char* kNotANetworkFile =
    "it is not a network file of Tavo Calculator (it names no network and has no dash lines)";

struct NetworkFileRead {
    bool Found = false;       // the file exists
    bool Complete = false;    // it exists and every row was taken
    bool Recognised = false;  // it names its network or has its dash lines in its first lines
    std::optional<std::string> SavedDate;  // from its "Saved" line, when it has one
};

// Clears all quantities and reads the network file at path into the UnitTable; rows it cannot
// take go to warn, and the rows after them are still read. A missing file leaves every quantity
// 0. Throws FileError when the file exists but cannot be read, is not a regular file, is too
// large, or is not a network file at all (the quantities are then all 0).
NetworkFileRead ReadNetworkFile(Catalogue& units, const std::string& path, const WarningSink& warn);
// The same over lines already opened.
NetworkFileRead ReadNetworkLines(Catalogue& units, LineReader& reader, const WarningSink& warn);

// Sets the quantity a row names; warns and returns false for a row it cannot take.
bool ParseNetworkRow(Catalogue& units, const std::string& row, const WarningSink& warn);

// The name stored in the network file, "Network " + number when it has none.
std::string ReadNetworkName(const std::string& projectFileName, int number);
std::string ReadNetworkName(LineReader& reader, int number);

// Copies network number's file from one project name to another, line by line; a missing
// source does nothing.
void CopyNetworkFile(const std::string& oldProjectFileName, const std::string& newProjectFileName,
                     int number);
void CopyNetworkFile(const std::string& oldProjectFileName, const std::string& newProjectFileName,
                     int number, AtomicBatch& batch);

// Where the installation software keeps its projects: [TAVOV2] Projects of TAVO.INI in
// iniDirectory; empty when not set.
std::string ReadInstallationProjectsDir(const std::string& iniDirectory);

}  // namespace tavo
