#include "lunar_controls/text_sprites.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace lunar_controls {
namespace {

// The smallest rectangle holding every pixel in which the two pictures of
// the same size and format differ; empty when they are the same.
QRect ChangedPixels(const QImage& painted, const QImage& backdrop) {
    const int width = painted.width();
    const int height = painted.height();
    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(backdrop.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (line[x] == under[x]) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

QFont TextSprites::AliasedFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

qreal TextSprites::Draw(QPainter& painter, QPoint origin, const QImage& backdrop, QRgb pen,
                        const QRectF& area, int flags, const QString& text) {
    if (text.isEmpty()) return 0;
    const Key key{text,         backdrop.cacheKey(), area.x(), area.y(),
                  area.width(), area.height(),       flags,    pen};
    auto sprite = sprites_.constFind(key);
    if (sprite == sprites_.cend()) {
        if (sprites_.size() >= kMaxSprites) sprites_.clear();
        sprite = sprites_.insert(key, Make(backdrop, pen, area, flags, text));
    }
    if (!sprite->image.isNull()) painter.drawImage(origin + sprite->offset, sprite->image);
    return sprite->advance;
}

TextSprites::Sprite TextSprites::Make(const QImage& backdrop, QRgb pen, const QRectF& area,
                                      int flags, const QString& text) const {
    const QImage under = backdrop.convertToFormat(QImage::Format_RGB32);
    QImage stage = under.copy();
    const QFont font = Font();
    {
        QPainter painter(&stage);
        painter.setFont(font);
        painter.setPen(QColor(pen));
        painter.drawText(area, flags, text);
    }
    Sprite sprite;
    sprite.advance = QFontMetricsF(font).horizontalAdvance(text);
    const QRect changed = ChangedPixels(stage, under);
    if (!changed.isEmpty()) {
        sprite.image = stage.copy(changed);
        sprite.offset = changed.topLeft();
    }
    return sprite;
}

}  // namespace lunar_controls
