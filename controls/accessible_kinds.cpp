// The accessible interfaces of the label and of the tab strip's page tabs.

#include "controls/accessible_kinds.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <QTabBar>
#include <map>

#include "controls/accessible_text.h"
#include "controls/kinds/label.h"

namespace controls {
namespace {

class LabelAccessible : public ShownTextAccessible {
public:
    explicit LabelAccessible(kinds::LabelWidget* label)
        : ShownTextAccessible(label, QAccessible::StaticText) {}

    QString shownText() const override {
        return static_cast<const kinds::LabelWidget*>(widget())->caption();
    }
    // A label without a caption (a white strip, a framed panel) only
    // decorates.
    QAccessible::Role role() const override {
        return shownText().isEmpty() ? QAccessible::Client : QAccessible::StaticText;
    }
};

// A combo box named after its row, its chosen item as its text. Qt's own
// interface names a combo box by its chosen item on this platform.
class ComboBoxAccessible : public ShownTextAccessible {
public:
    explicit ComboBoxAccessible(QComboBox* box) : ShownTextAccessible(box, QAccessible::ComboBox) {}

    QString shownText() const override { return box()->currentText(); }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return shownText();
        return ShownTextAccessible::text(kind);
    }
    // The drop-down list, once the box has made it: asking for it must not
    // make it, since the box hands it its font when it first opens.
    int childCount() const override { return list() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && list() != nullptr ? QAccessible::queryAccessibleInterface(list())
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return list() != nullptr && child->object() == list() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QAbstractItemView* list() const { return box()->findChild<QAbstractItemView*>(); }
};

// A control that hands its focus to a control inside (an edit box to its
// editor, a tab control to its strip): Qt reports it focused along with the
// control inside, which alone holds the focus.
class FocusHandingAccessible : public QAccessibleWidget {
public:
    explicit FocusHandingAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

// One page tab of a strip; pressing it selects its page.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabAccessible(QTabBar* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ != nullptr && index_ < strip_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(strip_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? strip_->tabText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect tab = strip_->tabRect(index_);
        return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = index_ == strip_->currentIndex();
        state.focused = state.selected && strip_->hasFocus();
        state.invisible = !strip_->isVisible();
        state.disabled = !strip_->isTabEnabled(index_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) strip_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> strip_;
    int index_;
};

// The tab strip; the focus it holds is its current page tab's.
class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(QTabBar* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~TabStripAccessible() override {
        for (const auto& [index, id] : tabs_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= strip()->count()) return nullptr;
        auto [entry, made] = tabs_.try_emplace(index);
        if (made) {
            entry->second =
                QAccessible::registerAccessibleInterface(new PageTabAccessible(strip(), index));
        }
        return QAccessible::accessibleInterface(entry->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : tabs_) {
            if (QAccessible::accessibleInterface(id) == child) return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = strip()->tabAt(strip()->mapFromGlobal(QPoint(x, y)));
        return index < 0 ? nullptr : child(index);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }

private:
    QTabBar* strip() const { return static_cast<QTabBar*>(widget()); }

    mutable std::map<int, QAccessible::Id> tabs_;
};

}  // namespace

QAccessibleInterface* CoreAccessible(const QString& className, QObject* object) {
    if (auto* label = dynamic_cast<kinds::LabelWidget*>(object)) return new LabelAccessible(label);
    if (className == QLatin1String("QComboBox")) {
        return new ComboBoxAccessible(static_cast<QComboBox*>(object));
    }
    if (className == QLatin1String("QTabBar")) {
        return new TabStripAccessible(static_cast<QTabBar*>(object));
    }
    // Qt's own interface for these two is the plain one.
    const bool plain =
        className == QLatin1String("QWidget") || className == QLatin1String("QTabWidget");
    auto* widget = qobject_cast<QWidget*>(object);
    if (plain && widget != nullptr && widget->focusProxy() != nullptr) {
        return new FocusHandingAccessible(widget);
    }
    return nullptr;
}

void InstallCoreAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(CoreAccessible);
}

}  // namespace controls
