#pragma once
// Helpers shared by the core kinds: reading a unit's kind data, texts and
// colours at the Qt boundary, fonts from stored records, and the conversions
// between property values and the kind-data fields.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "controls/kind_registry.h"
#include "forms/kind_data.h"
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

// A font property value: a 60-byte record, anything else the default font.
StoredFont FontFromValue(const PropertyValue& value);
PropertyValue ValueOfFont(const StoredFont& font);

// Text colour and background colour on a widget's palette.
void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour);

PropertyValue ValueOfBytes(const Bytes& bytes);
Bytes BytesOfValue(const PropertyValue& value);

// Reads the request's kind data; nullopt makes the create routine fail.
template <typename KindData>
std::optional<KindData> ReadRequestData(const CreateRequest& request) {
    return ReadKindData<KindData>(request.kindData);
}

// Text lists (combo box items, tab pages) as one property value: the items
// joined by CR LF.
PropertyValue ValueOfList(const std::vector<std::string>& items);
std::vector<std::string> ListOfValue(const PropertyValue& value);

}  // namespace forms::kinds
