#pragma once
// Sizes of the fixed parts of the template's byte layout, shared by the
// reader and the writer.

#include <cstddef>
#include <cstdint>

namespace forms::layout {

// Each window takes one ID and one object slot in the window table header.
inline constexpr size_t kWindowTableEntrySize = 2 * sizeof(uint32_t);
// Each unit takes one ID and one record offset in the unit block.
inline constexpr size_t kUnitTableEntrySize = 2 * sizeof(uint32_t);
// The four reserved words after a record's kind code and event owner.
inline constexpr size_t kUnitHeaderReserved = 4 * sizeof(uint32_t);
// The reserved bytes between a control record's event list and its kind data.
inline constexpr size_t kEventListReserved = 20;
inline constexpr size_t kEventPairSize = 2 * sizeof(int32_t);

}  // namespace forms::layout
