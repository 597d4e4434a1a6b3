// The group box kind "分组框": a captioned frame. Its children are placed
// relative to its outer corner, caption included.

#include <QGroupBox>

#include "forms/kinds/core_kinds.h"
#include "forms/kinds/kind_support.h"

namespace forms::kinds {
namespace {

using T = PropertyType;
constexpr PropertyType kProperties[] = {
    T::Integer,      T::Integer, T::Integer, T::Integer, T::Text,       T::Logical, T::Logical,
    T::MousePointer, T::Text,    T::Choice,  T::Colour,  T::BackColour, T::Font,
};

// Kind-specific property indexes (the property number − 8).
enum class Index : int32_t { Caption = 0, Property9, TextColour, BackgroundColour, Font };

class GroupControl : public QGroupBox {
public:
    GroupControl(const GroupBoxData& data, QWidget* parent) : QGroupBox(parent) { setData(data); }

    const GroupBoxData& data() const { return data_; }

    void setData(const GroupBoxData& data) {
        data_ = data;
        setTitle(DisplayText(data_.caption));
        setFont(runtime::FontFromStored(data_.font));
        ApplyColours(*this, QPalette::WindowText, data_.textColour, QPalette::Window,
                     data_.backgroundColour);
        setAutoFillBackground(data_.backgroundColour != kButtonFaceColour);
    }

private:
    GroupBoxData data_;
};

QWidget* Create(const CreateRequest& request) {
    std::optional<GroupBoxData> data = ReadRequestData<GroupBoxData>(request);
    if (!data) return nullptr;
    auto* group = new GroupControl(*data, request.parent);
    group->setGeometry(request.geometry);
    return group;
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* group = dynamic_cast<GroupControl*>(control);
    if (group == nullptr) return;
    GroupBoxData d = group->data();
    switch (Index(index)) {
        case Index::Caption:
            d.caption = value.bytes;
            break;
        case Index::Property9:
            d.property9 = value.AsUnsigned();
            break;
        case Index::TextColour:
            d.textColour = value.AsUnsigned();
            break;
        case Index::BackgroundColour:
            d.backgroundColour = value.AsUnsigned();
            break;
        case Index::Font:
            d.font = FontFromValue(value);
            break;
    }
    group->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* group = dynamic_cast<const GroupControl*>(control);
    if (group == nullptr) return {};
    const GroupBoxData& d = group->data();
    switch (Index(index)) {
        case Index::Caption:
            return PropertyValue::Text(d.caption);
        case Index::Property9:
            return PropertyValue::Number(d.property9);
        case Index::TextColour:
            return PropertyValue::Number(d.textColour);
        case Index::BackgroundColour:
            return PropertyValue::Number(d.backgroundColour);
        case Index::Font:
            return ValueOfFont(d.font);
    }
    return {};
}

Bytes Serialise(QWidget* control) {
    const auto* group = dynamic_cast<const GroupControl*>(control);
    return group != nullptr ? WriteKindData(group->data()) : Bytes{};
}

}  // namespace

KindParts GroupBoxKind() {
    return {kProperties, {Create, SetProperty, GetProperty, Serialise, nullptr}};
}

}  // namespace forms::kinds
