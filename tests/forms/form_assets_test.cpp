// The pictures and the icon as the embedded template holds them: the JPEGs
// decode to their stated sizes, and the icon is one 32 x 32, 24-bit image
// of exactly 3,262 bytes.

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "tests/forms/embedded_forms.h"

namespace forms::testing {
namespace {

struct JpegSize {
    bool decoded = false;
    int width = 0;
    int height = 0;
};

struct ReturningErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void ReturnToCaller(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ReturningErrorManager*>(info->err)->jump, 1);
}

// Decodes every scanline, so that a damaged picture fails here too.
JpegSize DecodeJpeg(const Bytes& bytes) {
    jpeg_decompress_struct info{};
    ReturningErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = ReturnToCaller;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(info.output_width * info.output_components);
    JSAMPROW rows[] = {row.data()};
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, rows, 1);
    JpegSize size{true, int(info.output_width), int(info.output_height)};
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return size;
}

struct PictureRow {
    WindowId window;
    const char* name;
    int width;
    int height;
};

TEST(EmbeddedAssets, PicturesDecodeToTheirSizes) {
    const PictureRow rows[] = {{WindowId::Main, "图片框1", 89, 82},
                               {WindowId::Main, "图片框2", 22, 24},
                               {WindowId::Main, "图片框3", 89, 82},
                               {WindowId::Main, "图片框4", 89, 82},
                               {WindowId::Company, "图片框4", 89, 82}};
    for (const PictureRow& row : rows) {
        SCOPED_TRACE(row.name);
        const JpegSize size =
            DecodeJpeg(Decode<PictureBoxData>(Unit(row.window, row.name)).picture);
        EXPECT_TRUE(size.decoded);
        EXPECT_EQ(size.width, row.width);
        EXPECT_EQ(size.height, row.height);
    }
}

// The check above can fail: bytes that are not a JPEG file do not decode.
TEST(EmbeddedAssets, PictureWithoutItsStartMarkerFailsToDecode) {
    Bytes picture = Decode<PictureBoxData>(Unit(WindowId::Main, "图片框1")).picture;
    ASSERT_GE(picture.size(), 2u);
    picture[0] = picture[1] = 0;
    EXPECT_FALSE(DecodeJpeg(picture).decoded);
}

uint32_t Le(const Bytes& bytes, size_t offset, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value |= uint32_t(bytes.at(offset + i)) << (8 * i);
    return value;
}

TEST(EmbeddedAssets, IconIsOne32By32TwentyFourBitImage) {
    const auto& own = std::get<UnitRecord>(Window(WindowId::Main).units.at(0));
    const Bytes icon = Decode<WindowData>(own).icon;
    ASSERT_EQ(icon.size(), 3262u);
    struct Field {
        const char* name;
        size_t offset;
        size_t width;
        uint32_t value;
    };
    const Field fields[] = {{"reserved", 0, 2, 0},
                            {"type icon", 2, 2, 1},
                            {"image count", 4, 2, 1},
                            {"width", 6, 1, 32},
                            {"height", 7, 1, 32},
                            {"colour count", 8, 1, 0},
                            {"planes", 10, 2, 1},
                            {"bits per pixel", 12, 2, 24},
                            {"image bytes", 14, 4, 3240},
                            {"image offset", 18, 4, 22},
                            {"header size", 22, 4, 40},
                            {"bitmap width", 26, 4, 32},
                            {"bitmap height, colour and mask", 30, 4, 64},
                            {"bitmap planes", 34, 2, 1},
                            {"bitmap bits", 36, 2, 24},
                            {"compression", 38, 4, 0}};
    for (const Field& field : fields) {
        EXPECT_EQ(Le(icon, field.offset, field.width), field.value) << field.name;
    }
}

}  // namespace
}  // namespace forms::testing
