#include "platform/platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QPalette>

#include "platform/jpeg.h"
#include "runtime/gbk.h"

namespace platform {
namespace {

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

TEST(PlatformColours, StoredColoursMapToRgb) {
    struct Case {
        const char* name;
        uint32_t stored;
        QColor expected;
    };
    const Case cases[] = {
        {"255 is red", 255, QColor(255, 0, 0)},
        {"16711680 is blue", 16711680, QColor(0, 0, 255)},
        {"grey", 0x808080, QColor(128, 128, 128)},
        {"bytes in blue-green-red order", 0x0080E000, QColor(0x00, 0xE0, 0x80)},
        {"navy", 0x800000, QColor(0, 0, 128)},
        {"black", 0, QColor(0, 0, 0)},
        {"button face", forms::kButtonFaceColour, QApplication::palette().color(QPalette::Button)},
        {"highlight", forms::kHighlightColour, QApplication::palette().color(QPalette::Highlight)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::ColourFromStored(c.stored), c.expected);
    }
}

forms::FontRecord SongRecord(int32_t height, int32_t weight) {
    forms::FontRecord record;
    record.height = height;
    record.weight = weight;
    record.SetFace(runtime::Utf8ToGbk("宋体"));
    return record;
}

TEST(PlatformFonts, RecordMapsToPixelSizeWeightAndStyle) {
    forms::FontRecord record = SongRecord(-16, 700);
    record.italic = 1;
    record.underline = 1;
    const QFont font = platform::FontFromRecord(record);
    // The Song face is asked of Qt by its own family.
    EXPECT_EQ(font.family(), Utf8(platform::kSongSubstitute));
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

TEST(PlatformFonts, OtherFacesAreAskedForByTheirOwnName) {
    forms::FontRecord record = SongRecord(-14, 400);
    record.SetFace(runtime::Utf8ToGbk("黑体"));
    EXPECT_EQ(platform::FontFromRecord(record).family(), Utf8("黑体"));
}

TEST(PlatformFonts, UnsetFieldsKeepTheDefaultFont) {
    forms::FontRecord record;
    record.weight = 0;
    const QFont font = platform::FontFromRecord(record);
    EXPECT_EQ(font.family(), Utf8(platform::kSongSubstitute));
    EXPECT_EQ(font.pixelSize(), platform::kDefaultFontPixelSize);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_EQ(platform::FontFromStored(std::nullopt), platform::DefaultGuiFont());
    EXPECT_EQ(platform::DefaultGuiFont().pixelSize(), 12);
}

// Fonts are made once per record and remembered; a record that differs in
// any field gets its own font, also once more fonts than are remembered
// have been made.
TEST(PlatformFonts, RememberedFontsMatchTheirRecords) {
    for (int round = 0; round < 2; ++round) {
        for (int32_t pixels = 8; pixels < 8 + 80; ++pixels) {
            SCOPED_TRACE(pixels);
            forms::FontRecord record = SongRecord(-pixels, pixels % 2 == 0 ? 400 : 700);
            const QFont font = platform::FontFromRecord(record);
            EXPECT_EQ(font.pixelSize(), pixels);
            EXPECT_EQ(font.bold(), pixels % 2 != 0);
            record.underline = 1;
            EXPECT_TRUE(platform::FontFromRecord(record).underline());
            EXPECT_FALSE(platform::FontFromRecord(SongRecord(-pixels, 400)).underline());
        }
    }
}

TEST(PlatformFonts, SongFaceResolvesToTheInstalledSubstitute) {
    for (int pixels : {12, 16, 19, 29}) {
        SCOPED_TRACE(pixels);
        const QFontInfo info(platform::FontFromRecord(SongRecord(-pixels, 400)));
        EXPECT_EQ(info.family(), Utf8(platform::kSongSubstitute));
        EXPECT_EQ(info.pixelSize(), pixels);
    }
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), Utf8(platform::kSongSubstitute));
}

TEST(PlatformText, GbkRoundTrip) {
    for (const char* utf8 : {"", "ppm(uL/L)", "衡朴湿度(带压力农历)换算软件", "℃ td"}) {
        SCOPED_TRACE(utf8);
        const std::string gbk = runtime::Utf8ToGbk(utf8);
        const QString text = platform::GbkToQString(gbk);
        EXPECT_EQ(text, Utf8(utf8));
        EXPECT_EQ(platform::QStringToGbk(text), gbk);
    }
}

// A picture with four solid quadrants, saved by Qt's own JPEG writer.
QImage Quadrants() {
    QImage image(34, 18, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.fillRect(0, 0, 17, 9, QColor(255, 0, 0));
    painter.fillRect(17, 0, 17, 9, QColor(0, 255, 0));
    painter.fillRect(0, 9, 17, 9, QColor(0, 0, 255));
    painter.fillRect(17, 9, 17, 9, QColor(255, 255, 255));
    return image;
}

std::vector<uint8_t> EncodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 100));
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// JPEG is lossy: a decoded colour is close to, not equal to, the original.
bool Near(QColor a, QColor b) {
    constexpr int kTolerance = 12;
    return std::abs(a.red() - b.red()) <= kTolerance &&
           std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
}

