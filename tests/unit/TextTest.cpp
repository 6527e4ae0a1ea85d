#include <gtest/gtest.h>

#include <limits>

#include "platform/CodePage.h"
#include "platform/Text.h"

namespace tavo {
namespace {

TEST(FormatFixed, RoundsHalfAwayFromZeroAtFifteenDigits) {
    EXPECT_EQ(FormatFixed(2.0 / 3.0, 2), "0.67");
    EXPECT_EQ(FormatFixed(2.25, 1), "2.3");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(150.0, 0), "150");
    EXPECT_EQ(FormatFixed(99.95, 1), "100.0");
    EXPECT_EQ(FormatFixed(0.0, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.005, 2), "0.01");
    EXPECT_EQ(FormatFixed(1e8, 0), "100000000");
    EXPECT_EQ(FormatFixed(-0.0, 0), "0");
    EXPECT_EQ(FormatFixed(-1.5, 0), "-2");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 1), "-inf");
    EXPECT_EQ(FormatFixed(123456789012345678.0, 0), "123456789012346000");
    EXPECT_EQ(FormatFixed(-1.25, 1), "-1.3");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
}

TEST(ScanInteger, ReadsDecimalAndHexPrefixesAndStopsAtTheFirstMisfit) {
    EXPECT_EQ(ScanInteger("150").Value, 150);
    EXPECT_TRUE(ScanInteger("150").Complete);
    EXPECT_EQ(ScanInteger("$96").Value, 150);
    EXPECT_EQ(ScanInteger("0x96").Value, 150);
    EXPECT_EQ(ScanInteger("x96").Value, 150);
    EXPECT_EQ(ScanInteger("  +12").Value, 12);
    const ScannedInteger partial = ScanInteger("150abc");
    EXPECT_EQ(partial.Value, 150);
    EXPECT_FALSE(partial.Complete);
    EXPECT_TRUE(partial.Digits);
    EXPECT_FALSE(ScanInteger("").Digits);
    EXPECT_FALSE(ScanInteger("-").Digits);
    EXPECT_EQ(ScanInteger("-7").Value, -7);
    EXPECT_EQ(ScanInteger("99999999999999999999999").Value, INT64_MAX);
    EXPECT_EQ(ClampToInt32(ScanInteger("9999999999").Value), INT32_MAX);
}

TEST(CodePage, ConvertsWindows1252BothWays) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9 \x80 5"), "Caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(Utf8ToCp1252("Caf\xC3\xA9 \xE2\x82\xAC 5"), "Caf\xE9 \x80 5");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");        // cut off sequence
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
    }
}

TEST(TrimSpaces, RemovesControlCharactersAndSpacesAtBothEnds) {
    EXPECT_EQ(TrimSpaces("\t  a b \r\x01"), "a b");
    EXPECT_EQ(TrimSpaces(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(TrimLeftSpaces("  a "), "a ");
    EXPECT_EQ(TrimSpaces("   "), "");
}

}  // namespace
}  // namespace tavo
