// The radio button kind "单选框": one of the radio buttons that share a
// container; property 18 reads the live marked state.

#include <QPixmap>
#include <QRadioButton>

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"

namespace forms::kinds {
namespace {

class RadioControl : public QRadioButton {
public:
    RadioControl(const RadioButtonData& data, QWidget* parent) : QRadioButton(parent) {
        setData(data);
        setChecked(data.selected != 0);
    }

    // The stored properties with the live marked state.
    RadioButtonData data() const {
        RadioButtonData live = data_;
        live.selected = isChecked() ? 1 : 0;
        return live;
    }

    void setData(const RadioButtonData& data) {
        data_ = data;
        setText(DisplayText(data_.caption));
        setFont(runtime::FontFromStored(data_.font));
        ApplyColours(*this, QPalette::WindowText, data_.textColour, QPalette::Window,
                     data_.backgroundColour);
        setAutoFillBackground(data_.backgroundColour != kButtonFaceColour);
        const std::optional<QImage> picture =
            data_.picture.empty() ? std::nullopt : runtime::DecodePicture(data_.picture);
        setIcon(picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon());
    }

private:
    RadioButtonData data_;
};

QWidget* Create(const CreateRequest& request) {
    std::optional<RadioButtonData> data = ReadRequestData<RadioButtonData>(request);
    if (!data) return nullptr;
    auto* radio = new RadioControl(*data, request.parent);
    radio->setGeometry(request.geometry);
    return radio;
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* radio = dynamic_cast<RadioControl*>(control);
    if (radio == nullptr) return;
    if (PropertyAtIndex<RadioButtonProperty>(index) == RadioButtonProperty::Selected) {
        return radio->setChecked(value.AsBool());
    }
    RadioButtonData d = radio->data();
    SetStoredProperty(d, index, value);
    radio->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* radio = dynamic_cast<const RadioControl*>(control);
    return radio != nullptr ? GetStoredProperty(radio->data(), index) : PropertyValue{};
}

Bytes Serialise(QWidget* control) {
    const auto* radio = dynamic_cast<const RadioControl*>(control);
    return radio != nullptr ? WriteKindData(radio->data()) : Bytes{};
}

bool WantsKey(QWidget*, int key) {
    return key == Qt::Key_Space;
}

}  // namespace

KindParts RadioButtonKind() {
    return {PropertyTypes<RadioButtonData>(),
            {Create, SetProperty, GetProperty, Serialise, WantsKey}};
}

}  // namespace forms::kinds
