#include "lunar_controls/day_grid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <vector>

#include "cli/facts/lunar_facts.h"
#include "platform/platform.h"
#include "runtime/datetime.h"
#include "runtime/gbk.h"
#include "tests/lunar_controls/gui_support.h"

namespace lunar_controls {
namespace {

using test::Gbk;
using test::NoticeRecorder;
using test::RecordedNotice;

constexpr lunar::SolarDate kFeb2014Selected{2014, 2, 10, 0};
// 2014-02-10 is on the page that starts on Monday 2014-01-27.
constexpr int kFeb2014FirstIndex = 5;  // 2014-02-01
constexpr int kFeb2014LastIndex = 32;  // 2014-02-28
constexpr int kFeb2014Selected10th = 14;

double WholeDay(uint16_t year, uint16_t month, uint16_t day) {
    return runtime::ComposeDateTime(year, month, day);
}

class DayGridTest : public ::testing::Test {
protected:
    void SetUp() override { grid.SetOwner(&owner); }

    // Runs `action` with the recorder marking notices that arrive during it
    // as sent, then delivers what was posted.
    template <typename Action>
    void Deliver(Action action) {
        owner.sending = true;
        action();
        owner.sending = false;
        QCoreApplication::sendPostedEvents(&owner);
    }

    void ShowFebruary2014() {
        grid.SetGregorianLayout(true);
        ASSERT_TRUE(grid.SetSolarDate(kFeb2014Selected, false));
    }

    CCalendar grid;
    NoticeRecorder owner;
};

TEST_F(DayGridTest, GregorianPageOfFebruary2014) {
    ShowFebruary2014();
    EXPECT_EQ(grid.cell(0).solar, (lunar::SolarDate{2014, 1, 27, 0}));
    EXPECT_EQ(grid.cell(0).weekday, 1);
    EXPECT_EQ(grid.cell(41).solar, (lunar::SolarDate{2014, 3, 9, 0}));
    EXPECT_EQ(grid.cell(41).weekday, 7);

    const GridCell& first = grid.cell(kFeb2014FirstIndex);
    EXPECT_EQ(first.solar, (lunar::SolarDate{2014, 2, 1, 0}));
    EXPECT_EQ(platform::QStringToGbk(first.lunarText), Gbk("初二"));
    EXPECT_EQ(first.solarText, QStringLiteral("2.1"));
    EXPECT_EQ(grid.cell(kFeb2014Selected10th).solarText, QStringLiteral("10"));
    // 2014-03-01 is both the first of March and 二月初一.
    const GridCell& march = grid.cell(kFeb2014LastIndex + 1);
    EXPECT_EQ(march.solarText, QStringLiteral("3.1"));
    EXPECT_EQ(platform::QStringToGbk(march.lunarText), Gbk("二月"));

    EXPECT_EQ(grid.footerLeftText(), Gbk("初五立春  二十雨水"));
}

TEST_F(DayGridTest, GregorianPageMembershipFollowsTheGregorianMonth) {
    ShowFebruary2014();
    for (int i = 0; i < grid_layout::kCellCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grid.cell(i).inShownMonth, i >= kFeb2014FirstIndex && i <= kFeb2014LastIndex);
    }
}

// The command line's calendar shows the same page as the window's grid in
// its Gregorian layout: the same days, lunar texts, terms and footer.
TEST_F(DayGridTest, CommandLineMonthAgreesWithTheGridForEveryMonthOfTheRange) {
    grid.SetGregorianLayout(true);
    for (uint16_t year = lunar::FirstConvertibleDate.year; year <= lunar::LastConvertibleDate.year;
         ++year) {
        for (uint16_t month = 1; month <= lunar::MonthsPerYear; ++month) {
            if (!grid.SetSolarDate(year, month, lunar::GregorianMonthDays(year, month), false))
                continue;
            const cli::MonthFacts facts = cli::FactsOfMonth(year, month);
            std::vector<const GridCell*> shown;
            for (int i = 0; i < grid_layout::kCellCount; ++i) {
                if (grid.cell(i).inShownMonth) shown.push_back(&grid.cell(i));
            }
            ASSERT_EQ(shown.size(), facts.days.size()) << year << "-" << month;
            for (size_t i = 0; i < shown.size(); ++i) {
                const cli::MonthDay& day = facts.days[i];
                ASSERT_EQ(shown[i]->solar.day, day.day) << year << "-" << month;
                ASSERT_EQ(shown[i]->weekday, day.weekday) << year << "-" << month;
                ASSERT_EQ(shown[i]->lunarText.toStdString(), day.lunarText) << year << "-" << month;
                ASSERT_EQ(shown[i]->solarTerm, day.term ? day.term->number : 0)
                    << year << "-" << month;
            }
            ASSERT_EQ(runtime::GbkToUtf8(grid.footerLeftText()), facts.termLine)
                << year << "-" << month;
        }
    }
}

TEST_F(DayGridTest, LunarPageOfTheLeapFourthMonth2020) {
    ASSERT_TRUE(grid.SetLunarDate(2020, 4, 10, true, false));
    EXPECT_EQ(grid.lunarDate(), (lunar::LunarDate{2020, 4, 10, true}));
    EXPECT_EQ(grid.cell(0).solar, (lunar::SolarDate{2020, 5, 18, 0}));
    // 2020-05-18 ... 05-22 are the end of the normal fourth month.
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grid.cell(i).lunar.month, 4);
        EXPECT_FALSE(grid.cell(i).lunar.isLeap);
        EXPECT_FALSE(grid.cell(i).inShownMonth);
    }
    const GridCell& leapFirst = grid.cell(5);
    EXPECT_EQ(leapFirst.solar, (lunar::SolarDate{2020, 5, 23, 0}));
    EXPECT_TRUE(leapFirst.inShownMonth);
    EXPECT_EQ(platform::QStringToGbk(leapFirst.lunarText), Gbk("闰四月"));
    // The leap month has 29 days: 2020-05-23 ... 06-20; 06-21 is 五月初一.
    EXPECT_TRUE(grid.cell(5 + 28).inShownMonth);
    EXPECT_FALSE(grid.cell(5 + 29).inShownMonth);
    EXPECT_EQ(platform::QStringToGbk(grid.cell(5 + 29).lunarText), Gbk("五月"));
}

