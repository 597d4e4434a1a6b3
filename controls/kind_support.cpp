#include "controls/kind_support.h"

#include <QStringList>

#include "controls/control_model.h"
#include "forms/stored_values.h"
#include "platform/platform.h"

namespace controls {

QString DisplayText(const std::string& gbk) {
    QString text = platform::GbkToQString(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string StoredText(const QString& text) {
    QString stored = text;
    stored.replace(QChar('\n'), QStringLiteral("\r\n"));
    return platform::QStringToGbk(stored);
}

QString KeepableText(const QString& text) {
    QString visible;
    visible.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (QChar::category(c) == QChar::Other_Format && StoredText(character) == "?") continue;
        visible.append(character);
    }
    return DisplayText(StoredText(visible));
}

void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour) {
    QPalette palette = widget.palette();
    palette.setColor(textRole, platform::ColourFromStored(textColour));
    palette.setColor(backgroundRole, platform::ColourFromStored(backgroundColour));
    widget.setPalette(palette);
}

bool IsListKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_F4:
            return true;
        default:
            return false;
    }
}

Qt::Alignment HorizontalAlignmentFlag(uint32_t alignment, Qt::Alignment otherwise) {
    switch (forms::Alignment(alignment)) {
        case forms::Alignment::Near:
            return Qt::AlignLeft;
        case forms::Alignment::Centre:
            return Qt::AlignHCenter;
        case forms::Alignment::Far:
            return Qt::AlignRight;
    }
    return otherwise;
}

Qt::Alignment VerticalAlignmentFlag(uint32_t alignment) {
    switch (forms::Alignment(alignment)) {
        case forms::Alignment::Near:
            return Qt::AlignTop;
        case forms::Alignment::Far:
            return Qt::AlignBottom;
        default:
            return Qt::AlignVCenter;
    }
}

uint32_t StoredFromColour(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

UnitLink::~UnitLink() {
    if (live()) ReportUnitGone(address_.windowId, address_.unitId);
}

bool UnitLink::live() const {
    return control_ != nullptr && LiveControl(address_.windowId, address_.unitId) == control_;
}

void UnitLink::Fire(int32_t event, std::span<const int32_t> args) const {
    if (live()) FireEvent(address_.windowId, address_.unitId, event, args);
}

}  // namespace controls
