#pragma once
// Short texts of an aliased face at a pixel size, drawn once and copied from
// then on.
//
//   first use:  backdrop copy ─► drawText(area, flags, text) ─► crop to the changed pixels ─►
//   sprite every use:  sprite ─► QPainter::drawImage at the backdrop's place (an opaque copy)
//
// An aliased text is a fixed set of pixels in the pen colour, so on the
// same backdrop at a whole-pixel place it always gives the same picture.
// The copy matches drawText exactly where the widget holds the backdrop's
// pixels beneath the text: callers copy onto areas they have just painted
// as the backdrop, and only texts whose changed pixels stay clear of every
// other text's.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QRgb>
#include <QString>

class QPainter;

namespace lunar_controls {

class TextSprites {
public:
    // With this many kept, all are dropped and made again as they are used.
    // A grid shows a few hundred distinct texts, so the limit only guards
    // against unbounded growth.
    static constexpr qsizetype kMaxSprites = 1024;

    // The cache keeps the face's name and size rather than a QFont, so that
    // one cache can outlive the application object and serve every grid.
    TextSprites(const QString& family, int pixelSize) : family_(family), pixelSize_(pixelSize) {}

    // The face at the pixel size without antialiasing, which the texts are
    // drawn in.
    static QFont AliasedFont(const QString& family, int pixelSize);
    QFont Font() const { return AliasedFont(family_, pixelSize_); }

    // Paints `text` as QPainter::drawText(area, flags, text) in this font
    // and the pen colour paints it onto `backdrop`, with the backdrop's top
    // left at `origin` of the painter; `area` is in the backdrop's
    // coordinates; what would fall outside the backdrop is not painted.
    // Returns the text's advance, where a following text starts.
    qreal Draw(QPainter& painter, QPoint origin, const QImage& backdrop, QRgb pen,
               const QRectF& area, int flags, const QString& text);

    qsizetype size() const { return sprites_.size(); }

private:
    struct Key {
        QString text;
        qint64 backdrop;  // QImage::cacheKey
        qreal x, y, width, height;
        int flags;
        QRgb pen;
        friend bool operator==(const Key&, const Key&) = default;
        // The text and pen tell the sprites apart well enough; the few that
        // share them differ in place and are told apart by comparison.
        friend size_t qHash(const Key& key, size_t seed) {
            return qHashMulti(seed, key.text, key.pen);
        }
    };
    struct Sprite {
        QImage image;  // null when the text changes no pixel
        QPoint offset;
        qreal advance = 0;
    };

    Sprite Make(const QImage& backdrop, QRgb pen, const QRectF& area, int flags,
                const QString& text) const;

    QString family_;
    int pixelSize_;
    QHash<Key, Sprite> sprites_;
};

}  // namespace lunar_controls
