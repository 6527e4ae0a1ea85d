#include "platform/BinaryFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/CodePage.h"
#include "platform/FileError.h"

namespace tavo {
namespace {

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

// Reads into buffer from done onwards until the end of the file or the buffer is full.
std::size_t ReadInto(int fd, char* buffer, std::size_t size, std::size_t done,
                     const std::string& path) {
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileError::FromErrno("Cannot read file", path, errno);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

// Memory for size bytes. From an eighth of a huge page on, the memory is whole huge pages on a
// huge page's boundary, offered to the system to back with them: one page to make and one
// address translation to cache instead of hundreds, which on a virtual machine is the greater
// part of reading a memo file of a megabyte or two. A refused hint costs nothing.
std::unique_ptr<char, UnmapBytes> MapMemory(std::size_t size, const std::string& path) {
    constexpr int kProtection = PROT_READ | PROT_WRITE;
    constexpr int kFlags = MAP_PRIVATE | MAP_ANONYMOUS;
    if (size < kHugePage / 8) {
        void* region = ::mmap(nullptr, size, kProtection, kFlags, -1, 0);
        if (region == MAP_FAILED) throw FileError::FromErrno("Cannot read file", path, errno);
        return {static_cast<char*>(region), UnmapBytes{size}};
    }
    if (size > SIZE_MAX - 2 * kHugePage)
        throw FileError::FromErrno("Cannot read file", path, ENOMEM);
    const std::size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
    // A huge page more than needed, so that the part kept can start on a boundary.
    void* region = ::mmap(nullptr, length + kHugePage, kProtection, kFlags, -1, 0);
    if (region == MAP_FAILED) throw FileError::FromErrno("Cannot read file", path, errno);
    const auto address = reinterpret_cast<std::uintptr_t>(region);
    const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
    char* start = static_cast<char*>(region) + head;
    if (head > 0) ::munmap(region, head);
    ::munmap(start + length, kHugePage - head);
#ifdef MADV_HUGEPAGE
    ::madvise(start, length, MADV_HUGEPAGE);
#endif
    return {start, UnmapBytes{length}};
}

}  // namespace

void UnmapBytes::operator()(char* p) const {
    ::munmap(p, Size);
}

std::optional<FileBytes> ReadWholeFileIfExists(const std::string& path) {
    // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw FileError::FromErrno("Cannot open file", path, errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw FileError::FromErrno("Cannot read file", path, errno);
    if (S_ISDIR(info.st_mode)) throw FileError::FromErrno("Cannot open file", path, EISDIR);
    if (!S_ISREG(info.st_mode))
        throw FileError("Cannot open file \"" + PathInMessage(path) + "\": " + kNotAFile);

    // One byte more than fstat reports, so that a single read finds the end of the file.
    const std::size_t size = static_cast<std::size_t>(info.st_size) + 1;
    FileBytes bytes;
    bytes.mapped_ = MapMemory(size, path);
#ifdef MADV_POPULATE_WRITE
    // The pages the file fills, made in one call rather than one fault each while reading
    // (faults are dear on a virtual machine); only a hint.
    ::madvise(bytes.mapped_.get(), size, MADV_POPULATE_WRITE);
#endif
    bytes.length_ = ReadInto(fd.get(), bytes.mapped_.get(), size, 0, path);
    if (bytes.length_ < size) return bytes;

    // The file holds more than fstat said (it grew, or it is one of /proc's): go on in memory
    // of the ordinary kind.
    std::string more(bytes.View());
    std::size_t done = more.size();
    do {
        more.resize(more.size() * 2);
        done = ReadInto(fd.get(), more.data(), more.size(), done, path);
    } while (done == more.size());
    more.resize(done);
    return FileBytes(std::move(more));
}

}  // namespace tavo
