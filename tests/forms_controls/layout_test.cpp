// The embedded windows built for real, with no engine procedure bound:
// every control of every page inside its page, the tab control filling the
// window, the window centred, page 0 current. Each page and the two small
// windows are also saved as PNG files in the temporary directory, so that
// the layout can be looked at.

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "engine/procedures.h"
#include "forms/embedded_template.h"
#include "forms/kinds/tab_control.h"
#include "forms/kinds_table.h"
#include "forms/main_window.h"
#include "runtime/gbk.h"
#include "runtime/platform.h"
#include "tests/forms_controls/gui_fixture.h"

namespace forms::testing {
namespace {

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

void RegisterStandIns() {
    for (const KindInfo& info : kKinds) {
        if (FindKindDescriptor(uint32_t(info.code)) != nullptr) continue;
        RegisterKind({uint32_t(info.code),
                      info.chineseName,
                      info.englishName,
                      info.flags,
                      kCommonPropertyTypes,
                      {CreateStandIn, nullptr, nullptr, nullptr, nullptr}});
    }
}

class LayoutTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        RegisterStandIns();
        InstallWindowTable(LoadTemplate(EmbeddedTemplate(), kNoOps));
    }

    static void Save(QWidget& widget, const QString& name) {
        const QString path = QDir::temp().filePath(name);
        EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

const UnitRecord& TabUnit(const WindowRecord& window) {
    for (const Unit& unit : window.units) {
        const auto* record = std::get_if<UnitRecord>(&unit);
        if (record != nullptr && record->kind == uint32_t(KindCode::TabControl)) return *record;
    }
    static const UnitRecord none;
    ADD_FAILURE() << "no tab control";
    return none;
}

bool IsCoreKind(uint32_t kind) {
    return (kind >> 16) == 1 && kind != uint32_t(KindCode::Timer) &&
           kind != uint32_t(KindCode::HyperLinker);
}

TEST_F(LayoutTest, MainWindowShowsEveryControlOfEveryPageWhole) {
    FormWindow* window = Open(kMainWindowId);
    ASSERT_NE(window, nullptr);
    const UnitRecord& tabUnit = TabUnit(window->record());
    auto* tabs = dynamic_cast<kinds::TabControl*>(window->control(tabUnit.id));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->geometry(), window->clientArea()->rect());
    const QRect pageRect(QPoint(0, 0), tabs->pageArea().size());
    int page = 0;
    for (uint32_t child : tabUnit.children) {
        if (child == 0) {
            ++page;
            continue;
        }
        const auto& unit = std::get<UnitRecord>(*FindUnit(window->record(), child));
        QWidget* control = window->control(child);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), tabs->widget(page));
        const bool neverVisible = (FindKind(unit.kind)->flags & kKindNeverVisible) != 0;
        EXPECT_EQ(control->isHidden(),
                  page != 0 || (unit.stateFlags & kVisible) == 0 || neverVisible)
            << runtime::GbkToUtf8(unit.name);
        if (!IsCoreKind(unit.kind)) continue;
        EXPECT_TRUE(pageRect.contains(control->geometry())) << runtime::GbkToUtf8(unit.name);
    }
}

TEST_F(LayoutTest, WindowsOpenCentredOnTheScreen) {
    for (uint32_t windowId : {kMainWindowId, kAboutWindowId, kCompanyWindowId}) {
        FormWindow* window = Open(windowId);
        ASSERT_NE(window, nullptr);
        const QSize screen = runtime::ScreenSize();
        EXPECT_EQ(window->pos(), QPoint((screen.width() - window->width()) / 2,
                                        (screen.height() - window->height()) / 2));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
}

TEST_F(LayoutTest, SavesScreenshotsOfEveryPageAndWindow) {
    FormWindow* main = Open(kMainWindowId);
    ASSERT_NE(main, nullptr);
    auto* tabs = static_cast<QTabWidget*>(main->control(TabUnit(main->record()).id));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        Settle();
        Save(*main, QStringLiteral("forms_main_page%1.png").arg(page));
    }
    for (auto [windowId, name] : {std::pair{kAboutWindowId, "forms_about.png"},
                                  std::pair{kCompanyWindowId, "forms_company.png"}}) {
        FormWindow* window = Open(windowId);
        ASSERT_NE(window, nullptr);
        Save(*window, QString::fromUtf8(name));
    }
}

}  // namespace
}  // namespace forms::testing

namespace forms::testing {
namespace {

// A control that covers later controls of its parent whole (a backdrop panel
// or a text block behind captions and buttons) lies beneath them.
TEST_F(LayoutTest, BackdropsLieBeneathTheControlsTheyHold) {
    FormWindow* window = Open(kAboutWindowId);
    ASSERT_NE(window, nullptr);
    const QRect button(232, 176, 72, 32);
    QWidget* hit = window->clientArea()->childAt(button.center());
    ASSERT_NE(hit, nullptr);
    EXPECT_NE(dynamic_cast<QPushButton*>(hit), nullptr);
}

}  // namespace
}  // namespace forms::testing
