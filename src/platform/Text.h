#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

// Removes characters with codes 0 to 32 (spaces, tabs, control characters) from both ends.
std::string TrimSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);

// ASCII case conversion; other bytes are left as they are.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The first n bytes of text (all of it when shorter).
std::string Cut(std::string_view text, std::size_t n);

// A text from a file as a message shows it: at most kShownTextLength characters, a longer one
// cut and ended with "...", so that a damaged file cannot fill a message box or a terminal.
inline constexpr std::size_t kShownTextLength = 120;
std::string ShownText(std::string_view text);

// An integer read the lenient way: leading spaces, an optional '+' or '-', then decimal digits
// or hexadecimal digits after '$', 'x', 'X', '0x' or '0X'. Scanning stops at the first
// character that does not fit. Value saturates at the limits of 64 bits.
struct ScannedInteger {
    std::int64_t Value = 0;  // the digits read, with the sign applied
    bool Negative = false;   // a '-' stood before the digits
    bool Digits = false;     // at least one digit was read
    bool Complete = false;   // the whole text was consumed (and held digits)
};
ScannedInteger ScanInteger(std::string_view text);

// The value clamped to the 32-bit signed range.
std::int32_t ClampToInt32(std::int64_t value);

// x with the given number of significant digits, trailing zeros dropped, '.' as decimal point
// whatever the process locale; exponent form ("1e+20") where the digits do not reach.
std::string FormatGeneral(double x, int significantDigits);

// x in fixed-point notation with the given decimals, '.' as decimal point: the value is first
// taken to 15 significant digits, then rounded half away from zero ("2.25" gives "2.3").
std::string FormatFixed(double x, int decimals);

}  // namespace tavo
