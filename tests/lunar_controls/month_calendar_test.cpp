#include "lunar_controls/month_calendar.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "forms/kind_data.h"
#include "platform/platform.h"
#include "runtime/datetime.h"
#include "tests/lunar_controls/gui_support.h"
#include "tests/lunar_controls/kind_fixture.h"

namespace lunar_controls {
namespace {

using test::EventNumbersOf;
using test::EventsOf;
using test::FiredEvent;
using test::Gbk;
using test::kMonthCalendarUnit;

constexpr auto kUnit = kMonthCalendarUnit;
constexpr int32_t kDateChanged = int32_t(lunar_controls::MonthCalendarEvent::DateChanged);

MonthCalendarBlock StoredOn(uint16_t year, uint16_t month, uint16_t day, int32_t mode = 0) {
    MonthCalendarBlock block;
    block.dateTime = runtime::ComposeDateTime(year, month, day, 9, 30);
    block.layoutMode = mode;
    return block;
}

lunar::SolarDate Today() {
    const runtime::DateTimeFields now = runtime::SplitDateTime(runtime::NowDateTime());
    return {uint16_t(now.year), uint16_t(now.month), uint16_t(now.day), 0};
}

class MonthCalendarTest : public test::LunarKindTest {
protected:
    void OpenOn(const MonthCalendarBlock& block) {
        OpenWith(block, lunar_controls::DateBoxBlock{});
    }
};

TEST_F(MonthCalendarTest, CreationSelectsTheStoredDateAndFiresEvent2Once) {
    OpenOn(StoredOn(2014, 2, 10));
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kDateChanged});
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2014, 2, 10, 0}));
    EXPECT_EQ(monthCalendar().size(), QSize(365, 262));
    EXPECT_EQ(monthCalendar().pos(), test::kMonthCalendarBox.topLeft());
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("甲午年(马)正月十一 2014-2-10"));
}

TEST_F(MonthCalendarTest, AllZeroBlockOpensOnTodayInLunarLayoutWithHeader) {
    Open(forms::Bytes(4 + 8 + 4 + 1, 0), {});
    EXPECT_EQ(monthCalendar().grid().solarDate(), Today());
    EXPECT_FALSE(monthCalendar().grid().gregorianLayout());
    EXPECT_EQ(Read(kUnit, LunarProperty::LayoutMode), 0u);
    EXPECT_EQ(Read(kUnit, LunarProperty::HeaderShown), 1u);
    EXPECT_EQ(monthCalendar().size(), QSize(365, 262));
    EXPECT_TRUE(EventsOf(kUnit).empty()) << "the stored 1899-12-30 is refused, nothing notified";
}

TEST_F(MonthCalendarTest, DateReadsGiveTheLastSecondOfTheDay) {
    OpenOn(StoredOn(2014, 2, 10));
    EXPECT_EQ(ReadDate(kUnit), runtime::ComposeDateTime(2014, 2, 10, 23, 59, 59));
}

TEST_F(MonthCalendarTest, DateWritesOutsideTheRangeChangeNothing) {
    OpenOn(StoredOn(2014, 2, 10));
    test::FiredEvents().clear();
    struct Case {
        const char* name;
        double dateTime;
    };
    const Case cases[] = {
        {"1900", runtime::ComposeDateTime(1900, 6, 1)},
        {"2050", runtime::ComposeDateTime(2050, 1, 1)},
        {"2049-06-01, past the conversion range", runtime::ComposeDateTime(2049, 6, 1)},
        {"1901-02-18, before it", runtime::ComposeDateTime(1901, 2, 18)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteDate(kUnit, c.dateTime);
        test::Settle();
        EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2014, 2, 10, 0}));
    }
    EXPECT_TRUE(EventsOf(kUnit).empty());
}

TEST_F(MonthCalendarTest, DateWriteSelectsWithNotification) {
    OpenOn(StoredOn(2014, 2, 10));
    test::FiredEvents().clear();
    WriteDate(kUnit, runtime::ComposeDateTime(2020, 5, 23, 8));
    test::Settle();
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kDateChanged});
    EXPECT_EQ(Read(kUnit, LunarProperty::LunarMonth), 4u);
    EXPECT_EQ(Read(kUnit, LunarProperty::LeapMonth), 1u);
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("庚子年(鼠)闰四月初一 2020-5-23"));
    // The selectors follow a notified change.
    EXPECT_EQ(monthCalendar().panel().yearSelector()->currentIndex(), 2020 - 1902);
    EXPECT_EQ(monthCalendar().panel().monthSelector()->currentIndex(), 4);
}

