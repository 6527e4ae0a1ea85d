#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/LargeMemory.h"

namespace tavo {

// A growing array of plain values (new ones zero) in one block. A small block grows with
// realloc; from kLargeBlock on, the block is whole huge pages (see MapLargeBlock) and grows into
// a new one twice its size. Filling a table of megabytes then costs a page fault or two per
// 2 MiB instead of one per 4 KiB, which on a virtual machine is most of the cost of the first
// table a program fills; copying a block to a new one costs far less.
template <class T>
requires std::is_trivially_copyable_v<T>
class GrowingBuffer {
  public:
    GrowingBuffer() = default;
    ~GrowingBuffer() { Release(); }
    // One table holds one; it is moved, never copied.
    GrowingBuffer(const GrowingBuffer&) = delete;
    GrowingBuffer& operator=(const GrowingBuffer&) = delete;
    GrowingBuffer(GrowingBuffer&& other) noexcept { *this = std::move(other); }
    GrowingBuffer& operator=(GrowingBuffer&& other) noexcept {
        if (this == &other) return *this;
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        mappedBytes_ = std::exchange(other.mappedBytes_, 0);
        return *this;
    }

    std::size_t size() const { return size_; }
    T* data() { return data_; }
    const T* data() const { return data_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

    // Keeps the block, so that a table filled again does not fault it in again.
    void clear() { size_ = 0; }
    void resize(std::size_t size) {
        Reserve(size);
        if (size > size_)
            std::memset(static_cast<void*>(data() + size_), 0, (size - size_) * sizeof(T));
        size_ = size;
    }
    void Append(const T* values, std::size_t count) {
        if (count == 0) return;
        Reserve(size_ + count);
        std::memcpy(static_cast<void*>(data() + size_), values, count * sizeof(T));
        size_ += count;
    }

  private:
    void Reserve(std::size_t needed) {
        if (needed <= capacity_) return;
        std::size_t capacity = capacity_ < 16 ? 16 : capacity_;
        while (capacity < needed)
            capacity = capacity > SIZE_MAX / 2 / sizeof(T) ? needed : 2 * capacity;
        if (capacity > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
        std::size_t bytes = capacity * sizeof(T);
        if (bytes < kLargeBlock) {
            void* grown = std::realloc(data_, bytes);
            if (grown == nullptr) throw std::bad_alloc();
            data_ = static_cast<T*>(grown);
            capacity_ = capacity;
            return;
        }
        void* block = MapLargeBlock(bytes);
        if (block == nullptr) throw std::bad_alloc();
        if (size_ > 0) std::memcpy(block, static_cast<const void*>(data_), size_ * sizeof(T));
        Release();
        data_ = static_cast<T*>(block);
        capacity_ = bytes / sizeof(T);
        mappedBytes_ = bytes;
    }
    void Release() {
        if (mappedBytes_ > 0)
            UnmapLargeBlock(data_, mappedBytes_);
        else
            std::free(data_);
        data_ = nullptr;
        mappedBytes_ = 0;
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t mappedBytes_ = 0;  // the length of a block from MapLargeBlock; 0 for realloc's
};

}  // namespace tavo
