#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// Releases memory that ReadWholeFileIfExists mapped.
struct UnmapBytes {
    std::size_t Size = 0;
    void operator()(char* p) const;
};

// The bytes of a whole file in memory. Files from 256 KiB on are read into memory that the
// system may back with huge pages, so a file of megabytes costs a page fault or two instead of
// one per 4 KiB: reading it takes about as long as mapping it would, without the risk of a
// mapped file that another program cuts short under the reader.
class FileBytes {
  public:
    FileBytes() = default;
    explicit FileBytes(std::string bytes) : owned_(std::move(bytes)) {}

    std::string_view View() const {
        return mapped_ ? std::string_view(mapped_.get(), length_) : std::string_view(owned_);
    }

  private:
    friend std::optional<FileBytes> ReadWholeFileIfExists(const std::string& path);
    std::unique_ptr<char, UnmapBytes> mapped_;
    std::size_t length_ = 0;
    std::string owned_;
};

// The whole content of a regular file, read once into memory with as few reads as its size
// allows. Returns nothing when no file of that name exists (ENOENT, ENOTDIR). A file that exists
// but cannot be opened or read throws FileError with the system's description; so does anything
// that is not a regular file (a directory, FIFO or device), which is opened without blocking and
// refused before a byte is read.
std::optional<FileBytes> ReadWholeFileIfExists(const std::string& path);

}  // namespace tavo
