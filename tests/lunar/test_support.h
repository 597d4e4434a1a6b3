#pragma once
// Helpers shared by the lunar calendar tests.

#include <string>

#include "lunar/calendar.h"
#include "runtime/datetime.h"
#include "runtime/gbk.h"

namespace lunar::testing {

// The calendar's texts are GBK; the tests state expectations in UTF-8.
inline std::string Utf8(const std::string& gbk) {
    return runtime::GbkToUtf8(gbk);
}

inline double At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return runtime::ComposeDateTime(year, month, day, hour, minute, second);
}

}  // namespace lunar::testing
