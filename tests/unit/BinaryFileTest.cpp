#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/BinaryFile.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

// Whole files read back byte for byte at every size where the memory they go into changes:
// small pages below 256 KiB, whole huge pages from there on, exactly one or more huge pages.
TEST(BinaryFile, WholeFilesReadBackExactlyAtEverySizeOfTheirMemory) {
    const testing::TempDir dir;
    std::mt19937 random(3);
    constexpr std::size_t kHuge = 2 * 1024 * 1024;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, kHuge / 8 - 2, kHuge / 8 - 1,
                                   kHuge / 8, kHuge - 1, kHuge, kHuge + 1, 2 * kHuge + 7}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        testing::WriteBytes(dir.File("file"), bytes);
        const std::optional<FileBytes> read = ReadWholeFileIfExists(dir.File("file"));
        ASSERT_TRUE(read.has_value());
        EXPECT_TRUE(read->View() == bytes);
    }
    EXPECT_FALSE(ReadWholeFileIfExists(dir.File("missing")).has_value());
}

}  // namespace
}  // namespace tavo
