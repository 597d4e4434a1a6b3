#pragma once
// Small pieces shared by the runtime's own control kinds (timer, transparent
// label, hyperlink box): kind-specific property indexes, clamped choices and
// colours turned back into their stored form.

#include <QColor>
#include <algorithm>
#include <cstdint>
#include <span>

#include "controls/control_model.h"
#include "controls/kind_registry.h"
#include "forms/kind_tables.h"

namespace runtime {

// The index a kind routine receives for a property number (number − 8).
template <typename Property>
constexpr int32_t KindIndex(Property property) {
    return static_cast<int32_t>(property) - forms::kFirstKindProperty;
}

// A choice brought into 0…max: above the range gives max, below gives 0.
// Stored words are read as signed, so 0xFFFFFFFF counts as −1.
constexpr uint32_t ClampChoice(int32_t value, uint32_t max) {
    if (value < 0) return 0;
    return std::min(static_cast<uint32_t>(value), max);
}

// The stored 0x00BBGGRR form of a colour.
inline uint32_t StoredFromColour(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

// Held by a control: when the control is destroyed, tells the runtime that
// its unit is gone (the runtime request 2000).
class UnitGoneReport {
public:
    explicit UnitGoneReport(forms::UnitAddress address) : address_(address) {}
    ~UnitGoneReport() { forms::ReportUnitGone(address_.windowId, address_.unitId); }
    UnitGoneReport(const UnitGoneReport&) = delete;
    UnitGoneReport& operator=(const UnitGoneReport&) = delete;

    forms::UnitAddress address() const { return address_; }

private:
    forms::UnitAddress address_;
};

// A descriptor whose names and flags come from the kinds table.
inline forms::KindDescriptor DescribeKind(forms::KindCode code,
                                          std::span<const forms::PropertyType> properties,
                                          forms::KindRoutines routines) {
    const forms::KindInfo* info = forms::FindKind(static_cast<uint32_t>(code));
    return {static_cast<uint32_t>(code),
            info->chineseName,
            info->englishName,
            info->flags,
            properties,
            routines};
}

}  // namespace runtime
