#pragma once
// The arguments of the common events in the units the engine expects:
// virtual-key codes, GBK character bytes, modifier bits.

#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

namespace controls {

// 1 Ctrl, 2 Shift, 4 Alt.
int32_t ModifierState(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a Qt key (0 for a key without one).
int32_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// The character codes a typed text gives: one per GBK byte.
std::vector<int32_t> CharacterCodes(const QString& text);

}  // namespace controls
