#pragma once
// The transparent label "透明标签": text drawn straight onto whatever lies
// beneath it, with an optional white or black copy for a raised, sunken or
// shadowed look. It paints no background of its own.
//
//   kind data ──► TransLabelWidget ──► layout (flags, font) ──► paintEvent
//   property write / move ──► redraw of the area beneath

#include <QString>
#include <QWidget>
#include <cstdint>

#include "controls/kind_support.h"
#include "extended_controls/extended_kinds.h"
#include "forms/kind_data.h"
#include "forms/stored_values.h"

namespace extended_controls {

// The highest value of each clamped choice.
inline constexpr uint32_t kMaxTextEffect = 3;
inline constexpr uint32_t kMaxAlignment = forms::Stored(forms::Alignment::Far);

class TransLabelWidget : public QWidget {
public:
    TransLabelWidget(controls::UnitAddress address, const forms::TransLabelData& data,
                     QWidget* parent);

    const forms::TransLabelData& data() const { return data_; }
    // The caption as shown.
    const QString& caption() const { return caption_; }
    // Stores the properties (choices clamped), lays the text out again and
    // redraws the area beneath the label.
    void setData(const forms::TransLabelData& data);
    // The Qt text flags the caption is drawn with.
    int textFlags() const { return textFlags_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void relayout();
    void redrawBeneath(const QRect& area);

    controls::UnitLink link_;
    forms::TransLabelData data_;
    QString caption_;
    int textFlags_ = 0;
};

// Brings every choice of the data into its range.
forms::TransLabelData ClampedTransLabelData(forms::TransLabelData data);

}  // namespace extended_controls
