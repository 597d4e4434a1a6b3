// The program as a desktop program, run for real (engine, embedded windows,
// every control kind) under Qt's offscreen platform: the names assistive
// technology reads for the edit boxes, results that can be selected and
// copied, and the program icon on windows that have none of their own.
//
// A run ends the process-wide run state for good, so each test runs the
// program once in a process of its own (CTest starts each test alone).

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <set>
#include <string>

#include "app/program.h"
#include "controls/control_model.h"
#include "controls/form_window.h"
#include "controls/kinds/edit_box.h"
#include "engine/form_ids.h"
#include "engine/handlers.h"
#include "host/runtime_app.h"

namespace {

using engine::MainUnit;

constexpr uint32_t kMainWindow = engine::Id(engine::WindowId::Main);
constexpr uint32_t kAboutWindow = engine::Id(engine::WindowId::About);
constexpr int kPollMilliseconds = 10;
constexpr int kWatchdogMilliseconds = 20000;

std::function<void(controls::FormWindow&)>& WhileOpen() {
    static std::function<void(controls::FormWindow&)> action;
    return action;
}

// Waits inside the message loop for the main window, runs the test's
// action on it, then closes it, which ends the run.
void PollForMainWindow() {
    controls::FormWindow* window = controls::LoadedWindow(kMainWindow);
    if (window == nullptr) {
        QTimer::singleShot(kPollMilliseconds, PollForMainWindow);
        return;
    }
    WhileOpen()(*window);
    if (controls::FormWindow* still = controls::LoadedWindow(kMainWindow)) still->close();
}

int Entry(const runtime::RuntimeServices& services) {
    QTimer::singleShot(0, PollForMainWindow);
    return engine::EngineMain(services);
}

// Runs the whole program with `action` applied to its main window once it
// is open; returns the run's exit code.
int RunProgram(std::function<void(controls::FormWindow&)> action) {
    WhileOpen() = std::move(action);
    host::ProgramHeader header = app::HumidityProgramHeader();
    header.entryRoutine = Entry;
    int argc = 1;
    char name[] = "humidity-calc";
    char* argv[] = {name, nullptr};
    host::RuntimeApp app(argc, argv, header);
    return app.Run();
}

controls::kinds::EditBoxWidget& Box(controls::FormWindow& window, MainUnit unit) {
    auto* box = dynamic_cast<controls::kinds::EditBoxWidget*>(window.control(engine::Id(unit)));
    if (box == nullptr) throw std::runtime_error("no edit box");
    return *box;
}

std::string NameOf(controls::FormWindow& window, MainUnit unit) {
    return Box(window, unit).editor()->accessibleName().toStdString();
}

class DesktopIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A run that never ends fails the test rather than hanging it.
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            std::fprintf(stderr, "the program did not end within %d ms\n", kWatchdogMilliseconds);
            std::_Exit(EXIT_FAILURE);
        });
        watchdog_.start(kWatchdogMilliseconds);
    }
    void TearDown() override { watchdog_.stop(); }

private:
    QTimer watchdog_;
};

struct NamedBox {
    MainUnit unit;
    const char* name;
};

TEST_F(DesktopIntegrationTest, EditBoxesAreNamedAfterTheCaptionAndUnitBesideThem) {
    const NamedBox expected[] = {
        {MainUnit::KnownValue, "露 点"},
        {MainUnit::GasTemperature, "温 度 ℃"},
        {MainUnit::GaugePressure, "请输入压力值"},
        {MainUnit::RelativeHumidity, "计算值 相对湿度 %"},
        {MainUnit::DewPoint, "计算值 露点/霜点 ℃"},
        {MainUnit::VolumeRatio, "计算值 体积比 ppm(uL/L)"},
        {MainUnit::AbsoluteHumidityGrams, "计算值 绝对湿度 g/m3"},
        {MainUnit::AbsoluteHumidityMilligrams, "计算值 绝对湿度 mg/m3"},
        {MainUnit::MixingRatio, "计算值 混和比 g/Kg"},
        {MainUnit::SaturationVapourPressure, "计算值 饱和蒸汽压 pa"},
        {MainUnit::VapourPressure, "计算值 蒸汽压 pa"},
        {MainUnit::SupercooledDewPoint, "计算值 过冷水露点 ℃"},
        {MainUnit::SupercooledDewPointAfterConversion, "带压换算 过冷水露点 ℃"},
        {MainUnit::VapourPressureAfterConversion, "带压换算 蒸汽压 pa"},
        {MainUnit::BarValue, "巴(bar)"},
        {MainUnit::AtmValue, "标准大气压"},
        {MainUnit::KgfValue, "公斤力/厘米"},
        {MainUnit::PsiValue, "磅/英寸 (PSI)"},
    };
    std::vector<std::pair<uint32_t, std::string>> names;
    EXPECT_EQ(RunProgram([&](controls::FormWindow& window) {
                  for (const NamedBox& box : expected) {
                      names.emplace_back(uint32_t(box.unit), NameOf(window, box.unit));
                  }
              }),
              0);
    ASSERT_EQ(names.size(), std::size(expected));
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i].second, expected[i].name) << std::hex << names[i].first;
    }
}

