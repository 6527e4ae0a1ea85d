#include "platform/TextFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileError.h"

namespace tavo {

FileError FileError::FromErrno(const std::string& operation, const std::string& path, int error) {
    // Messages are the system's 8-bit text; a path is spelt in the file system's UTF-8.
    return FileError(operation + " \"" + PathInMessage(path) + "\": " + std::strerror(error));
}

FileError FileError::Because(const std::string& operation, const std::string& path,
                             const std::string& reason) {
    return FileError(operation + " \"" + PathInMessage(path) + "\": " + reason);
}

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Makes the renames in a directory durable; a directory that cannot be synced is not an error.
void SyncDirectory(const std::string& directory) {
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

LineReader LineReader::Open(const std::string& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) throw FileError::FromErrno("Cannot open file", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw FileError::FromErrno("Cannot read file", path, errno);
    if (S_ISDIR(info.st_mode)) throw FileError::FromErrno("Cannot open file", path, EISDIR);
    if (!S_ISREG(info.st_mode)) throw FileError::Because("Cannot open file", path, kNotAFile);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes)
        throw FileError::Because("Cannot read file", path,
                                 "the file is too large (" + std::to_string(info.st_size) +
                                     " bytes, at most " + std::to_string(maxBytes) + ")");

    // Read to its end, which for most files is its size; a file that grows past the bound while
    // it is read is refused as well.
    const auto tooLarge = [&] {
        return FileError::Because(
            "Cannot read file", path,
            "the file is too large (more than " + std::to_string(maxBytes) + " bytes)");
    };
    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileError::FromErrno("Cannot read file", path, errno);
        }
        if (got == 0) break;
        if (data.size() + static_cast<std::size_t>(got) > maxBytes) throw tooLarge();
        data.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return LineReader(std::move(data));
}

LineReader LineReader::FromBytes(std::string bytes) {
    return LineReader(std::move(bytes));
}

bool LineReader::ReadLine(std::string& line) {
    if (pos_ >= data_.size()) return false;
    const auto end = data_.find_first_of("\r\n", pos_);
    const std::size_t stop = end == std::string::npos ? data_.size() : end;
    const std::size_t length = stop - pos_;
    cut_ = length > kMaxLineLength;
    line.assign(data_, pos_, cut_ ? kMaxLineLength : length);
    if (end == std::string::npos)
        pos_ = data_.size();
    else if (data_[end] == '\r' && end + 1 < data_.size() && data_[end + 1] == '\n')
        pos_ = end + 2;
    else
        pos_ = end + 1;
    return true;
}

namespace {

// Where a save of path goes when path is a symbolic link: the link's target, so that the link
// stays a link.
std::string LinkTarget(const std::string& path) {
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        std::string target = resolved;
        std::free(resolved);
        return target;
    }
    if (errno != ENOENT) throw FileError::FromErrno("Cannot write file", path, errno);
    // A link whose target is not there yet: the target is created.
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), PATH_MAX);
    if (length <= 0) throw FileError::FromErrno("Cannot write file", path, errno);
    const std::string target(buffer.data(), static_cast<std::size_t>(length));
    if (target.front() == '/') return target;
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
}

// A save's temporary file is the file's name, kTemporaryMark and six letters and digits that
// mkstemp chose; a mark of its own, so that no copy the user keeps beside the file
// ("site.tav.202401", "site.tav.backup") is ever taken for one.
constexpr std::string_view kTemporaryMark = ".tavo-";
constexpr std::size_t kTemporaryLength = kTemporaryMark.size() + 6;

bool IsTemporaryName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + kTemporaryLength || name.substr(0, base.size()) != base ||
        name.substr(base.size(), kTemporaryMark.size()) != kTemporaryMark)
        return false;
    const std::string_view suffix = name.substr(base.size() + kTemporaryMark.size());
    return std::all_of(suffix.begin(), suffix.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporary files that interrupted saves of the given files (names without their
// folder, all in one folder) left beside them: one pass over the folder for all of them.
void RemoveStaleTemporaries(const std::string& directory, const std::vector<std::string>& bases) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), ::closedir);
    if (!dir) return;
    static constexpr std::string_view kOld = ".tavo-old";
    const auto named = [&bases](std::string_view base) {
        return std::find(bases.begin(), bases.end(), base) != bases.end();
    };
    while (const dirent* entry = ::readdir(dir.get())) {
        // A temporary file, or an old file's second name: the file's name and ".tavo-old".
        const std::string_view name = entry->d_name;
        const std::string_view base =
            name.substr(0, name.size() - std::min(name.size(), kTemporaryLength));
        const bool temporary = named(base) && IsTemporaryName(name, base);
        const bool old = name.size() > kOld.size() &&
                         name.substr(name.size() - kOld.size()) == kOld &&
                         named(name.substr(0, name.size() - kOld.size()));
        if (!temporary && !old) continue;
        const std::string stale = directory + entry->d_name;
        struct stat info {};
        if (::lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(stale.c_str());
    }
}

