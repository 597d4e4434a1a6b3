#include "controls/kind_registry.h"

#include <algorithm>
#include <deque>

#include "controls/kinds/core_kinds.h"
#include "forms/kinds_table.h"

namespace forms {
namespace {

struct CoreKind {
    KindCode code;
    kinds::KindParts (*parts)();
};

// The core runtime's kinds; names and flags come from the kinds table.
constexpr CoreKind kCoreKinds[] = {
    {KindCode::Window, kinds::WindowKind},            // a window's own unit
    {KindCode::Menu, kinds::MenuKind},                // menu items, served by the window
    {KindCode::EditBox, kinds::EditBoxKind},          // line or multi-line text entry
    {KindCode::PictureBox, kinds::PictureBoxKind},    // a decoded picture, fitted
    {KindCode::GroupBox, kinds::GroupBoxKind},        // captioned frame, a container
    {KindCode::Label, kinds::LabelKind},              // self-painted caption
    {KindCode::Button, kinds::ButtonKind},            // push button
    {KindCode::RadioButton, kinds::RadioButtonKind},  // one of its container's group
    {KindCode::ComboBox, kinds::ComboBoxKind},        // drop-down list
    {KindCode::TabControl, kinds::TabControlKind},    // tab pages, a container
};

KindDescriptor DescribeCoreKind(const CoreKind& core) {
    const KindInfo* info = FindKind(uint32_t(core.code));
    const kinds::KindParts parts = core.parts();
    return KindDescriptor{uint32_t(core.code), info->chineseName, info->englishName,
                          info->flags,         parts.properties,  parts.routines};
}

// A deque, so that descriptors found earlier stay put when kinds are added.
std::deque<KindDescriptor>& Registry() {
    static std::deque<KindDescriptor> registry = [] {
        std::deque<KindDescriptor> kinds;
        for (const CoreKind& core : kCoreKinds) kinds.push_back(DescribeCoreKind(core));
        return kinds;
    }();
    return registry;
}

}  // namespace

void RegisterKind(const KindDescriptor& kind) {
    std::deque<KindDescriptor>& registry = Registry();
    auto same = std::find_if(registry.begin(), registry.end(),
                             [&](const KindDescriptor& k) { return k.code == kind.code; });
    if (same != registry.end()) {
        *same = kind;
    } else {
        registry.push_back(kind);
    }
}

const KindDescriptor* FindKindDescriptor(uint32_t code) {
    for (const KindDescriptor& kind : Registry()) {
        if (kind.code == code) return &kind;
    }
    return nullptr;
}

PropertyType PropertyTypeOf(const KindDescriptor& kind, int32_t property) {
    if (property < 0 || size_t(property) >= kind.properties.size()) return PropertyType::None;
    return kind.properties[size_t(property)];
}

}  // namespace forms
