#pragma once
// A control that shows one of several pages and tells its window after the
// shown page has changed (and the control's own events were raised), so
// that the window makes the new page's controls and shows them.

#include <functional>

namespace controls {

class PagedControl {
public:
    virtual void setPageChangedHandler(std::function<void()> handler) = 0;

protected:
    ~PagedControl() = default;
};

}  // namespace controls
