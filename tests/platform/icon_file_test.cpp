// The bitmap icons the program reads itself must give exactly the pixels of
// Qt's own icon reader: 24- and 32-bit pictures of awkward widths (rows are
// padded), with masks, with alpha and without, the first of several. Icons of
// any other kind are declined and still decoded by Qt, and no truncation of
// a good icon is read past its end.

#include "platform/icon_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {
namespace {

struct Picture {
    int width;
    int height;
    int bitsPerPixel;
    bool alpha;     // 32-bit pictures: alpha bytes used, or all zero
    int maskEvery;  // every n-th pixel transparent in the mask; 0 for none
};

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

size_t RowBytes(int width, int bits) {
    return (size_t(width) * size_t(bits) + 31) / 32 * 4;
}

// A bitmap picture with its header, colour rows and mask rows.
std::vector<uint8_t> Bitmap(const Picture& p) {
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, uint32_t(p.width));
    Put32(out, uint32_t(2 * p.height));
    Put16(out, 1);
    Put16(out, uint32_t(p.bitsPerPixel));
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int row = 0; row < p.height; ++row) {
        const size_t start = out.size();
        for (int x = 0; x < p.width; ++x) {
            out.push_back(uint8_t(x * 37 + row));       // blue
            out.push_back(uint8_t(x * 11 + row * 53));  // green
            out.push_back(uint8_t(200 - x - row));      // red
            if (p.bitsPerPixel == 32) out.push_back(p.alpha ? uint8_t(x * 29 + row * 7) : 0);
        }
        out.resize(start + RowBytes(p.width, p.bitsPerPixel), 0);
    }
    for (int row = 0; row < p.height; ++row) {
        std::vector<uint8_t> mask(RowBytes(p.width, 1), 0);
        for (int x = 0; x < p.width; ++x) {
            if (p.maskEvery != 0 && (x + row) % p.maskEvery == 0) mask[x / 8] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

std::vector<uint8_t> IconFile(const std::vector<Picture>& pictures) {
    std::vector<std::vector<uint8_t>> bitmaps;
    for (const Picture& p : pictures) bitmaps.push_back(Bitmap(p));
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, uint32_t(pictures.size()));
    uint32_t offset = uint32_t(6 + 16 * pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        out.push_back(uint8_t(pictures[i].width));
        out.push_back(uint8_t(pictures[i].height));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, uint32_t(pictures[i].bitsPerPixel));
        Put32(out, uint32_t(bitmaps[i].size()));
        Put32(out, offset);
        offset += uint32_t(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}

QImage QtReads(const std::vector<uint8_t>& bytes) {
    return QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), "ICO");
}

// The first pixel where the two pictures differ, or empty when none does;
// the pictures must be of one format, compared as stored.
std::string FirstDifference(const QImage& ours, const QImage& qts) {
    if (ours.size() != qts.size()) return "sizes differ";
    if (ours.format() != qts.format()) return "formats differ";
    for (int y = 0; y < ours.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(ours.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(qts.constScanLine(y));
        for (int x = 0; x < ours.width(); ++x) {
            if (a[x] == b[x]) continue;
            return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                   std::to_string(a[x]) + ", Qt reads " + std::to_string(b[x]);
        }
    }
    return {};
}

std::vector<uint8_t> ProgramIcon() {
    QFile file(QString::fromUtf8(HC_ASSET_DIR) + "/program.ico");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

TEST(IconFile, GivesQtsPixels) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"the program icon", ProgramIcon()},
        {"24-bit, padded rows, masked", IconFile({{5, 3, 24, false, 3}})},
        {"24-bit, no mask", IconFile({{32, 32, 24, false, 0}})},
        {"24-bit, one pixel", IconFile({{1, 1, 24, false, 1}})},
        {"32-bit with alpha", IconFile({{7, 4, 32, true, 2}})},
        {"32-bit without alpha, masked", IconFile({{6, 5, 32, false, 4}})},
        {"the first of two", IconFile({{16, 16, 24, false, 5}, {32, 32, 32, true, 0}})},
    };
    for (const auto& c : cases) {
        const std::optional<QImage> ours = platform::ReadBitmapIcon(c.bytes);
        ASSERT_TRUE(ours) << c.name;
        EXPECT_EQ(FirstDifference(*ours, QtReads(c.bytes)), "") << c.name;
        const std::optional<QImage> decoded = platform::DecodeIcon(c.bytes);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_EQ(FirstDifference(*decoded, *ours), "") << c.name;
    }
}

TEST(IconFile, OtherIconsAreLeftToQt) {
    // An 8-bit picture with a palette of 256 entries.
    std::vector<uint8_t> icon = IconFile({{4, 4, 24, false, 0}});
    icon[6 + 16 + 14] = 8;
    EXPECT_FALSE(platform::ReadBitmapIcon(icon));
    std::vector<uint8_t> compressed = IconFile({{4, 4, 24, false, 0}});
    compressed[6 + 16 + 16] = 1;
    EXPECT_FALSE(platform::ReadBitmapIcon(compressed));
    EXPECT_FALSE(platform::ReadBitmapIcon({}));
}

TEST(IconFile, NoTruncationIsReadPastItsEnd) {
    const std::vector<uint8_t> whole = ProgramIcon();
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
        EXPECT_FALSE(platform::ReadBitmapIcon(cut)) << length;
    }
}

}  // namespace
}  // namespace platform
