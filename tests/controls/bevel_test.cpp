// The bevels and etched frames painted by filling one-pixel rectangles must
// give exactly the pixels of Qt's own line drawing: every size from nothing
// to a few dozen pixels, sunken and raised, in the default palette and in
// one of distinct colours, with and without a clip, and with a translucent
// colour, which takes Qt's own drawing.

#include <gtest/gtest.h>
#include <qdrawutil.h>

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <functional>
#include <string>

#include "controls/kinds/borders.h"

namespace controls::kinds {
namespace {

constexpr int kCanvas = 48;
constexpr int kOrigin = 3;
const QColor kBackground(0x12, 0x34, 0x56);

using Paint = std::function<void(QPainter&)>;

QImage Painted(const Paint& paint, const QRegion& clip) {
    QImage image(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackground);
    QPainter painter(&image);
    if (!clip.isEmpty()) painter.setClipRegion(clip);
    paint(painter);
    return image;
}

// Each colour role its own colour, so a line in the wrong colour shows.
QPalette DistinctPalette() {
    QPalette palette;
    palette.setColor(QPalette::Light, QColor(250, 10, 10));
    palette.setColor(QPalette::Midlight, QColor(10, 250, 10));
    palette.setColor(QPalette::Dark, QColor(10, 10, 250));
    palette.setColor(QPalette::Shadow, QColor(250, 250, 10));
    palette.setColor(QPalette::Button, QColor(10, 250, 250));
    return palette;
}

QPalette TranslucentPalette() {
    QPalette palette = DistinctPalette();
    palette.setColor(QPalette::Dark, QColor(10, 10, 250, 128));
    return palette;
}

struct Case {
    const char* name;
    QPalette palette;
    QRegion clip;
};

std::vector<Case> Cases() {
    const QRegion clip = QRegion(0, 0, kCanvas, kCanvas).subtracted(QRegion(8, 0, 9, 12));
    return {{"default palette", QPalette(), {}},
            {"distinct colours", DistinctPalette(), {}},
            {"distinct colours, clipped", DistinctPalette(), clip},
            {"translucent colour", TranslucentPalette(), {}}};
}

// Where two paintings differ first, or empty when they are the same.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x) {
            if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
            return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                   QColor(actual.pixel(x, y)).name().toStdString() + ", Qt paints " +
                   QColor(expected.pixel(x, y)).name().toStdString();
        }
    }
    return {};
}

// Compares our painting with Qt's for every size and both reliefs.
void ExpectSamePixels(const std::function<void(QPainter&, QRect, const QPalette&, bool)>& ours,
                      const std::function<void(QPainter&, QRect, const QPalette&, bool)>& qts) {
    for (const Case& c : Cases()) {
        for (bool sunken : {true, false}) {
            for (int width = 0; width <= 40; ++width) {
                for (int height : {0, 1, 2, 3, 4, 5, 6, 7, 20, 40}) {
                    const QRect area(kOrigin, kOrigin, width, height);
                    const QImage expected =
                        Painted([&](QPainter& p) { qts(p, area, c.palette, sunken); }, c.clip);
                    const QImage actual =
                        Painted([&](QPainter& p) { ours(p, area, c.palette, sunken); }, c.clip);
                    ASSERT_EQ(FirstDifference(actual, expected), "")
                        << c.name << (sunken ? ", sunken " : ", raised ") << width << "x" << height;
                }
            }
        }
    }
}

TEST(BevelTest, WinPanelGivesQtsPixels) {
    ExpectSamePixels(DrawWinPanel, [](QPainter& p, QRect area, const QPalette& palette,
                                      bool sunken) { qDrawWinPanel(&p, area, palette, sunken); });
}

TEST(BevelTest, ShadeRectGivesQtsPixels) {
    ExpectSamePixels([](QPainter& p, QRect area, const QPalette& palette,
                        bool sunken) { DrawShadeRect(p, area, palette, sunken); },
                     [](QPainter& p, QRect area, const QPalette& palette, bool sunken) {
                         qDrawShadeRect(&p, area, palette, sunken, 1, 0);
                     });
}

// A frame with a gap left out gives Qt's frame clipped to all but the gap:
// gaps across the top lines (a caption's), across the left lines, over a
// corner, inside the frame and over all of it.
TEST(BevelTest, ShadeRectLeavesTheGapOut) {
    for (const QRect gap : {QRect(8, 0, 9, 12), QRect(2, 6, 4, 9), QRect(0, 0, 6, 6),
                            QRect(10, 10, 3, 3), QRect(0, 0, kCanvas, kCanvas)}) {
        ExpectSamePixels([gap](QPainter& p, QRect area, const QPalette& palette,
                               bool sunken) { DrawShadeRect(p, area, palette, sunken, gap); },
                         [gap](QPainter& p, QRect area, const QPalette& palette, bool sunken) {
                             p.setClipRegion(QRegion(area).subtracted(gap), Qt::IntersectClip);
                             qDrawShadeRect(&p, area, palette, sunken, 1, 0);
                         });
    }
}

}  // namespace
}  // namespace controls::kinds
