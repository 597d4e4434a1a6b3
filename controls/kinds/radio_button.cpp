// The radio button kind "单选框": one of the radio buttons that share a
// container; property 18 reads the live marked state.

#include <QPixmap>
#include <QRadioButton>

#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

class RadioButtonWidget : public QRadioButton {
public:
    RadioButtonWidget(const forms::RadioButtonData& data, QWidget* parent) : QRadioButton(parent) {
        setData(data);
        setChecked(data.selected != 0);
    }

    // The stored properties with the live marked state.
    forms::RadioButtonData data() const {
        forms::RadioButtonData live = data_;
        live.selected = isChecked() ? 1 : 0;
        return live;
    }

    // The marked state turns the live button; the rest are stored properties.
    void setKindProperty(int32_t index, const forms::PropertyValue& value) {
        if (forms::PropertyAtIndex<forms::RadioButtonProperty>(index) ==
            forms::RadioButtonProperty::Selected) {
            return setChecked(value.AsBool());
        }
        SetStoredPropertyOf(*this, index, value);
    }

    // Space marks the button.
    bool wantsKey(int qtKey) const { return qtKey == Qt::Key_Space; }

    void setData(const forms::RadioButtonData& data) {
        data_ = data;
        setText(DisplayText(data_.caption));
        setFont(platform::FontFromStored(data_.font));
        ApplyColours(*this, QPalette::WindowText, data_.textColour, QPalette::Window,
                     data_.backgroundColour);
        setAutoFillBackground(data_.backgroundColour != forms::kButtonFaceColour);
        const std::optional<QImage> picture =
            data_.picture.empty() ? std::nullopt : platform::DecodePicture(data_.picture);
        setIcon(picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon());
    }

private:
    forms::RadioButtonData data_;
};

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::RadioButtonData>(request, [&](const forms::RadioButtonData& data) {
        return NewRadioButton(data, request.parent);
    });
}

}  // namespace

QWidget* NewRadioButton(const forms::RadioButtonData& data, QWidget* parent) {
    return new RadioButtonWidget(data, parent);
}

KindDescriptor RadioButtonKind() {
    return DescribeKind<RadioButtonWidget>(Create);
}

}  // namespace controls::kinds
