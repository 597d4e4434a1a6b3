// The picture box kind "图片框": the decoded picture over the background
// colour, scaled down to fit the box with its proportions kept, centred.

#include <QPainter>

#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(const forms::PictureBoxData& data, QWidget* parent) : QWidget(parent) {
        setData(data);
    }

    const forms::PictureBoxData& data() const { return data_; }

    void setData(const forms::PictureBoxData& data) {
        data_ = data;
        picture_ = data_.picture.empty() ? std::nullopt : platform::DecodePicture(data_.picture);
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
        painter.fillRect(rect(), platform::ColourFromStored(data_.backgroundColour));
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

    forms::PictureBoxData data_;
    std::optional<QImage> picture_;
    QRect target_;
};

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::PictureBoxData>(request, [&](const forms::PictureBoxData& data) {
        return NewPictureBox(data, request.parent);
    });
}

}  // namespace

QWidget* NewPictureBox(const forms::PictureBoxData& data, QWidget* parent) {
    return new PictureBoxWidget(data, parent);
}

KindDescriptor PictureBoxKind() {
    return DescribeKind<PictureBoxWidget>(Create);
}

}  // namespace controls::kinds
