// The embedded windows sized for the style they are shown in: under each
// built-in style the client area lies whole inside the window, below the
// menu bar as tall as the bar really is, and every control of every page
// lies inside the tab control the form stores, placed from its corner.

#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>

#include "controls/kinds/tab_control.h"
#include "embedded/embedded_template.h"
#include "engine/form_ids.h"
#include "engine/procedures.h"
#include "forms/kinds_table.h"
#include "runtime/gbk.h"
#include "tests/controls/gui_fixture.h"

namespace controls::testing {
namespace {

using engine::Id;
using engine::WindowId;

void DoNothing(const runtime::RuntimeServices&, runtime::EventRecord&) {}

// Kinds of other libraries are not linked here; their units make the
// window fail to build unless something stands in for them.
QWidget* CreatePlainWidget(const CreateRequest& request) {
    auto* widget = new QWidget(request.parent);
    widget->setGeometry(request.geometry);
    return widget;
}

// Shows the windows under one style and puts the program's style back after.
class WindowSizeTest : public GuiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previousStyle_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QString::fromUtf8(GetParam())));
        RegisterStandInKinds(CreatePlainWidget);
        // The window table keeps pointers into the table for as long as the
        // windows raise events, so it outlives the test.
        static std::array<runtime::EngineProcedure, engine::ProcedureCount> noOps{};
        noOps.fill(DoNothing);
        InstallWindowTable(forms::LoadTemplate(embedded::EmbeddedTemplate(), noOps));
    }

    void TearDown() override {
        GuiTest::TearDown();
        QApplication::setStyle(QStyleFactory::create(previousStyle_));
    }

    QString previousStyle_;
};

// The client area, menu bar included, is the stored outer size less the
// classic frame (3-pixel borders, 19-pixel caption).
TEST_P(WindowSizeTest, ClientAreaLiesWholeBelowTheMenuBar) {
    const std::pair<WindowId, QSize> windows[] = {{WindowId::Main, {768, 683}},
                                                  {WindowId::About, {354, 315}},
                                                  {WindowId::Company, {534, 457}}};
    for (const auto& [windowId, clientWithMenu] : windows) {
        SCOPED_TRACE(Id(windowId));
        FormWindow* window = Open(Id(windowId));
        ASSERT_NE(window, nullptr);
        const QRect client = window->clientArea()->geometry();
        EXPECT_TRUE(window->rect().contains(client));
        EXPECT_EQ(QSize(client.width(), client.bottom() + 1), clientWithMenu);
        if (window->menuBar()->isVisible()) {
            EXPECT_EQ(client.top(), window->menuBar()->geometry().bottom() + 1);
        }
        EXPECT_EQ(window->size(), window->minimumSize());
        EXPECT_EQ(window->size(), window->maximumSize());
    }
}

TEST_P(WindowSizeTest, EveryControlLiesInsideItsPageAsLaidOut) {
    FormWindow* window = Open(Id(WindowId::Main));
    ASSERT_NE(window, nullptr);
    const forms::UnitRecord* tabUnit = nullptr;
    for (const forms::Unit& unit : window->record().units) {
        const auto* record = std::get_if<forms::UnitRecord>(&unit);
        if (record != nullptr && record->kind == uint32_t(forms::KindCode::TabControl))
            tabUnit = record;
    }
    ASSERT_NE(tabUnit, nullptr);
    auto* tabs = dynamic_cast<kinds::TabControlWidget*>(window->control(tabUnit->id));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, tabUnit->width, tabUnit->height));
    int page = 0;
    for (uint32_t child : tabUnit->children) {
        if (child == 0) {
            ++page;
            continue;
        }
        tabs->setCurrentIndex(page);
        Settle();
        const QWidget* control = window->control(child);
        ASSERT_NE(control, nullptr);
        // The date labels start above the tab control, as the form places
        // them; every other control shows whole within the stored size.
        if (control->y() < 0) continue;
        const auto& unit = std::get<forms::UnitRecord>(*forms::FindUnit(window->record(), child));
        EXPECT_TRUE(QRect(0, 0, tabUnit->width, tabUnit->height).contains(control->geometry()))
            << runtime::GbkToUtf8(unit.name);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, WindowSizeTest, ::testing::Values("Fusion", "Windows"));

}  // namespace
}  // namespace controls::testing
