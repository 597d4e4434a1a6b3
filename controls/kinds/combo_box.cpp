// The combo box kind "组合框": a drop-down list. Choosing an item raises
// event 0 once the selection is confirmed: the box posts itself an event and
// raises it when that arrives, after the list has closed.

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QWheelEvent>
#include <utility>

#include "controls/control_model.h"
#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

using P = forms::ComboBoxProperty;

constexpr int32_t kNoSelection = -1;

// The selection the box starts with: the stored one clamped to the items,
// -1 (none) below that.
int32_t ClampedSelection(int32_t stored, size_t itemCount) {
    return std::clamp(stored, kNoSelection, int32_t(itemCount) - 1);
}

const QEvent::Type kSelectionConfirmed = QEvent::Type(QEvent::registerEventType());

class ComboBoxWidget : public QComboBox {
public:
    ComboBoxWidget(const forms::ComboBoxData& data, UnitAddress address, QWidget* parent)
        : QComboBox(parent), address_(address) {
        setData(data);
        setCurrentIndex(ClampedSelection(data.selection, data.items.size()));
        connect(this, &QComboBox::activated, this,
                [this] { QCoreApplication::postEvent(this, new QEvent(kSelectionConfirmed)); });
    }

    // The stored properties with the live items and selection.
    forms::ComboBoxData data() const {
        forms::ComboBoxData live = data_;
        live.selection = currentIndex();
        live.content = StoredText(currentText());
        return live;
    }

    void setData(const forms::ComboBoxData& data) {
        const int selection = currentIndex();
        data_ = data;
        setFont(platform::FontFromStored(data_.font));
        ApplyColours(*this, QPalette::Text, data_.textColour, QPalette::Base,
                     data_.backgroundColour);
        if (items() != data_.items) {
            clear();
            for (const std::string& item : data_.items) addItem(DisplayText(item));
            setCurrentIndex(ClampedSelection(selection, data_.items.size()));
        }
    }

    forms::PropertyValue kindProperty(int32_t index) const;
    void setKindProperty(int32_t index, const forms::PropertyValue& value);
    bool wantsKey(int qtKey) const;

    void showPopup() override {
        raise(forms::ComboBoxEvent::DropDownOpened);
        popupOpen_ = true;
        if (!listMade()) handFontToList();
        QComboBox::showPopup();
    }

    // Qt also calls this when the box is hidden; only a list that was open
    // closes.
    void hidePopup() override {
        QComboBox::hidePopup();
        if (!std::exchange(popupOpen_, false)) return;
        raise(forms::ComboBoxEvent::DropDownClosed);
    }

protected:
    // The wheel turns through the items only while the box has the focus,
    // so that scrolling the pointer across it changes nothing by accident.
    void wheelEvent(QWheelEvent* event) override {
        if (!hasFocus()) return event->ignore();
        QComboBox::wheelEvent(event);
    }

    bool event(QEvent* event) override {
        if (event->type() != kSelectionConfirmed) return QComboBox::event(event);
        raise(forms::ComboBoxEvent::ItemChosen);
        return true;
    }

    // QComboBox makes its drop-down list on every font change, to hand the
    // font on to it. Until the list exists the font is handed on when the
    // list first opens instead, so a box that is never opened never makes
    // its list.
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange && !listMade()) return QWidget::changeEvent(event);
        QComboBox::changeEvent(event);
    }

private:
    // The list lives in a pop-up frame among the box's children.
    bool listMade() const { return findChild<QAbstractItemView*>() != nullptr; }

    // Makes the list, in the pop-up window of its own, with the box's font.
    void handFontToList() {
        QAbstractItemView* list = view();
        list->window()->setFont(font());
        list->doItemsLayout();
    }

    void raise(forms::ComboBoxEvent event) {
        FireEvent(address_.windowId, address_.unitId, int32_t(event));
    }

    std::vector<std::string> items() const {
        std::vector<std::string> list;
        for (int i = 0; i < count(); ++i) list.push_back(StoredText(itemText(i)));
        return list;
    }

    UnitAddress address_;
    forms::ComboBoxData data_;
    bool popupOpen_ = false;
};

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::ComboBoxData>(request, [&](const forms::ComboBoxData& data) {
        return NewComboBox(data, request.address, request.parent);
    });
}

// The selection, the shown text and the item count are the live list's;
// the rest are stored properties that restyle the box.
void ComboBoxWidget::setKindProperty(int32_t index, const forms::PropertyValue& value) {
    switch (forms::PropertyAtIndex<P>(index)) {
        case P::Selection:
            return setCurrentIndex(std::clamp(value.AsInt(), kNoSelection, count() - 1));
        case P::Content: {
            const int found = findText(DisplayText(value.bytes));
            if (found >= 0) setCurrentIndex(found);
            return;
        }
        default:
            return SetStoredPropertyOf(*this, index, value);
    }
}

forms::PropertyValue ComboBoxWidget::kindProperty(int32_t index) const {
    if (forms::PropertyAtIndex<P>(index) == P::Property13)
        return forms::PropertyValue::Number(count());
    return StoredProperty(*this, index);
}

// The list keeps the arrow keys, which step through its items.
bool ComboBoxWidget::wantsKey(int qtKey) const {
    return qtKey == Qt::Key_Space || IsListKey(qtKey);
}

}  // namespace

QWidget* NewComboBox(const forms::ComboBoxData& data, UnitAddress address, QWidget* parent) {
    return new ComboBoxWidget(data, address, parent);
}

KindDescriptor ComboBoxKind() {
    return DescribeKind<ComboBoxWidget>(Create);
}

}  // namespace controls::kinds