TEST(PlatformJpeg, DecodesWhatQtWrote) {
    const QImage original = Quadrants();
    const std::vector<uint8_t> bytes = EncodeJpeg(original);
    const std::optional<QImage> decoded = platform::DecodeJpeg(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->size(), original.size());
    for (QPoint at : {QPoint(4, 4), QPoint(29, 4), QPoint(4, 13), QPoint(29, 13)}) {
        SCOPED_TRACE(at.x() * 100 + at.y());
        EXPECT_TRUE(Near(decoded->pixelColor(at), original.pixelColor(at)));
    }
    EXPECT_TRUE(platform::DecodePicture(bytes));
}

// The offset of the SOF0 frame header's height field.
size_t FrameHeightOffset(const std::vector<uint8_t>& jpeg) {
    for (size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) return i + 5;
    }
    return 0;
}

TEST(PlatformJpeg, DamagedPicturesFailCleanly) {
    const std::vector<uint8_t> valid = EncodeJpeg(Quadrants());
    const size_t heightAt = FrameHeightOffset(valid);
    ASSERT_NE(heightAt, 0u);
    std::vector<uint8_t> huge = valid;
    huge[heightAt] = huge[heightAt + 2] = 0xFF;  // 65280+ pixels on each side
    std::vector<uint8_t> zeroHeight = valid;
    zeroHeight[heightAt] = zeroHeight[heightAt + 1] = 0;
    std::vector<uint8_t> garbage = {0xFF, 0xD8};
    for (int i = 0; i < 64; ++i) garbage.push_back(uint8_t(i * 37));

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not a JPEG", {'h', 'e', 'l', 'l', 'o'}},
        {"start marker followed by garbage", garbage},
        {"cut inside the headers", std::vector<uint8_t>(valid.begin(), valid.begin() + 40)},
        {"frame larger than any picture", huge},
        {"frame without height", zeroHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(platform::DecodeJpeg(c.bytes));
        EXPECT_FALSE(platform::DecodePicture(c.bytes));
    }
}

std::vector<uint8_t> ReadAsset(const char* name) {
    QFile file(QString::fromUtf8(HC_ASSET_DIR) + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

TEST(PlatformIcon, DecodesTheProgramIcon) {
    const std::optional<QImage> icon = platform::DecodeIcon(ReadAsset("program.ico"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->size(), QSize(32, 32));
    EXPECT_FALSE(platform::DecodeIcon(std::vector<uint8_t>{0, 0, 1, 0, 1, 0}));
    EXPECT_FALSE(platform::DecodeIcon({}));
}

TEST(PlatformScreen, OffscreenScreenHasASize) {
    EXPECT_FALSE(platform::ScreenSize().isEmpty());
}

// A small screen, or a large scale factor, leaves less room than a window
// needs: its title bar must stay on the screen, where it can be dragged.
TEST(PlatformScreen, CentredWindowsKeepTheirTopLeftCornerOnTheScreen) {
    struct Case {
        const char* name;
        QRect available;
        QSize outer;
        QPoint corner;
    };
    const Case cases[] = {
        {"centred when it fits", {0, 0, 1280, 1024}, {700, 501}, {290, 261}},
        {"centred below a top panel", {0, 30, 1280, 994}, {700, 500}, {290, 277}},
        {"too wide: left edge on the screen", {0, 0, 400, 300}, {700, 200}, {0, 50}},
        {"too tall: title bar on the screen", {0, 0, 400, 300}, {300, 500}, {50, 0}},
        {"too large on a second screen", {1280, 24, 400, 300}, {700, 500}, {1280, 24}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::CentredCorner(c.available, c.outer), c.corner);
    }
}

TEST(PlatformTranslations, MessageBoxButtonReadsChinese) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), Utf8("确定"));
}

}  // namespace
}  // namespace platform

int main(int argc, char** argv) {
    // Test discovery runs this program outside the test environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFonts();
    if (!platform::InstallTranslations()) return 1;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
