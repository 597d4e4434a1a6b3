// The clock panel, the day of the week, the input-mode labels, and opening
// and closing windows.

#include <ostream>
#include <string>

#include "handler_fixture.h"
#include "runtime/convert.h"
#include "runtime/datetime.h"
#include "runtime/gbk.h"

namespace engine::testing {
namespace {

using M = MainUnit;

class WindowHandlers : public HandlerTest {
protected:
    std::string CaptionOf(M label) const { return runtime::GbkToUtf8(window_.Text(label)); }
};

struct ClockCase {
    const char* name;
    double now;
    const char* shown;  // UTF-8
};

void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.name;
}

const ClockCase kClockCases[] = {
    {"FullTime", runtime::ComposeDateTime(2026, 12, 6, 17, 35, 26), "2026年12月6日17时35分26秒"},
    {"ZeroSecondsLeftOut", runtime::ComposeDateTime(2026, 12, 6, 17, 35, 0),
     "2026年12月6日17时35分"},
    {"ZeroMinuteKeptBeforeSeconds", runtime::ComposeDateTime(2026, 12, 6, 17, 0, 5),
     "2026年12月6日17时0分5秒"},
    {"MidnightShowsTheDateAlone", runtime::ComposeDateTime(2026, 12, 6), "2026年12月6日"},
};

class ClockUpdate : public WindowHandlers, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ClockUpdate, WritesTheDateAndTimeIntoTheThreeLabelsInOrder) {
    window_.SetNow(GetParam().now);
    Run(Procedure::UpdateClock);
    EXPECT_EQ(WrittenUnits(),
              (std::vector<M>{M::HumidityPageClock, M::PressurePageClock, M::CalendarPageClock}));
    for (M label : {M::HumidityPageClock, M::PressurePageClock, M::CalendarPageClock}) {
        EXPECT_EQ(CaptionOf(label), GetParam().shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Times, ClockUpdate, ::testing::ValuesIn(kClockCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WeekdayCase {
    const char* name;
    double date;
    const char* shown;
};

void PrintTo(const WeekdayCase& c, std::ostream* out) {
    *out << c.name;
}

const WeekdayCase kWeekdayCases[] = {
    {"SundayIsZero", runtime::ComposeDateTime(2026, 12, 6, 17, 35, 26), "0"},
    {"MondayIsOne", runtime::ComposeDateTime(2026, 12, 7), "1"},
    {"FridayIsFive", runtime::ComposeDateTime(2015, 1, 9, 13, 5, 7), "5"},
    {"SaturdayIsSix", runtime::ComposeDateTime(2015, 1, 10, 23, 59, 59), "6"},
};

class WindowCreated : public WindowHandlers, public ::testing::WithParamInterface<WeekdayCase> {};

TEST_P(WindowCreated, ShowsTheDayOfWeekTwiceAroundTheInputLabel) {
    window_.SetNow(GetParam().date);
    Run(Procedure::MainWindowCreated);
    EXPECT_EQ(window_.Text(M::HumidityPageWeekday), GetParam().shown);
    EXPECT_EQ(window_.Text(M::CalendarPageWeekday), GetParam().shown);
    const std::vector<M> expected = {M::HumidityPageWeekday,     M::DewPointCaption,
                                     M::RelativeHumidityCaption, M::AbsoluteHumidityCaption,
                                     M::MixingRatioCaption,      M::VolumeRatioCaption,
                                     M::CalendarPageWeekday};
    EXPECT_EQ(WrittenUnits(), expected);
    EXPECT_EQ(window_.Int(M::DewPointCaption, kVisible), 1);
}

INSTANTIATE_TEST_SUITE_P(Dates, WindowCreated, ::testing::ValuesIn(kWeekdayCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct InputLabelCase {
    const char* name;
    int32_t mode;
    M shown;
};

void PrintTo(const InputLabelCase& c, std::ostream* out) {
    *out << c.name;
}

const InputLabelCase kInputLabelCases[] = {
    {"DewPoint", 0, M::DewPointCaption},
    {"RelativeHumidity", 1, M::RelativeHumidityCaption},
    {"VolumeRatio", 2, M::VolumeRatioCaption},
    {"AbsoluteHumidityGrams", 3, M::AbsoluteHumidityCaption},
    {"AbsoluteHumidityMilligrams", 4, M::AbsoluteHumidityCaption},
    {"MixingRatio", 5, M::MixingRatioCaption},
};

class InputLabel : public WindowHandlers, public ::testing::WithParamInterface<InputLabelCase> {};

TEST_P(InputLabel, ShowsTheChosenCaptionFirstThenHidesTheOtherFour) {
    for (M label : kInputLabels) window_.SetInt(label, kVisible, 1);
    window_.SetInt(M::KnownQuantity, kSelection, GetParam().mode);
    Run(Procedure::UpdateInputLabel);
    ASSERT_EQ(window_.Writes().size(), 5u);
    EXPECT_EQ(M(window_.Writes()[0].unit), GetParam().shown);
    EXPECT_EQ(window_.Writes()[0].value, 1);
    for (M label : kInputLabels) {
        EXPECT_EQ(window_.Int(label, kVisible), label == GetParam().shown ? 1 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, InputLabel, ::testing::ValuesIn(kInputLabelCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowHandlers, InputLabelIgnoresAnIndexWithoutAnItem) {
    for (int32_t mode : {-1, 6, 100}) {
        window_.SetInt(M::KnownQuantity, kSelection, mode);
        Run(Procedure::UpdateInputLabel);
    }
    EXPECT_TRUE(window_.Writes().empty());
}

TEST_F(WindowHandlers, MilligramsAfterGramsKeepsTheSameCaption) {
    window_.SetInt(M::KnownQuantity, kSelection, 3);
    Run(Procedure::UpdateInputLabel);
    window_.SetInt(M::KnownQuantity, kSelection, 4);
    Run(Procedure::UpdateInputLabel);
    for (M label : kInputLabels) {
        EXPECT_EQ(window_.Int(label, kVisible), label == M::AbsoluteHumidityCaption ? 1 : 0);
    }
}

struct WindowCommandCase {
    const char* name;
    Procedure procedure;
    WindowCommand command;
};

void PrintTo(const WindowCommandCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr auto kLoad = WindowCommand::Kind::Load;
constexpr auto kClose = WindowCommand::Kind::Close;
constexpr bool kModal = true;

// The windows open modally and close through their close request.
const WindowCommandCase kWindowCommandCases[] = {
    {"CloseButtonClosesTheMainWindow", Procedure::CloseMainWindow, {kClose, Id(WindowId::Main)}},
    {"MenuExitClosesTheMainWindow", Procedure::MenuExit, {kClose, Id(WindowId::Main)}},
    {"MenuAboutOpensTheAboutWindowModally",
     Procedure::MenuAbout,
     {kLoad, Id(WindowId::About), kModal}},
    {"MenuCompanyOpensTheCompanyWindowModally",
     Procedure::MenuCompanyProfile,
     {kLoad, Id(WindowId::Company), kModal}},
    {"AboutOkClosesTheAboutWindow", Procedure::CloseAboutWindow, {kClose, Id(WindowId::About)}},
    {"CompanyOkClosesTheCompanyWindow",
     Procedure::CloseCompanyWindow,
     {kClose, Id(WindowId::Company)}},
};

class WindowCommands : public WindowHandlers,
                       public ::testing::WithParamInterface<WindowCommandCase> {};

TEST_P(WindowCommands, OpenOrCloseOneWindowAndWriteNothing) {
    Run(GetParam().procedure);
    EXPECT_EQ(window_.WindowCommands(), std::vector<WindowCommand>{GetParam().command});
    EXPECT_TRUE(window_.Writes().empty());
}

INSTANTIATE_TEST_SUITE_P(Handlers, WindowCommands, ::testing::ValuesIn(kWindowCommandCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine::testing
