#pragma once
// The hyperlink box "超级链接框": a centred one-line text (the caption, or
// the address it links to) in the normal, visited or hover colour; a left
// click hands the web or "mailto:" address to the desktop.
//
//   kind data ──► HyperLinkerWidget ──► layout (client area, text) ──► paintEvent
//   pointer enter / leave ──► hover colour      left press ──► OpenLinkTarget

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "controls/kind_support.h"
#include "extended_controls/extended_kinds.h"
#include "forms/kind_data.h"

namespace extended_controls {

enum class LinkType : uint32_t {
    Email = 0,
    Web = 1,
};
inline constexpr uint32_t kMaxLinkType = 1;
inline constexpr uint32_t kMaxBorderStyle = 5;
inline constexpr const char* kMailtoPrefix = "mailto:";

// Where a click leads: the web address for a web link, "mailto:" and the
// e-mail address for an e-mail link; nullopt when that address is empty.
std::optional<QString> LinkTarget(const forms::HyperLinkerData& data);

// The text the box shows: the caption, else the address of its link type.
QString ShownLinkText(const forms::HyperLinkerData& data);

class HyperLinkerWidget : public QWidget {
public:
    // A hover colour standing for the palette's highlight is resolved to
    // that colour now, so it reads back as a plain colour.
    HyperLinkerWidget(controls::UnitAddress address, const forms::HyperLinkerData& data,
                      QWidget* parent);

    const forms::HyperLinkerData& data() const { return data_; }
    // Stores the properties (link type and border clamped), applies the
    // border at once and repaints.
    void setData(const forms::HyperLinkerData& data);

    bool hovering() const { return hovering_; }
    bool visited() const { return visited_; }
    QString shownText() const { return text_; }
    // Hover colour while hovering, else visited colour once visited, else
    // the normal colour.
    QColor textColour() const;
    // The area inside the border, where the text is centred.
    QRect clientRect() const { return clientRect_; }

    // What a left click does: opens the link; visited tells whether that
    // succeeded.
    bool openLink();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void relayout();
    void setHovering(bool hovering);

    controls::UnitLink link_;
    forms::HyperLinkerData data_;
    QString text_;
    QRect clientRect_;
    bool hovering_ = false;
    bool visited_ = false;
};

// Brings the link type and the border style into their ranges.
forms::HyperLinkerData ClampedHyperLinkerData(forms::HyperLinkerData data);

}  // namespace extended_controls
