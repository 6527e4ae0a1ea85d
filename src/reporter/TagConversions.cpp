#include "reporter/TagConversions.h"

#include <charconv>

#include "platform/Text.h"

namespace tavo {
namespace {

int HexDigitValue(char c) {
    const int code = static_cast<unsigned char>(c);
    return code < 58 ? code - 48 : code - 55;
}

}  // namespace

int HexByte(std::string_view text) {
    if (text.size() != 2) return 0;
    return 16 * HexDigitValue(text[0]) + HexDigitValue(text[1]);
}

std::string ByteToHex(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned>(value) & 0xFFu;
    return {kDigits[byte >> 4], kDigits[byte & 0x0Fu]};
}

std::int32_t DecimalOrZero(std::string_view text) {
    const std::string trimmed = TrimSpaces(text);
    std::string_view digits = trimmed;
    // from_chars takes a '-' but not a '+', and it rejects a second '+' by itself.
    const bool plus = !digits.empty() && digits.front() == '+';
    if (plus) digits.remove_prefix(1);
    if (digits.empty() || (plus && digits.front() == '-')) return 0;
    std::int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, 10);
    if (error != std::errc() || stop != end) return 0;
    return value;
}

int CharCode(std::string_view text, int i) {
    if (i < 1 || static_cast<std::size_t>(i) > text.size()) return 0;
    return static_cast<unsigned char>(text[static_cast<std::size_t>(i) - 1]);
}

std::string TextBeforeEquals(std::string_view text) {
    return std::string(text.substr(0, text.find('=')));
}

std::string TextAfterEquals(std::string_view text) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return {};
    return std::string(text.substr(equals + 1));
}

std::string BarField(std::string_view text, int n) {
    for (int skipped = 0; skipped < n; ++skipped) {
        const auto bar = text.find('|');
        if (bar == std::string_view::npos) return {};
        text.remove_prefix(bar + 1);
    }
    return std::string(text.substr(0, text.find('|')));
}

}  // namespace tavo
