#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavo {

// The OEM-to-ANSI conversion of dBase character data: code page 437 (the DOS set) to
// Windows-1252, byte for byte, so the length never changes. Bytes 0-127 stay as they are.
// Letters and signs that Windows-1252 also has become that character (0x81 'ü' gives 0xFC,
// 0xE1 'ß' 0xDF, 0x8D 'ì' 0xEC, 0x9F 'ƒ' 0x83, 0xFF no-break space 0xA0). The rest gets a
// best fit where one is obvious and '?' otherwise: box-drawing lines become '|' (vertical),
// '-' (single horizontal), '=' (double horizontal) or '+' (corners and crossings), so a frame
// drawn in a DOS program stays legible; 0xF9 '∙' becomes '·' (0xB7); shades, blocks, Greek
// letters other than 'ß' and 'µ', and the mathematical signs 1252 lacks ('≥', '√', '∞', ...)
// become '?'.
std::string Cp437ToCp1252(std::string_view text);

namespace detail {
extern const std::array<char, 256> kCp437ToCp1252;
}

// The same conversion for one byte.
inline char Cp437ToCp1252(char byte) {
    return detail::kCp437ToCp1252[static_cast<unsigned char>(byte)];
}

}  // namespace tavo
