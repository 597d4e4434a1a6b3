// The parts the day grid paints its pages with: the cell text tables, and
// the text sprites compared with drawText.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>

#include "lunar_controls/grid_cells.h"
#include "lunar_controls/text_sprites.h"
#include "platform/platform.h"
#include "tests/lunar_controls/gui_support.h"
#include "tests/lunar_controls/plain_page.h"

namespace lunar_controls {
namespace {

using test::Gbk;

TEST(GridCellTexts, TablesGiveTheTextsOfTheNames) {
    struct Case {
        const char* name;
        QString text;
        const char* expected;  // UTF-8
    };
    const Case cases[] = {
        {"a Gregorian day", grid_cells::SolarText({2014, 2, 10, 0}), "10"},
        {"the first of a month", grid_cells::SolarText({2014, 2, 1, 0}), "2.1"},
        {"the first of December", grid_cells::SolarText({2014, 12, 1, 0}), "12.1"},
        {"the 31st", grid_cells::SolarText({2014, 12, 31, 0}), "31"},
        {"no Gregorian month", grid_cells::SolarText({2014, 0, 1, 0}), ""},
        {"a lunar day", grid_cells::LunarText({2014, 1, 2, false}), "初二"},
        {"the twentieth", grid_cells::LunarText({2014, 1, 20, false}), "二十"},
        {"the thirtieth", grid_cells::LunarText({2014, 1, 30, false}), "三十"},
        {"a month's first day", grid_cells::LunarText({2014, 2, 1, false}), "二月"},
        {"a leap month's first day", grid_cells::LunarText({2020, 4, 1, true}), "闰四月"},
        {"the eleventh month", grid_cells::LunarText({2014, 11, 1, false}), "冬月"},
        {"the twelfth month", grid_cells::LunarText({2014, 12, 1, false}), "腊月"},
        {"the zero date", grid_cells::LunarText(lunar::LunarDate{}), ""},
        {"no lunar month", grid_cells::LunarText({2014, 0, 1, false}), ""},
        {"the footer's first day", grid_cells::LunarDayText(1), "初一"},
        {"no lunar day", grid_cells::LunarDayText(31), ""},
        {"a solar term", grid_cells::SolarTermText(3), "立春"},
        {"the last solar term", grid_cells::SolarTermText(24), "冬至"},
        {"no solar term", grid_cells::SolarTermText(25), ""},
        {"Monday", grid_cells::WeekdayText(0), "星期一"},
        {"Sunday", grid_cells::WeekdayText(6), "星期日"},
        {"no weekday", grid_cells::WeekdayText(7), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::QStringToGbk(c.text), Gbk(c.expected));
    }
}

QFont AliasedSong() {
    QFont font(QString::fromUtf8(platform::kSongFace));
    font.setPixelSize(grid_layout::kSolarTextPixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

TextSprites SongSprites() {
    return TextSprites(QString::fromUtf8(platform::kSongFace), grid_layout::kSolarTextPixels);
}

// A backdrop with a border, as the grid's pictures have.
QImage Backdrop(QSize size, QRgb fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter painter(&image);
    painter.fillRect(image.rect().adjusted(1, 1, -1, -1), QColor(fill));
    return image;
}

struct SpriteCase {
    const char* name;
    QRectF area;
    int flags;
    const char* text;  // UTF-8
};

// The backdrop placed on a larger canvas, then the text drawn on it by the
// sprite and by QPainter::drawText.
void ExpectSpriteMatchesDrawText(lunar_controls::TextSprites& sprites, const QImage& backdrop,
                                 const SpriteCase& c) {
    SCOPED_TRACE(c.name);
    const QPoint origin(7, 5);
    const QString text = QString::fromUtf8(c.text);
    const QRgb pen = qRgb(200, 0, 0);
    QImage bySprite(backdrop.width() + 20, backdrop.height() + 20, QImage::Format_RGB32);
    bySprite.fill(Qt::white);
    QImage byDrawText = bySprite;
    {
        QPainter painter(&bySprite);
        painter.drawImage(origin, backdrop);
        const qreal advance = sprites.Draw(painter, origin, backdrop, pen, c.area, c.flags, text);
        EXPECT_EQ(advance, QFontMetricsF(AliasedSong()).horizontalAdvance(text));
    }
    {
        QPainter painter(&byDrawText);
        painter.drawImage(origin, backdrop);
        painter.setFont(AliasedSong());
        painter.setPen(QColor(pen));
        painter.drawText(c.area.translated(origin), c.flags, text);
    }
    EXPECT_EQ(test::DifferingPixels(bySprite, byDrawText), 0);
}

TEST(TextSprites, CopiesGiveTheSamePixelsAsDrawText) {
    const QImage backdrop = Backdrop({53, 33}, qRgb(255, 250, 194));
    const SpriteCase cases[] = {
        {"centred at the bottom", {0, 3, 53, 27}, Qt::AlignHCenter | Qt::AlignBottom, "2.1"},
        {"centred at the top", {0, 3, 53, 27}, Qt::AlignHCenter | Qt::AlignTop, "闰十二月"},
        {"an odd width centred", {0, 3, 53, 27}, Qt::AlignHCenter | Qt::AlignTop, "廿三"},
        {"left at a fractional place", {5.5, 0, 40, 33}, Qt::AlignLeft | Qt::AlignVCenter, "立春"},
        {"too wide, so clipped", {10, 3, 20, 27}, Qt::AlignHCenter | Qt::AlignTop, "星期一二三"},
        {"on the border", {0, 0, 30, 33}, Qt::AlignLeft | Qt::AlignTop, "初五"},
    };
    lunar_controls::TextSprites sprites = SongSprites();
    for (const SpriteCase& c : cases) ExpectSpriteMatchesDrawText(sprites, backdrop, c);
    // Drawn again from the kept sprites.
    for (const SpriteCase& c : cases) ExpectSpriteMatchesDrawText(sprites, backdrop, c);
    EXPECT_EQ(sprites.size(), qsizetype(std::size(cases)));
}

TEST(TextSprites, EachPenBackdropAndPlaceHasItsOwnSprite) {
    lunar_controls::TextSprites sprites = SongSprites();
    const QImage plain = Backdrop({53, 33}, qRgb(255, 250, 194));
    const QImage grey = Backdrop({53, 33}, qRgb(211, 217, 214));
    QImage canvas(60, 40, QImage::Format_RGB32);
    QPainter painter(&canvas);
    const QString text = QStringLiteral("10");
    const QRectF area(0, 3, 53, 27);
    sprites.Draw(painter, {}, plain, qRgb(0, 0, 0), area, Qt::AlignCenter, text);
    sprites.Draw(painter, {}, plain, qRgb(0, 0, 0), area, Qt::AlignCenter, text);
    EXPECT_EQ(sprites.size(), 1);
    sprites.Draw(painter, {}, plain, qRgb(255, 255, 255), area, Qt::AlignCenter, text);
    sprites.Draw(painter, {}, grey, qRgb(0, 0, 0), area, Qt::AlignCenter, text);
    sprites.Draw(painter, {}, plain, qRgb(0, 0, 0), area.translated(0.5, 0), Qt::AlignCenter, text);
    sprites.Draw(painter, {}, plain, qRgb(0, 0, 0), area, Qt::AlignTop, text);
    EXPECT_EQ(sprites.size(), 5);
    EXPECT_EQ(sprites.Draw(painter, {}, plain, qRgb(0, 0, 0), area, Qt::AlignCenter, QString()), 0);
    EXPECT_EQ(sprites.size(), 5) << "an empty text has no sprite";
}

TEST(TextSprites, KeepsNoMoreThanTheLimit) {
    lunar_controls::TextSprites sprites = SongSprites();
    const QImage backdrop = Backdrop({40, 20}, qRgb(255, 255, 255));
    QImage canvas(40, 20, QImage::Format_RGB32);
    QPainter painter(&canvas);
    for (int i = 0; i <= TextSprites::kMaxSprites; ++i) {
        sprites.Draw(painter, {}, backdrop, qRgb(0, 0, 0), QRectF(0, 0, 40, 20), Qt::AlignLeft,
                     QString::number(i));
        ASSERT_LE(sprites.size(), TextSprites::kMaxSprites);
    }
    EXPECT_EQ(sprites.size(), 1) << "the full set was dropped before the last one was made";
}

}  // namespace
}  // namespace lunar_controls
