#pragma once
// The tab control "选择夹": a QTabWidget that holds the controls the
// template lists on its pages, placed relative to its own corner.
// Changing the page raises event 1 (a true result keeps the current page),
// then event 2, then lets the window show the new page's controls.

#include <QTabWidget>
#include <functional>

#include "controls/kind_registry.h"
#include "controls/paged_control.h"
#include "forms/kind_data.h"

namespace controls::kinds {

class TabControlWidget : public QTabWidget, public PagedControl {
public:
    TabControlWidget(const forms::TabControlData& data, UnitAddress address, QWidget* parent);

    forms::TabControlData data() const;
    void setData(const forms::TabControlData& data);
    void setKindProperty(int32_t index, const forms::PropertyValue& value);
    bool wantsKey(int qtKey) const;

    // Called after the current page has changed and event 2 was raised.
    void setPageChangedHandler(std::function<void()> handler) override {
        pageChanged_ = std::move(handler);
    }

private:
    void onCurrentChanged(int page);

    UnitAddress address_;
    forms::TabControlData data_;
    int shownPage_ = 0;
    std::function<void()> pageChanged_;
};

// The page a tab control starts on: the stored page clamped to its pages.
int InitialPage(int32_t stored, size_t pageCount);

}  // namespace controls::kinds
