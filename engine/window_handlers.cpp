// The clock panel, the input-mode labels, and opening and closing windows.

#include <array>
#include <cstddef>

#include "engine/form_ids.h"
#include "engine/handler_support.h"
#include "engine/handlers.h"
#include "engine/vapour.h"
#include "runtime/convert.h"

namespace engine {
namespace {

using runtime::TaggedValue;
using support::Call;

// The labels that show the current date and time, written in this order.
constexpr std::array kClockLabels = {MainUnit::HumidityPageClock, MainUnit::PressurePageClock,
                                     MainUnit::CalendarPageClock};

// The caption beside the known-value box for each mode of 组合框1; modes 3
// and 4 share one label.
constexpr std::array kInputLabelOfMode = {
    MainUnit::DewPointCaption,         MainUnit::RelativeHumidityCaption,
    MainUnit::VolumeRatioCaption,      MainUnit::AbsoluteHumidityCaption,
    MainUnit::AbsoluteHumidityCaption, MainUnit::MixingRatioCaption};

// Shown as 0 on a Sunday: the day-of-week command counts from 1 = Sunday.
constexpr double kFirstDayOfWeek = 1.0;

constexpr bool kModal = true;

double Now(const RuntimeServices& services) {
    return runtime::AsDouble(Call(services, runtime::CurrentDateTime, {}));
}

void ShowDateTime(const RuntimeServices& services, MainUnit label) {
    TaggedValue now = runtime::MakeDateTime(Now(services));
    char* text =
        support::TextResult(Call(services, runtime::DateTimeToText, {now, runtime::MakeOmitted()}));
    support::WriteCaptionAndFree(services, label, text);
}

// Today's day of the week, 0 = Sunday to 6 = Saturday, written as a number.
void ShowDayOfWeek(const RuntimeServices& services, MainUnit label) {
    TaggedValue now = runtime::MakeDateTime(Now(services));
    int32_t dayOfWeek = runtime::AsInt(Call(services, runtime::DayOfWeek, {now}));
    double shown = dayOfWeek - kFirstDayOfWeek;
    char* text =
        support::TextResult(Call(services, runtime::ValueToText, {runtime::MakeDouble(shown)}));
    support::WriteCaptionAndFree(services, label, text);
}

void ShowInputLabel(const RuntimeServices& services) {
    int32_t mode = support::ReadSelection(services, MainUnit::KnownQuantity);
    if (!IsKnownQuantityMode(mode)) return;
    MainUnit chosen = kInputLabelOfMode[static_cast<std::size_t>(mode)];
    support::WriteVisible(services, chosen, true);
    for (MainUnit label : kInputLabels) {
        if (label != chosen) support::WriteVisible(services, label, false);
    }
}

TaggedValue WindowRef(WindowId window, OwnUnitId ownUnit) {
    return runtime::MakeWindowRef(Id(window), Id(ownUnit));
}

// Opens a window modally with no parent; returns once it has been closed.
void OpenModal(const RuntimeServices& services, WindowId window, OwnUnitId ownUnit) {
    Call(services, runtime::LoadWindow,
         {WindowRef(window, ownUnit), runtime::MakeOmitted(), runtime::MakeBool(kModal)});
}

// Closes a window after the running handler has returned.
void CloseLater(const RuntimeServices& services, WindowId window, OwnUnitId ownUnit) {
    Call(services, runtime::CloseWindow, {WindowRef(window, ownUnit), runtime::MakeOmitted()});
}

}  // namespace

void UpdateClock(const RuntimeServices& services, EventRecord&) {
    for (MainUnit label : kClockLabels) ShowDateTime(services, label);
}

void MainWindowCreated(const RuntimeServices& services, EventRecord&) {
    ShowDayOfWeek(services, MainUnit::HumidityPageWeekday);
    ShowInputLabel(services);
    ShowDayOfWeek(services, MainUnit::CalendarPageWeekday);
}

void UpdateInputLabel(const RuntimeServices& services, EventRecord&) {
    ShowInputLabel(services);
}

void CloseMainWindow(const RuntimeServices& services, EventRecord&) {
    CloseLater(services, WindowId::Main, OwnUnitId::Main);
}

void OpenAboutWindow(const RuntimeServices& services, EventRecord&) {
    OpenModal(services, WindowId::About, OwnUnitId::About);
}

void OpenCompanyWindow(const RuntimeServices& services, EventRecord&) {
    OpenModal(services, WindowId::Company, OwnUnitId::Company);
}

void CloseAboutWindow(const RuntimeServices& services, EventRecord&) {
    CloseLater(services, WindowId::About, OwnUnitId::About);
}

void CloseCompanyWindow(const RuntimeServices& services, EventRecord&) {
    CloseLater(services, WindowId::Company, OwnUnitId::Company);
}

}  // namespace engine
