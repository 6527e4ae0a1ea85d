#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "reporter/TagConversions.h"

namespace tavo {
namespace {

TEST(HexByte, TwoDigitsByTheCharacterCodeRule) {
    EXPECT_EQ(HexByte("FF"), 255);
    EXPECT_EQ(HexByte("38"), 56);
    EXPECT_EQ(HexByte("0A"), 10);
    EXPECT_EQ(HexByte("00"), 0);
    // Not hex digits, still by the rule: 'a' counts 42, a space -16, 'G' 16.
    EXPECT_EQ(HexByte("4a"), 16 * 4 + 42);
    EXPECT_EQ(HexByte(" 1"), 16 * -16 + 1);
    EXPECT_EQ(HexByte("0G"), 16);
    // Bytes above 127 are codes 128-255, not negative characters.
    EXPECT_EQ(HexByte("\xFF\x80"), 16 * (255 - 55) + (128 - 55));
}

TEST(HexByte, AnyOtherLengthIsZero) {
    EXPECT_EQ(HexByte(""), 0);
    EXPECT_EQ(HexByte("0"), 0);
    EXPECT_EQ(HexByte("3"), 0);
    EXPECT_EQ(HexByte("123"), 0);
    EXPECT_EQ(HexByte("FF "), 0);
}

TEST(ByteToHex, TwoUpperCaseDigitsThatHexByteReadsBack) {
    EXPECT_EQ(ByteToHex(10), "0A");
    EXPECT_EQ(ByteToHex(0), "00");
    EXPECT_EQ(ByteToHex(171), "AB");
    EXPECT_EQ(ByteToHex(255), "FF");
    for (int value = 0; value <= 255; ++value) {
        const std::string text = ByteToHex(value);
        ASSERT_EQ(text.size(), 2u) << value;
        EXPECT_EQ(HexByte(text), value) << text;
    }
    // Beyond a byte only the low byte is written, never a character outside the digits.
    EXPECT_EQ(ByteToHex(256), "00");
    EXPECT_EQ(ByteToHex(0x1A5), "A5");
    EXPECT_EQ(ByteToHex(-1), "FF");
}

TEST(DecimalOrZero, DecimalIntegersWithSignAndBlanks) {
    EXPECT_EQ(DecimalOrZero("254"), 254);
    EXPECT_EQ(DecimalOrZero("00"), 0);
    EXPECT_EQ(DecimalOrZero("007"), 7);
    EXPECT_EQ(DecimalOrZero("-5"), -5);
    EXPECT_EQ(DecimalOrZero("+7"), 7);
    EXPECT_EQ(DecimalOrZero("  42 "), 42);  // space-padded as fixed-width fields are
}

TEST(DecimalOrZero, AnythingElseIsZero) {
    for (const char* text : {"", " ", "x", "a=1", "12a", "1 2", "1.5", "-", "+", "+-5", "++5",
                             "--5", "$FE", "0x10", "FE", "\xB2"}) {
        EXPECT_EQ(DecimalOrZero(text), 0) << '"' << text << '"';
    }
}

TEST(DecimalOrZero, ValuesBeyondThirtyTwoBitsAreZeroNotSaturated) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(DecimalOrZero("2147483647"), kMax);
    EXPECT_EQ(DecimalOrZero("-2147483648"), kMin);
    EXPECT_EQ(DecimalOrZero("2147483648"), 0);
    EXPECT_EQ(DecimalOrZero("-2147483649"), 0);
    EXPECT_EQ(DecimalOrZero("4294967550"), 0);  // 254 + 2^32 must not wrap round to 254
    EXPECT_EQ(DecimalOrZero("99999999999999999999999"), 0);
}

TEST(CharCode, CodesOfCharactersCountedFromOne) {
    EXPECT_EQ(CharCode("AB", 1), 65);
    EXPECT_EQ(CharCode("AB", 2), 66);
    EXPECT_EQ(CharCode("AB", 3), 0);
    EXPECT_EQ(CharCode("AB", 0), 0);
    EXPECT_EQ(CharCode("AB", -1), 0);
    EXPECT_EQ(CharCode("", 1), 0);
    EXPECT_EQ(CharCode("\xE9", 1), 233);
}

TEST(EqualsSplit, NameAndValuesAtTheFirstEquals) {
    EXPECT_EQ(TextBeforeEquals("Kitchen=254|0A"), "Kitchen");
    EXPECT_EQ(TextAfterEquals("Kitchen=254|0A"), "254|0A");
    EXPECT_EQ(TextBeforeEquals("a=b=c"), "a");
    EXPECT_EQ(TextAfterEquals("a=b=c"), "b=c");
    EXPECT_EQ(TextBeforeEquals("=3"), "");
    EXPECT_EQ(TextAfterEquals("=3"), "3");
    EXPECT_EQ(TextBeforeEquals("Hall="), "Hall");
    EXPECT_EQ(TextAfterEquals("Hall="), "");
    // No '=': the whole text is the name and there are no values.
    EXPECT_EQ(TextBeforeEquals("254|253"), "254|253");
    EXPECT_EQ(TextAfterEquals("254|253"), "");
    EXPECT_EQ(TextBeforeEquals(""), "");
    EXPECT_EQ(TextAfterEquals(""), "");
}

TEST(BarField, FieldsCountedFromZeroAndEmptyWhenMissing) {
    EXPECT_EQ(BarField("a|b|c", 0), "a");
    EXPECT_EQ(BarField("a|b|c", 1), "b");
    EXPECT_EQ(BarField("a|b|c", 2), "c");
    EXPECT_EQ(BarField("a|b|c", 3), "");
    EXPECT_EQ(BarField("a|b|c", 5), "");
    EXPECT_EQ(BarField("abc", 0), "abc");
    EXPECT_EQ(BarField("abc", 1), "");
    EXPECT_EQ(BarField("254|0A||38", 2), "");
    EXPECT_EQ(BarField("254|0A||38", 3), "38");
    EXPECT_EQ(BarField("|x", 0), "");
    EXPECT_EQ(BarField("x|", 1), "");
    EXPECT_EQ(BarField("", 0), "");
    EXPECT_EQ(BarField("a|b", -1), "a");
    EXPECT_EQ(BarField("a|b", std::numeric_limits<int>::max()), "");
}

}  // namespace
}  // namespace tavo
