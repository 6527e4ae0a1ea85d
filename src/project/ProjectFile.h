#pragma once

#include <string>

#include "core/AppState.h"
#include "platform/TextFile.h"

namespace tavo {

inline constexpr const char* kCorruptProjectMessage = "Project file is corrupted, data ignored";
inline constexpr const char* kCorruptInstallerMessage = "File is corrupted, data ignored";
inline constexpr std::size_t kNotesWritten = 41;
inline constexpr std::size_t kNotesRead = 36;

// Writes the project details to path (created or replaced whole). Throws FileError.
void WriteProjectFile(const ProjectDetails& details, const std::string& path);
// The same file put into batch, written when the batch is committed.
void WriteProjectFile(const ProjectDetails& details, const std::string& path, AtomicBatch& batch);

// Reads a project file into details, all or nothing: false for a file whose keyed lines do not
// match (the caller reports kCorruptProjectMessage), and details stay as they were. Throws
// FileError when the file cannot be opened or read.
bool ReadProjectFile(ProjectDetails& details, const std::string& path);
bool ReadProjectFile(ProjectDetails& details, LineReader& reader);

// Takes only the eleven installer fields from another project file: false, with details as
// they were, when its installer lines do not match (kCorruptInstallerMessage). Throws
// FileError when the file cannot be opened or read.
bool ImportInstallerDetails(ProjectDetails& details, const std::string& path);

// The file work of saving a project that has a ProjectFileName: project file (with extension
// ".tav"), the network in memory, removal of the network files above the network count.
// Returns false, with nothing written, when the file name leaves no base for the network
// files. Throws FileError; nothing is marked saved here, the caller does that after success.
bool SaveProject(AppState& state);
// The same files put into batch, which the caller commits; the surplus network files are then
// the caller's to remove.
bool SaveProject(AppState& state, AtomicBatch& batch);

// Deletes the network files numbered above NetworkCount (up to 100) that exist.
void RemoveSurplusNetworkFiles(AppState& state);

// Save As: copies the other networks' files from the old project name to the new one.
void CopyNetworkFiles(AppState& state, const std::string& oldName, const std::string& newName);
void CopyNetworkFiles(AppState& state, const std::string& oldName, const std::string& newName,
                      AtomicBatch& batch);

// The project number of networks read from the "Networks:" value.
int NetworkCountFromText(const std::string& value);

}  // namespace tavo
