#pragma once
// The edit box "编辑框": a frameless Qt editor (a line, a wrapping text area,
// or a spin box when property 21 is set) inside a widget that paints the
// border style around it. Selection positions are counted in GBK bytes, as
// the program's texts are.

#include <QWidget>
#include <cstdint>

#include "forms/kind_data.h"
#include "forms/kind_properties.h"

namespace controls::kinds {

// Whether a typed character passes the input mode's filter. Control
// characters (below 0x20) always pass.
bool AcceptsTyped(uint32_t inputMode, char32_t character);

// A single-line box is at least this much taller than its font's character
// height: the two edges of a sunken border.
inline constexpr int kEditEdgeWidth = 2;

class EditBoxWidget : public QWidget {
public:
    EditBoxWidget(const forms::EditBoxData& data, QWidget* parent);

    // The stored properties with the live text and selection.
    forms::EditBoxData data() const;
    void setData(const forms::EditBoxData& data);
    forms::PropertyValue kindProperty(int32_t index) const;
    void setKindProperty(int32_t index, const forms::PropertyValue& value);
    bool wantsKey(int qtKey) const;

    QWidget* editor() const { return editor_; }
    QString text() const;
    void setText(const QString& text);
    // Selection start and length in GBK bytes; the selected text in GBK.
    int32_t selectionStart() const;
    int32_t selectionLength() const;
    std::string selectedText() const;
    void setSelection(int32_t startBytes, int32_t lengthBytes);
    void replaceSelection(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildEditor();
    void applyStyle();
    void placeEditor();

    forms::EditBoxData data_;
    QWidget* editor_ = nullptr;
};

}  // namespace controls::kinds