TEST_F(DayGridTest, LayoutSwitchRefillsThePage) {
    ASSERT_TRUE(grid.SetSolarDate(2014, 2, 10, false));
    EXPECT_FALSE(grid.gregorianLayout()) << "the grid starts in lunar layout";
    // Lunar 正月 2014 begins on Friday 2014-01-31.
    EXPECT_EQ(grid.cell(0).solar, (lunar::SolarDate{2014, 1, 27, 0}));
    EXPECT_TRUE(grid.cell(4).inShownMonth);
    grid.SetGregorianLayout(true);
    EXPECT_FALSE(grid.cell(4).inShownMonth);
}

TEST_F(DayGridTest, SetSolarDateRejectsDatesOutsideTheRange) {
    ASSERT_TRUE(grid.SetSolarDate(kFeb2014Selected, false));
    struct Case {
        const char* name;
        lunar::SolarDate date;
    };
    const Case rejected[] = {
        {"month 0", {2014, 0, 10, 0}},  {"month 13", {2014, 13, 10, 0}},
        {"year 2049", {2049, 6, 1, 0}}, {"year 2050", {2050, 1, 1, 0}},
        {"year 1900", {1900, 6, 1, 0}}, {"the day before lunar 1901", {1901, 2, 18, 0}},
        {"day 0", {2014, 3, 0, 0}},     {"February 29 of a common year", {2014, 2, 29, 0}},
        {"April 31", {2014, 4, 31, 0}},
    };
    for (const Case& c : rejected) {
        SCOPED_TRACE(c.name);
        Deliver([&] { EXPECT_FALSE(grid.SetSolarDate(c.date, true)); });
        EXPECT_EQ(grid.solarDate(), kFeb2014Selected);
    }
    EXPECT_TRUE(owner.notices.empty());

    EXPECT_TRUE(grid.SetSolarDate(lunar::FirstConvertibleDate, false));
    EXPECT_EQ(grid.lunarDate(), (lunar::LunarDate{1901, 1, 1, false}));
    EXPECT_TRUE(grid.SetSolarDate(lunar::LastConvertibleDate, false));
    EXPECT_EQ(grid.lunarDate(), (lunar::LunarDate{2048, 11, 27, false}));
}