// The folder of a path, with its closing slash ("./" for a bare name), and the name in it.
std::pair<std::string, std::string> SplitFolder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {"./", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace

AtomicWriter::AtomicWriter(std::string path) : path_(std::move(path)) {
    // What is there now (through a symbolic link, what it leads to).
    struct stat old {};
    bool found = ::lstat(path_.c_str(), &old) == 0;
    if (found && S_ISLNK(old.st_mode)) {
        target_ = LinkTarget(path_);
        found = ::stat(target_.c_str(), &old) == 0;
    } else {
        target_ = path_;
    }
    // A file the user has made read-only is not replaced, whoever saves.
    if (found && S_ISREG(old.st_mode) && (old.st_mode & 0222) == 0)
        throw FileError::FromErrno("Cannot write file", path_, EACCES);
    std::string pattern = target_ + std::string(kTemporaryMark) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) throw FileError::FromErrno("Cannot create file", path_, errno);
    tempPath_ = name.data();
}

AtomicWriter::~AtomicWriter() {
    // Whatever was not put in place goes.
    if (fd_ >= 0) ::close(fd_);
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

void AtomicWriter::WriteLine(std::string_view line) {
    buffer_.append(line);
    buffer_.append("\r\n");
}

void AtomicWriter::Commit() {
    if (fd_ < 0) return;
    Write(true);
    Close();
    Rename(true);
    SyncDirectory(DirectoryOf(target_));
}

void AtomicWriter::Write(bool sync) {
    // A new file gets the permissions a plain create would give it; a replaced file keeps its own.
    // What is there is looked at now: a save in a batch may wait on the user for a while.
    struct stat old {};
    mode_t mode;
    if (::stat(target_.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t put = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            throw FileError::FromErrno("Cannot write file", path_, errno);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fchmod(fd_, mode) != 0 || (sync && ::fsync(fd_) != 0))
        throw FileError::FromErrno("Cannot write file", path_, errno);
}

void AtomicWriter::Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
        throw FileError::FromErrno("Cannot write file", path_, error);
    }
}

void AtomicWriter::Rename(bool sweep) {
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
        throw FileError::FromErrno("Cannot write file", path_, error);
    }
    tempPath_.clear();
    if (sweep) {
        auto [directory, base] = SplitFolder(target_);
        RemoveStaleTemporaries(directory, {std::move(base)});
    }
}

AtomicWriter& AtomicBatch::Add(std::string path) {
    writers_.push_back(std::make_unique<AtomicWriter>(std::move(path)));
    return *writers_.back();
}

void AtomicBatch::Commit() {
    for (const auto& writer : writers_) writer->Write(false);
    Sync();
    for (const auto& writer : writers_) writer->Close();
    // Each old file is kept aside under a second name until every new file is in place, so
    // that a rename that fails puts the files renamed before it back as they were.
    struct Placed {
        std::string Target;
        std::string Old;  // empty when there was no old file
    };
    std::vector<Placed> placed;
    const auto putBack = [&placed] {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
            if (it->Old.empty())
                ::unlink(it->Target.c_str());
            else
                ::rename(it->Old.c_str(), it->Target.c_str());
        }
    };
    for (const auto& writer : writers_) {
        // The second name is made anew; one that an interrupted save left goes first.
        std::string old = writer->target_ + ".tavo-old";
        bool kept = ::link(writer->target_.c_str(), old.c_str()) == 0;
        if (!kept && errno == EEXIST) {
            ::unlink(old.c_str());
            kept = ::link(writer->target_.c_str(), old.c_str()) == 0;
        }
        if (!kept) old.clear();
        try {
            writer->Rename(false);
        } catch (const FileError&) {
            if (!old.empty()) ::unlink(old.c_str());
            putBack();
            throw;
        }
        placed.push_back({writer->target_, old});
    }
    // Each folder once: the old files' second names and what interrupted saves left go, and
    // the folder is synced.
    std::vector<std::pair<std::string, std::vector<std::string>>> folders;
    for (const Placed& file : placed) {
        if (!file.Old.empty()) ::unlink(file.Old.c_str());
        std::pair<std::string, std::string> split = SplitFolder(file.Target);
        const std::string& directory = split.first;
        auto folder = std::find_if(folders.begin(), folders.end(),
                                   [&directory](const auto& f) { return f.first == directory; });
        if (folder == folders.end()) folder = folders.insert(folders.end(), {directory, {}});
        folder->second.push_back(std::move(split.second));
    }
    writers_.clear();
    for (const auto& [directory, bases] : folders) {
        RemoveStaleTemporaries(directory, bases);
        SyncDirectory(directory);
    }
}

void AtomicBatch::Sync() {
#ifdef __linux__
    // One sync of each file system that holds files of the batch; the files of one folder are
    // on one file system.
    std::vector<dev_t> synced;
    std::vector<std::string> folders;
    for (const auto& writer : writers_) {
        std::string folder = DirectoryOf(writer->target_);
        if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
        folders.push_back(std::move(folder));
        struct stat info {};
        if (::fstat(writer->fd_, &info) != 0)
            throw FileError::FromErrno("Cannot write file", writer->Path(), errno);
        if (std::find(synced.begin(), synced.end(), info.st_dev) != synced.end()) continue;
        if (::syncfs(writer->fd_) != 0)
            throw FileError::FromErrno("Cannot write file", writer->Path(), errno);
        synced.push_back(info.st_dev);
    }
#else
    for (const auto& writer : writers_)
        if (::fsync(writer->fd_) != 0)
            throw FileError::FromErrno("Cannot write file", writer->Path(), errno);
#endif
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void RemoveFileIfExists(const std::string& path) {
    if (!FileExists(path)) return;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw FileError::FromErrno("Cannot delete file", path, errno);
}

}  // namespace tavo
