#include "tests/gui/user.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include "controls/control_model.h"
#include "runtime/gbk.h"
#include "runtime/services.h"
#include "runtime/values.h"

namespace gui_testing {
namespace {

constexpr int kSettleRounds = 3;
constexpr int kShowTimeoutMs = 3000;
constexpr char16_t kCtrlA = 0x01;

QString Describe(const QWidget* widget) {
    if (widget == nullptr) return QStringLiteral("nothing");
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
           widget->objectName();
}

QAction* ActionNamed(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

::testing::AssertionResult Failure(const QString& why) {
    return ::testing::AssertionFailure() << why.toStdString();
}

}  // namespace

uint32_t UnitNamed(uint32_t windowId, const std::string& utf8Name) {
    const forms::WindowRecord* window = forms::FindWindow(controls::WindowTableRecords(), windowId);
    if (window == nullptr) return 0;
    const std::string gbkName = runtime::Utf8ToGbk(utf8Name);
    for (const forms::Unit& unit : window->units) {
        const auto* record = std::get_if<forms::UnitRecord>(&unit);
        if (record != nullptr && record->name == gbkName) return record->id;
    }
    return 0;
}

QWidget* Control(uint32_t unitId, uint32_t windowId) {
    return controls::LiveControl(windowId, unitId);
}

void Settle() {
    for (int round = 0; round < kSettleRounds; ++round) QCoreApplication::processEvents();
}

bool Activate(uint32_t windowId) {
    QWidget* window = controls::LoadedWindowWidget(windowId);
    if (window == nullptr) return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window, kShowTimeoutMs);
}

::testing::AssertionResult ClickAt(QWidget* control, QPoint point) {
    if (control == nullptr || !control->isVisible()) return Failure("the control is not shown");
    QWidget* window = control->window();
    const QPoint inWindow = control->mapTo(window, point);
    QWidget* hit = window->childAt(inWindow);
    if (hit != control && !control->isAncestorOf(hit)) {
        return Failure(
            QStringLiteral("a click on %1 would hit %2").arg(Describe(control), Describe(hit)));
    }
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
    Settle();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Click(QWidget* control) {
    if (control == nullptr) return Failure("no such control");
    return ClickAt(control, control->rect().center());
}

::testing::AssertionResult Click(uint32_t unitId, uint32_t windowId) {
    return Click(Control(unitId, windowId));
}

::testing::AssertionResult ShowPage(int page) {
    auto* tabs = qobject_cast<QTabWidget*>(Control(Unit(engine::MainUnit::TabControl)));
    if (tabs == nullptr) return Failure("the main window has no tab control");
    if (tabs->currentIndex() == page) return ::testing::AssertionSuccess();
    QTabBar* bar = tabs->tabBar();
    if (auto clicked = ClickAt(bar, bar->tabRect(page).center()); !clicked) return clicked;
    if (tabs->currentIndex() != page)
        return Failure(QStringLiteral("page %1 did not show").arg(page));
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TypeInto(uint32_t editBoxUnitId, const QString& text) {
    QWidget* box = Control(editBoxUnitId);
    if (auto clicked = Click(box); !clicked) return clicked;
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || (focus != box && !box->isAncestorOf(focus))) {
        return Failure(QStringLiteral("the click left the focus on %1").arg(Describe(focus)));
    }
    // Ctrl+A carries the control character as its text, as a keyboard
    // sends it; a digit-only box would refuse the letter "a".
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_A, QString(QChar(kCtrlA)),
                        Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(focus, Qt::Key_Delete);
    for (QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(focus, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
    Settle();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ChooseItem(uint32_t comboBoxUnitId, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(comboBoxUnitId));
    if (combo == nullptr) return Failure("no such combo box");
    if (auto clicked = Click(combo); !clicked) return clicked;
    QWidget* list = combo->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, kShowTimeoutMs)) {
        return Failure("the list did not open");
    }
    const int from = combo->view()->currentIndex().row();
    const Qt::Key step = index >= from ? Qt::Key_Down : Qt::Key_Up;
    for (int row = from; row != index; row += index >= from ? 1 : -1) QTest::keyClick(list, step);
    QTest::keyClick(list, Qt::Key_Return);
    if (!QTest::qWaitFor([list] { return !list->isVisible(); }, kShowTimeoutMs)) {
        return Failure("the list did not close");
    }
    Settle();
    if (combo->currentIndex() != index) {
        return Failure(QStringLiteral("item %1 is chosen instead").arg(combo->currentIndex()));
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ChooseMenuItem(uint32_t windowId, const QString& menu,
                                          const QString& item) {
    auto* window = qobject_cast<QMainWindow*>(controls::LoadedWindowWidget(windowId));
    if (window == nullptr) return Failure("the window is not loaded");
    QMenuBar* bar = window->menuBar();
    QAction* menuAction = ActionNamed(bar->actions(), menu);
    if (menuAction == nullptr || menuAction->menu() == nullptr) return Failure("no menu " + menu);
    if (auto clicked = ClickAt(bar, bar->actionGeometry(menuAction).center()); !clicked) {
        return clicked;
    }
    QMenu* dropDown = menuAction->menu();
    if (!QTest::qWaitFor([dropDown] { return dropDown->isVisible(); }, kShowTimeoutMs)) {
        return Failure("the menu " + menu + " did not open");
    }
    QAction* itemAction = ActionNamed(dropDown->actions(), item);
    if (itemAction == nullptr) return Failure("no menu item " + item);
    // The item's handler runs inside this click; one that opens a modal
    // window returns only after that window has closed.
    QTest::mouseClick(dropDown->windowHandle(), Qt::LeftButton, {},
                      dropDown->actionGeometry(itemAction).center());
    Settle();
    return ::testing::AssertionSuccess();
}

QString ShownText(uint32_t editBoxUnitId) {
    QWidget* box = Control(editBoxUnitId);
    const auto* editor = box != nullptr ? box->findChild<QLineEdit*>() : nullptr;
    return editor != nullptr ? editor->text() : QString();
}

QString PropertyText(uint32_t unitId, int32_t property, uint32_t windowId) {
    const runtime::RuntimeServices& services = runtime::Services();
    char* text = runtime::BitsToPointer<char>(
        services.ReadProperty(windowId, unitId, property, engine::kPlainElement));
    const std::string gbk = text != nullptr ? std::string(text) : std::string();
    services.FreeMemory(text);
    return QString::fromStdString(runtime::GbkToUtf8(gbk));
}

uint32_t PropertyWord(uint32_t unitId, int32_t property, uint32_t windowId) {
    return uint32_t(
        runtime::Services().ReadProperty(windowId, unitId, property, engine::kPlainElement));
}

QString TransLabelCaption(engine::MainUnit label) {
    return PropertyText(Unit(label), int32_t(engine::TransLabelProperty::Caption));
}

}  // namespace gui_testing
