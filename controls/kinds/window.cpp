// The window kind "窗口": the properties of a window's own unit, served by
// its FormWindow. The window itself is made by the window builder, so the
// kind has no create routine.

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"
#include "controls/live_window.h"

namespace forms::kinds {
namespace {

using T = PropertyType;
constexpr PropertyType kProperties[] = {
    T::Integer,      T::Integer, T::Integer, T::Integer,    T::Text,    T::Logical, T::Logical,
    T::MousePointer, T::Text,    T::Choice,  T::BackColour, T::Picture, T::Choice,  T::ByteBlock,
    T::Choice,       T::Logical, T::Logical, T::Logical,    T::Choice,  T::Logical, T::Icon,
    T::Logical,      T::Logical, T::Logical, T::Text2,      T::Integer, T::Logical, T::Logical,
    T::Choice,       T::Logical, T::Logical, T::Text,
};

// Kind-specific property indexes (the property number − 8).
enum class Index : int32_t {
    Title = 0,
    BorderStyle,
    BackgroundColour,
    BackgroundPicture,
    Property12,
    Property13,
    Property14,
    ControlBox,
    MaximizeButton,
    MinimizeButton,
    StartPosition,
    Movable,
    Icon,
    EnterMovesFocus,
    EscCloses,
    F1OpensHelp,
    HelpFile,
    HelpContext,
    ShownOnTaskBar,
    DragAnywhere,
    Property28,
    Property29,
    Property30,
    Property31,
};

// Start positions read back from the live window state.
constexpr uint32_t kMinimized = 2;
constexpr uint32_t kMaximized = 3;

// The numeric fields by index; texts and blocks are handled apart.
uint32_t* NumberField(WindowData& d, Index index) {
    switch (index) {
        case Index::BorderStyle:
            return &d.borderStyle;
        case Index::BackgroundColour:
            return &d.backgroundColour;
        case Index::Property12:
            return &d.property12;
        case Index::Property14:
            return &d.property14;
        case Index::ControlBox:
            return &d.controlBox;
        case Index::MaximizeButton:
            return &d.maximizeButton;
        case Index::MinimizeButton:
            return &d.minimizeButton;
        case Index::StartPosition:
            return &d.startPosition;
        case Index::Movable:
            return &d.movable;
        case Index::EnterMovesFocus:
            return &d.enterMovesFocus;
        case Index::EscCloses:
            return &d.escCloses;
        case Index::F1OpensHelp:
            return &d.f1OpensHelp;
        case Index::HelpContext:
            return &d.helpContext;
        case Index::ShownOnTaskBar:
            return &d.shownOnTaskBar;
        case Index::DragAnywhere:
            return &d.dragAnywhere;
        case Index::Property28:
            return &d.property28;
        case Index::Property29:
            return &d.property29;
        case Index::Property30:
            return &d.property30;
        default:
            return nullptr;
    }
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* window = dynamic_cast<FormWindow*>(control);
    if (window == nullptr) return;
    WindowData d = window->data();
    if (uint32_t* field = NumberField(d, Index(index))) {
        *field = value.AsUnsigned();
    } else {
        switch (Index(index)) {
            case Index::Title:
                d.title = value.bytes;
                break;
            case Index::BackgroundPicture:
                d.backgroundPicture = BytesOfValue(value);
                break;
            case Index::Property13:
                d.property13 = BytesOfValue(value);
                break;
            case Index::Icon:
                d.icon = BytesOfValue(value);
                break;
            case Index::HelpFile:
                d.helpFile = value.bytes;
                break;
            case Index::Property31:
                d.property31 = value.bytes;
                break;
            default:
                break;
        }
    }
    window->setData(d);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    auto* window = dynamic_cast<FormWindow*>(control);
    if (window == nullptr) return {};
    WindowData d = window->data();
    if (Index(index) == Index::StartPosition) {
        if (window->isMinimized()) return PropertyValue::Number(kMinimized);
        if (window->isMaximized()) return PropertyValue::Number(kMaximized);
    }
    if (const uint32_t* field = NumberField(d, Index(index))) return PropertyValue::Number(*field);
    switch (Index(index)) {
        case Index::Title:
            return PropertyValue::Text(d.title);
        case Index::BackgroundPicture:
            return ValueOfBytes(d.backgroundPicture);
        case Index::Property13:
            return ValueOfBytes(d.property13);
        case Index::Icon:
            return ValueOfBytes(d.icon);
        case Index::HelpFile:
            return PropertyValue::Text(d.helpFile);
        case Index::Property31:
            return PropertyValue::Text(d.property31);
        default:
            return {};
    }
}

Bytes Serialise(QWidget* control) {
    const auto* window = dynamic_cast<const FormWindow*>(control);
    return window != nullptr ? WriteKindData(window->data()) : Bytes{};
}

}  // namespace

KindParts WindowKind() {
    return {kProperties, {nullptr, SetProperty, GetProperty, Serialise, nullptr}};
}

KindParts MenuKind() {
    static constexpr PropertyType kMenuProperties[] = {
        PropertyType::Text, PropertyType::Logical, PropertyType::Logical, PropertyType::Logical};
    return {kMenuProperties, {}};
}

}  // namespace forms::kinds
