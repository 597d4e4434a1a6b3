#include "lunar_controls/date_box.h"

#include <gtest/gtest.h>

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
using test::kDateBoxUnit;

constexpr auto kUnit = kDateBoxUnit;
constexpr int32_t kClicked = int32_t(lunar_controls::DateBoxEvent::Clicked);
constexpr int32_t kOpening = int32_t(lunar_controls::DateBoxEvent::DropDownOpening);
constexpr int32_t kClosed = int32_t(lunar_controls::DateBoxEvent::DropDownClosed);
constexpr int32_t kDateChanged = int32_t(lunar_controls::DateBoxEvent::DateChanged);

QSize& TestScreen() {
    static QSize screen;
    return screen;
}

QSize TestScreenSize() {
    return TestScreen();
}

DateBoxBlock StoredOn(uint16_t year, uint16_t month, uint16_t day) {
    DateBoxBlock block;
    block.dateTime = runtime::ComposeDateTime(year, month, day, 10);
    return block;
}

class DateBoxTest : public test::LunarKindTest {
protected:
    void SetUp() override {
        TestScreen() = QSize(4000, 3000);
        lunar_controls::SetScreenSizeSource(TestScreenSize);
    }
    void TearDown() override {
        lunar_controls::SetScreenSizeSource(nullptr);
        test::LunarKindTest::TearDown();
    }

    void OpenOn(const DateBoxBlock& block) {
        OpenWith(lunar_controls::MonthCalendarBlock{}, block);
    }

    // Opens the drop-down with the button and forgets the events so far.
    void DropDown() {
        dateBox().button().click();
        ASSERT_TRUE(dateBox().dropDownOpen());
        test::FiredEvents().clear();
    }

    QRect BoxOnScreen() { return {dateBox().mapToGlobal(QPoint(0, 0)), dateBox().size()}; }
};

TEST_F(DateBoxTest, ShowsTheStoredDateAndFiresEvent4OnceAfterCreation) {
    OpenOn(StoredOn(2014, 2, 4));
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kDateChanged});
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("甲午年(马)正月初五 2014-2-4"));
    EXPECT_EQ(dateBox().displayedText(), Gbk("甲午年(马)正月初五 2014-2-4"));
    EXPECT_EQ(dateBox().geometry().size(), test::kDateBoxBox.size());
}

TEST_F(DateBoxTest, AllZeroBlockShowsTodayWithTheDefaultTemplate) {
    Open({}, forms::Bytes(4 + 8, 0));
    const runtime::DateTimeFields now = runtime::SplitDateTime(runtime::NowDateTime());
    const std::string today = lunar::FormatLunarDay(
        uint16_t(now.year), uint16_t(now.month), uint16_t(now.day), lunar::DefaultLunarFormatGbk());
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), today);
    EXPECT_FALSE(dateBox().grid().gregorianLayout());
    EXPECT_EQ(Read(kUnit, LunarProperty::LayoutMode), 0u);
}

TEST_F(DateBoxTest, TemplateWriteChangesTheField) {
    OpenOn(StoredOn(2014, 2, 4));
    WriteText(kUnit, LunarProperty::FormatTemplate, Gbk("%Y(%S)-%y"));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("甲午(马)-2014"));
    EXPECT_EQ(dateBox().dropDown().templateText(), Gbk("%Y(%S)-%y"));
}

TEST_F(DateBoxTest, WritesRecomputeTheFieldAndRefuseImpossibleDates) {
    OpenOn(StoredOn(2048, 6, 1));
    const std::string before = ReadText(kUnit, LunarProperty::ShownText);
    test::FiredEvents().clear();
    Write(kUnit, LunarProperty::LunarYear, 2049);
    WriteDate(kUnit, runtime::ComposeDateTime(2049, 6, 1));
    test::Settle();
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), before);
    EXPECT_TRUE(EventsOf(kUnit).empty());

    WriteDate(kUnit, runtime::ComposeDateTime(2014, 1, 31, 12));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("癸巳年(蛇)正月初一 2014-1-31"));
    test::Settle();
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kDateChanged});
}

TEST_F(DateBoxTest, ButtonSitsAtTheRightEndOnEveryResize) {
    OpenOn(StoredOn(2014, 2, 4));
    const QSize sizes[] = {test::kDateBoxBox.size(), {300, 40}, date_box_layout::kDefaultSize};
    for (const QSize& size : sizes) {
        dateBox().resize(size);
        const QRect client = dateBox().contentsRect();
        EXPECT_EQ(
            dateBox().button().geometry(),
            QRect(client.right() + 1 - lunar_controls::date_box_layout::kButtonWidth, client.top(),
                  lunar_controls::date_box_layout::kButtonWidth, client.height()));
    }
    EXPECT_EQ(dateBox().button().text(), QStringLiteral("..."));
}

