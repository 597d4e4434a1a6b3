#include "platform/icon_file.h"

#include <QColor>

namespace platform {
namespace {

// The icon directory: reserved word 0, type 1 (icon), picture count.
constexpr size_t kDirectoryBytes = 6;
constexpr uint16_t kIconType = 1;
// One directory entry; the picture's size and offset lie at bytes 8 and 12.
constexpr size_t kEntryBytes = 16;
constexpr size_t kEntryImageBytes = 8;
constexpr size_t kEntryImageOffset = 12;
// The bitmap's own header (BITMAPINFOHEADER) and the fields read from it.
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr size_t kHeaderWidth = 4;
constexpr size_t kHeaderHeight = 8;
constexpr size_t kHeaderPlanes = 12;
constexpr size_t kHeaderBitCount = 14;
constexpr size_t kHeaderCompression = 16;
constexpr uint32_t kUncompressed = 0;
// Icons far larger than any window icon are left to Qt.
constexpr int32_t kLargestSide = 256;

uint16_t Word(std::span<const uint8_t> bytes, size_t at) {
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

uint32_t DoubleWord(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(Word(bytes, at)) | uint32_t(Word(bytes, at + 2)) << 16;
}

// Rows of a bitmap are padded to whole double words.
size_t RowBytes(int width, int bitsPerPixel) {
    return (size_t(width) * size_t(bitsPerPixel) + 31) / 32 * 4;
}

struct Layout {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::span<const uint8_t> colours;  // bottom row first
};

// The picture's layout, checked against the bytes there are.
std::optional<Layout> ReadLayout(std::span<const uint8_t> bytes) {
    if (bytes.size() < kDirectoryBytes + kEntryBytes) return std::nullopt;
    if (Word(bytes, 0) != 0 || Word(bytes, 2) != kIconType || Word(bytes, 4) == 0) {
        return std::nullopt;
    }
    const std::span<const uint8_t> entry = bytes.subspan(kDirectoryBytes, kEntryBytes);
    const size_t size = DoubleWord(entry, kEntryImageBytes);
    const size_t offset = DoubleWord(entry, kEntryImageOffset);
    if (offset > bytes.size() || size > bytes.size() - offset || size < kInfoHeaderBytes) {
        return std::nullopt;
    }
    const std::span<const uint8_t> image = bytes.subspan(offset, size);
    if (DoubleWord(image, 0) != kInfoHeaderBytes || Word(image, kHeaderPlanes) != 1 ||
        DoubleWord(image, kHeaderCompression) != kUncompressed) {
        return std::nullopt;
    }
    Layout layout;
    layout.width = int32_t(DoubleWord(image, kHeaderWidth));
    const int32_t doubledHeight = int32_t(DoubleWord(image, kHeaderHeight));
    layout.bitsPerPixel = Word(image, kHeaderBitCount);
    // The bitmap's height counts the colour rows and the mask rows.
    layout.height = doubledHeight / 2;
    if (layout.width <= 0 || layout.width > kLargestSide || doubledHeight <= 0 ||
        doubledHeight % 2 != 0 || layout.height > kLargestSide ||
        (layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32)) {
        return std::nullopt;
    }
    const size_t colourBytes = RowBytes(layout.width, layout.bitsPerPixel) * size_t(layout.height);
    // The mask follows the colour rows; a picture without it is damaged.
    const size_t maskBytes = RowBytes(layout.width, 1) * size_t(layout.height);
    if (size - kInfoHeaderBytes < colourBytes + maskBytes) return std::nullopt;
    layout.colours = image.subspan(kInfoHeaderBytes, colourBytes);
    return layout;
}

// Premultiplied, as Qt's reader gives its pictures.
QImage Pixels(const Layout& layout) {
    const int step = layout.bitsPerPixel / 8;
    const size_t rowBytes = RowBytes(layout.width, layout.bitsPerPixel);
    QImage image(layout.width, layout.height, QImage::Format_ARGB32);
    for (int y = 0; y < layout.height; ++y) {
        const uint8_t* source = layout.colours.data() + size_t(layout.height - 1 - y) * rowBytes;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x, source += step) {
            const int alpha = layout.bitsPerPixel == 32 ? source[3] : 255;
            target[x] = qRgba(source[2], source[1], source[0], alpha);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

std::optional<QImage> ReadBitmapIcon(std::span<const uint8_t> bytes) {
    const std::optional<Layout> layout = ReadLayout(bytes);
    if (!layout) return std::nullopt;
    return Pixels(*layout);
}

}  // namespace platform
