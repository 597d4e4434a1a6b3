#pragma once
// The core runtime's control kinds: each kind file supplies its property
// value types and its interface routines; kind_registry.cpp lists them.

#include <span>

#include "controls/kind_registry.h"

namespace forms::kinds {

struct KindParts {
    std::span<const PropertyType> properties;
    KindRoutines routines;
};

KindParts WindowKind();
KindParts MenuKind();
KindParts EditBoxKind();
KindParts PictureBoxKind();
KindParts GroupBoxKind();
KindParts LabelKind();
KindParts ButtonKind();
KindParts RadioButtonKind();
KindParts ComboBoxKind();
KindParts TabControlKind();

}  // namespace forms::kinds
