// The picture box kind "图片框": the decoded picture over the background
// colour, scaled down to fit the box with its proportions kept, centred.

#include <QPainter>

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"

namespace forms::kinds {
namespace {

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
    SetStoredProperty(d, index, value);
    picture->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* picture = dynamic_cast<const PictureControl*>(control);
    return picture != nullptr ? GetStoredProperty(picture->data(), index) : PropertyValue{};
}

Bytes Serialise(QWidget* control) {
    const auto* picture = dynamic_cast<const PictureControl*>(control);
    return picture != nullptr ? WriteKindData(picture->data()) : Bytes{};
}

}  // namespace

KindParts PictureBoxKind() {
    return {PropertyTypes<PictureBoxData>(),
            {Create, SetProperty, GetProperty, Serialise, nullptr}};
}

}  // namespace forms::kinds
