#include "platform/CodePage.h"

#include <array>
#include <cstdint>

namespace tavo {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five bytes the code page leaves
// undefined, which are passed through as the C1 control of the same number.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHigh[byte - 0x80];
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == 0x80 + i)) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out.push_back('?');
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(ByteOf(cp));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string PathInMessage(std::string_view path) {
    std::string marked;
    marked += kPathStart;
    marked += path;
    marked += kPathEnd;
    return marked;
}

std::string MessageToUtf8(std::string_view message) {
    std::string out;
    std::size_t at = 0;
    while (at < message.size()) {
        const std::size_t start = message.find(kPathStart, at);
        const std::size_t end = start == std::string_view::npos ? std::string_view::npos
                                                                : message.find(kPathEnd, start);
        if (end == std::string_view::npos) {
            out += Cp1252ToUtf8(message.substr(at));
            break;
        }
        out += Cp1252ToUtf8(message.substr(at, start - at));
        out += message.substr(start + 1, end - start - 1);
        at = end + 1;
    }
    return out;
}

}  // namespace tavo
