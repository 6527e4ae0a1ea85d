#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Files a reader opens are at most this large unless it says otherwise: the system's text
// files are small, and a file far larger is not one of them.
inline constexpr std::size_t kMaxTextFileBytes = 4u << 20;
// Lines are at most this long; the rest of a longer line is dropped and the reader told.
inline constexpr std::size_t kMaxLineLength = 64u << 10;

// Reads a text file line by line. CR LF, a lone LF and a lone CR each end a line; the line
// ends are not part of the lines. The whole file is read at open time: every file the system
// reads line by line is small, and a read error then surfaces before any of it is interpreted.
class LineReader {
  public:
    // Opens only a regular file of at most maxBytes (a directory, a device or a pipe is refused
    // at once, without waiting on it). Throws FileError naming the file and the reason when the
    // file cannot be opened or read, is not a regular file, or is too large.
    static LineReader Open(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);
    // A reader over bytes already in memory (tests and fuzzing).
    static LineReader FromBytes(std::string bytes);

    // Stores the next line, cut at kMaxLineLength, and returns true; false at the end.
    bool ReadLine(std::string& line);
    bool AtEnd() const { return pos_ >= data_.size(); }
    // Whether the line ReadLine stored last was cut.
    bool LineCut() const { return cut_; }

  private:
    explicit LineReader(std::string data) : data_(std::move(data)) {}
    std::string data_;
    std::size_t pos_ = 0;
    bool cut_ = false;
};

// Writes a text file with CR LF line ends so that it either appears whole or not at all.
// A symbolic link is saved through: its target gets the new text and the link stays. A file
// the user has made read-only (no write permission for anyone) is not replaced: EACCES.
// the lines go to a temporary file in the same directory, which Commit() flushes, syncs and
// renames over the target. Until then, and whenever anything fails, the old file stays as
// it was. A writer destroyed without Commit() removes its temporary file.
class AtomicWriter {
  public:
    // Creates the temporary file; throws FileError when the directory refuses it.
    explicit AtomicWriter(std::string path);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void WriteLine(std::string_view line);
    // Bytes as they are, line ends included.
    void Write(std::string_view bytes) { buffer_.append(bytes); }
    // Throws FileError when the data cannot be written, synced or moved into place.
    void Commit();

    const std::string& Path() const { return path_; }

  private:
    friend class AtomicBatch;
    // Puts the lines into the temporary file with the mode the target will have, and syncs it
    // when asked. Throws FileError.
    void Write(bool sync);
    // Closes the temporary file; renames it over the target and, when asked, removes what
    // interrupted saves of the target left beside it. Each throws FileError and then removes
    // the temporary file.
    void Close();
    void Rename(bool sweep);

    std::string path_;
    std::string target_;  // path_, or the file its symbolic link leads to
    std::string tempPath_;
    std::string buffer_;
    int fd_ = -1;
};

// Files saved together, each as AtomicWriter saves one, for one flush of the disk instead of
// one per file: Commit writes, syncs and closes every temporary file before it renames the
// first, then syncs the directories once. When anything fails, every old file is as it was and
// no new one is left: a rename that fails puts back the files renamed before it.
class AtomicBatch {
  public:
    // A writer for path, committed with the batch; throws FileError as AtomicWriter does.
    AtomicWriter& Add(std::string path);
    // Throws FileError naming the file that could not be written, synced or moved into place.
    void Commit();
    std::size_t Size() const { return writers_.size(); }

  private:
    void Sync();

    std::vector<std::unique_ptr<AtomicWriter>> writers_;
};

// True when path names an existing regular file.
bool FileExists(const std::string& path);
// True when path names anything at all (a dangling symbolic link included).
bool PathExists(const std::string& path);

// Deletes the file if it exists; throws FileError when it exists and cannot be deleted.
void RemoveFileIfExists(const std::string& path);

}  // namespace tavo