TEST_F(DayGridTest, SetLunarDateValidatesAndConverts) {
    ASSERT_TRUE(grid.SetSolarDate(kFeb2014Selected, false));
    struct Case {
        const char* name;
        lunar::LunarDate lunar;
    };
    const Case rejected[] = {
        {"lunar year 1900", {1900, 12, 1, false}},
        {"lunar year 2050", {2050, 1, 1, false}},
        {"month 0", {2014, 0, 1, false}},
        {"month 13", {2014, 13, 1, false}},
        {"day 0", {2014, 1, 0, false}},
        {"day 30 of a 29-day month", {2014, 1, 30, false}},
        {"past the conversion range", {2049, 1, 1, false}},
        {"the end of lunar 2048", {2048, 11, 28, false}},
    };
    for (const Case& c : rejected) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(
            grid.SetLunarDate(c.lunar.year, c.lunar.month, c.lunar.day, c.lunar.isLeap, false));
        EXPECT_EQ(grid.solarDate(), kFeb2014Selected);
    }
    ASSERT_TRUE(grid.SetLunarDate(2021, 4, 1, true, false));
    EXPECT_EQ(grid.solarDate(), (lunar::SolarDate{2021, 5, 12, 0})) << "2021 has no leap month";
    EXPECT_FALSE(grid.lunarDate().isLeap);
    ASSERT_TRUE(grid.SetLunarDate(2020, 4, 1, true, false));
    EXPECT_EQ(grid.solarDate(), (lunar::SolarDate{2020, 5, 23, 0}));
}

TEST_F(DayGridTest, DateChangeIsPostedOnlyWithNotification) {
    ASSERT_TRUE(grid.SetSolarDate(kFeb2014Selected, false));
    Deliver([&] { EXPECT_TRUE(grid.SetSolarDate(kFeb2014Selected, false)); });
    EXPECT_TRUE(owner.notices.empty());

    Deliver([&] { EXPECT_TRUE(grid.SetSolarDate(kFeb2014Selected, true)); });
    const std::vector<RecordedNotice> expected = {
        {GridNotice::DateChanged, WholeDay(2014, 2, 10), false}};
    EXPECT_EQ(owner.notices, expected) << "a notified set posts even when the date is unchanged";
}

TEST_F(DayGridTest, HoverOverADateOfTheMonthSendsItAndDescribesItInTheFooter) {
    ShowFebruary2014();
    Deliver([&] { test::MoveMouse(grid, test::CellCentre(kFeb2014FirstIndex)); });
    const std::vector<RecordedNotice> expected = {
        {GridNotice::Hovered, WholeDay(2014, 2, 1), true}};
    EXPECT_EQ(owner.notices, expected);
    EXPECT_EQ(grid.hoverCell(), kFeb2014FirstIndex);
    EXPECT_EQ(grid.footerRightText(), Gbk("癸巳年(蛇)正月初二 2014-2-1"));

    Deliver([&] { test::MoveMouse(grid, test::CellCentre(kFeb2014FirstIndex) + QPoint(3, 1)); });
    EXPECT_EQ(owner.notices.size(), 1u) << "moving within the same cell sends nothing";
}

TEST_F(DayGridTest, HoverOverAGreyCellClearsTheFooterAndSendsNothing) {
    ShowFebruary2014();
    test::MoveMouse(grid, test::CellCentre(kFeb2014Selected10th));
    owner.notices.clear();
    Deliver([&] { test::MoveMouse(grid, test::CellCentre(0)); });
    EXPECT_TRUE(owner.notices.empty());
    EXPECT_TRUE(grid.footerRightText().empty());
    EXPECT_EQ(grid.hoverCell(), 0);
}

TEST_F(DayGridTest, LeavingTheGridClearsTheHighlight) {
    ShowFebruary2014();
    test::MoveMouse(grid, test::CellCentre(kFeb2014Selected10th));
    ASSERT_EQ(grid.hoverCell(), kFeb2014Selected10th);
    test::LeaveWidget(grid);
    EXPECT_EQ(grid.hoverCell(), -1);
    EXPECT_TRUE(grid.footerRightText().empty());
    const QImage page = grid.grab().toImage();
    EXPECT_NE(page.pixel(test::CellCentre(kFeb2014Selected10th)),
              grid_colours::RgbOf(grid_colours::kHoverFill));
}

