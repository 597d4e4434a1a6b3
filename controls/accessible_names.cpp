// Accessible names of the edit boxes from the labels beside them.

#include "controls/accessible_names.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "controls/form_window.h"
#include "controls/kind_registry.h"
#include "controls/kinds/edit_box.h"
#include "controls/kinds/label.h"
#include "forms/kind_data.h"
#include "forms/kinds_table.h"

namespace controls {
namespace {

constexpr char16_t kFullWidthColon = u'\uFF1A';
// Joins a combo box's row caption: the box chooses the row's unit.
constexpr char16_t kUnitWord[] = u"单位";
// Where an edit box keeps its name as its row gives it, before a shared
// name is told apart.
constexpr char kRowName[] = "rowAccessibleName";

enum class Side { Left, Right };

bool OnRow(const QRect& box, const QRect& place) {
    const int centre = place.center().y();
    return centre >= box.top() && centre <= box.bottom();
}

bool OnSide(const QRect& box, const QRect& place, Side side) {
    return side == Side::Left ? place.right() < box.left() : place.left() > box.right();
}

// How far a neighbour on `side` lies from the box, along the row.
int Distance(const QRect& box, const QRect& place, Side side) {
    return side == Side::Left ? box.left() - place.right() : place.left() - box.right();
}

QString CleanCaption(const QString& caption) {
    QString clean = caption.simplified();
    while (clean.endsWith(kFullWidthColon) || clean.endsWith(u':')) clean.chop(1);
    return clean.trimmed();
}

// The caption of the label that names the box from `side`, or empty.
QString CaptionOnSide(const QRect& box, std::span<const RowNeighbour> neighbours, Side side) {
    // The first control that is not a label closes the row on this side.
    std::optional<int> barrier;
    for (const RowNeighbour& other : neighbours) {
        if (other.isLabel || !OnRow(box, other.place) || !OnSide(box, other.place, side)) continue;
        const int distance = Distance(box, other.place, side);
        if (!barrier || distance < *barrier) barrier = distance;
    }
    const int boxCentre = box.center().y();
    const RowNeighbour* best = nullptr;
    for (const RowNeighbour& label : neighbours) {
        if (!label.isLabel || !OnRow(box, label.place) || !OnSide(box, label.place, side)) continue;
        if (CleanCaption(label.caption).isEmpty()) continue;
        const int distance = Distance(box, label.place, side);
        if (barrier && distance >= *barrier) continue;
        if (best == nullptr) {
            best = &label;
            continue;
        }
        const int offCentre = std::abs(label.place.center().y() - boxCentre);
        const int bestOffCentre = std::abs(best->place.center().y() - boxCentre);
        if (offCentre < bestOffCentre ||
            (offCentre == bestOffCentre && distance < Distance(box, best->place, side))) {
            best = &label;
        }
    }
    return best != nullptr ? CleanCaption(best->caption) : QString();
}

bool IsPlace(int32_t property) {
    return property >= int32_t(forms::CommonProperty::Left) &&
           property <= int32_t(forms::CommonProperty::Height);
}

bool IsShown(const forms::UnitRecord& unit) {
    if ((unit.stateFlags & forms::kVisible) == 0) return false;
    const KindDescriptor* kind = FindKindDescriptor(unit.kind);
    return kind == nullptr || !forms::IsNeverVisible(kind->flags);
}

// A control that the program shows (whatever page is current) as a
// neighbour of the edit boxes in its container.
struct ShownControl {
    const QWidget* control = nullptr;
    RowNeighbour neighbour;
};

// The controls that the program shows in `container`, made so far.
std::vector<ShownControl> ShownIn(FormWindow& window, const QWidget* container) {
    std::vector<ShownControl> shown;
    for (const forms::Unit& entry : window.record().units) {
        const auto* unit = std::get_if<forms::UnitRecord>(&entry);
        if (unit == nullptr || !IsShown(*unit)) continue;
        const QWidget* control = window.existingControl(unit->id);
        if (control == nullptr || control->parentWidget() != container) continue;
        const auto* label = dynamic_cast<const kinds::LabelWidget*>(control);
        shown.push_back({control,
                         {control->geometry(), label != nullptr,
                          label != nullptr ? label->caption() : QString()}});
    }
    return shown;
}

// The neighbours of `box` among the shown controls of its container.
std::vector<RowNeighbour> NeighboursAmong(const std::vector<ShownControl>& container,
                                          const QWidget& box) {
    std::vector<RowNeighbour> neighbours;
    for (const ShownControl& other : container) {
        if (other.control != &box) neighbours.push_back(other.neighbour);
    }
    return neighbours;
}

void SetBoxName(kinds::EditBoxWidget& box, const QString& name) {
    box.setAccessibleName(name);
    // Assistive technology follows the focus, which the editor inside takes.
    if (box.editor() != nullptr) box.editor()->setAccessibleName(name);
}

void NameEditBox(kinds::EditBoxWidget& box, const std::vector<RowNeighbour>& neighbours) {
    QString name = EditBoxName(box.geometry(), neighbours);
    if (name.isEmpty()) name = HeadingOf(box.text());
    if (name.isEmpty()) name = box.window()->windowTitle();
    box.setProperty(kRowName, name);
    SetBoxName(box, name);
}

void NameEditBox(FormWindow& window, kinds::EditBoxWidget& box) {
    NameEditBox(box, NeighboursAmong(ShownIn(window, box.parentWidget()), box));
}

// The labels among the neighbours: a row's caption names the row's button
// across the edit box between them.
std::vector<RowNeighbour> LabelsAmong(const std::vector<ShownControl>& container) {
    std::vector<RowNeighbour> labels;
    for (const ShownControl& other : container) {
        if (other.neighbour.isLabel) labels.push_back(other.neighbour);
    }
    return labels;
}

// A combo box is named after its row's caption: "请输入压力值 单位".
void NameComboBoxes(const std::vector<ShownControl>& container) {
    const std::vector<RowNeighbour> labels = LabelsAmong(container);
    for (const ShownControl& shown : container) {
        auto* box = qobject_cast<QComboBox*>(const_cast<QWidget*>(shown.control));
        if (box == nullptr) continue;
        const QString row = CaptionOnSide(box->geometry(), labels, Side::Left);
        box->setAccessibleName(row.isEmpty() ? QString()
                                             : row + u' ' + QString::fromUtf16(kUnitWord));
    }
}

// Edit boxes of a window that share their row's name (a quantity shown at
// standard pressure and again after the pressure conversion) are told
// apart by the caption of the group box each lies in: "计算值 相对湿度 %".
void TellSharedNamesApart(FormWindow& window) {
    std::map<QString, std::vector<kinds::EditBoxWidget*>> byName;
    for (const forms::Unit& entry : window.record().units) {
        const auto* unit = std::get_if<forms::UnitRecord>(&entry);
        if (unit == nullptr || unit->kind != uint32_t(forms::KindCode::EditBox)) continue;
        auto* box = dynamic_cast<kinds::EditBoxWidget*>(window.existingControl(unit->id));
        if (box != nullptr) byName[box->property(kRowName).toString()].push_back(box);
    }
    for (const auto& [name, boxes] : byName) {
        for (kinds::EditBoxWidget* box : boxes) {
            const auto* group = qobject_cast<const QGroupBox*>(box->parentWidget());
            const bool shared = boxes.size() > 1 && !name.isEmpty() && group != nullptr;
            const QString spoken = shared ? group->title() + u' ' + name : name;
            if (box->accessibleName() != spoken) SetBoxName(*box, spoken);
        }
    }
}

// Buttons of one container that share a caption (the converter rows'
// "换算") are told apart by their row's caption: "换算 巴(bar)".
void NameSharedCaptionButtons(const std::vector<ShownControl>& container) {
    std::map<QString, std::vector<QPushButton*>> byCaption;
    for (const ShownControl& shown : container) {
        auto* button = qobject_cast<QPushButton*>(const_cast<QWidget*>(shown.control));
        if (button != nullptr) byCaption[button->text()].push_back(button);
    }
    const std::vector<RowNeighbour> labels = LabelsAmong(container);
    for (const auto& [caption, buttons] : byCaption) {
        if (buttons.size() < 2) continue;
        for (QPushButton* button : buttons) {
            const QString row = CaptionOnSide(button->geometry(), labels, Side::Left);
            button->setAccessibleName(row.isEmpty() ? caption : caption + u' ' + row);
        }
    }
}

}  // namespace

QString HeadingOf(const QString& text) {
    const QString firstLine = text.section(u'\n', 0, 0);
    if (!firstLine.contains(kFullWidthColon)) return {};
    return CleanCaption(firstLine.section(kFullWidthColon, 0, 0));
}

QString EditBoxName(const QRect& box, std::span<const RowNeighbour> neighbours) {
    const QString caption = CaptionOnSide(box, neighbours, Side::Left);
    const QString unit = CaptionOnSide(box, neighbours, Side::Right);
    if (caption.isEmpty() || unit.isEmpty()) return caption + unit;
    return caption + u' ' + unit;
}

void NameEditBoxes(FormWindow& window, const QWidget* container) {
    // The neighbours are gathered once per container that holds a box or a
    // button; other containers cost nothing more.
    std::map<const QWidget*, std::vector<ShownControl>> shown;
    for (const forms::Unit& entry : window.record().units) {
        const auto* unit = std::get_if<forms::UnitRecord>(&entry);
        if (unit == nullptr) continue;
        const bool isBox = unit->kind == uint32_t(forms::KindCode::EditBox);
        if (!isBox && unit->kind != uint32_t(forms::KindCode::Button) &&
            unit->kind != uint32_t(forms::KindCode::ComboBox)) {
            continue;
        }
        QWidget* control = window.existingControl(unit->id);
        if (control == nullptr || (container != nullptr && control->parentWidget() != container)) {
            continue;
        }
        auto [neighbours, first] = shown.try_emplace(control->parentWidget());
        if (first) neighbours->second = ShownIn(window, control->parentWidget());
        if (auto* box = isBox ? dynamic_cast<kinds::EditBoxWidget*>(control) : nullptr) {
            NameEditBox(*box, NeighboursAmong(neighbours->second, *box));
        }
    }
    for (const auto& [boxContainer, controls] : shown) {
        NameSharedCaptionButtons(controls);
        NameComboBoxes(controls);
    }
    TellSharedNamesApart(window);
}

void NameEditBoxesAfterWrite(FormWindow& window, const forms::UnitRecord& unit, int32_t property) {
    QWidget* control = window.control(unit.id);
    if (control == nullptr) return;
    if (unit.kind == uint32_t(forms::KindCode::Label)) {
        if (IsPlace(property) || property == int32_t(forms::CommonProperty::Visible) ||
            property == int32_t(forms::LabelProperty::Caption)) {
            NameEditBoxes(window, control->parentWidget());
        }
        return;
    }
    auto* box = dynamic_cast<kinds::EditBoxWidget*>(control);
    if (box == nullptr) return;
    if (IsPlace(property)) {
        NameEditBox(window, *box);
        TellSharedNamesApart(window);
    } else if (box->editor() != nullptr &&
               box->editor()->accessibleName() != box->accessibleName()) {
        // The write made the editor anew; it takes the box's name over.
        box->editor()->setAccessibleName(box->accessibleName());
    }
}

}  // namespace controls
