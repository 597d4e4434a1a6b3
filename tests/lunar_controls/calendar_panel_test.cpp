#include "lunar_controls/calendar_panel.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QKeyEvent>

#include "platform/platform.h"
#include "tests/lunar_controls/gui_support.h"

namespace lunar_controls {
namespace {

using test::Gbk;

// What the user does when picking an item of a selector's list.
void Choose(QComboBox* selector, int item) {
    selector->setCurrentIndex(item);
    emit selector->activated(item);
}

std::string ItemText(QComboBox* selector, int item) {
    return platform::QStringToGbk(selector->itemText(item));
}

int YearItem(int year) {
    return year - panel_layout::kFirstSelectorYear;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { panel.grid().SetOwner(&owner); }

    void Show(bool gregorian, const lunar::SolarDate& date) {
        panel.SetGregorianLayout(gregorian);
        ASSERT_TRUE(panel.grid().SetSolarDate(date, false));
        panel.BuildSelectors();
        panel.KeepSelectorsInStep();
    }

    void ShowLunar(uint16_t year, uint16_t month, uint16_t day, bool isLeap) {
        panel.SetGregorianLayout(false);
        ASSERT_TRUE(panel.grid().SetLunarDate(year, month, day, isLeap, false));
        panel.BuildSelectors();
        panel.KeepSelectorsInStep();
    }

    CalendarPanel panel{CalendarPanel::Form::Embedded, nullptr};
    test::NoticeRecorder owner;
};

TEST_F(PanelTest, SizeAndPlacesWithAndWithoutHeader) {
    Show(true, {2014, 2, 10, 0});
    EXPECT_EQ(panel.size(), QSize(365, 262));
    EXPECT_EQ(panel.grid().pos(), QPoint(0, 30));
    EXPECT_EQ(panel.grid().id(), panel_layout::kGridId);
    EXPECT_EQ(panel.yearSelector()->geometry(), panel_layout::kYearSelectorRect);
    EXPECT_EQ(panel.monthSelector()->geometry(), panel_layout::kMonthSelectorRect);
    EXPECT_FALSE(panel.yearSelector()->isHidden());
    // Each list drops right under its box, scrolls, and ends at its list end.
    panel.show();
    const auto dropped = [&](QComboBox* selector) {
        selector->showPopup();
        const QWidget* list = selector->view()->window();
        EXPECT_EQ(selector->view()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        selector->hidePopup();
        return QRect(panel.mapFromGlobal(list->pos()), list->size());
    };
    EXPECT_EQ(dropped(panel.yearSelector()), QRect(QPoint(3, 26), QPoint(104, 249)));
    EXPECT_EQ(dropped(panel.monthSelector()), QRect(QPoint(107, 26), QPoint(167, 199)));

    panel.SetHeaderShown(false);
    EXPECT_EQ(panel.size(), QSize(365, 232));
    EXPECT_EQ(panel.grid().pos(), QPoint(0, 0));
    EXPECT_TRUE(panel.yearSelector()->isHidden());
    EXPECT_TRUE(panel.monthSelector()->isHidden());
}

TEST_F(PanelTest, YearListTextsInBothLayouts) {
    Show(true, {2014, 2, 10, 0});
    QComboBox* years = panel.yearSelector();
    ASSERT_EQ(years->count(), 146);
    EXPECT_EQ(ItemText(years, 0), Gbk("公历 1902 年"));
    EXPECT_EQ(ItemText(years, 145), Gbk("公历 2047 年"));
    EXPECT_EQ(years->currentIndex(), YearItem(2014));

    panel.SetGregorianLayout(false);
    panel.BuildSelectors();
    ASSERT_EQ(years->count(), 146);
    EXPECT_EQ(ItemText(years, YearItem(2014)), Gbk("甲午(马)-2014"));
    EXPECT_EQ(ItemText(years, YearItem(1924)), Gbk("甲子(鼠)-1924"));
}

TEST_F(PanelTest, LunarMonthListOf2020HoldsTheLeapMonthAfterTheFourth) {
    ShowLunar(2020, 3, 10, false);
    QComboBox* months = panel.monthSelector();
    const char* const expected[] = {"正月", "二月", "三月", "四月", "闰四月", "五月", "六月",
                                    "七月", "八月", "九月", "十月", "冬月",   "腊月"};
    ASSERT_EQ(months->count(), 13);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(ItemText(months, i), Gbk(expected[i])) << i;
    EXPECT_EQ(months->currentIndex(), 2);

    Choose(months, 4);
    EXPECT_EQ(panel.grid().lunarDate(), (lunar::LunarDate{2020, 4, 10, true}));
    EXPECT_EQ(panel.grid().solarDate(), (lunar::SolarDate{2020, 6, 1, 0}));
    EXPECT_TRUE(owner.notices.empty()) << "selectors change the date without notification";
}

TEST_F(PanelTest, LunarMonthSelectionCountsTheLeapMonth) {
    struct Case {
        const char* name;
        lunar::LunarDate date;
        int item;
    };
    const Case cases[] = {
        {"before the leap month", {2020, 3, 1, false}, 2},
        {"the normal month of the leap pair", {2020, 4, 1, false}, 3},
        {"the leap month", {2020, 4, 1, true}, 4},
        {"after the leap month", {2020, 5, 1, false}, 5},
        {"last month of a leap year", {2020, 12, 1, false}, 12},
        {"a year without leap month", {2021, 12, 1, false}, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowLunar(c.date.year, c.date.month, c.date.day, c.date.isLeap);
        EXPECT_EQ(panel.monthSelector()->currentIndex(), c.item);
    }
}

TEST_F(PanelTest, GregorianMonthChoiceClampsTheDayToTheMonth) {
    Show(true, {2014, 1, 31, 0});
    QComboBox* months = panel.monthSelector();
    ASSERT_EQ(months->count(), 12);
    EXPECT_EQ(ItemText(months, 1), Gbk("二月"));
    EXPECT_EQ(ItemText(months, 11), Gbk("十二月"));
    Choose(months, 1);
    EXPECT_EQ(panel.grid().solarDate(), (lunar::SolarDate{2014, 2, 28, 0}));
    Choose(panel.yearSelector(), YearItem(2016));
    EXPECT_EQ(panel.grid().solarDate(), (lunar::SolarDate{2016, 2, 28, 0}));
    QCoreApplication::sendPostedEvents(&owner);
    EXPECT_TRUE(owner.notices.empty());
}

TEST_F(PanelTest, YearChoiceKeepsTheMonthItemWhileItExists) {
    ShowLunar(2020, 12, 5, false);
    ASSERT_EQ(panel.monthSelector()->currentIndex(), 12);
    // 2021 has twelve months: item 12 is gone, so the selection is taken from
    // the selected lunar month again.
    Choose(panel.yearSelector(), YearItem(2021));
    EXPECT_EQ(panel.monthSelector()->count(), 12);
    EXPECT_EQ(panel.monthSelector()->currentIndex(), 11);
    EXPECT_EQ(panel.grid().lunarDate(), (lunar::LunarDate{2021, 12, 5, false}));

    ShowLunar(2021, 6, 5, false);
    // Item 5 stays item 5; in 2020 that is the fifth month, after the leap.
    Choose(panel.yearSelector(), YearItem(2020));
    EXPECT_EQ(panel.monthSelector()->currentIndex(), 5);
    EXPECT_EQ(panel.grid().lunarDate(), (lunar::LunarDate{2020, 5, 5, false}));
}

TEST_F(PanelTest, LunarMonthChoiceShortensDayThirtyInA29DayMonth) {
    // Lunar 2014 month 2 has 30 days, month 1 has 29.
    ShowLunar(2014, 2, 30, false);
    Choose(panel.monthSelector(), 0);
    EXPECT_EQ(panel.grid().lunarDate(), (lunar::LunarDate{2014, 1, 29, false}));
}

TEST_F(PanelTest, YearsOutsideTheListLeaveTheSelectorsEmpty) {
    Show(true, {1901, 3, 1, 0});
    EXPECT_EQ(panel.yearSelector()->currentIndex(), -1);
    EXPECT_EQ(panel.monthSelector()->count(), 0);
    emit panel.yearSelector()->activated(-1);
    EXPECT_EQ(panel.grid().solarDate(), (lunar::SolarDate{1901, 3, 1, 0}));
}

// A clock past the conversion range leaves the grid without a lunar date;
// the selectors still show the month chosen.
TEST(ClockPastTheRange, SelectorsShowTheChosenMonth) {
    lunar_controls::SetTodaySource([] { return lunar::SolarDate{2049, 1, 1, 0}; });
    lunar_controls::CalendarPanel panel(CalendarPanel::Form::Embedded);
    lunar_controls::SetTodaySource(nullptr);
    panel.BuildSelectors();
    Choose(panel.yearSelector(), YearItem(2020));
    Choose(panel.monthSelector(), 5);
    EXPECT_EQ(panel.grid().lunarDate(), (lunar::LunarDate{2020, 5, 1, false}));
}

TEST_F(PanelTest, HeaderTextFollowsTheTemplate) {
    Show(false, {2014, 2, 4, 0});
    panel.UpdateHeaderText();
    EXPECT_EQ(panel.headerText(), Gbk("甲午年(马)正月初五 2014-2-4"));
    panel.SetTemplate(Gbk("%Y(%S)-%y"));
    panel.UpdateHeaderText();
    EXPECT_EQ(panel.headerText(), Gbk("甲午(马)-2014"));

    const QImage image = panel.grab().toImage();
    using grid_colours::RgbOf;
    EXPECT_EQ(image.pixel(170, 2),
              lunar_controls::grid_colours::RgbOf(panel_layout::kHeaderStripFill));
    EXPECT_EQ(image.pixel(1, 29),
              lunar_controls::grid_colours::RgbOf(panel_layout::kHeaderStripFill));
    int white = 0;
    for (int y = 0; y < panel_layout::kHeaderStripHeight; ++y) {
        for (int x = panel_layout::kHeaderTextLeft; x < 365; ++x) {
            if (image.pixel(x, y) ==
                lunar_controls::grid_colours::RgbOf(panel_layout::kHeaderStripText)) {
                ++white;
                EXPECT_LT(x, 365 - panel_layout::kHeaderTextRightInset);
            }
        }
    }
    EXPECT_GT(white, 0);
}

TEST(DropDownPanel, EscapeAsksForCancelOnlyInTheDropDown) {
    int cancels = 0;
    lunar_controls::CalendarPanel dropDown(CalendarPanel::Form::DropDown);
    dropDown.SetCancelHandler([&] { ++cancels; });
    EXPECT_TRUE(dropDown.isWindow());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dropDown, &escape);
    EXPECT_EQ(cancels, 1);

    lunar_controls::CalendarPanel embedded(CalendarPanel::Form::Embedded);
    embedded.SetCancelHandler([&] { ++cancels; });
    QCoreApplication::sendEvent(&embedded, &escape);
    EXPECT_EQ(cancels, 1);
}

TEST(DropDownPanel, EscapeThatClosedASelectorListDoesNotCancel) {
    int cancels = 0;
    lunar_controls::CalendarPanel dropDown(CalendarPanel::Form::DropDown);
    dropDown.SetCancelHandler([&] { ++cancels; });
    dropDown.BuildSelectors();
    constexpr quint64 kListEscapeTime = 1000;
    // An open list sees the Escape first, as a shortcut check; the toolkit
    // then hands the same key press to the panel.
    QKeyEvent listCheck(QEvent::ShortcutOverride, Qt::Key_Escape, Qt::NoModifier);
    listCheck.setTimestamp(kListEscapeTime);
    QCoreApplication::sendEvent(dropDown.yearSelector()->view(), &listCheck);
    QKeyEvent handedOn(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    handedOn.setTimestamp(kListEscapeTime);
    QCoreApplication::sendEvent(&dropDown, &handedOn);
    EXPECT_EQ(cancels, 0);

    QKeyEvent pressed(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    pressed.setTimestamp(kListEscapeTime + 700);
    QCoreApplication::sendEvent(&dropDown, &pressed);
    EXPECT_EQ(cancels, 1);
}

}  // namespace
}  // namespace lunar_controls
