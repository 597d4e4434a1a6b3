#pragma once
// The core runtime's control kinds, one descriptor function each (see
// controls/kind_support.h).

#include "controls/kind_registry.h"

namespace forms::kinds {

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

}  // namespace forms::kinds
