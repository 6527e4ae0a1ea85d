#include "platform/Text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavo {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string TrimSpaces(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string TrimLeftSpaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return std::string(text.substr(begin));
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return ToUpperAscii(a) == ToUpperAscii(b);
}

std::string Cut(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::string ShownText(std::string_view text) {
    if (text.size() <= kShownTextLength) return std::string(text);
    return std::string(text.substr(0, kShownTextLength)) + "...";
}

ScannedInteger ScanInteger(std::string_view text) {
    ScannedInteger result;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? HexValue(text[i])
                                     : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) break;
        result.Digits = true;
        value = value > (kMax - digit) / base ? kMax : value * base + digit;
    }
    result.Negative = negative;
    result.Complete = result.Digits && i == text.size();
    result.Value = negative ? -value : value;
    return result;
}

std::int32_t ClampToInt32(std::int64_t value) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kLow ? kLow : (value > kHigh ? kHigh : value));
}

std::string FormatGeneral(double x, int significantDigits) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, x, std::chars_format::general, significantDigits);
    return std::string(text, result.ptr);
}

std::string FormatFixed(double x, int decimals) {
    if (decimals < 0) decimals = 0;
    // The sign bit, so that a negative zero ("-00" in a table) loses its sign too.
    const bool negative = std::signbit(x);
    if (negative) x = -x;
    // "d.dddddddddddddde+XX": 15 significant digits and the decimal exponent.
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14);
    const std::string scientific(text, result.ptr);
    const auto e = scientific.find('e');
    if (e == std::string::npos) return negative && std::isinf(x) ? "-" + scientific : scientific;
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (scientific[i] != '.') digits.push_back(scientific[i]);
    const long exponent = std::strtol(scientific.c_str() + e + 1, nullptr, 10);

    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        const auto count = static_cast<std::size_t>(exponent) + 1;
        whole = digits.substr(0, count);
        while (whole.size() < count) whole.push_back('0');
        if (count < digits.size()) fraction = digits.substr(count);
    } else {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto kept = static_cast<std::size_t>(decimals);
    const bool roundUp = fraction.size() > kept && fraction[kept] >= '5';
    while (fraction.size() < kept) fraction.push_back('0');
    fraction.resize(kept);
    std::string number = whole + fraction;
    if (roundUp) {
        std::size_t i = number.size();
        while (i > 0) {
            --i;
            if (number[i] == '9') {
                number[i] = '0';
            } else {
                ++number[i];
                break;
            }
            if (i == 0) number.insert(number.begin(), '1');
        }
    }
    std::string out = number.substr(0, number.size() - kept);
    if (kept > 0) out += "." + number.substr(number.size() - kept);
    const bool zero = out.find_first_not_of("0.") == std::string::npos;
    return negative && !zero ? "-" + out : out;
}

}  // namespace tavo
