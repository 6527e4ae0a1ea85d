#include <gtest/gtest.h>

#include <string>

#include "platform/OemCodePage.h"

namespace tavo {
namespace {

TEST(OemCodePage, LettersMapToWindows1252AndTheRestToABestFitOrQuestionMark) {
    std::string ascii;
    for (int c = 0; c < 128; ++c) ascii.push_back(static_cast<char>(c));
    EXPECT_EQ(Cp437ToCp1252(ascii), ascii);
    const struct {
        unsigned char oem, ansi;
    } cases[] = {
        {0x81, 0xFC}, {0xE1, 0xDF}, {0x8D, 0xEC}, {0x80, 0xC7}, {0x94, 0xF6}, {0x9A, 0xDC},
        {0x9F, 0x83}, {0xE6, 0xB5}, {0xF8, 0xB0}, {0xFF, 0xA0},  // letters and signs 1252 has
        {0xB3, '|'},  {0xC4, '-'},  {0xCD, '='},  {0xDA, '+'},  {0xCE, '+'},  // box drawing
        {0xB0, '?'},  {0xDB, '?'},  {0xE0, '?'},  {0xEC, '?'},  {0x9E, '?'},  // none
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<unsigned char>(Cp437ToCp1252(static_cast<char>(c.oem))), c.ansi)
            << std::hex << int{c.oem};
    }
    EXPECT_EQ(Cp437ToCp1252(std::string("K\201che \332\304\277")), "K\374che +-+");
}

}  // namespace
}  // namespace tavo
