#pragma once
// Helpers shared by the core kinds: reading a unit's kind data, and texts
// and colours at the Qt boundary. The kinds' property tables and the
// generic property access through them come from forms/kind_tables.h.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "controls/kind_registry.h"
#include "forms/kind_data.h"
#include "forms/kind_tables.h"
#include "platform/platform.h"

namespace forms::kinds {

// The stored text as Qt shows it: GBK decoded, CR LF line breaks as LF.
QString DisplayText(const std::string& gbk);
// The text of a control back to GBK, line breaks as CR LF again.
std::string StoredText(const QString& text);
// What a box can hold of a text: exactly what reads back from its GBK
// bytes. Characters GBK lacks become the "?" they are stored as, except
// invisible format characters (zero-width space, direction marks, soft
// hyphen), which are dropped so that no hidden "?" changes a value.
QString KeepableText(const QString& text);

// Text colour and background colour on a widget's palette.
void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour);

// Reads the request's kind data; nullopt makes the create routine fail.
template <typename KindData>
std::optional<KindData> ReadRequestData(const CreateRequest& request) {
    return ReadKindData<KindData>(request.kindData);
}

}  // namespace forms::kinds
