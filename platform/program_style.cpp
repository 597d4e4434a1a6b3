#include "platform/program_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <optional>

namespace platform {
namespace {

bool IsExtensionButtonIcon(QStyle::StandardPixmap icon) {
    return icon == QStyle::SP_ToolBarHorizontalExtensionButton ||
           icon == QStyle::SP_ToolBarVerticalExtensionButton;
}

// An icon that asks the style for the real one the first time it is used and
// hands everything on to that.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap icon)
        : style_(style), icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    bool isNull() override { return real().isNull(); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    QIcon& real() {
        if (!real_) real_ = style_ != nullptr ? style_->standardIcon(icon_) : QIcon();
        return *real_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    std::optional<QIcon> real_;
};

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (option == nullptr && IsExtensionButtonIcon(icon)) {
        return QIcon(new DeferredStandardIcon(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void InstallProgramStyle() {
    if (dynamic_cast<ProgramStyle*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new ProgramStyle);
}

}  // namespace platform
