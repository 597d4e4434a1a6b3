#include "kinds_test_support.h"

#include <gtest/gtest.h>

#include <QPalette>

#include "runtime/gbk.h"

namespace runtime::testing {
namespace {

struct OpenerLog {
    std::vector<QString> opened;
    bool succeed = true;
};

OpenerLog& Log() {
    static OpenerLog log;
    return log;
}

bool RecordOpen(const QString& url) {
    Log().opened.push_back(url);
    return Log().succeed;
}

}  // namespace

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

std::string Gbk(const char* utf8) {
    return Utf8ToGbk(utf8);
}

const controls::KindDescriptor& Kind(forms::KindCode code) {
    const controls::KindDescriptor* kind = controls::FindKindDescriptor(uint32_t(code));
    if (kind == nullptr) {
        ADD_FAILURE() << "kind " << std::hex << uint32_t(code) << " is not registered";
        std::abort();
    }
    return *kind;
}

QWidget* CreateControl(forms::KindCode code, const forms::Bytes& kindData, QRect geometry,
                       QWidget* parent) {
    constexpr controls::UnitAddress kUnloadedUnit{0x52FFFFFF, 0x16FFFFFF};
    controls::CreateRequest request;
    request.address = kUnloadedUnit;
    request.kindData = kindData;
    request.geometry = geometry;
    request.stateFlags = forms::kVisible;
    request.parent = parent;
    QWidget* control = Kind(code).routines.create(request);
    if (control != nullptr) control->show();
    return control;
}

forms::Bytes WithVersion(forms::Bytes kindData, uint32_t version) {
    for (size_t i = 0; i < sizeof(version); ++i) kindData.at(i) = uint8_t(version >> (8 * i));
    return kindData;
}

Backdrop::Backdrop(QColor colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(kSize);
    show();
}

QImage Render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<QPoint> PixelsOf(const QImage& image, QColor colour, QRect area) {
    std::vector<QPoint> points;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image.pixelColor(x, y) == colour) points.emplace_back(x, y);
        }
    }
    return points;
}

QRect InkBox(const QImage& image, QColor colour, QRect area) {
    QRect box;
    for (const QPoint& point : PixelsOf(image, colour, area)) box |= QRect(point, QSize(1, 1));
    return box;
}

RecordingOpener::RecordingOpener(bool succeed)
    : previous_(extended_controls::SetLinkOpener(RecordOpen)) {
    Log() = OpenerLog{{}, succeed};
}

RecordingOpener::~RecordingOpener() {
    extended_controls::SetLinkOpener(previous_);
}

const std::vector<QString>& RecordingOpener::opened() const {
    return Log().opened;
}

void RecordingOpener::setSucceed(bool succeed) {
    Log().succeed = succeed;
}

}  // namespace runtime::testing
