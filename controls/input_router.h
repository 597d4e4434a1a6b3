#pragma once
// The input routing of a loaded window. Every control's widgets report
// their input here: the window's keyboard handling comes first (Esc, Enter,
// Tab, the arrows and the page keys), then dragging when the window is
// dragged by its background, then the common events of the control the
// input is meant for.

#include <QHash>
#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/kind_registry.h"
#include "controls/window_drag.h"
#include "forms/template.h"

class QKeyEvent;
class QTabWidget;
class QWidget;

namespace controls {

// What the router needs of the window whose input it routes.
class RoutedWindow {
public:
    virtual QWidget& frame() = 0;
    virtual forms::WindowRecord& record() = 0;
    virtual forms::UnitRecord& ownUnit() = 0;
    virtual const forms::WindowData& data() const = 0;
    virtual QWidget* clientArea() const = 0;
    // The control of a unit, made first when it has been waiting.
    virtual QWidget* control(uint32_t unitId) = 0;
    virtual QWidget* existingControl(uint32_t unitId) const = 0;
    // The units with controls, in unit order, which is also the tab order.
    virtual const std::vector<uint32_t>& unitOrder() const = 0;
    virtual bool isGone() const = 0;

protected:
    ~RoutedWindow() = default;
};

class InputRouter : public QObject {
public:
    explicit InputRouter(RoutedWindow& window) : window_(window) {}
    ~InputRouter() override;

    // Routes the input of an object, a control or one of its parts, as the
    // unit's.
    void route(QObject* object, uint32_t unitId);

    // Gives the keyboard to the first tab stop that takes it, passing over
    // tab controls, so that a value can be typed on the current page at once.
    void focusFirstTabStop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<uint32_t> unitOf(QObject* object) const;
    // True when a key event reaches `watched` only because a routed control
    // inside it, the one with the focus, left the key unused.
    bool isPassedUp(const QObject* watched) const;
    const forms::UnitRecord* unitRecord(uint32_t unitId) const;
    const KindDescriptor* kindOf(uint32_t unitId) const;
    QWidget* ownerOf(uint32_t unitId);

    bool handleKey(uint32_t unitId, QKeyEvent& key);
    bool pressEnter(uint32_t unitId);
    bool switchPage(const QKeyEvent& key);
    QTabWidget* tabControlForPageKeys() const;
    bool focusFirstTabStopWithin(const QWidget* area);
    void moveFocus(uint32_t fromUnit, bool forward, bool tabStopsOnly);
    bool takesFocus(uint32_t unitId, bool tabStopsOnly) const;
    std::vector<uint32_t> unitsInsideOut() const;
    bool isDefaultButton(uint32_t unitId) const;
    bool raiseClick(uint32_t unitId);
    bool handleDrag(uint32_t unitId, QEvent& event);

    RoutedWindow& window_;
    QHash<QObject*, uint32_t> routes_;
    WindowDrag drag_;
};

}  // namespace controls
