#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// A decoded picture: Width x Height pixels, rows from the top, three bytes (red, green, blue)
// a pixel. When the bytes could not be decoded, Error says why and there are no pixels.
struct JpegImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgb;
    std::string Error;
};

// The largest picture decoded (2048 x 2048 pixels, 12 MB of pixels): a logo printed a few
// centimetres wide, not a photograph to print at full size.
inline constexpr std::uint64_t kMaxJpegPixels = 4u << 20;

// Decodes a JPEG picture (baseline or progressive; colour or greyscale) from its bytes. A cut,
// damaged or unsupported file, or anything that is not a JPEG picture, gives an Error: libjpeg's
// own warnings about damaged data count as errors, so a picture is never shown half decoded.
JpegImage DecodeJpeg(std::string_view bytes);

}  // namespace tavo