// The seven converter buttons all read "换算"; each is named after its row.
TEST_F(DesktopIntegrationTest, ConverterButtonsAreNamedAfterTheirRow) {
    const MainUnit buttons[] = {MainUnit::BarButton, MainUnit::MpaButton, MainUnit::KpaButton,
                                MainUnit::AtmButton, MainUnit::KgfButton, MainUnit::MmHgButton,
                                MainUnit::PsiButton};
    std::set<std::string> names;
    std::string barName;
    EXPECT_EQ(
        RunProgram([&](controls::FormWindow& window) {
            qobject_cast<QTabWidget*>(window.control(engine::Id(MainUnit::TabControl)))
                ->setCurrentIndex(1);
            for (MainUnit button : buttons) {
                names.insert(window.control(engine::Id(button))->accessibleName().toStdString());
            }
            barName =
                window.control(engine::Id(MainUnit::BarButton))->accessibleName().toStdString();
        }),
        0);
    EXPECT_EQ(names.size(), std::size(buttons)) << "two buttons share a name";
    EXPECT_EQ(barName, "换算 巴(bar)");
}

TEST_F(DesktopIntegrationTest, TheKnownValuesNameFollowsTheChosenQuantity) {
    struct Choice {
        int index;
        const char* name;
    };
    const Choice choices[] = {{1, "相对湿度"}, {2, "体积比"}, {5, "混和比"}, {0, "露 点"}};
    std::vector<std::string> names;
    RunProgram([&](controls::FormWindow& window) {
        auto* combo = qobject_cast<QComboBox*>(window.control(engine::Id(MainUnit::KnownQuantity)));
        ASSERT_NE(combo, nullptr);
        for (const Choice& choice : choices) {
            combo->setCurrentIndex(choice.index);
            // As a user's choice in the list raises it; the box confirms the
            // choice through a posted event.
            emit combo->activated(choice.index);
            QCoreApplication::processEvents();
            names.push_back(NameOf(window, MainUnit::KnownValue));
        }
    });
    ASSERT_EQ(names.size(), std::size(choices));
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], choices[i].name);
}

TEST_F(DesktopIntegrationTest, NamesFollowWritesThatMoveALabelOrRemakeAnEditor) {
    constexpr int32_t kPlainElement = -1;
    constexpr int32_t kBelowTheRows = 400;
    std::string afterMove;
    std::string afterRemake;
    RunProgram([&](controls::FormWindow& window) {
        controls::WriteUnitProperty(kMainWindow, engine::Id(MainUnit::PercentAfterConversion),
                                    int32_t(forms::CommonProperty::Top), kPlainElement,
                                    kBelowTheRows);
        afterMove = NameOf(window, MainUnit::RelativeHumidityAfterConversion);
        controls::WriteUnitProperty(kMainWindow, engine::Id(MainUnit::RelativeHumidity),
                                    int32_t(forms::EditBoxProperty::MultiLine), kPlainElement, 1);
        afterRemake = NameOf(window, MainUnit::RelativeHumidity);
    });
    EXPECT_EQ(afterMove, "相对湿度");
    EXPECT_EQ(afterRemake, "相对湿度 %");
}

TEST_F(DesktopIntegrationTest, AResultCanBeSelectedAndCopiedWithKeyboardAndMouse) {
    QString shown;
    QString copiedByKeyboard;
    QString selectedByMouse;
    bool readOnly = false;
    RunProgram([&](controls::FormWindow& window) {
        auto* calculate =
            qobject_cast<QPushButton*>(window.control(engine::Id(MainUnit::ComputeButton)));
        ASSERT_NE(calculate, nullptr);
        calculate->click();
        controls::kinds::EditBoxWidget& result = Box(window, MainUnit::RelativeHumidity);
        auto* line = qobject_cast<QLineEdit*>(result.editor());
        ASSERT_NE(line, nullptr);
        readOnly = line->isReadOnly();
        shown = line->text();

        QApplication::clipboard()->clear();
        line->setFocus();
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
        copiedByKeyboard = QApplication::clipboard()->text();

        line->deselect();
        QTest::mouseDClick(line, Qt::LeftButton, {}, QPoint(4, line->height() / 2));
        selectedByMouse = line->selectedText();
    });
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_EQ(copiedByKeyboard, shown);
    EXPECT_FALSE(selectedByMouse.isEmpty());
    EXPECT_TRUE(shown.startsWith(selectedByMouse)) << selectedByMouse.toStdString();
}

TEST_F(DesktopIntegrationTest, WindowsWithoutAnIconOfTheirOwnShowTheProgramIcon) {
    QImage mainIcon;
    QImage programIcon;
    QImage aboutIcon;
    RunProgram([&](controls::FormWindow& window) {
        constexpr QSize kIconSize(32, 32);
        mainIcon = window.windowIcon().pixmap(kIconSize).toImage();
        programIcon = QApplication::windowIcon().pixmap(kIconSize).toImage();
        // The about window opens modally from the menu; it is looked at and
        // closed from inside its modal wait.
        QTimer::singleShot(kPollMilliseconds * 5, [&] {
            if (controls::FormWindow* about = controls::LoadedWindow(kAboutWindow)) {
                aboutIcon = about->windowIcon().pixmap(kIconSize).toImage();
                about->close();
            }
        });
        const QList<QAction*> menus = window.menuBar()->actions();
        ASSERT_EQ(menus.size(), 2);
        QAction* aboutItem = menus[1]->menu()->actions().value(0);
        ASSERT_NE(aboutItem, nullptr);
        aboutItem->trigger();
    });
    ASSERT_FALSE(mainIcon.isNull());
    EXPECT_EQ(programIcon, mainIcon);
    EXPECT_EQ(aboutIcon, mainIcon);
}

}  // namespace

// One QApplication for the runs, on the offscreen platform unless the
// environment names another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
