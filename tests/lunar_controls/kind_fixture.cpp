#include "tests/lunar_controls/kind_fixture.h"

#include <QCoreApplication>
#include <bit>
#include <cstring>

#include "controls/kinds/core_kinds.h"
#include "forms/kind_data.h"
#include "forms/kinds_table.h"
#include "runtime/heap.h"

namespace lunar_controls::test {
namespace {

constexpr int32_t kWholeProperty = -1;
constexpr int32_t kMonthCalendarEvents = 4;
constexpr int32_t kDateBoxEvents = 5;

void RecordEvent(const runtime::RuntimeServices&, runtime::EventRecord& event) {
    FiredEvents().push_back(
        {event.unitId, event.event, std::vector<int32_t>(event.args, event.args + event.argCount)});
}

constexpr runtime::EngineProcedure kProcedures[] = {RecordEvent};

forms::UnitRecord WindowUnit() {
    forms::UnitRecord unit;
    unit.id = kWindowUnit;
    unit.kind = uint32_t(forms::KindCode::Window);
    unit.width = 640;
    unit.height = 640;
    unit.stateFlags = forms::kVisible;
    // Escape closes the window, as it does the program's main window.
    forms::WindowData data;
    data.escCloses = 1;
    unit.kindData = forms::WriteKindData(data);
    return unit;
}

// Every kind event of the unit bound to the recording procedure.
forms::UnitRecord ControlUnit(uint32_t id, forms::KindCode kind, QRect box, int32_t eventCount,
                              forms::Bytes kindData) {
    forms::UnitRecord unit;
    unit.id = id;
    unit.kind = uint32_t(kind);
    unit.left = box.x();
    unit.top = box.y();
    unit.width = box.width();
    unit.height = box.height();
    unit.stateFlags = forms::kVisible | forms::kTabStop;
    for (int32_t event = 0; event < eventCount; ++event) unit.events.push_back({event, 0});
    unit.kindData = std::move(kindData);
    return unit;
}

}  // namespace

std::vector<FiredEvent>& FiredEvents() {
    static std::vector<FiredEvent> events;
    return events;
}

std::vector<FiredEvent> EventsOf(uint32_t unitId) {
    std::vector<FiredEvent> events;
    for (const FiredEvent& fired : FiredEvents()) {
        if (fired.unitId == unitId) events.push_back(fired);
    }
    return events;
}

std::vector<int32_t> EventNumbersOf(uint32_t unitId) {
    std::vector<int32_t> numbers;
    for (const FiredEvent& fired : EventsOf(unitId)) numbers.push_back(fired.event);
    return numbers;
}

void Settle() {
    QCoreApplication::sendPostedEvents();
}

void LunarKindTest::TearDown() {
    controls::DestroyFormWindow(kWindowId);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FiredEvents().clear();
}

void LunarKindTest::Open(forms::Bytes monthCalendarData, forms::Bytes dateBoxData) {
    controls::RegisterKinds(controls::kinds::kCoreKinds);
    controls::RegisterKinds(lunar_controls::kLunarKinds);
    forms::TemplateData data;
    data.windows.push_back(
        {kWindowId,
         0,
         0,
         "",
         "",
         {WindowUnit(),
          ControlUnit(kMonthCalendarUnit, forms::KindCode::CnMonthCalendar, kMonthCalendarBox,
                      kMonthCalendarEvents, std::move(monthCalendarData)),
          ControlUnit(kDateBoxUnit, forms::KindCode::CnCalendar, kDateBoxBox, kDateBoxEvents,
                      std::move(dateBoxData))}});
    ASSERT_TRUE(forms::RebaseHandlers(data, kProcedures));
    controls::InstallWindowTable(std::move(data));
    FiredEvents().clear();
    ASSERT_TRUE(controls::OpenFormWindow(kWindowId));
    Settle();
}

void LunarKindTest::OpenWith(const MonthCalendarBlock& monthCalendar, const DateBoxBlock& dateBox) {
    Open(lunar_controls::WriteMonthCalendarBlock(monthCalendar),
         lunar_controls::WriteDateBoxBlock(dateBox));
}

CnMonthCalendarWidget& LunarKindTest::monthCalendar() {
    auto* control =
        dynamic_cast<CnMonthCalendarWidget*>(controls::LiveControl(kWindowId, kMonthCalendarUnit));
    if (control == nullptr) {
        ADD_FAILURE() << "no month calendar";
        std::abort();
    }
    return *control;
}

CCnCalendar& LunarKindTest::dateBox() {
    auto* control = dynamic_cast<CCnCalendar*>(controls::LiveControl(kWindowId, kDateBoxUnit));
    if (control == nullptr) {
        ADD_FAILURE() << "no date box";
        std::abort();
    }
    return *control;
}

runtime::Payload LunarKindTest::Read(uint32_t unitId, LunarProperty property) {
    return controls::ReadUnitProperty(kWindowId, unitId, int32_t(property), kWholeProperty);
}

void LunarKindTest::Write(uint32_t unitId, LunarProperty property, runtime::Payload payload) {
    controls::WriteUnitProperty(kWindowId, unitId, int32_t(property), kWholeProperty, payload);
}

double LunarKindTest::ReadDate(uint32_t unitId) {
    return std::bit_cast<double>(Read(unitId, LunarProperty::Date));
}

void LunarKindTest::WriteDate(uint32_t unitId, double dateTime) {
    Write(unitId, LunarProperty::Date, std::bit_cast<runtime::Payload>(dateTime));
}

std::string LunarKindTest::ReadText(uint32_t unitId, LunarProperty property) {
    auto* text = reinterpret_cast<char*>(uintptr_t(Read(unitId, property)));
    if (text == nullptr) return {};
    std::string copy(text);
    runtime::FreeMemory(text);
    return copy;
}

void LunarKindTest::WriteText(uint32_t unitId, LunarProperty property, const std::string& gbk) {
    Write(unitId, property, runtime::Payload(uintptr_t(gbk.c_str())));
}

}  // namespace lunar_controls::test