TEST(DropDownPlacement, BelowTheBoxUnlessAnEdgeIsNear) {
    const QSize screen(1024, 768);
    const QSize dropDown(365, 262);
    struct Case {
        const char* name;
        QSize screen;
        QRect box;
        QPoint position;
    };
    const Case cases[] = {
        {"below, left-aligned", screen, {100, 100, 208, 32}, {100, 132}},
        {"right edge: right-aligned", screen, {700, 100, 208, 32}, {908 - 365, 132}},
        {"just fits the right edge", screen, {1024 - 365, 100, 208, 32}, {1024 - 365, 132}},
        {"bottom edge: above the box", screen, {100, 600, 208, 32}, {100, 600 - 262}},
        {"just fits the bottom edge", screen, {100, 768 - 262 - 32, 208, 32}, {100, 768 - 262}},
        {"bottom-right corner", screen, {900, 700, 100, 24}, {1000 - 365, 700 - 262}},
        {"negative x becomes 0", {250, 768}, {100, 100, 208, 32}, {0, 132}},
        {"negative y becomes 0", {1024, 300}, {100, 200, 208, 32}, {100, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lunar_controls::DropDownPosition(c.screen, dropDown, c.box), c.position);
    }
}

TEST_F(DateBoxTest, OpeningFiresEvent2AndPlacesThePanelOnTheScreen) {
    OpenOn(StoredOn(2014, 2, 4));
    QWidget* window = dateBox().window();
    window->move(500, 400);
    test::FiredEvents().clear();
    const QRect box = BoxOnScreen();
    struct Case {
        const char* name;
        QSize screen;
        QPoint position;
    };
    const Case cases[] = {
        {"room below and right", {4000, 3000}, {box.left(), box.top() + box.height()}},
        {"right edge near",
         {box.left() + 300, 3000},
         {box.left() + box.width() - 365, box.top() + box.height()}},
        {"bottom edge near", {4000, box.top() + box.height() + 100}, {box.left(), box.top() - 262}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestScreen() = c.screen;
        dateBox().button().click();
        ASSERT_TRUE(dateBox().dropDownOpen());
        EXPECT_TRUE(dateBox().dropDown().isWindow());
        EXPECT_EQ(dateBox().dropDown().pos(), c.position);
        EXPECT_EQ(dateBox().dropDown().size(), QSize(365, 262));
        dateBox().CloseDropDown(false);
        EXPECT_FALSE(dateBox().dropDown().isVisible());
    }
    EXPECT_EQ(EventNumbersOf(kUnit),
              (std::vector<int32_t>{kOpening, kClosed, kOpening, kClosed, kOpening, kClosed}));
}

TEST_F(DateBoxTest, OpeningAgainWhileOpenDoesNothing) {
    OpenOn(StoredOn(2014, 2, 4));
    DropDown();
    dateBox().OpenDropDown();
    EXPECT_TRUE(EventsOf(kUnit).empty());
}

TEST_F(DateBoxTest, DropDownSelectorsFollowTheDate) {
    OpenOn(StoredOn(2020, 5, 23));
    DropDown();
    lunar_controls::CalendarPanel& panel = dateBox().dropDown();
    EXPECT_EQ(panel.yearSelector()->currentIndex(), 2020 - 1902);
    EXPECT_EQ(panel.monthSelector()->currentIndex(), 4) << "闰四月";
    EXPECT_EQ(panel.headerText(), Gbk("庚子年(鼠)闰四月初一 2020-5-23"));
    EXPECT_EQ(panel.grid().id(), 2046);
}

TEST_F(DateBoxTest, EscapeAfterASelectorChangeRestoresTheDateWithOnlyEvent3) {
    OpenOn(StoredOn(2014, 2, 4));
    DropDown();
    QComboBox* months = dateBox().dropDown().monthSelector();
    months->setCurrentIndex(5);
    emit months->activated(5);
    ASSERT_EQ(dateBox().grid().lunarDate().month, 6);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&dateBox().dropDown(), &escape);
    test::Settle();
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kClosed});
    EXPECT_FALSE(dateBox().dropDownOpen());
    EXPECT_EQ(dateBox().grid().solarDate(), (lunar::SolarDate{2014, 2, 4, 0}));
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("甲午年(马)正月初五 2014-2-4"));
}