TEST_F(MonthCalendarTest, NamesOfTheBeginningOfSpring2014) {
    OpenOn(StoredOn(2014, 2, 4));
    struct Case {
        const char* name;
        LunarProperty property;
        const char* text;
    };
    const Case texts[] = {
        {"sexagenary year", LunarProperty::YearName, "甲午"},
        {"lunar month", LunarProperty::MonthName, "正月"},
        {"lunar day", LunarProperty::DayName, "初五"},
        {"zodiac", LunarProperty::Zodiac, "马"},
        {"solar term", LunarProperty::SolarTerm, "立春"},
    };
    for (const Case& c : texts) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadText(kUnit, c.property), Gbk(c.text));
    }
    EXPECT_EQ(Read(kUnit, LunarProperty::LunarYear), 2014u);
    EXPECT_EQ(Read(kUnit, LunarProperty::LunarMonth), 1u);
    EXPECT_EQ(Read(kUnit, LunarProperty::LunarDay), 5u);
    EXPECT_EQ(Read(kUnit, LunarProperty::LeapMonth), 0u);
    EXPECT_EQ(Read(kUnit, LunarProperty::Weekday), 2u);
    EXPECT_EQ(Read(kUnit, LunarProperty::MonthLength), 29u);
    EXPECT_EQ(Read(kUnit, LunarProperty::YearLength), 384u);

    WriteDate(kUnit, runtime::ComposeDateTime(2014, 2, 5));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::SolarTerm), "") << "no term begins on 2014-02-05";
}

TEST_F(MonthCalendarTest, LunarFieldWritesReplaceOneFieldWithNotification) {
    OpenOn(StoredOn(2020, 4, 23));  // lunar 2020 四月初一
    test::FiredEvents().clear();
    Write(kUnit, LunarProperty::LeapMonth, 1);
    test::Settle();
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2020, 5, 23, 0}));
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kDateChanged});

    Write(kUnit, LunarProperty::LunarDay, 15);
    EXPECT_EQ(monthCalendar().grid().lunarDate(), (lunar::LunarDate{2020, 4, 15, true}));
    Write(kUnit, LunarProperty::LunarMonth, 8);
    EXPECT_EQ(monthCalendar().grid().lunarDate(), (lunar::LunarDate{2020, 8, 15, false}));
    Write(kUnit, LunarProperty::LunarYear, 2014);
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2014, 9, 8, 0}));
    EXPECT_EQ(monthCalendar().block().dateTime, runtime::ComposeDateTime(2014, 9, 8))
        << "the stored DateTime becomes the new day at 00:00";
}

TEST_F(MonthCalendarTest, ImpossibleLunarFieldWritesChangeNothing) {
    OpenOn(StoredOn(2048, 6, 1));  // lunar 2048
    test::FiredEvents().clear();
    const lunar::SolarDate before = monthCalendar().grid().solarDate();
    struct Case {
        const char* name;
        LunarProperty property;
        runtime::Payload value;
    };
    const Case cases[] = {
        {"year 2049 lies past the conversion range", LunarProperty::LunarYear, 2049},
        {"year 2014 + 65536 is not cut to 2014", LunarProperty::LunarYear, 2014 + 65536},
        {"negative year", LunarProperty::LunarYear, uint32_t(-2014)},
        {"month 13", LunarProperty::LunarMonth, 13},
        {"day 31", LunarProperty::LunarDay, 31},
        {"day 0", LunarProperty::LunarDay, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(kUnit, c.property, c.value);
        EXPECT_EQ(monthCalendar().grid().solarDate(), before);
    }
    test::Settle();
    EXPECT_TRUE(EventsOf(kUnit).empty());
}

TEST_F(MonthCalendarTest, TemplateWriteRedrawsTheHeader) {
    OpenOn(StoredOn(2014, 2, 4));
    WriteText(kUnit, LunarProperty::FormatTemplate, Gbk("%Y(%S)-%y"));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::FormatTemplate), Gbk("%Y(%S)-%y"));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("甲午(马)-2014"));
    EXPECT_EQ(monthCalendar().panel().headerText(), Gbk("甲午(马)-2014"));
}

TEST_F(MonthCalendarTest, HeaderFlagResizesAndTheSizeCannotBeChanged) {
    OpenOn(StoredOn(2014, 2, 10));
    Write(kUnit, LunarProperty::HeaderShown, 0);
    EXPECT_EQ(monthCalendar().size(), QSize(365, 232));
    EXPECT_EQ(monthCalendar().grid().mapTo(&monthCalendar(), QPoint(0, 0)), QPoint(0, 0));
    controls::WriteUnitProperty(test::kWindowId, kUnit, int32_t(forms::CommonProperty::Width), -1,
                                500);
    monthCalendar().resize(100, 100);
    EXPECT_EQ(monthCalendar().size(), QSize(365, 232));
    Write(kUnit, LunarProperty::HeaderShown, 7);
    EXPECT_EQ(Read(kUnit, LunarProperty::HeaderShown), 1u);
    EXPECT_EQ(monthCalendar().size(), QSize(365, 262));
}