TEST_F(DayGridTest, ClickSelectsTheDateThenPostsTheClick) {
    ShowFebruary2014();
    Deliver([&] { test::Click(grid, test::CellCentre(kFeb2014LastIndex)); });
    EXPECT_EQ(grid.solarDate(), (lunar::SolarDate{2014, 2, 28, 0}));
    const std::vector<RecordedNotice> expected = {
        {GridNotice::DateChanged, WholeDay(2014, 2, 28), false},
        {GridNotice::Clicked, WholeDay(2014, 2, 28), false},
    };
    EXPECT_EQ(owner.notices, expected);
}

TEST_F(DayGridTest, RightClickSendsTheDateWithoutSelectingIt) {
    ShowFebruary2014();
    Deliver([&] { test::Click(grid, test::CellCentre(kFeb2014LastIndex), Qt::RightButton); });
    EXPECT_EQ(grid.solarDate(), kFeb2014Selected);
    const std::vector<RecordedNotice> expected = {
        {GridNotice::RightClicked, WholeDay(2014, 2, 28), true}};
    EXPECT_EQ(owner.notices, expected);
}

TEST_F(DayGridTest, ClicksOutsideTheShownMonthDoNothing) {
    ShowFebruary2014();
    const QPoint places[] = {test::CellCentre(0), test::CellCentre(41), QPoint(10, 5),
                             QPoint(10, lunar_controls::grid_layout::kHeight - 5)};
    for (const QPoint& place : places) {
        Deliver([&] {
            test::Click(grid, place);
            test::Click(grid, place, Qt::RightButton);
        });
    }
    EXPECT_TRUE(owner.notices.empty());
    EXPECT_EQ(grid.solarDate(), kFeb2014Selected);
}

