// The radio button kind "单选框": one of the radio buttons that share a
// container; property 18 reads the live marked state.

#include <QPixmap>
#include <QRadioButton>

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"

namespace forms::kinds {
namespace {

using T = PropertyType;
constexpr PropertyType kProperties[] = {
    T::Integer,      T::Integer, T::Integer,    T::Integer, T::Text,    T::Logical, T::Logical,
    T::MousePointer, T::Picture, T::Logical,    T::Logical, T::Text,    T::Logical, T::Choice,
    T::Choice,       T::Colour,  T::BackColour, T::Font,    T::Logical,
};

// Kind-specific property indexes (the property number − 8).
enum class Index : int32_t {
    Picture = 0,
    Property9,
    Property10,
    Caption,
    Property12,
    Property13,
    Property14,
    TextColour,
    BackgroundColour,
    Font,
    Selected,
};

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
    if (Index(index) == Index::Selected) return radio->setChecked(value.AsBool());
    RadioButtonData d = radio->data();
    const uint32_t number = value.AsUnsigned();
    switch (Index(index)) {
        case Index::Picture:
            d.picture = BytesOfValue(value);
            break;
        case Index::Property9:
            d.property9 = number;
            break;
        case Index::Property10:
            d.property10 = number;
            break;
        case Index::Caption:
            d.caption = value.bytes;
            break;
        case Index::Property12:
            d.property12 = number;
            break;
        case Index::Property13:
            d.property13 = number;
            break;
        case Index::Property14:
            d.property14 = number;
            break;
        case Index::TextColour:
            d.textColour = number;
            break;
        case Index::BackgroundColour:
            d.backgroundColour = number;
            break;
        case Index::Font:
            d.font = FontFromValue(value);
            break;
        default:
            break;
    }
    radio->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* radio = dynamic_cast<const RadioControl*>(control);
    if (radio == nullptr) return {};
    const RadioButtonData d = radio->data();
    using V = PropertyValue;
    switch (Index(index)) {
        case Index::Picture:
            return ValueOfBytes(d.picture);
        case Index::Property9:
            return V::Number(d.property9);
        case Index::Property10:
            return V::Number(d.property10);
        case Index::Caption:
            return V::Text(d.caption);
        case Index::Property12:
            return V::Number(d.property12);
        case Index::Property13:
            return V::Number(d.property13);
        case Index::Property14:
            return V::Number(d.property14);
        case Index::TextColour:
            return V::Number(d.textColour);
        case Index::BackgroundColour:
            return V::Number(d.backgroundColour);
        case Index::Font:
            return ValueOfFont(d.font);
        case Index::Selected:
            return V::Number(d.selected);
    }
    return {};
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
    return {kProperties, {Create, SetProperty, GetProperty, Serialise, WantsKey}};
}

}  // namespace forms::kinds
