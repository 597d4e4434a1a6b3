#pragma once
// Shared pieces of the runtime kinds' tests: creating a control through the
// registered kind, its property routines, pixels of a rendered widget, and a
// link opener that records instead of starting a browser.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/kind_registry.h"
#include "controls/kind_support.h"
#include "extended_controls/link_opener.h"
#include "forms/kind_data.h"

namespace runtime::testing {

QString Utf8(const char* text);
std::string Gbk(const char* utf8);

// The kind's registered descriptor; the test fails when it is missing.
const controls::KindDescriptor& Kind(forms::KindCode code);

// Creates a control of the kind at `geometry` inside `parent`, as the window
// builder would, for a unit of a window that is not loaded.
QWidget* CreateControl(forms::KindCode code, const forms::Bytes& kindData, QRect geometry,
                       QWidget* parent);

// The kind's property routines, addressed by property number.
template <typename Property>
void SetProperty(forms::KindCode code, QWidget* control, Property property,
                 const forms::PropertyValue& value) {
    Kind(code).routines.setProperty(control, int32_t(property) - forms::kFirstKindProperty, value);
}
template <typename Property>
forms::PropertyValue GetProperty(forms::KindCode code, QWidget* control, Property property) {
    return Kind(code).routines.getProperty(control, int32_t(property) - forms::kFirstKindProperty);
}

// Kind data of a layout version the reader refuses.
forms::Bytes WithVersion(forms::Bytes kindData, uint32_t version);

// A plain top-level widget filled with one colour, shown offscreen, to put
// controls on.
class Backdrop : public QWidget {
public:
    static constexpr QSize kSize{240, 120};
    explicit Backdrop(QColor colour);
};

// The widget as it appears on screen, in 32-bit RGB.
QImage Render(QWidget& widget);
// The points of `area` whose pixel has exactly this colour.
std::vector<QPoint> PixelsOf(const QImage& image, QColor colour, QRect area);
// The bounding box of those points; empty when there are none.
QRect InkBox(const QImage& image, QColor colour, QRect area);

// Replaces the link opener for one test: every URL handed to it is recorded
// and the opener answers `succeed`.
class RecordingOpener {
public:
    explicit RecordingOpener(bool succeed = true);
    ~RecordingOpener();
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    const std::vector<QString>& opened() const;
    void setSucceed(bool succeed);

private:
    extended_controls::LinkOpener previous_;
};

}  // namespace runtime::testing
