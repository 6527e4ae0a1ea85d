#pragma once

#include <stdexcept>
#include <string>

namespace tavo {

// Why a file that is there cannot be opened as a file.
inline constexpr const char* kNotAFile = "it is not a regular file";

// A failure of the file system while a file was opened, read, written or removed.
// The message names the operation and the file and carries the system's description,
// e.g. "Cannot create file "/jobs/site.001": Permission denied".
class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& message) : std::runtime_error(message) {}

    // Builds the message from an errno value.
    static FileError FromErrno(const std::string& operation, const std::string& path, int error);
    // Builds the message from a reason of the system's own.
    static FileError Because(const std::string& operation, const std::string& path,
                             const std::string& reason);
};

}  // namespace tavo
