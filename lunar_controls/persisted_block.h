#pragma once
// The stored properties of the two lunar kinds, as the form template holds
// them (little-endian):
//
//   month calendar: u32 version (2) · f64 DateTime · i32 layout mode ·
//                   archive string template · [version ≥ 2] i32 header shown
//   date box:       u32 version (3) · f64 DateTime · [≥ 2] i32 layout mode ·
//                   [≥ 3] archive string template
//
// The archive string is a length and the bytes: one length byte; 0xFF in it
// announces a 16-bit length, and 0xFFFF in that a 32-bit one.
//
// Reading keeps every field that is present whole and stops at the first
// one that is cut short; the fields after it keep their defaults. Empty
// kind data gives the defaults of a new control.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/template.h"
#include "forms/template_archive.h"
#include "runtime/datetime.h"

namespace lunar_controls {

void WriteArchiveString(forms::ArchiveWriter& writer, std::string_view text);
// The text, or nullopt (and the reader failed) when it is cut short.
std::optional<std::string> ReadArchiveString(forms::ArchiveReader& reader);

// Layout mode 1 shows Gregorian months; anything else lunar months.
inline constexpr int32_t kGregorianLayoutMode = 1;

struct MonthCalendarBlock {
    static constexpr uint32_t kVersion = 2;
    static constexpr uint32_t kFirstVersionWithHeaderFlag = 2;
    uint32_t version = kVersion;
    double dateTime = runtime::NowDateTime();
    int32_t layoutMode = 0;
    std::string formatTemplate;  // GBK; empty = the default template
    int32_t headerShown = 1;
};

struct DateBoxBlock {
    static constexpr uint32_t kVersion = 3;
    static constexpr uint32_t kFirstVersionWithMode = 2;
    static constexpr uint32_t kFirstVersionWithTemplate = 3;
    uint32_t version = kVersion;
    double dateTime = runtime::NowDateTime();
    int32_t layoutMode = 0;
    std::string formatTemplate;  // GBK; empty = the default template
};

MonthCalendarBlock ReadMonthCalendarBlock(std::span<const uint8_t> bytes);
forms::Bytes WriteMonthCalendarBlock(const MonthCalendarBlock& block);
DateBoxBlock ReadDateBoxBlock(std::span<const uint8_t> bytes);
forms::Bytes WriteDateBoxBlock(const DateBoxBlock& block);

}  // namespace lunar_controls
