#pragma once

#include <cstddef>

namespace tavo {

// The size of the system's huge pages on the machines the program runs on.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// From this size on, a block is worth whole huge pages.
inline constexpr std::size_t kLargeBlock = kHugePage / 8;

// Memory of at least length bytes, zeroed, made of whole huge pages on a huge page's boundary
// and offered to the system to back with them: one page to make and one address translation to
// cache instead of 512, which on a virtual machine is most of the cost of filling a block of
// megabytes. length is rounded up to the memory given. Returns nullptr when there is no memory
// (errno says why). A refused hint costs nothing: the block is then made of small pages.
void* MapLargeBlock(std::size_t& length);

// Gives back a block that MapLargeBlock made, with the length it gave.
void UnmapLargeBlock(void* block, std::size_t length);

}  // namespace tavo
