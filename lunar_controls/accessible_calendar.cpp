// The accessible interfaces of the date box and of the day grid and its cells.

#include "lunar_controls/accessible_calendar.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>
#include <utility>

#include "controls/accessible_text.h"
#include "lunar/calendar.h"
#include "lunar_controls/date_box.h"
#include "lunar_controls/day_grid.h"
#include "platform/platform.h"

namespace lunar_controls {
namespace {

using grid_layout::kCellCount;
using grid_layout::kColumns;
using grid_layout::kRows;

// Gregorian date, then lunar month and day (ASCII, so GBK as it stands).
constexpr char kSpokenDayTemplate[] = "%y-%m-%d %M%D";

class DateBoxAccessible : public controls::ShownTextAccessible {
public:
    explicit DateBoxAccessible(CCnCalendar* box)
        : ShownTextAccessible(box, QAccessible::StaticText) {}

    QString shownText() const override {
        return platform::GbkToQString(static_cast<const CCnCalendar*>(widget())->displayedText());
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QString::fromUtf8(kDateBoxName);
        return ShownTextAccessible::text(kind);
    }
    // The box hands its focus to its button, which alone reports it.
    QAccessible::State state() const override {
        QAccessible::State state = ShownTextAccessible::state();
        state.focused = false;
        return state;
    }
};

class GridAccessible;

// One day of the page.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(CCalendar* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return grid_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        return SpokenDay(grid_->cell(index_).solar);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = CCalendar::CellRect(index_);
        return {grid_->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invalid = !isValid();
        if (state.invalid) return state;
        state.selectable = true;
        state.selected = isSelected();
        state.invisible = !grid_->isVisible();
        // Days of the neighbouring months are shown greyed.
        state.disabled = !grid_->cell(index_).inShownMonth;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    bool isSelected() const override {
        const lunar::SolarDate& day = grid_->cell(index_).solar;
        const lunar::SolarDate& selected = grid_->solarDate();
        return day.year == selected.year && day.month == selected.month && day.day == selected.day;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % kColumns; }
    int rowIndex() const override { return index_ / kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(grid_);
    }

private:
    QPointer<CCalendar> grid_;
    int index_;
};

// The page as a table; its cells are made when first asked for.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(CCalendar* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override {
        for (QAccessible::Id id : cells_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QString::fromUtf8(kDayGridName);
        if (kind == QAccessible::Description) return SpokenDay(grid()->solarDate());
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kCellCount) return nullptr;
        QAccessible::Id& id = cells_[size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CellAccessible(grid(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell == nullptr ? -1 : cell->rowIndex() * kColumns + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = grid()->HitTest(grid()->mapFromGlobal(QPoint(x, y)));
        return index < 0 ? nullptr : child(index);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
        return child(row * kColumns + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> selected;
        for (int index = 0; index < kCellCount; ++index) {
            QAccessibleInterface* cell = child(index);
            if (cell->tableCellInterface()->isSelected()) selected.append(cell);
        }
        return selected;
    }
    QString columnDescription(int column) const override {
        return platform::GbkToQString(lunar::WeekdayName(uint16_t(column + 1)));
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CCalendar* grid() const { return static_cast<CCalendar*>(widget()); }

    mutable std::array<QAccessible::Id, kCellCount> cells_{};
};

}  // namespace

QString SpokenDay(const lunar::SolarDate& date) {
    std::string spoken = lunar::FormatLunarDay(date.year, date.month, date.day, kSpokenDayTemplate);
    const uint16_t term = lunar::SolarTermOn(date.year, date.month, date.day);
    if (term != 0) spoken += ' ' + lunar::SolarTermName(term);
    return platform::GbkToQString(spoken);
}

QAccessibleInterface* LunarAccessible(const QString&, QObject* object) {
    if (auto* grid = dynamic_cast<CCalendar*>(object)) return new GridAccessible(grid);
    if (auto* box = dynamic_cast<CCnCalendar*>(object)) return new DateBoxAccessible(box);
    return nullptr;
}

void InstallLunarAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(LunarAccessible);
}

}  // namespace lunar_controls
