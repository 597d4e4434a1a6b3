#pragma once
// The core runtime's control kinds, one descriptor function each (see
// controls/kind_support.h).

#include "controls/kind_registry.h"
#include "forms/kind_data.h"

namespace controls::kinds {

KindDescriptor WindowKind();
KindDescriptor MenuKind();
KindDescriptor EditBoxKind();
KindDescriptor PictureBoxKind();
KindDescriptor GroupBoxKind();
KindDescriptor LabelKind();
KindDescriptor ButtonKind();
KindDescriptor RadioButtonKind();
KindDescriptor ComboBoxKind();
KindDescriptor TabControlKind();

// The core library's kinds, as the program's support-library table lists them.
inline constexpr KindMaker kCoreKinds[] = {
    WindowKind, MenuKind,   EditBoxKind,     PictureBoxKind, GroupBoxKind,
    LabelKind,  ButtonKind, RadioButtonKind, ComboBoxKind,   TabControlKind,
};

// The widgets of the kinds without a header of their own, made straight from
// their stored properties, for a window built in code rather than from a
// template (the start-up benchmarks' plain window).
QWidget* NewPictureBox(const forms::PictureBoxData& data, QWidget* parent);
QWidget* NewRadioButton(const forms::RadioButtonData& data, QWidget* parent);
QWidget* NewComboBox(const forms::ComboBoxData& data, UnitAddress address, QWidget* parent);

}  // namespace controls::kinds
