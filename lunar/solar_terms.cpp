#include "lunar/calendar.h"
#include "lunar/tables.h"
#include "runtime/datetime.h"

namespace lunar {
namespace {

bool IsTermYear(uint16_t year) {
    return year >= FirstTermYear && year <= LastTermYear;
}

}  // namespace

// The records of a year are in date order, so the scan stops at the first
// term of a later month.
uint16_t SolarTermOn(uint16_t year, uint16_t month, uint16_t day) {
    if (!IsTermYear(year)) return 0;
    for (uint16_t term = 1; term <= TermsPerYear; ++term) {
        const SolarTermRecord& record = SolarTermRecordOf(year, term);
        if (record.month == month && record.day == day) return term;
        if (record.month > month) break;
    }
    return 0;
}

double SolarTermMoment(uint16_t year, uint16_t term) {
    if (!IsTermYear(year) || term < 1 || term > TermsPerYear) return runtime::MinDateTime;
    const SolarTermRecord& record = SolarTermRecordOf(year, term);
    return runtime::ComposeDateTime(year, record.month, record.day, record.hour, record.minute,
                                    record.second);
}

}  // namespace lunar
