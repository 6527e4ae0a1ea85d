#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace tavo {

// A growing array of plain values (new ones zero) in one block that grows with realloc: the C
// library moves a large block by remapping its pages, where a vector copies it into fresh
// ones that must first be faulted in. That is most of the cost of filling a large table.
template <class T>
requires std::is_trivially_copyable_v<T>
class GrowingBuffer {
  public:
    GrowingBuffer() = default;
    // One table holds one; it is moved, never copied.
    GrowingBuffer(const GrowingBuffer&) = delete;
    GrowingBuffer& operator=(const GrowingBuffer&) = delete;
    GrowingBuffer(GrowingBuffer&& other) noexcept { *this = std::move(other); }
    GrowingBuffer& operator=(GrowingBuffer&& other) noexcept {
        data_ = std::move(other.data_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }

    std::size_t size() const { return size_; }
    T* data() { return data_.get(); }
    const T* data() const { return data_.get(); }
    T& operator[](std::size_t i) { return data_.get()[i]; }
    const T& operator[](std::size_t i) const { return data_.get()[i]; }

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
    struct Free {
        void operator()(T* block) const { std::free(block); }
    };
    void Reserve(std::size_t needed) {
        if (needed <= capacity_) return;
        std::size_t capacity = capacity_ < 16 ? 16 : capacity_;
        while (capacity < needed)
            capacity = capacity > SIZE_MAX / 2 / sizeof(T) ? needed : 2 * capacity;
        if (capacity > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
        void* grown = std::realloc(data_.get(), capacity * sizeof(T));
        if (grown == nullptr) throw std::bad_alloc();
        (void)data_.release();
        data_.reset(static_cast<T*>(grown));
        capacity_ = capacity;
    }

    std::unique_ptr<T, Free> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace tavo
