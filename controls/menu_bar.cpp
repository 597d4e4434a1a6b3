// A window's menu bar from its menu item records.

#include "controls/menu_bar.h"

#include <QMenuBar>

#include "controls/control_model.h"
#include "controls/kind_support.h"
#include "forms/template.h"

namespace controls {
namespace {

const forms::MenuItemRecord* MenuItemAt(const forms::WindowRecord& record, size_t index) {
    return index < record.units.size() ? std::get_if<forms::MenuItemRecord>(&record.units[index])
                                       : nullptr;
}

void ApplyFlags(QAction& action, const forms::MenuItemRecord& item) {
    action.setEnabled((item.flags & forms::kMenuDisabled) == 0);
    if ((item.flags & forms::kMenuTicked) != 0) {
        action.setCheckable(true);
        action.setChecked(true);
    }
}

}  // namespace

void FillMenuBar(QMenuBar& bar, const forms::WindowRecord& record) {
    QMenu* dropDown = nullptr;
    bool dropDownHidden = false;
    for (size_t i = 0; i < record.units.size(); ++i) {
        const forms::MenuItemRecord* item = MenuItemAt(record, i);
        if (item == nullptr) continue;
        const bool hidden = (item->flags & forms::kMenuHidden) != 0;
        const QString caption = DisplayText(item->caption);
        QAction* action = nullptr;
        if (item->level == 0) {
            const forms::MenuItemRecord* next = MenuItemAt(record, i + 1);
            dropDownHidden = hidden;
            dropDown = nullptr;
            if (hidden) continue;
            if (next != nullptr && next->level > 0) {
                dropDown = bar.addMenu(caption);
                action = dropDown->menuAction();
            } else {
                action = bar.addAction(caption);
            }
        } else {
            if (hidden || dropDownHidden || dropDown == nullptr) continue;
            action = dropDown->addAction(caption);
        }
        ApplyFlags(*action, *item);
        // A top-level item that opens a drop-down raises nothing itself.
        if (dropDown != nullptr && item->level == 0) continue;
        QObject::connect(
            action, &QAction::triggered, &bar,
            [windowId = record.windowId, itemId = item->id] { FireEvent(windowId, itemId, 0); });
    }
}

}  // namespace controls
