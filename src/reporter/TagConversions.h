#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

// Small conversions on 8-bit text that the tag file and the installation import share.

// Two hex digits as a byte: 16 * d(first) + d(second), where d(c) is the character's code
// minus 48 when the code is below 58 and minus 55 otherwise. '0'-'9' and 'A'-'F' give 0-15;
// other characters give other values by the same rule (a lower-case 'a' gives 42, a space
// -16), as the installation software's files have always been read. 0 unless the text is
// exactly two characters long.
int HexByte(std::string_view text);

// Two upper-case hex digits of the value's low byte ("0A" for 10, "FF" for 255); only 0-255
// ever arise, and the low byte keeps anything else inside the two digits.
std::string ByteToHex(int value);

// The text read as a decimal integer: optional blanks around it, an optional '+' or '-', one
// or more digits and nothing else. Anything else is 0, and so is a value beyond the 32-bit
// range: a number that big names no network, application or group, and saturating it would
// make different texts look alike.
std::int32_t DecimalOrZero(std::string_view text);

// The code (0-255) of the i-th character, counted from 1; 0 when i is outside the text.
int CharCode(std::string_view text, int i);

// The text before the first '='; all of it when it holds none.
std::string TextBeforeEquals(std::string_view text);

// The text after the first '='; empty when it holds none.
std::string TextAfterEquals(std::string_view text);

// Field n (counted from 0) of the text split at '|'; empty when the text has fewer fields.
// A negative n counts as 0.
std::string BarField(std::string_view text, int n);

}  // namespace tavo
