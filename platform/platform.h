#pragma once
// The windowing platform under the runtime and the control kinds: Qt Widgets.
//
//   GBK bytes ──► GbkToQString ──► Qt widgets ──► QStringToGbk ──► GBK bytes
//   0x00BBGGRR ──► ColourFromStored ──► QColor
//   FontRecord ──► FontFromRecord ──► QFont (宋体 → AR PL UMing CN)
//   picture / icon bytes ──► DecodePicture / DecodeIcon ──► QImage
//
// Everything inside the program is GBK; Qt gets UTF-16 only at this
// boundary. Call InstallFonts and InstallTranslations once, after the
// QApplication exists and before the first widget is created.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/kind_data.h"

namespace platform {

QString GbkToQString(std::string_view gbk);
std::string QStringToGbk(const QString& text);

// A stored 0x00BBGGRR colour; the button-face and highlight stand-ins of
// the forms become the palette's colours.
QColor ColourFromStored(uint32_t stored);

// The Song-style face the forms name, and what it is drawn with here.
inline constexpr const char* kSongFace = "宋体";
inline constexpr const char* kSongSubstitute = "AR PL UMing CN";
// The default GUI font's pixel size, as on a Chinese desktop.
inline constexpr int kDefaultFontPixelSize = 12;

// The family asked of Qt for a face name the forms give. The Song face is
// asked for by its own family rather than by "宋体": a font asked for by a
// substituted name makes Qt look up its fallback fonts through fontconfig at
// once, for each style and script, which costs more than the rest of the
// font's loading; asked for by its own family, fallbacks are looked up only
// for a character the face lacks. The glyphs are the same.
QString QtFontFamily(const QString& face);
// The family of the Song face, as asked of Qt.
QString SongFamily();

// "宋体" 12 px, without antialiasing so that the face's bitmaps stay crisp.
QFont DefaultGuiFont();
// A stored font record: a negative height is the character height in
// pixels; weight, italic, underline and strike-out carry over.
QFont FontFromRecord(const forms::FontRecord& record);
// A stored font BLOB: empty means the default GUI font.
QFont FontFromStored(const forms::StoredFont& font);

// Maps "宋体" to the installed Song face and makes it the application font.
void InstallFonts();
// Loads Qt's own Simplified Chinese texts (message-box buttons read "确定").
// Returns false when the translation file is missing.
bool InstallTranslations();

// The primary screen's size in pixels; empty without a screen.
QSize ScreenSize();

// Where a window of `outer` size, frame included, goes to sit centred in
// `available`; a window larger than that keeps its top-left corner, and so
// its title bar, inside it.
QPoint CentredCorner(QRect available, QSize outer);
// The same in the area of the primary screen that windows may use (without
// the desktop's panels); nullopt without a screen.
std::optional<QPoint> CentredOnScreen(QSize outer);

// A stored picture (JPEG through libjpeg, other image files through Qt's
// readers) and a stored Windows icon file; nullopt when undecodable.
std::optional<QImage> DecodePicture(std::span<const uint8_t> bytes);
std::optional<QImage> DecodeIcon(std::span<const uint8_t> bytes);

}  // namespace platform
