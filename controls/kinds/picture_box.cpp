// The picture box kind "图片框": the decoded picture over the background
// colour, scaled down to fit the box with its proportions kept, centred.

#include <QPainter>

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"

namespace forms::kinds {
namespace {

using T = PropertyType;
constexpr PropertyType kProperties[] = {
    T::Integer, T::Integer, T::Integer,      T::Integer, T::Text,
    T::Logical, T::Logical, T::MousePointer, T::Choice,  T::BackColour,
    T::Picture, T::Choice,  T::Logical,      T::Text3,   T::Text4,
};

// Kind-specific property indexes (the property number − 8).
enum class Index : int32_t {
    Property8 = 0,
    BackgroundColour,
    Picture,
    Property11,
    Property12,
    Property13,
    Property14,
};

class PictureControl : public QWidget {
public:
    PictureControl(const PictureBoxData& data, QWidget* parent) : QWidget(parent) { setData(data); }

    const PictureBoxData& data() const { return data_; }

    void setData(const PictureBoxData& data) {
        data_ = data;
        picture_ = data_.picture.empty() ? std::nullopt : runtime::DecodePicture(data_.picture);
        fit();
        update();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        fit();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), runtime::ColourFromStored(data_.backgroundColour));
        if (picture_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target_, *picture_);
        }
    }

private:
    // The picture's place: its own size when it fits, else scaled down.
    void fit() {
        if (!picture_) return;
        QSize size = picture_->size();
        if (size.width() > width() || size.height() > height()) {
            size.scale(this->size(), Qt::KeepAspectRatio);
        }
        target_ = QRect(QPoint(0, 0), size);
        target_.moveCenter(rect().center());
    }

    PictureBoxData data_;
    std::optional<QImage> picture_;
    QRect target_;
};

QWidget* Create(const CreateRequest& request) {
    std::optional<PictureBoxData> data = ReadRequestData<PictureBoxData>(request);
    if (!data) return nullptr;
    auto* picture = new PictureControl(*data, request.parent);
    picture->setGeometry(request.geometry);
    return picture;
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* picture = dynamic_cast<PictureControl*>(control);
    if (picture == nullptr) return;
    PictureBoxData d = picture->data();
    switch (Index(index)) {
        case Index::Property8:
            d.property8 = value.AsUnsigned();
            break;
        case Index::BackgroundColour:
            d.backgroundColour = value.AsUnsigned();
            break;
        case Index::Picture:
            d.picture = BytesOfValue(value);
            break;
        case Index::Property11:
            d.property11 = value.AsUnsigned();
            break;
        case Index::Property12:
            d.property12 = value.AsUnsigned();
            break;
        case Index::Property13:
            d.property13 = value.bytes;
            break;
        case Index::Property14:
            d.property14 = value.bytes;
            break;
    }
    picture->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* picture = dynamic_cast<const PictureControl*>(control);
    if (picture == nullptr) return {};
    const PictureBoxData& d = picture->data();
    switch (Index(index)) {
        case Index::Property8:
            return PropertyValue::Number(d.property8);
        case Index::BackgroundColour:
            return PropertyValue::Number(d.backgroundColour);
        case Index::Picture:
            return ValueOfBytes(d.picture);
        case Index::Property11:
            return PropertyValue::Number(d.property11);
        case Index::Property12:
            return PropertyValue::Number(d.property12);
        case Index::Property13:
            return PropertyValue::Text(d.property13);
        case Index::Property14:
            return PropertyValue::Text(d.property14);
    }
    return {};
}

Bytes Serialise(QWidget* control) {
    const auto* picture = dynamic_cast<const PictureControl*>(control);
    return picture != nullptr ? WriteKindData(picture->data()) : Bytes{};
}

}  // namespace

KindParts PictureBoxKind() {
    return {kProperties, {Create, SetProperty, GetProperty, Serialise, nullptr}};
}

}  // namespace forms::kinds
