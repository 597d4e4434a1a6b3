// The embedded windows built for real, with no engine procedure bound:
// every control of every page inside its page, the tab control filling the
// window, the window centred, page 0 current. Pictures of every page and
// window, to look at, come from the real program: tools/screenshots.sh.

#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <map>

#include "controls/kinds/tab_control.h"
#include "embedded/embedded_template.h"
#include "engine/form_ids.h"
#include "engine/procedures.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"
#include "runtime/gbk.h"
#include "tests/controls/gui_fixture.h"

namespace controls::testing {
namespace {

using engine::Id;
using engine::WindowId;

void DoNothing(const runtime::RuntimeServices&, runtime::EventRecord&) {}

const std::array<runtime::EngineProcedure, engine::ProcedureCount> kNoOps = [] {
    std::array<runtime::EngineProcedure, engine::ProcedureCount> table{};
    table.fill(DoNothing);
    return table;
}();

// A frame where a kind of another library will draw, for the kinds that are
// not linked into these tests.
class StandIn : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::darkCyan, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QWidget* CreateStandIn(const CreateRequest& request) {
    auto* widget = new StandIn(request.parent);
    widget->setGeometry(request.geometry);
    return widget;
}

class LayoutTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        RegisterStandInKinds(CreateStandIn);
        InstallWindowTable(forms::LoadTemplate(embedded::EmbeddedTemplate(), kNoOps));
    }
};

const forms::UnitRecord& TabUnit(const forms::WindowRecord& window) {
    for (const forms::Unit& unit : window.units) {
        const auto* record = std::get_if<forms::UnitRecord>(&unit);
        if (record != nullptr && record->kind == uint32_t(forms::KindCode::TabControl))
            return *record;
    }
    static const forms::UnitRecord none;
    ADD_FAILURE() << "no tab control";
    return none;
}

bool IsCoreKind(uint32_t kind) {
    return (kind >> 16) == 1 && kind != uint32_t(forms::KindCode::Timer) &&
           kind != uint32_t(forms::KindCode::HyperLinker);
}

TEST_F(LayoutTest, MainWindowShowsEveryControlOfEveryPageWhole) {
    FormWindow* window = Open(Id(WindowId::Main));
    ASSERT_NE(window, nullptr);
    const forms::UnitRecord& tabUnit = TabUnit(window->record());
    auto* tabs = dynamic_cast<kinds::TabControlWidget*>(window->control(tabUnit.id));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, tabUnit.width, tabUnit.height));
    int page = 0;
    for (uint32_t child : tabUnit.children) {
        if (child == 0) {
            ++page;
            continue;
        }
        const auto& unit = std::get<forms::UnitRecord>(*forms::FindUnit(window->record(), child));
        QWidget* control = window->control(child);
        ASSERT_NE(control, nullptr);
        // Placed from the tab control's corner, the tab strip included.
        EXPECT_EQ(control->parentWidget(), tabs);
        EXPECT_EQ(control->pos(), QPoint(unit.left, unit.top)) << runtime::GbkToUtf8(unit.name);
        const bool neverVisible = forms::IsNeverVisible(forms::FindKind(unit.kind)->flags);
        EXPECT_EQ(control->isHidden(),
                  page != 0 || (unit.stateFlags & forms::kVisible) == 0 || neverVisible)
            << runtime::GbkToUtf8(unit.name);
        if (!IsCoreKind(unit.kind)) continue;
        EXPECT_TRUE(QRect(0, 0, tabUnit.width, tabUnit.height).contains(control->geometry()))
            << runtime::GbkToUtf8(unit.name);
    }
}

// Centred by the frame the platform gives them.
TEST_F(LayoutTest, WindowsOpenCentredOnTheScreen) {
    for (uint32_t windowId : {Id(WindowId::Main), Id(WindowId::About), Id(WindowId::Company)}) {
        FormWindow* window = Open(windowId);
        ASSERT_NE(window, nullptr);
        const QSize screen = platform::ScreenSize();
        const QSize frame = window->frameGeometry().size();
        EXPECT_EQ(window->pos(), QPoint((screen.width() - frame.width()) / 2,
                                        (screen.height() - frame.height()) / 2));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
}

}  // namespace
}  // namespace controls::testing

namespace controls::testing {
namespace {

// A control that covers later controls of its parent whole (a backdrop panel
// or a text block behind captions and buttons) lies beneath them.
TEST_F(LayoutTest, BackdropsLieBeneathTheControlsTheyHold) {
    FormWindow* window = Open(Id(WindowId::About));
    ASSERT_NE(window, nullptr);
    const QRect button(232, 176, 72, 32);
    QWidget* hit = window->clientArea()->childAt(button.center());
    ASSERT_NE(hit, nullptr);
    EXPECT_NE(dynamic_cast<QPushButton*>(hit), nullptr);
}

}  // namespace
}  // namespace controls::testing

