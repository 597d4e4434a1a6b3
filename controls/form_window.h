#pragma once
// A loaded window: the top-level widget made from the window's own unit, its
// client area, its menu bar and the controls of its units, with the pages
// they wait for and whether they are shown. Their input goes through the
// window's input router.

#include <QMainWindow>
#include <QPointer>
#include <compare>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "controls/input_router.h"
#include "forms/kind_data.h"
#include "forms/template.h"

namespace controls {

// Where a control listed directly on a tab page lies.
struct TabPlace {
    uint32_t tabUnitId = 0;
    int page = 0;
};

// One page of a tab control.
struct PageKey {
    uint32_t tabUnitId = 0;
    int page = 0;
    auto operator<=>(const PageKey&) const = default;
};

class FormWindow : public QMainWindow, public RoutedWindow {
public:
    FormWindow(forms::WindowRecord& record, const forms::WindowData& data, QWidget* owner);
    ~FormWindow() override;

    uint32_t windowId() const { return record_.windowId; }
    QWidget& frame() override { return *this; }
    forms::WindowRecord& record() override { return record_; }
    forms::UnitRecord& ownUnit() override;
    QWidget* clientArea() const override { return clientArea_; }

    const forms::WindowData& data() const override { return data_; }
    // Applies the window's own properties (title, frame, icon, keyboard).
    void setData(const forms::WindowData& data);
    // A window property by index; the window kind's file serves it.
    forms::PropertyValue kindProperty(int32_t index) const;

    // Takes a created control into the window: its unit, its input routing,
    // and the page it lies on when it is listed directly on a tab page.
    void attachControl(const forms::UnitRecord& unit, QWidget* control,
                       std::optional<TabPlace> place);
    // The control of a unit, made first when it has been waiting for its
    // tab page.
    QWidget* control(uint32_t unitId) override;
    // The control of a unit if it has been made; never makes anything.
    QWidget* existingControl(uint32_t unitId) const override;
    const std::vector<uint32_t>& unitOrder() const override { return unitOrder_; }
    void forgetControl(uint32_t unitId);

    // The controls of a tab page that is not shown wait: each is made when
    // it is first asked for, and the rest when the page is first shown.
    // Making every page at once would lay out and shape text that nobody
    // sees yet. The builder makes the listed units' controls; they are
    // given in no special order.
    using ControlBuilder = std::function<void(FormWindow&, const std::vector<uint32_t>& units)>;
    void setControlBuilder(ControlBuilder builder) { builder_ = std::move(builder); }
    void deferControl(uint32_t unitId, PageKey page);
    std::optional<PageKey> deferredPageOf(uint32_t unitId) const;
    // Makes every control still waiting for the page.
    void buildPage(PageKey page);

    // Shows or hides a control as its stored visible flag says, unless it
    // lies on a tab page that is not current.
    void applyVisibility(uint32_t unitId);
    // Applies applyVisibility to every control listed directly on the pages
    // of the tab control.
    void showCurrentPage(uint32_t tabUnitId);

    // Gives the keyboard to the first tab stop that takes it, passing over
    // tab controls, so that a value can be typed on the current page at once.
    void focusFirstTabStop() { input_.focusFirstTabStop(); }

    // Rebuilds the menu bar from the window's menu item records.
    void rebuildMenu();

    // A window centred before it is shown is centred by its client area:
    // its frame is not known yet. Once a window manager has framed it, the
    // frame is centred instead.
    void centreFrameOnceKnown() { centreFrame_ = true; }

    // Set once the creation events have been raised; moves and resizes
    // raise events 3 and 4 from then on.
    void markAnnounced() { announced_ = true; }

    // Detaches the window from the table without deleting it yet.
    void markGone() { gone_ = true; }
    bool isGone() const override { return gone_; }

    // Handlers of this window's units that are running now. A handler may
    // wait in a modal loop, with this window's code below it on the stack,
    // so a destroyed window is deleted only once none of them is left.
    void enterHandler() { ++runningHandlers_; }
    void leaveHandler();
    void deleteWhenHandlersReturn();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void build(std::vector<uint32_t> units);

    forms::WindowRecord& record_;
    forms::WindowData data_;
    QWidget* clientArea_ = nullptr;
    // Controls in unit order, which is also the tab order.
    std::vector<uint32_t> unitOrder_;
    std::map<uint32_t, QPointer<QWidget>> controls_;
    std::map<uint32_t, TabPlace> tabPlaces_;
    std::map<uint32_t, PageKey> deferred_;
    ControlBuilder builder_;
    InputRouter input_{*this};
    bool announced_ = false;
    bool centreFrame_ = false;
    bool gone_ = false;
    int runningHandlers_ = 0;
    bool deletePending_ = false;
};

}  // namespace controls
