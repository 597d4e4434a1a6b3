#include "platform/platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPalette>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "platform/icon_file.h"
#include "platform/jpeg.h"
#include "runtime/gbk.h"

namespace platform {
namespace {

// The lowest and highest weights QFont accepts; stored weights use the same
// 100-900 scale, with 0 meaning "don't care".
constexpr int kMinWeight = 1;
constexpr int kMaxWeight = 1000;

constexpr uint8_t kJpegStart[] = {0xFF, 0xD8};
constexpr const char* kQtTranslation = "qtbase_zh_CN";

QByteArray AsByteArray(std::span<const uint8_t> bytes) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                   qsizetype(bytes.size()));
}

QColor PaletteColour(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(role);
}

bool StartsLikeJpeg(std::span<const uint8_t> bytes) {
    return bytes.size() >= std::size(kJpegStart) &&
           std::equal(std::begin(kJpegStart), std::end(kJpegStart), bytes.begin());
}

}  // namespace

QString GbkToQString(std::string_view gbk) {
    return QString::fromStdString(runtime::GbkToUtf8(gbk));
}

std::string QStringToGbk(const QString& text) {
    return runtime::Utf8ToGbk(text.toStdString());
}

QColor ColourFromStored(uint32_t stored) {
    if (stored == forms::kButtonFaceColour) return PaletteColour(QPalette::Button);
    if (stored == forms::kHighlightColour) return PaletteColour(QPalette::Highlight);
    return QColor(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF));
}

QString QtFontFamily(const QString& face) {
    static const QString song = QString::fromUtf8(kSongFace);
    return face == song ? SongFamily() : face;
}

QString SongFamily() {
    return QString::fromUtf8(kSongSubstitute);
}

QFont DefaultGuiFont() {
    QFont font(SongFamily());
    font.setPixelSize(kDefaultFontPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

namespace {

// The fonts made so far, per thread (fonts are not shared between threads).
// A form uses a handful of fonts over and over; making each once also lets
// every control with that font share Qt's data for it.
constexpr size_t kRememberedFonts = 64;

struct MadeFont {
    forms::FontRecord record;
    QFont font;
};

QFont MakeFont(const forms::FontRecord& record) {
    QFont font = DefaultGuiFont();
    const QString face = GbkToQString(record.Face());
    if (!face.isEmpty()) font.setFamily(QtFontFamily(face));
    // Windows gives a cell height for positive values; with this face the
    // cell and the character height coincide, so both map to pixels.
    if (record.height != 0) font.setPixelSize(record.height < 0 ? -record.height : record.height);
    if (record.weight != 0) {
        font.setWeight(QFont::Weight(std::clamp(record.weight, kMinWeight, kMaxWeight)));
    }
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    return font;
}

}  // namespace

QFont FontFromRecord(const forms::FontRecord& record) {
    thread_local std::vector<MadeFont> made;
    for (const MadeFont& entry : made) {
        if (entry.record == record) return entry.font;
    }
    if (made.size() == kRememberedFonts) made.clear();
    made.push_back({record, MakeFont(record)});
    return made.back().font;
}

QFont FontFromStored(const forms::StoredFont& font) {
    return font ? FontFromRecord(*font) : DefaultGuiFont();
}

void InstallFonts() {
    QFont::insertSubstitutions(QString::fromUtf8(kSongFace), {QString::fromUtf8(kSongSubstitute)});
    QApplication::setFont(DefaultGuiFont());
}

bool InstallTranslations() {
    // The translator lives as long as the program.
    static QTranslator translator;
    if (!translator.load(QString::fromUtf8(kQtTranslation),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize();
}

QPoint CentredCorner(QRect available, QSize outer) {
    const QPoint centred(available.left() + (available.width() - outer.width()) / 2,
                         available.top() + (available.height() - outer.height()) / 2);
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

std::optional<QPoint> CentredOnScreen(QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return std::nullopt;
    return CentredCorner(screen->availableGeometry(), outer);
}

std::optional<QImage> DecodePicture(std::span<const uint8_t> bytes) {
    if (StartsLikeJpeg(bytes)) return DecodeJpeg(bytes);
    QImage image = QImage::fromData(AsByteArray(bytes));
    if (image.isNull()) return std::nullopt;
    return image;
}

std::optional<QImage> DecodeIcon(std::span<const uint8_t> bytes) {
    if (std::optional<QImage> bitmap = ReadBitmapIcon(bytes)) return bitmap;
    QImage image = QImage::fromData(AsByteArray(bytes), "ICO");
    if (image.isNull()) return std::nullopt;
    return image;
}

}  // namespace platform