namespace controls::testing {
namespace {

// The controls listed on each page of the main window's tab control.
std::vector<std::vector<uint32_t>> PageUnits(const forms::UnitRecord& tabUnit) {
    std::vector<std::vector<uint32_t>> pages(1);
    for (uint32_t child : tabUnit.children) {
        if (child == 0) {
            pages.emplace_back();
        } else {
            pages.back().push_back(child);
        }
    }
    return pages;
}

bool NeverVisible(const FormWindow& window, uint32_t unitId) {
    auto& record = const_cast<FormWindow&>(window).record();
    const auto& unit = std::get<forms::UnitRecord>(*forms::FindUnit(record, unitId));
    return forms::IsNeverVisible(forms::FindKind(unit.kind)->flags);
}

// What a made control looks like to a user and to assistive technology:
// where it is, whether it shows, its name and its place in the stacking
// order of its parent.
struct ControlLook {
    QRect geometry;
    bool hidden = false;
    QString accessibleName;
    qsizetype stackIndex = 0;
    bool operator==(const ControlLook&) const = default;
};

ControlLook LookOf(const QWidget& control) {
    return {control.geometry(), control.isHidden(), control.accessibleName(),
            control.parentWidget()->children().indexOf(&control)};
}

std::map<uint32_t, ControlLook> LooksOfPage(FormWindow& window, const std::vector<uint32_t>& page) {
    std::map<uint32_t, ControlLook> looks;
    for (uint32_t unitId : page) {
        if (const QWidget* control = window.existingControl(unitId))
            looks[unitId] = LookOf(*control);
    }
    return looks;
}

// The embedded template with the main window's tab control starting on
// `page`, so that the page is made with the window.
forms::TemplateData StartingOnPage(int page) {
    forms::TemplateData data = forms::LoadTemplate(embedded::EmbeddedTemplate(), kNoOps);
    forms::WindowRecord* main = forms::FindWindow(data, Id(WindowId::Main));
    for (forms::Unit& entry : main->units) {
        auto* unit = std::get_if<forms::UnitRecord>(&entry);
        if (unit == nullptr || unit->kind != uint32_t(forms::KindCode::TabControl)) continue;
        std::optional<forms::TabControlData> tabs =
            forms::ReadKindData<forms::TabControlData>(unit->kindData);
        tabs->initialPage = page;
        unit->kindData = forms::WriteKindData(*tabs);
    }
    return data;
}

TEST_F(LayoutTest, ControlsOfHiddenPagesAreMadeOnlyWhenNeeded) {
    FormWindow* window = Open(Id(WindowId::Main));
    ASSERT_NE(window, nullptr);
    const auto pages = PageUnits(TabUnit(window->record()));
    ASSERT_EQ(pages.size(), 4U);
    for (size_t page = 0; page < pages.size(); ++page) {
        for (uint32_t unitId : pages[page]) {
            const bool made = window->existingControl(unitId) != nullptr;
            // Timers work unseen, so they are made on any page.
            EXPECT_EQ(made, page == 0 || NeverVisible(*window, unitId))
                << "page " << page << " unit " << unitId;
        }
    }
}

TEST_F(LayoutTest, AskingForOneControlMakesOnlyItUntilItsPageIsShown) {
    FormWindow* window = Open(Id(WindowId::Main));
    ASSERT_NE(window, nullptr);
    const auto pages = PageUnits(TabUnit(window->record()));
    const uint32_t asked = pages[2].front();
    QWidget* control = window->control(asked);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isHidden()) << "page 2 is not shown";
    for (size_t page : {1U, 2U, 3U}) {
        for (uint32_t unitId : pages[page]) {
            if (unitId == asked || NeverVisible(*window, unitId)) continue;
            EXPECT_EQ(window->existingControl(unitId), nullptr) << unitId;
        }
    }
    auto* tabs = dynamic_cast<QTabWidget*>(window->control(TabUnit(window->record()).id));
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(2);
    Settle();
    for (uint32_t unitId : pages[2]) EXPECT_NE(window->existingControl(unitId), nullptr) << unitId;
}

// A page made when it is first shown, after its last control was asked for
// alone, looks exactly as it does when the window starts on it and makes
// it at once: the control made first is stacked where it belongs.
TEST_F(LayoutTest, PagesMadeWhenShownMatchPagesMadeWithTheWindow) {
    for (int page = 1; page < 4; ++page) {
        InstallWindowTable(StartingOnPage(page));
        FormWindow* atOnce = Open(Id(WindowId::Main));
        ASSERT_NE(atOnce, nullptr);
        const auto units = PageUnits(TabUnit(atOnce->record()))[size_t(page)];
        const std::map<uint32_t, ControlLook> expected = LooksOfPage(*atOnce, units);
        const QSize expectedSize = atOnce->size();
        ASSERT_EQ(expected.size(), units.size());

        InstallWindowTable(forms::LoadTemplate(embedded::EmbeddedTemplate(), kNoOps));
        FormWindow* later = Open(Id(WindowId::Main));
        ASSERT_NE(later, nullptr);
        auto* tabs = dynamic_cast<QTabWidget*>(later->control(TabUnit(later->record()).id));
        ASSERT_NE(tabs, nullptr);
        ASSERT_NE(later->control(units.back()), nullptr);
        tabs->setCurrentIndex(page);
        Settle();
        EXPECT_EQ(later->size(), expectedSize);
        const std::map<uint32_t, ControlLook> looks = LooksOfPage(*later, units);
        for (const auto& [unitId, look] : expected) {
            ASSERT_TRUE(looks.contains(unitId)) << "page " << page << " unit " << unitId;
            EXPECT_EQ(looks.at(unitId), look) << "page " << page << " unit " << unitId;
        }
    }
}

}  // namespace
}  // namespace controls::testing