TEST_F(DateBoxTest, OnlyALeftPressOutsideClosesAsACancel) {
    OpenOn(StoredOn(2014, 2, 4));
    DropDown();
    ASSERT_TRUE(dateBox().grid().SetSolarDate(2014, 3, 1, false));
    // The toolkit hands an open pop-up every press, also those outside it.
    QWindow* popup = dateBox().dropDown().windowHandle();
    const QPoint outside(dateBox().dropDown().width() + 20, 10);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        QTest::mouseClick(popup, button, Qt::NoModifier, outside);
        test::Settle();
        EXPECT_EQ(dateBox().dropDownOpen(), button != Qt::LeftButton) << button;
    }
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kClosed});
    EXPECT_EQ(dateBox().grid().solarDate(), (lunar::SolarDate{2014, 2, 4, 0}));
    dateBox().CloseDropDown(true);
    EXPECT_EQ(EventNumbersOf(kUnit), std::vector<int32_t>{kClosed}) << "no second close";
}

TEST_F(DateBoxTest, ClickOnADateGivesEvents4Then0Then3) {
    OpenOn(StoredOn(2014, 2, 4));
    dateBox().dropDown().SetGregorianLayout(true);
    DropDown();
    lunar_controls::CCalendar& grid = dateBox().grid();
    // 2014-02-01 is cell 5 of the February page.
    test::MoveMouse(grid, test::CellCentre(5));
    test::Click(grid, test::CellCentre(5));
    test::Settle();
    const std::vector<FiredEvent> expected = {
        {kUnit, int32_t(lunar_controls::DateBoxEvent::Hovered), {2014, 1, 2, 0}},
        {kUnit, kDateChanged, {}},
        {kUnit, kClicked, {}},
        {kUnit, kClosed, {}},
    };
    EXPECT_EQ(EventsOf(kUnit), expected);
    EXPECT_FALSE(dateBox().dropDownOpen());
    EXPECT_EQ(ReadText(kUnit, LunarProperty::ShownText), Gbk("癸巳年(蛇)正月初二 2014-2-1"));
    EXPECT_EQ(ReadDate(kUnit), runtime::ComposeDateTime(2014, 2, 1, 23, 59, 59));
}

TEST_F(DateBoxTest, KeysInTheDropDownMoveThenPickTheDay) {
    OpenOn(StoredOn(2014, 2, 4));
    DropDown();
    QWindow* popup = dateBox().dropDown().windowHandle();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Right}) QTest::keyClick(popup, key);
    test::Settle();
    EXPECT_EQ(dateBox().dropDown().monthSelector()->currentIndex(), 1) << "二月";
    EXPECT_EQ(dateBox().dropDown().headerText(), Gbk("甲午年(马)二月初六 2014-3-6"));
    QTest::keyClick(popup, Qt::Key_Return);
    test::Settle();
    EXPECT_EQ(EventNumbersOf(kUnit),
              (std::vector<int32_t>{kDateChanged, kDateChanged, kDateChanged, kClicked, kClosed}));
    EXPECT_FALSE(dateBox().dropDownOpen());
    EXPECT_EQ(ReadDate(kUnit), runtime::ComposeDateTime(2014, 3, 6, 23, 59, 59));
}

TEST_F(DateBoxTest, DisablingTheControlDisablesTheButtonAndGreysTheText) {
    OpenOn(StoredOn(2014, 2, 4));
    controls::WriteUnitProperty(test::kWindowId, kUnit, int32_t(forms::CommonProperty::Disabled),
                                -1, 1);
    EXPECT_FALSE(dateBox().button().isEnabled());
    const QImage image = dateBox().grab().toImage();
    const QColor grey = dateBox().palette().color(QPalette::Disabled, QPalette::Text);
    const QColor normal = dateBox().palette().color(QPalette::Active, QPalette::Text);
    ASSERT_NE(grey, normal);
    int greyPixels = 0, normalPixels = 0;
    const QRect text = dateBox().contentsRect().adjusted(0, 0, -date_box_layout::kButtonWidth, 0);
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            greyPixels += image.pixelColor(x, y) == grey;
            normalPixels += image.pixelColor(x, y) == normal;
        }
    }
    EXPECT_GT(greyPixels, 0);
    EXPECT_EQ(normalPixels, 0);
}

TEST_F(DateBoxTest, FocusGoesToTheButton) {
    OpenOn(StoredOn(2014, 2, 4));
    QWidget* window = dateBox().window();
    QApplication::setActiveWindow(window);
    dateBox().setFocus();
    EXPECT_TRUE(dateBox().button().hasFocus());
}

}  // namespace
}  // namespace lunar_controls
