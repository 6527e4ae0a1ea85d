#include "platform/OemCodePage.h"

namespace tavo {
namespace {

constexpr unsigned char Q = '?';  // no Windows-1252 character and no obvious best fit
constexpr unsigned char V = '|';  // vertical box-drawing lines
constexpr unsigned char H = '-';  // single horizontal line
constexpr unsigned char D = '=';  // double horizontal line
constexpr unsigned char X = '+';  // box-drawing corners, tees and crossings

// Windows-1252 bytes for code page 437's 0x80-0xFF, sixteen to a row.
constexpr std::array<unsigned char, 128> kHigh = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, Q,    0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, Q,    0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    Q,    Q,    Q,    V,    X,    X,    X,    X,    X,    X,    V,    X,    X,    X,    X,    X,
    X,    X,    X,    X,    H,    X,    X,    X,    X,    X,    X,    X,    X,    D,    X,    X,
    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    Q,    Q,    Q,    Q,    Q,
    Q,    0xDF, Q,    Q,    Q,    Q,    0xB5, Q,    Q,    Q,    Q,    Q,    Q,    Q,    Q,    Q,
    Q,    0xB1, Q,    Q,    Q,    Q,    0xF7, Q,    0xB0, 0xB7, 0xB7, Q,    Q,    0xB2, Q,    0xA0};

constexpr std::array<char, 256> MakeTable() {
    std::array<char, 256> table{};
    for (int i = 0; i < 128; ++i) table[static_cast<std::size_t>(i)] = static_cast<char>(i);
    for (std::size_t i = 0; i < 128; ++i) table[128 + i] = static_cast<char>(kHigh[i]);
    return table;
}

}  // namespace

const std::array<char, 256> detail::kCp437ToCp1252 = MakeTable();

std::string Cp437ToCp1252(std::string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = detail::kCp437ToCp1252[static_cast<unsigned char>(text[i])];
    return out;
}

}  // namespace tavo
