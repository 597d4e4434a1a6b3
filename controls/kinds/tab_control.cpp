// The tab control kind "选择夹" and its kind-specific properties.

#include "controls/kinds/tab_control.h"

#include <QTabBar>
#include <QWheelEvent>
#include <algorithm>

#include "controls/control_model.h"
#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::TabControlData>(request, [&](const forms::TabControlData& data) {
        return new TabControlWidget(data, request.address, request.parent);
    });
}

// The strip of page headers: the wheel turns the pages only while the
// strip has the focus, so that scrolling across it changes nothing.
class TabStrip : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (!hasFocus()) return event->ignore();
        QTabBar::wheelEvent(event);
    }
};

}  // namespace

int InitialPage(int32_t stored, size_t pageCount) {
    if (pageCount == 0) return 0;
    return std::clamp(stored, 0, int32_t(pageCount) - 1);
}

TabControlWidget::TabControlWidget(const forms::TabControlData& data, UnitAddress address,
                                   QWidget* parent)
    : QTabWidget(parent), address_(address) {
    setTabBar(new TabStrip(this));
    setData(data);
    shownPage_ = InitialPage(data.initialPage, data.pageCaptions.size());
    setCurrentIndex(shownPage_);
    connect(this, &QTabWidget::currentChanged, this, [this](int page) { onCurrentChanged(page); });
    connect(this, &QTabWidget::tabBarClicked, this, [this] {
        FireEvent(address_.windowId, address_.unitId, int32_t(forms::TabEvent::Clicked));
    });
}

forms::TabControlData TabControlWidget::data() const {
    forms::TabControlData live = data_;
    live.initialPage = currentIndex();
    return live;
}

void TabControlWidget::setData(const forms::TabControlData& data) {
    data_ = data;
    setFont(platform::FontFromStored(data_.font));
    for (size_t page = 0; page < data_.pageCaptions.size(); ++page) {
        const QString caption = DisplayText(data_.pageCaptions[page]);
        if (int(page) < count()) {
            setTabText(int(page), caption);
        } else {
            addTab(new QWidget, caption);
        }
    }
    for (int page = 0; page < count(); ++page) {
        QWidget* area = widget(page);
        ApplyColours(*area, QPalette::WindowText, forms::kBlack, QPalette::Window,
                     data_.backgroundColour);
        // Pages are filled with the button-face colour (or their own), the
        // colour the labels on them paint, so that labels blend in.
        area->setAutoFillBackground(true);
    }
}

void TabControlWidget::onCurrentChanged(int page) {
    if (page == shownPage_) return;
    const int32_t args[] = {page};
    if (FireEvent(address_.windowId, address_.unitId, int32_t(forms::TabEvent::PageChanging),
                  args) != 0) {
        // The handler keeps the current page: go back without a second round.
        const QSignalBlocker blocker(this);
        setCurrentIndex(shownPage_);
        return;
    }
    shownPage_ = page;
    FireEvent(address_.windowId, address_.unitId, int32_t(forms::TabEvent::PageChanged), args);
    if (pageChanged_) pageChanged_();
}

// The current page turns the live control; the rest are stored properties.
void TabControlWidget::setKindProperty(int32_t index, const forms::PropertyValue& value) {
    if (forms::PropertyAtIndex<forms::TabControlProperty>(index) ==
        forms::TabControlProperty::CurrentPage) {
        return setCurrentIndex(InitialPage(value.AsInt(), size_t(count())));
    }
    SetStoredPropertyOf(*this, index, value);
}

// The arrow keys step through the pages while the tab control has the focus.
bool TabControlWidget::wantsKey(int qtKey) const {
    return qtKey == Qt::Key_Left || qtKey == Qt::Key_Right;
}

KindDescriptor TabControlKind() {
    return DescribeKind<TabControlWidget>(Create);
}

}  // namespace controls::kinds
