#pragma once
// Moving a window by dragging its background: the move starts once the
// pointer has gone past the drag distance with the left button held, so
// that a click moves nothing.

#include <QPoint>
#include <optional>

class QEvent;
class QMouseEvent;
class QWidget;

namespace controls {

class WindowDrag {
public:
    // Takes the mouse events of a drag of `window`; true when the event
    // was the drag's and goes no further.
    bool handle(QWidget& window, QEvent& event);

private:
    bool follow(QWidget& window, const QMouseEvent& mouse);

    // Where the press was, until the pointer has moved past the drag
    // distance with the button held.
    std::optional<QPoint> press_;
    // The pressed point's offset from the frame while the window follows
    // the pointer itself.
    std::optional<QPoint> offset_;
};

}  // namespace controls
