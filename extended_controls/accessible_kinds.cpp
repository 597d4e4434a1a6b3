// The accessible interfaces of the transparent label and the hyperlink box.

#include "extended_controls/accessible_kinds.h"

#include <utility>

#include "controls/accessible_text.h"
#include "extended_controls/hyperlinker.h"
#include "extended_controls/trans_label.h"

namespace extended_controls {
namespace {

class TransLabelAccessible : public controls::ShownTextAccessible {
public:
    explicit TransLabelAccessible(TransLabelWidget* label)
        : ShownTextAccessible(label, QAccessible::StaticText) {}

    QString shownText() const override {
        return static_cast<const TransLabelWidget*>(widget())->caption();
    }
    // Until the clock writes its first text the label shows nothing.
    QAccessible::Role role() const override {
        return shownText().isEmpty() ? QAccessible::Client : QAccessible::StaticText;
    }
};

class LinkAccessible : public controls::ShownTextAccessible {
public:
    explicit LinkAccessible(HyperLinkerWidget* link)
        : ShownTextAccessible(link, QAccessible::Link) {}

    QString shownText() const override { return link()->shownText(); }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) link()->openLink();
    }

private:
    HyperLinkerWidget* link() const { return static_cast<HyperLinkerWidget*>(widget()); }
};

}  // namespace

QAccessibleInterface* ExtendedAccessible(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<TransLabelWidget*>(object)) {
        return new TransLabelAccessible(label);
    }
    if (auto* link = dynamic_cast<HyperLinkerWidget*>(object)) return new LinkAccessible(link);
    return nullptr;
}

void InstallExtendedAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(ExtendedAccessible);
}

}  // namespace extended_controls
