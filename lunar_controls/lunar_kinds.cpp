#include "lunar_controls/lunar_kinds.h"

#include "controls/kind_registry.h"
#include "lunar_controls/date_box.h"
#include "lunar_controls/month_calendar.h"

namespace lunar {

void RegisterLunarKinds() {
    forms::RegisterKind(DateBoxKind());
    forms::RegisterKind(MonthCalendarKind());
}

}  // namespace lunar