TEST_F(MonthCalendarTest, LayoutModeWriteRefillsGridAndSelectors) {
    OpenOn(StoredOn(2014, 2, 10));
    Write(kUnit, LunarProperty::LayoutMode, lunar_controls::kGregorianLayoutMode);
    EXPECT_TRUE(monthCalendar().grid().gregorianLayout());
    EXPECT_EQ(monthCalendar().panel().yearSelector()->currentText(),
              QString::fromUtf8("公历 2014 年"));
    EXPECT_EQ(monthCalendar().panel().monthSelector()->currentText(), QString::fromUtf8("二月"));
    Write(kUnit, LunarProperty::LayoutMode, 2);
    EXPECT_FALSE(monthCalendar().grid().gregorianLayout());
    EXPECT_EQ(Read(kUnit, LunarProperty::LayoutMode), 2u);
}

TEST_F(MonthCalendarTest, GridNoticesBecomeEventsWithTheLunarDate) {
    OpenOn(StoredOn(2014, 2, 10, lunar_controls::kGregorianLayoutMode));
    test::FiredEvents().clear();
    lunar_controls::CCalendar& grid = monthCalendar().grid();
    // 2014-02-01 (lunar 正月初二) is cell 5 of the February page.
    test::MoveMouse(grid, test::CellCentre(5));
    test::Click(grid, test::CellCentre(5), Qt::RightButton);
    test::Click(grid, test::CellCentre(5));
    test::Settle();
    const std::vector<FiredEvent> expected = {
        {kUnit, int32_t(lunar_controls::MonthCalendarEvent::Hovered), {2014, 1, 2, 0}},
        {kUnit, int32_t(lunar_controls::MonthCalendarEvent::RightClicked), {2014, 1, 2, 0}},
        {kUnit, kDateChanged, {}},
        {kUnit, int32_t(lunar_controls::MonthCalendarEvent::Clicked), {}},
    };
    EXPECT_EQ(EventsOf(kUnit), expected);
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("癸巳年(蛇)正月初二 2014-2-1"));
}

TEST_F(MonthCalendarTest, SelectorChangesFireNothingAndKeepTheHeader) {
    OpenOn(StoredOn(2014, 1, 31, lunar_controls::kGregorianLayoutMode));
    test::FiredEvents().clear();
    QComboBox* months = monthCalendar().panel().monthSelector();
    months->setCurrentIndex(1);
    emit months->activated(1);
    test::Settle();
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2014, 2, 28, 0}));
    EXPECT_TRUE(EventsOf(kUnit).empty());
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("癸巳年(蛇)正月初一 2014-1-31"));
}

TEST_F(MonthCalendarTest, SerialisedBlockHoldsTheLiveState) {
    OpenOn(StoredOn(2014, 2, 10));
    Write(kUnit, LunarProperty::LayoutMode, lunar_controls::kGregorianLayoutMode);
    WriteText(kUnit, LunarProperty::FormatTemplate, Gbk("%M%D"));
    Write(kUnit, LunarProperty::HeaderShown, 0);
    const controls::KindDescriptor kind = lunar_controls::CnMonthCalendarKind();
    const MonthCalendarBlock read =
        ReadMonthCalendarBlock(kind.routines.serialise(&monthCalendar()));
    EXPECT_EQ(read.version, 2u);
    EXPECT_EQ(read.dateTime, runtime::ComposeDateTime(2014, 2, 10, 9, 30));
    EXPECT_EQ(read.layoutMode, lunar_controls::kGregorianLayoutMode);
    EXPECT_EQ(read.formatTemplate, Gbk("%M%D"));
    EXPECT_EQ(read.headerShown, 0);
}

TEST_F(MonthCalendarTest, SelectorsKeepTheirKeys) {
    OpenOn(StoredOn(2014, 2, 10, lunar_controls::kGregorianLayoutMode));
    QWidget* window = monthCalendar().window();
    QApplication::setActiveWindow(window);
    QComboBox* years = monthCalendar().panel().yearSelector();
    years->setFocus();
    ASSERT_TRUE(years->hasFocus());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(years, &down);
    EXPECT_TRUE(years->hasFocus()) << "the window did not move the focus";
    EXPECT_EQ(years->currentIndex(), 2015 - 1902);
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2015, 2, 10, 0}));

    // An open list is a pop-up window of its own, and the keys typed there
    // are the list's.
    years->showPopup();
    QWindow* list = years->view()->window()->windowHandle();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(list, key);
    EXPECT_EQ(monthCalendar().grid().solarDate(), (lunar::SolarDate{2016, 2, 10, 0}));
    years->showPopup();
    QTest::keyClick(list, Qt::Key_Escape);
    ASSERT_NE(controls::LiveControl(test::kWindowId, kUnit), nullptr) << "Escape closed the window";
    EXPECT_FALSE(years->view()->isVisible());
}

}  // namespace
}  // namespace lunar_controls
