// One input as a JPEG picture: it is decoded, or refused with a reason and no pixels; a decoded
// picture has exactly its three bytes per pixel and no more pixels than the decoder allows.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "reports/JpegImage.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const JpegImage image = DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
    const bool refused = !image.Error.empty();
    const std::uint64_t pixels = std::uint64_t(image.Width) * std::uint64_t(image.Height);
    const bool consistent = refused
                                ? image.Width == 0 && image.Height == 0 && image.Rgb.empty()
                                : image.Width > 0 && image.Height > 0 && pixels <= kMaxJpegPixels &&
                                      image.Rgb.size() == pixels * 3;
    if (!consistent) std::abort();
    return 0;
}
