// The button kind "按钮": a push button that raises event 0 when clicked.

#include <QPixmap>
#include <QPushButton>

#include "forms/controls.h"
#include "forms/kinds/core_kinds.h"
#include "forms/kinds/kind_support.h"

namespace forms::kinds {
namespace {

using T = PropertyType;
constexpr PropertyType kProperties[] = {
    T::Integer,      T::Integer, T::Integer, T::Integer, T::Text,   T::Logical, T::Logical,
    T::MousePointer, T::Picture, T::Choice,  T::Text,    T::Choice, T::Choice,  T::Font,
};

// Kind-specific property indexes (the property number − 8).
enum class Index : int32_t {
    Picture = 0,
    DefaultButton,
    Caption,
    HorizontalAlignment,
    VerticalAlignment,
    Font,
};

constexpr uint32_t kDefaultPushButton = 1;
constexpr const char* kTextAlignments[] = {"left", "center", "right"};

class ButtonControl : public QPushButton {
public:
    ButtonControl(const ButtonData& data, UnitAddress address, QWidget* parent)
        : QPushButton(parent), address_(address) {
        setData(data);
        connect(this, &QPushButton::clicked, this, [this] {
            FireEvent(address_.windowId, address_.unitId, int32_t(ButtonEvent::Clicked));
        });
    }

    const ButtonData& data() const { return data_; }

    void setData(const ButtonData& data) {
        data_ = data;
        setText(DisplayText(data_.caption));
        setFont(runtime::FontFromStored(data_.font));
        setDefault(data_.defaultButton == kDefaultPushButton);
        const std::optional<QImage> picture =
            data_.picture.empty() ? std::nullopt : runtime::DecodePicture(data_.picture);
        setIcon(picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon());
        if (picture) setIconSize(picture->size());
        const uint32_t alignment = std::min<uint32_t>(data_.horizontalAlignment, 2);
        setStyleSheet(data_.horizontalAlignment == 1
                          ? QString()
                          : QStringLiteral("text-align: %1").arg(kTextAlignments[alignment]));
    }

private:
    UnitAddress address_;
    ButtonData data_;
};

QWidget* Create(const CreateRequest& request) {
    std::optional<ButtonData> data = ReadRequestData<ButtonData>(request);
    if (!data) return nullptr;
    auto* button = new ButtonControl(*data, request.address, request.parent);
    button->setGeometry(request.geometry);
    return button;
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* button = dynamic_cast<ButtonControl*>(control);
    if (button == nullptr) return;
    ButtonData d = button->data();
    switch (Index(index)) {
        case Index::Picture:
            d.picture = BytesOfValue(value);
            break;
        case Index::DefaultButton:
            d.defaultButton = value.AsUnsigned();
            break;
        case Index::Caption:
            d.caption = value.bytes;
            break;
        case Index::HorizontalAlignment:
            d.horizontalAlignment = value.AsUnsigned();
            break;
        case Index::VerticalAlignment:
            d.verticalAlignment = value.AsUnsigned();
            break;
        case Index::Font:
            d.font = FontFromValue(value);
            break;
    }
    button->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* button = dynamic_cast<const ButtonControl*>(control);
    if (button == nullptr) return {};
    const ButtonData& d = button->data();
    switch (Index(index)) {
        case Index::Picture:
            return ValueOfBytes(d.picture);
        case Index::DefaultButton:
            return PropertyValue::Number(d.defaultButton);
        case Index::Caption:
            return PropertyValue::Text(d.caption);
        case Index::HorizontalAlignment:
            return PropertyValue::Number(d.horizontalAlignment);
        case Index::VerticalAlignment:
            return PropertyValue::Number(d.verticalAlignment);
        case Index::Font:
            return ValueOfFont(d.font);
    }
    return {};
}

Bytes Serialise(QWidget* control) {
    const auto* button = dynamic_cast<const ButtonControl*>(control);
    return button != nullptr ? WriteKindData(button->data()) : Bytes{};
}

// Space presses the button; every other key is the window's.
bool WantsKey(QWidget*, int key) {
    return key == Qt::Key_Space;
}

}  // namespace

KindParts ButtonKind() {
    return {kProperties, {Create, SetProperty, GetProperty, Serialise, WantsKey}};
}

}  // namespace forms::kinds
