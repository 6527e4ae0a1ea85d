#include "reports/JpegImage.h"

// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace tavo {

namespace {

// A progressive file may hold a very long run of scans that each cost a pass over the whole
// picture; real pictures need a handful.
constexpr int kMaxScans = 256;

// libjpeg reports errors through error_exit, which must not return. It jumps back to the
// setjmp in Guarded: only C frames and frames without destructors lie in between, so the jump
// skips nothing that C++ would have to clean up. A C++ exception thrown through libjpeg's
// frames would not be safe.
struct ErrorManager {
    jpeg_error_mgr Base;  // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Level -1 is a warning about damaged data, which libjpeg would otherwise decode past.
void Message(j_common_ptr info, int level) {
    if (level < 0) Fail(info);
}

void Progress(j_common_ptr info) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(manager->Message, sizeof manager->Message, "more than %d scans", kMaxScans);
        std::longjmp(manager->Jump, 1);
    }
}

// Runs one call into libjpeg; false when it failed, with the reason in the error manager.
template <class Call>
bool Guarded(ErrorManager& errors, const Call& call) {
    if (setjmp(errors.Jump) != 0) return false;
    call();
    return true;
}

// The decompressor, created and destroyed with its owner.
class Decompressor {
  public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_.Base);
        errors_.Base.error_exit = Fail;
        errors_.Base.emit_message = Message;
        errors_.Message[0] = '\0';
        progress_.progress_monitor = Progress;
        created_ = Guarded(errors_, [this] { jpeg_create_decompress(&info_); });
        info_.progress = &progress_;
    }
    ~Decompressor() {
        if (created_) jpeg_destroy_decompress(&info_);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    template <class Call>
    bool Run(const Call& call) {
        return created_ && Guarded(errors_, call);
    }
    jpeg_decompress_struct& Info() { return info_; }
    const char* Reason() const { return errors_.Message; }

  private:
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    jpeg_progress_mgr progress_{};
    bool created_ = false;
};

JpegImage Refused(std::string reason) {
    JpegImage image;
    image.Error = "JPEG picture unreadable: " + reason;
    return image;
}

}  // namespace

JpegImage DecodeJpeg(std::string_view bytes) {
    if (bytes.empty()) return Refused("no data");
    Decompressor decompressor;
    jpeg_decompress_struct& info = decompressor.Info();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto size = static_cast<unsigned long>(bytes.size());
    if (!decompressor.Run([&] { jpeg_mem_src(&info, data, size); }) ||
        !decompressor.Run([&] { jpeg_read_header(&info, TRUE); }))
        return Refused(decompressor.Reason());
    const std::uint64_t pixels = std::uint64_t{info.image_width} * info.image_height;
    if (pixels == 0 || pixels > kMaxJpegPixels)
        return Refused("a picture of " + std::to_string(info.image_width) + " x " +
                       std::to_string(info.image_height) + " pixels");
    info.out_color_space = JCS_RGB;
    if (!decompressor.Run([&] { jpeg_start_decompress(&info); }))
        return Refused(decompressor.Reason());
    if (info.output_components != 3) return Refused("not decoded as RGB");

    JpegImage image;
    image.Width = static_cast<int>(info.output_width);
    image.Height = static_cast<int>(info.output_height);
    const std::size_t stride = std::size_t{info.output_width} * 3;
    // The pixels grow a row at a time into memory reserved once: a damaged file that claims a
    // large picture but holds the data for a few rows is refused after those rows, without first
    // filling the whole picture.
    image.Rgb.reserve(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        image.Rgb.resize(stride * (std::size_t{info.output_scanline} + 1));
        JSAMPROW row = image.Rgb.data() + stride * info.output_scanline;
        if (!decompressor.Run([&] { jpeg_read_scanlines(&info, &row, 1); }))
            return Refused(decompressor.Reason());
    }
    if (!decompressor.Run([&] { jpeg_finish_decompress(&info); }))
        return Refused(decompressor.Reason());
    return image;
}

}  // namespace tavo
