#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "reporter/GrowingBuffer.h"

namespace tavo {
namespace {

template <class T>
std::vector<T> Contents(const GrowingBuffer<T>& buffer) {
    return std::vector<T>(buffer.data(), buffer.data() + buffer.size());
}

// A buffer grown by appends and resizes, from realloc's memory into huge pages and on through
// several of them, holds exactly what a vector given the same steps holds; new values are
// zero, also in memory a cleared buffer had used before, and a moved buffer keeps its values.
TEST(GrowingBuffer, HoldsWhatAVectorHoldsAcrossEveryKindOfItsMemory) {
    std::mt19937 random(5);
    GrowingBuffer<std::uint64_t> buffer;
    std::vector<std::uint64_t> model;
    for (int round = 0; round < 2; ++round) {
        while (model.size() < 5 * kHugePage / sizeof(std::uint64_t)) {
            const std::size_t count = random() % 40000;
            if (random() % 3 == 0) {
                buffer.resize(model.size() + count);
                model.resize(model.size() + count);
                continue;
            }
            std::vector<std::uint64_t> values(count);
            for (auto& value : values) value = random();
            buffer.Append(values.data(), values.size());
            model.insert(model.end(), values.begin(), values.end());
        }
        ASSERT_EQ(buffer.size(), model.size());
        EXPECT_TRUE(Contents(buffer) == model);
        // Shrunk and grown again within its block: what comes back is zero.
        buffer.resize(100);
        model.resize(100);
        buffer.resize(3000);
        model.resize(3000);
        EXPECT_TRUE(Contents(buffer) == model);
        buffer.clear();
        model.clear();
    }
    std::vector<std::uint64_t> tail(3, 7);
    buffer.Append(tail.data(), tail.size());
    GrowingBuffer<std::uint64_t> moved(std::move(buffer));
    EXPECT_EQ(buffer.size(), 0U);
    EXPECT_TRUE(Contents(moved) == tail);
    buffer = std::move(moved);
    EXPECT_TRUE(Contents(buffer) == tail);
}

}  // namespace
}  // namespace tavo
