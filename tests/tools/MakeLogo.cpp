// Draws the reports' logo, an emblem of a Tavo network: two parallel bus wires with unit
// blocks above and below them, each block on both wires, and writes it as a JPEG picture.
//   tavo-make-logo OUT.jpg [WIDTH HEIGHT [progressive] [grey]]
// Without sizes it writes the logo as shipped (data/TavoLogo.jpg, 640 x 192); small sizes make
// seeds for the decoder's fuzz target.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct Colour {
    unsigned char R, G, B;
};
constexpr Colour kPaper{255, 255, 255}, kWire{20, 40, 110}, kUnit{0, 128, 128}, kLamp{240, 170, 20};

struct Canvas {
    int Width, Height;
    std::vector<unsigned char> Rgb;

    Canvas(int width, int height)
        : Width(width), Height(height), Rgb(static_cast<std::size_t>(width * height) * 3, 255) {}

    // Fills the rectangle given in fractions of the picture's width and height.
    void Fill(double left, double top, double right, double bottom, Colour colour) {
        const int x0 = std::clamp(static_cast<int>(left * Width), 0, Width);
        const int x1 = std::clamp(std::max(static_cast<int>(right * Width), x0 + 1), 0, Width);
        const int y0 = std::clamp(static_cast<int>(top * Height), 0, Height);
        const int y1 = std::clamp(std::max(static_cast<int>(bottom * Height), y0 + 1), 0, Height);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                unsigned char* pixel = &Rgb[(static_cast<std::size_t>(y) * Width + x) * 3];
                pixel[0] = colour.R;
                pixel[1] = colour.G;
                pixel[2] = colour.B;
            }
    }
};

Canvas DrawEmblem(int width, int height) {
    Canvas canvas(width, height);
    canvas.Fill(0, 0, 1, 1, kPaper);
    constexpr double kUpperWire = 0.365, kLowerWire = 0.635, kWireHalf = 0.022, kLeg = 0.006;
    const double centres[] = {0.14, 0.32, 0.50, 0.68, 0.86};
    for (int unit = 0; unit < 5; ++unit) {
        const double left = centres[unit] - 0.045, right = centres[unit] + 0.045;
        const bool above = unit % 2 == 0;
        const double top = above ? 0.07 : 0.72, bottom = above ? 0.28 : 0.93;
        // One leg to each wire: the near one short, the far one across the near wire.
        const double nearWire = above ? kUpperWire : kLowerWire;
        const double farWire = above ? kLowerWire : kUpperWire;
        const double edge = above ? bottom : top;
        canvas.Fill(left + 0.015, std::min(edge, nearWire), left + 0.015 + kLeg,
                    std::max(edge, nearWire), kWire);
        canvas.Fill(right - 0.015 - kLeg, std::min(edge, farWire), right - 0.015,
                    std::max(edge, farWire), kWire);
        canvas.Fill(left, top, right, bottom, kUnit);
        canvas.Fill(right - 0.025, top + 0.04, right - 0.012, top + 0.08, kLamp);
    }
    for (const double wire : {kUpperWire, kLowerWire})
        canvas.Fill(0.03, wire - kWireHalf, 0.97, wire + kWireHalf, kWire);
    return canvas;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc < 4) {
        std::fprintf(stderr, "usage: %s OUT.jpg [WIDTH HEIGHT [progressive] [grey]]\n", argv[0]);
        return 2;
    }
    const int width = argc >= 4 ? std::atoi(argv[2]) : 640;
    const int height = argc >= 4 ? std::atoi(argv[3]) : 192;
    bool progressive = false, grey = false;
    for (int at = 4; at < argc; ++at) {
        progressive |= std::strcmp(argv[at], "progressive") == 0;
        grey |= std::strcmp(argv[at], "grey") == 0;
    }
    if (width < 1 || height < 1 || width > 4096 || height > 4096) {
        std::fprintf(stderr, "%s: sizes from 1 to 4096 pixels\n", argv[0]);
        return 2;
    }
    const Canvas canvas = DrawEmblem(width, height);
    std::vector<unsigned char> samples = canvas.Rgb;
    if (grey) {
        for (std::size_t at = 0; at < samples.size() / 3; ++at)
            samples[at] = static_cast<unsigned char>(
                (299 * samples[3 * at] + 587 * samples[3 * at + 1] + 114 * samples[3 * at + 2]) /
                1000);
        samples.resize(samples.size() / 3);
    }

    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    // The standard error manager ends the tool with libjpeg's message on any error.
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * info.input_components;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &samples[info.next_scanline * stride];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
