#include "platform/LargeMemory.h"

#include <sys/mman.h>

#include <cerrno>
#include <cstdint>

namespace tavo {

void* MapLargeBlock(std::size_t& length) {
    if (length > SIZE_MAX - 2 * kHugePage) {
        errno = ENOMEM;
        return nullptr;
    }
    const std::size_t rounded = (length + kHugePage - 1) / kHugePage * kHugePage;
    // A huge page more than needed, so that the part kept can start on a boundary.
    void* region = ::mmap(nullptr, rounded + kHugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) return nullptr;
    const auto address = reinterpret_cast<std::uintptr_t>(region);
    const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
    char* start = static_cast<char*>(region) + head;
    if (head > 0) ::munmap(region, head);
    ::munmap(start + rounded, kHugePage - head);
#ifdef MADV_HUGEPAGE
    ::madvise(start, rounded, MADV_HUGEPAGE);
#endif
    length = rounded;
    return start;
}

void UnmapLargeBlock(void* block, std::size_t length) {
    if (block != nullptr) ::munmap(block, length);
}

}  // namespace tavo
