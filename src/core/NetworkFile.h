#pragma once

#include <string>
#include <string_view>

#include "core/AppState.h"
#include "platform/TextFile.h"

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
// ProjectBaseName and sets NetworkSaved; "Incorrect file name" when the project is untitled.
// Returns whether the file was written. Throws FileError when the file system refuses.
bool SaveNetworkFile(AppState& state, const std::string& networkName, int number);

// Clears all quantities and reads network number of the project file projectFileName into
// the UnitTable. True when the file exists and every row was read. Sets NetworkSaved, except
// when the file cannot be read (FileError): the caller then decides what is in memory.
bool ReadNetworkFile(AppState& state, const std::string& projectFileName, int number);
// The same over lines already opened.
bool ReadNetworkLines(AppState& state, LineReader& reader);

// Sets the quantity a row names; warns and returns false for a row it cannot take.
bool ParseNetworkRow(AppState& state, const std::string& row);

// The name stored in the network file, "Network " + number when it has none.
std::string ReadNetworkName(const std::string& projectFileName, int number);
std::string ReadNetworkName(LineReader& reader, int number);

// Copies network number's file from one project name to another, line by line; a missing
// source does nothing.
void CopyNetworkFile(const std::string& oldProjectFileName, const std::string& newProjectFileName,
                     int number);

// Where the installation software keeps its projects: [TAVOV2] Projects of TAVO.INI in
// iniDirectory; empty when not set.
std::string ReadInstallationProjectsDir(const std::string& iniDirectory);

}  // namespace tavo
