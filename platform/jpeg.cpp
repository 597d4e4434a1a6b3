#include "platform/jpeg.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace platform {
namespace {

// libjpeg reports fatal errors through error_exit, whose default ends the
// process. This one jumps back into Decode instead. Only plain C data lives
// between the jump target and the jump, so no destructor is skipped.
struct Decoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf failure;
};

[[noreturn]] void JumpToFailure(j_common_ptr info) {
    // client_data leads back to the decoder that holds the jump target.
    std::longjmp(static_cast<Decoder*>(info->client_data)->failure, 1);
}

// Warnings (for example data that ends early) are not printed.
void IgnoreMessage(j_common_ptr) {}

bool FitsPictureLimits(const jpeg_decompress_struct& info) {
    return info.output_width > 0 && info.output_height > 0 &&
           info.output_width <= JDIMENSION(kMaxPictureSide) &&
           info.output_height <= JDIMENSION(kMaxPictureSide);
}

// Decodes into `image`; false when libjpeg reports an error or the picture
// is too large. `decoder` must be freshly value-initialised.
bool Decode(Decoder* decoder, std::span<const uint8_t> bytes, QImage* image) {
    jpeg_decompress_struct* info = &decoder->info;
    info->err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = JumpToFailure;
    decoder->errors.output_message = IgnoreMessage;
    info->client_data = decoder;
    if (setjmp(decoder->failure) != 0) {
        jpeg_destroy_decompress(info);
        return false;
    }
    // Creation keeps the error manager and client_data set above.
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (!FitsPictureLimits(*info) || info->output_components != 3) {
        jpeg_destroy_decompress(info);
        return false;
    }
    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(info);
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->scanLine(int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

}  // namespace

std::optional<QImage> DecodeJpeg(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return std::nullopt;
    Decoder decoder{};
    QImage image;
    if (!Decode(&decoder, bytes, &image)) return std::nullopt;
    return image;
}

}  // namespace platform
