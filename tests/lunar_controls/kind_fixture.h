#pragma once
// A loaded one-window template holding a month calendar and a date box,
// every event of both bound to a procedure that records it, and property
// access through the control model as the engine has it.

#include <gtest/gtest.h>

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/control_model.h"
#include "forms/template.h"
#include "lunar_controls/date_box.h"
#include "lunar_controls/lunar_kinds.h"
#include "lunar_controls/month_calendar.h"
#include "lunar_controls/persisted_block.h"

namespace lunar_controls::test {

inline constexpr uint32_t kWindowId = 0x52010001;
inline constexpr uint32_t kWindowUnit = 0x06010000;
inline constexpr uint32_t kMonthCalendarUnit = 0x1601044f;
inline constexpr uint32_t kDateBoxUnit = 0x16010451;
inline constexpr QRect kMonthCalendarBox{184, 96, 365, 262};
inline constexpr QRect kDateBoxBox{64, 560, 208, 32};

struct FiredEvent {
    uint32_t unitId = 0;
    int32_t event = 0;
    std::vector<int32_t> args;
    friend bool operator==(const FiredEvent&, const FiredEvent&) = default;
};

std::vector<FiredEvent>& FiredEvents();
// The events of one unit, in order.
std::vector<FiredEvent> EventsOf(uint32_t unitId);
std::vector<int32_t> EventNumbersOf(uint32_t unitId);

// Delivers posted events (the grid's posted notices among them).
void Settle();

class LunarKindTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Opens the window with the two controls made from these blocks (empty
    // bytes: the defaults of a new control), then lets the posted notices of
    // creation arrive.
    void Open(forms::Bytes monthCalendarData, forms::Bytes dateBoxData);
    void OpenWith(const MonthCalendarBlock& monthCalendar, const DateBoxBlock& dateBox);

    CnMonthCalendarWidget& monthCalendar();
    CCnCalendar& dateBox();

    runtime::Payload Read(uint32_t unitId, LunarProperty property);
    void Write(uint32_t unitId, LunarProperty property, runtime::Payload payload);
    double ReadDate(uint32_t unitId);
    void WriteDate(uint32_t unitId, double dateTime);
    std::string ReadText(uint32_t unitId, LunarProperty property);
    void WriteText(uint32_t unitId, LunarProperty property, const std::string& gbk);
};

}  // namespace lunar_controls::test
