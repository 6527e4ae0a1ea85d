#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "reports/JpegImage.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

const std::string kLogo = std::string(TAVO_SOURCE_DIR) + "/data/TavoLogo.jpg";

// Each channel within a JPEG's error of the colour drawn.
void ExpectColour(const JpegImage& image, int x, int y, int r, int g, int b) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
    EXPECT_LE(std::abs(image.Rgb[at] - r) + std::abs(image.Rgb[at + 1] - g) +
                  std::abs(image.Rgb[at + 2] - b),
              24)
        << x << "," << y;
}

TEST(JpegImage, DecodesTheLogo) {
    const JpegImage logo = DecodeJpeg(testing::ReadBytes(kLogo));
    ASSERT_EQ(logo.Error, "");
    ASSERT_EQ(logo.Width, 640);
    ASSERT_EQ(logo.Height, 192);
    ASSERT_EQ(logo.Rgb.size(), 640u * 192 * 3);
    ExpectColour(logo, 2, 2, 255, 255, 255);     // paper
    ExpectColour(logo, 320, 70, 20, 40, 110);    // the upper bus wire
    ExpectColour(logo, 90, 30, 0, 128, 128);     // the first unit
    ExpectColour(logo, 320, 96, 255, 255, 255);  // between the wires
}

TEST(JpegImage, RefusesDamagedBytesWithAReason) {
    const std::string logo = testing::ReadBytes(kLogo);
    std::string huge = logo;
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\x0B\xB8\x0B\xB8");  // 3000 x 3000 pixels
    std::string marker = logo;
    marker[marker.size() / 2] = '\xFF';
    marker[marker.size() / 2 + 1] = '\xC4';  // a table in the middle of the picture's data
    for (const auto& [bytes, reason] : {
             std::pair{std::string(), "no data"},
             std::pair{std::string("GIF89a, not a JPEG"), "Not a JPEG file"},
             std::pair{logo.substr(0, logo.size() / 2), "Premature end of JPEG file"},
             std::pair{logo.substr(0, 400), ""},
             std::pair{huge, "a picture of 3000 x 3000 pixels"},
             std::pair{marker, ""},
         }) {
        const JpegImage image = DecodeJpeg(bytes);
        EXPECT_TRUE(image.Error.starts_with("JPEG picture unreadable: ")) << image.Error;
        EXPECT_NE(image.Error.find(reason), std::string::npos) << image.Error;
        EXPECT_TRUE(image.Rgb.empty() && image.Width == 0 && image.Height == 0) << image.Error;
    }
}

}  // namespace
}  // namespace tavo
