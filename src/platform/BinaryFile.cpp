#include "platform/BinaryFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/CodePage.h"
#include "platform/FileError.h"
#include "platform/LargeMemory.h"

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

// Memory for size bytes: from kLargeBlock on, whole huge pages (a file of a megabyte or two is
// then read and scanned with one page fault and one cached address translation instead of
// hundreds).
std::unique_ptr<char, UnmapBytes> MapMemory(std::size_t size, const std::string& path) {
    if (size >= kLargeBlock) {
        std::size_t length = size;
        void* block = MapLargeBlock(length);
        if (block == nullptr) throw FileError::FromErrno("Cannot read file", path, errno);
        return {static_cast<char*>(block), UnmapBytes{length}};
    }
    void* region =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) throw FileError::FromErrno("Cannot read file", path, errno);
    return {static_cast<char*>(region), UnmapBytes{size}};
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
