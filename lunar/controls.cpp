#include "lunar/controls.h"

#include "forms/kind_registry.h"
#include "lunar/date_box.h"
#include "lunar/month_calendar.h"

namespace lunar {

void RegisterLunarKinds() {
    forms::RegisterKind(DateBoxKind());
    forms::RegisterKind(MonthCalendarKind());
}

}  // namespace lunar
