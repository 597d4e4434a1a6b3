// The program's windows as a user meets them: the about and company-profile
// windows opened from the menu "帮助" (modal: the main window takes no input
// meanwhile; "确定" closes only that window; they open again), and the two
// ways to end the program besides the close box, each in a run of its own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <set>
#include <string>

#include "app/program.h"
#include "controls/control_model.h"
#include "lunar_controls/month_calendar.h"
#include "tests/gui/ending.h"
#include "tests/gui/fixture.h"
#include "tests/gui/humidity_form.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

struct SecondaryWindowCase {
    const char* name;
    const char* menuItem;
    uint32_t windowId;
    const char* title;
};

// A failure names the row.
void PrintTo(const SecondaryWindowCase& row, std::ostream* out) {
    *out << row.name;
}

const SecondaryWindowCase kSecondaryWindows[] = {
    {"About", "关于", kAboutWindow, "关于湿度换算软件"},
    {"CompanyProfile", "公司简介", kCompanyWindow, "公司简介"},
};

class SecondaryWindowTest : public ProgramTest,
                            public ::testing::WithParamInterface<SecondaryWindowCase> {};

// While the window is up, a click on "计算" must not reach the main window:
// the input typed before would otherwise change 编辑框2.
TEST_P(SecondaryWindowTest, OpensModallyAndClosesAloneTwice) {
    const SecondaryWindowCase& window = GetParam();
    ASSERT_TRUE(EnterInputs({.knownQuantity = 1, .value = "50", .temperature = "20"}));
    ASSERT_TRUE(Compute());
    ASSERT_TRUE(TypeInto(Unit(MainUnit::KnownValue), "70"));
    const QString computed = ShownText(Unit(MainUnit::RelativeHumidity));
    QWidget* mainWindow = controls::LoadedWindowWidget(kMainWindow);
    const QWidget* typedInto = QApplication::focusWidget();

    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(::testing::Message() << "opening " << opening);
        bool modal = false;
        QString title;
        DismissModalWindow(window.windowId, [&](QWidget* opened) {
            modal = QApplication::activeModalWidget() == opened;
            title = opened->windowTitle();
            EXPECT_TRUE(Compute());
        });
        ASSERT_TRUE(ChooseMenuItem(kMainWindow, "帮助", window.menuItem));
        Settle();
        EXPECT_TRUE(ModalWindowDismissed()) << "the window did not open";
        EXPECT_TRUE(modal);
        EXPECT_EQ(title.toStdString(), window.title);
        EXPECT_EQ(controls::LoadedWindow(window.windowId), nullptr);
        EXPECT_TRUE(mainWindow->isEnabled());
        EXPECT_TRUE(mainWindow->isVisible());
        EXPECT_EQ(ShownText(Unit(MainUnit::RelativeHumidity)), computed);
        EXPECT_EQ(QApplication::focusWidget(), typedInto) << "the keyboard did not come back";
    }
}

INSTANTIATE_TEST_SUITE_P(HelpMenu, SecondaryWindowTest, ::testing::ValuesIn(kSecondaryWindows),
                         [](const auto& info) { return std::string(info.param.name); });

// Ctrl+Page Down twice shows 农家历 with the keyboard on its year selector;
// Tab walks on to the month selector and the day grid, whose arrows move
// the day.
TEST_F(ProgramTest, CalendarPageByKeyboard) {
    ASSERT_TRUE(ShowPage(0));
    ASSERT_TRUE(TypeInto(Unit(MainUnit::KnownValue), "1"));
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        Settle();
    };
    press(Qt::Key_PageDown, Qt::ControlModifier);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    auto* calendar = dynamic_cast<lunar_controls::CnMonthCalendarWidget*>(
        Control(UnitNamed(kMainWindow, "农历月历1")));
    ASSERT_TRUE(calendar != nullptr && calendar->isVisible()) << "农家历 is not shown";
    EXPECT_EQ(QApplication::focusWidget(), calendar->panel().yearSelector());
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &calendar->grid());
    lunar::SolarDate weekLater = calendar->grid().solarDate();
    lunar::ShiftDays(weekLater.year, weekLater.month, weekLater.day, 7);
    press(Qt::Key_Down);
    EXPECT_EQ(calendar->grid().solarDate(), weekLater);
}

// The child's run ends in milliseconds; this leaves room for the sanitizers.
constexpr int kEndingRunTimeoutMs = 60000;

struct EndingCase {
    const char* name;
    std::string_view ending;
};

// A failure names the row.
void PrintTo(const EndingCase& row, std::ostream* out) {
    *out << row.name;
}

const EndingCase kEndings[] = {
    {"CloseButton", kCloseButton},
    {"ExitMenuItem", kExitMenuItem},
};

class ProgramEndingTest : public ::testing::TestWithParam<EndingCase> {};

TEST_P(ProgramEndingTest, EndsTheProgramWithExitCodeZero) {
    const std::string ending(GetParam().ending);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromStdString(std::string(kEndingOption) + ending)});
    ASSERT_TRUE(child.waitForFinished(kEndingRunTimeoutMs)) << "the program did not end";
    const std::string output = child.readAllStandardOutput().toStdString();
    const std::string errors = child.readAllStandardError().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << errors;
    EXPECT_EQ(child.exitCode(), 0) << errors;
    EXPECT_NE(output.find(std::string(kActedLine) + ending), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(UserActions, ProgramEndingTest, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
// Every kind of the kinds table comes with exactly one support library: a
// kind left out would make every window that holds one fail to open.
TEST(SupportLibraries, BringEveryKindOnce) {
    std::multiset<uint32_t> brought;
    for (const host::SupportLibrary& library : app::HumidityProgramHeader().supportLibraries) {
        for (controls::KindMaker describe : library.kinds) brought.insert(describe().code);
    }
    std::multiset<uint32_t> known;
    for (const forms::KindInfo& kind : forms::kKinds) known.insert(uint32_t(kind.code));
    EXPECT_EQ(brought, known);
}

}  // namespace gui_testing