TEST_F(DayGridTest, KeysMoveTheSelectedDayAndReturnPicksIt) {
    struct Row {
        const char* name;
        bool gregorian;
        lunar::SolarDate from;
        Qt::Key key;
        lunar::SolarDate to;
    };
    const Row rows[] = {
        {"left", true, {2014, 2, 10, 0}, Qt::Key_Left, {2014, 2, 9, 0}},
        {"down a week", true, {2014, 2, 10, 0}, Qt::Key_Down, {2014, 2, 17, 0}},
        {"up into the month before", true, {2014, 2, 3, 0}, Qt::Key_Up, {2014, 1, 27, 0}},
        {"right into the month after", true, {2014, 2, 28, 0}, Qt::Key_Right, {2014, 3, 1, 0}},
        {"page down to a shorter month",
         true,
         {2014, 1, 31, 0},
         Qt::Key_PageDown,
         {2014, 2, 28, 0}},
        {"page up", true, {2014, 3, 10, 0}, Qt::Key_PageUp, {2014, 2, 10, 0}},
        {"page down to 二月十一", false, {2014, 2, 10, 0}, Qt::Key_PageDown, {2014, 3, 11, 0}},
        {"page up to 腊月十一", false, {2014, 2, 10, 0}, Qt::Key_PageUp, {2014, 1, 11, 0}},
        {"return picks", true, {2014, 2, 10, 0}, Qt::Key_Return, {2014, 2, 10, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        grid.SetGregorianLayout(row.gregorian);
        ASSERT_TRUE(grid.SetSolarDate(row.from, false));
        owner.notices.clear();
        Deliver([&] { QTest::keyClick(&grid, row.key); });
        EXPECT_EQ(grid.solarDate(), row.to);
        std::vector<RecordedNotice> expected = {
            {GridNotice::DateChanged, WholeDay(row.to.year, row.to.month, row.to.day), false}};
        if (row.key == Qt::Key_Return) {
            expected.push_back({GridNotice::Clicked, expected.front().dateTime, false});
        } else {
            ASSERT_GE(grid.hoverCell(), 0) << "the day is not highlighted";
            EXPECT_EQ(grid.cell(grid.hoverCell()).solar, row.to);
        }
        EXPECT_EQ(owner.notices, expected);
    }
}

TEST(DayGridGeometry, HitTestFindsTheFirstCellOfAnOverlappingBorder) {
    lunar_controls::CCalendar grid;
    struct Case {
        const char* name;
        QPoint point;
        int cell;
    };
    const Case cases[] = {
        {"header row", {10, 19}, -1},
        {"top-left corner of cell 0", {0, 20}, 0},
        {"border shared by cells 0 and 1", {52, 20}, 0},
        {"just inside cell 1", {53, 21}, 1},
        {"border shared by rows 0 and 1", {10, 52}, 0},
        {"bottom-right pixel of cell 41", {364, 212}, 41},
        {"footer", {10, 213}, -1},
        {"right of the grid", {365, 100}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(grid.HitTest(c.point), c.cell);
    }
    EXPECT_EQ(CCalendar::GridSize(), QSize(365, 232));
    EXPECT_EQ(grid.size(), CCalendar::GridSize());
}

TEST(DayGridGeometry, TheGridStartsOnTodayWithoutOwner) {
    const runtime::DateTimeFields now = runtime::SplitDateTime(runtime::NowDateTime());
    lunar_controls::CCalendar grid;
    EXPECT_EQ(grid.solarDate(),
              (lunar::SolarDate{uint16_t(now.year), uint16_t(now.month), uint16_t(now.day), 0}));
    EXPECT_FALSE(grid.gregorianLayout());
    EXPECT_EQ(grid.hoverCell(), -1);
}

TEST_F(DayGridTest, PaintedColoursOfTheParts) {
    ShowFebruary2014();
    test::MoveMouse(grid, test::CellCentre(kFeb2014Selected10th));
    const QImage page = grid.grab().toImage();
    using grid_colours::RgbOf;
    struct Case {
        const char* name;
        QPoint point;
        uint32_t colour;
    };
    const QRect hovered = CCalendar::CellRect(kFeb2014Selected10th);
    const Case cases[] = {
        {"header fill", {1, 1}, grid_colours::kHeaderFill},
        {"header border", {0, 0}, grid_colours::kLine},
        {"cell border", CCalendar::CellRect(9).topLeft(), grid_colours::kLine},
        {"grey cell fill", CCalendar::CellRect(0).topLeft() + QPoint(2, 2),
         grid_colours::kOutsideFill},
        {"cell fill", CCalendar::CellRect(9).topLeft() + QPoint(2, 2),
         grid_colours::kCellBackground},
        {"hover fill", hovered.topLeft() + QPoint(2, 2), grid_colours::kHoverFill},
        {"footer fill", {1, grid_layout::kHeight - 2}, grid_colours::kHeaderFill},
        {"footer bottom border", {1, grid_layout::kHeight - 1}, grid_colours::kLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(page.pixel(c.point), lunar_controls::grid_colours::RgbOf(c.colour));
    }
}

// Counts the pixels of a colour inside a rectangle of the painted page.
int CountColour(const QImage& page, const QRect& area, uint32_t stored) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (page.pixel(x, y) == grid_colours::RgbOf(stored)) ++count;
        }
    }
    return count;
}

TEST_F(DayGridTest, PaintedTextColoursOfCellsAndHeader) {
    ShowFebruary2014();
    test::MoveMouse(grid, test::CellCentre(kFeb2014Selected10th));
    const QImage page = grid.grab().toImage();
    const QRect saturday(5 * grid_layout::kCellWidth + 1, 1, grid_layout::kCellWidth - 1, 18);
    const QRect monday(1, 1, grid_layout::kCellWidth - 1, 18);
    EXPECT_GT(CountColour(page, saturday, grid_colours::kWeekendName), 0);
    EXPECT_EQ(CountColour(page, saturday, grid_colours::kHeaderText), 0);
    EXPECT_GT(CountColour(page, monday, grid_colours::kHeaderText), 0);

    const QRect plain = CCalendar::CellRect(9).adjusted(1, 1, -1, -1);
    EXPECT_GT(CountColour(page, plain, grid_colours::kSolarText), 0);
    EXPECT_GT(CountColour(page, plain, grid_colours::kLunarText), 0);
    const QRect hovered = CCalendar::CellRect(kFeb2014Selected10th).adjusted(1, 1, -1, -1);
    EXPECT_GT(CountColour(page, hovered, grid_colours::kHoverSolarText), 0);
    EXPECT_GT(CountColour(page, hovered, grid_colours::kHoverLunarText), 0);
    // The lunar text sits in the upper half, the Gregorian day in the lower.
    const QRect upper = plain.adjusted(0, 0, 0, -plain.height() / 2);
    const QRect lower = plain.adjusted(0, plain.height() / 2, 0, 0);
    EXPECT_EQ(CountColour(page, upper, grid_colours::kSolarText), 0);
    EXPECT_EQ(CountColour(page, lower, grid_colours::kLunarText), 0);
}

}  // namespace
}  // namespace lunar_controls
