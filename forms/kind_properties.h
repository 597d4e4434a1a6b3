#pragma once
// Kind properties declared once. Each kind with kind data has a table of
// rows (kind_tables.h), one per property or stored field:
//
//   {property number, value type, the kind-data field, first layout version}
//
// The rows are in the order of the stored layout; from the one table come
// the stored-layout reader and writer (kind_data.cpp), the kind's property
// types by number (PropertyTypes) and the generic reading and writing of a
// property through its field (GetStoredProperty, SetStoredProperty). A row
// without a field is a live property: the kind serves it from its control.
//
// The field's C++ type fixes its stored encoding and its property value:
//   uint32_t, int32_t      u32 / i32; a number
//   int16_t                i16; a one-character text (the password character)
//   std::string            TEXT; a text
//   Bytes                  BLOB; a byte block
//   StoredFont             BLOB, empty or a 60-byte FontRecord; a byte block
//   std::vector<string>    TEXTLIST; the items joined by CR LF
//   ArrayWord              u32, one word of a std::array<uint32_t, 3>; a number

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "forms/kind_data.h"
#include "runtime/values.h"

namespace forms {

// The value type code of a property table entry; it fixes how the payload
// of ReadProperty and WriteProperty is converted.
enum class PropertyType : uint16_t {
    None = 0,             // an entry without a value
    Integer = 1001,       // 32-bit signed
    Double = 1002,        // 64-bit floating point
    Logical = 1003,       // 0 or 1; any non-zero value written becomes 1
    DateTime = 1004,      // 64-bit
    Text = 1005,          // GBK text
    Choice = 1006,        // 32-bit index into the property's choices
    Picture = 1009,       // byte block holding an image file
    Icon = 1010,          // byte block holding a Windows icon file
    MousePointer = 1011,  // byte block: empty or a 4-byte system cursor identifier
    ByteBlock = 1012,     // byte block
    Font = 1013,          // 60-byte logical-font record
    Colour = 1014,        // 0x00BBGGRR
    Colour2 = 1015,       // 0x00BBGGRR
    Text2 = 1016,         // GBK text
    BackColour = 1017,    // 0x00BBGGRR; 0xFF000000 the button-face colour
    Text3 = 1018,         // GBK text
    Text4 = 1020,         // GBK text
    KindBlock = 1024,     // byte block defined by the kind (list items, tab pages)
};

bool IsTextType(PropertyType type);
bool IsBlockType(PropertyType type);

// The types of the eight common properties, which start every kind's table.
inline constexpr PropertyType kCommonPropertyTypes[] = {
    PropertyType::Integer, PropertyType::Integer, PropertyType::Integer, PropertyType::Integer,
    PropertyType::Text,    PropertyType::Logical, PropertyType::Logical, PropertyType::MousePointer,
};
static_assert(std::size(kCommonPropertyTypes) == size_t(kFirstKindProperty));

// A property value as a kind routine sees it: numbers (integers, logicals
// already 0/1, choices, colours, double and date-time bits) in `number`;
// texts (GBK) and byte blocks in `bytes`. The property table says which.
struct PropertyValue {
    runtime::Payload number = 0;
    std::string bytes;

    static PropertyValue Number(int64_t value) { return {runtime::Payload(value), {}}; }
    static PropertyValue Text(std::string value) { return {0, std::move(value)}; }
    int32_t AsInt() const { return int32_t(uint32_t(number)); }
    uint32_t AsUnsigned() const { return uint32_t(number); }
    bool AsBool() const { return number != 0; }
};

// The property a kind routine's index (the property number − 8) stands for.
template <typename Property>
constexpr Property PropertyAtIndex(int32_t index) {
    return Property(index + kFirstKindProperty);
}

// A font property value: a 60-byte record, anything else the default font.
StoredFont FontFromValue(const PropertyValue& value);
PropertyValue ValueOfFont(const StoredFont& font);
PropertyValue ValueOfBytes(const Bytes& bytes);
// Text lists (combo box items, tab pages) as one property value: the items
// joined by CR LF.
PropertyValue ValueOfList(const std::vector<std::string>& items);
std::vector<std::string> ListOfValue(const PropertyValue& value);

// One word of a three-word field (the label's shade colours).
template <typename Data>
struct ArrayWord {
    std::array<uint32_t, 3> Data::*array;
    size_t index;
};

template <typename Data>
using FieldRef = std::variant<std::monostate, uint32_t Data::*, int32_t Data::*, int16_t Data::*,
                              std::string Data::*, Bytes Data::*, StoredFont Data::*,
                              std::vector<std::string> Data::*, ArrayWord<Data>>;

template <typename Data>
struct KindProperty {
    template <typename Number>
    constexpr KindProperty(Number number, PropertyType type, FieldRef<Data> field = {},
                           uint32_t since = 0)
        : number(int32_t(number)), type(type), field(field), since(since) {}

    int32_t number;
    PropertyType type;
    FieldRef<Data> field;  // monostate: a live property, not stored
    uint32_t since;        // the first layout version that stores the field
};

// The rows of a kind, specialised in kind_tables.h as `static constexpr
// KindProperty<Data> kRows[]`.
template <typename Data>
struct KindTable;

namespace kind_properties {

constexpr int32_t PropertyCountOf(KindCode code) {
    // A plain walk rather than FindKind: the sanitizers make a comparison of
    // the found pointer with null unusable in a constant expression.
    for (const KindInfo& kind : kKinds) {
        if (kind.code == code) return kind.propertyCount;
    }
    return 0;
}

// Every property number from 8 to the kinds table's count has exactly one
// row, and no row lies outside that range.
template <typename Data>
constexpr bool NumbersCoverTheKind() {
    constexpr int32_t count = PropertyCountOf(Data::kKind);
    std::array<int, std::numeric_limits<uint8_t>::max()> seen{};
    for (const KindProperty<Data>& row : KindTable<Data>::kRows) {
        if (row.number < kFirstKindProperty || row.number >= count) return false;
        ++seen[size_t(row.number)];
    }
    return std::all_of(seen.begin() + kFirstKindProperty, seen.begin() + count,
                       [](int rows) { return rows == 1; });
}

template <typename Data>
constexpr auto MakePropertyTypes() {
    static_assert(NumbersCoverTheKind<Data>());
    std::array<PropertyType, size_t(PropertyCountOf(Data::kKind))> types{};
    std::copy(std::begin(kCommonPropertyTypes), std::end(kCommonPropertyTypes), types.begin());
    for (const KindProperty<Data>& row : KindTable<Data>::kRows) {
        types[size_t(row.number)] = row.type;
    }
    return types;
}

template <typename Data>
inline constexpr auto kPropertyTypes = MakePropertyTypes<Data>();

template <typename Each, size_t... Row>
void ForEachRowIn(Each& each, std::index_sequence<Row...>) {
    (each(std::integral_constant<size_t, Row>{}), ...);
}

// Calls each(std::integral_constant<size_t, row>) for every row of the
// kind, so that each row's field is handled with its own type.
template <typename Data, typename Each>
void ForEachRow(Each each) {
    ForEachRowIn(each, std::make_index_sequence<std::size(KindTable<Data>::kRows)>{});
}

template <typename Data, size_t Row>
inline constexpr const KindProperty<Data>& kRow = KindTable<Data>::kRows[Row];

// The row's field as its member pointer (or std::monostate).
template <typename Data, size_t Row>
inline constexpr auto kField = std::get<kRow<Data, Row>.field.index()>(kRow<Data, Row>.field);

// Calls `each` with the row of the property at `index` (number − 8), if
// the kind has one.
template <typename Data, typename Each>
void ForRowAt(int32_t index, Each each) {
    ForEachRow<Data>([&]<size_t Row>(std::integral_constant<size_t, Row> row) {
        if (kRow<Data, Row>.number == index + kFirstKindProperty) each(row);
    });
}

template <typename Data>
PropertyValue ValueOf(const Data&, std::monostate) {
    return {};
}
template <typename Data>
PropertyValue ValueOf(const Data& d, uint32_t Data::*field) {
    return PropertyValue::Number(d.*field);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, int32_t Data::*field) {
    return PropertyValue::Number(d.*field);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, int16_t Data::*character) {
    return PropertyValue::Text(d.*character > 0 ? std::string(1, char(d.*character)) : "");
}
template <typename Data>
PropertyValue ValueOf(const Data& d, std::string Data::*text) {
    return PropertyValue::Text(d.*text);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, Bytes Data::*bytes) {
    return ValueOfBytes(d.*bytes);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, StoredFont Data::*font) {
    return ValueOfFont(d.*font);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, std::vector<std::string> Data::*list) {
    return ValueOfList(d.*list);
}
template <typename Data>
PropertyValue ValueOf(const Data& d, ArrayWord<Data> word) {
    return PropertyValue::Number((d.*word.array)[word.index]);
}

inline uint32_t WordOf(PropertyType type, const PropertyValue& value) {
    if (type == PropertyType::Logical) return value.AsBool() ? 1 : 0;
    return value.AsUnsigned();
}

template <typename Data>
void Assign(Data&, std::monostate, PropertyType, const PropertyValue&) {}
template <typename Data>
void Assign(Data& d, uint32_t Data::*field, PropertyType type, const PropertyValue& value) {
    d.*field = WordOf(type, value);
}
template <typename Data>
void Assign(Data& d, int32_t Data::*field, PropertyType, const PropertyValue& value) {
    d.*field = value.AsInt();
}
template <typename Data>
void Assign(Data& d, int16_t Data::*character, PropertyType, const PropertyValue& value) {
    d.*character = int16_t(value.bytes.empty() ? 0 : uint8_t(value.bytes[0]));
}
template <typename Data>
void Assign(Data& d, std::string Data::*text, PropertyType, const PropertyValue& value) {
    d.*text = value.bytes;
}
template <typename Data>
void Assign(Data& d, Bytes Data::*bytes, PropertyType, const PropertyValue& value) {
    d.*bytes = Bytes(value.bytes.begin(), value.bytes.end());
}
template <typename Data>
void Assign(Data& d, StoredFont Data::*font, PropertyType, const PropertyValue& value) {
    d.*font = FontFromValue(value);
}
template <typename Data>
void Assign(Data& d, std::vector<std::string> Data::*list, PropertyType,
            const PropertyValue& value) {
    d.*list = ListOfValue(value);
}
template <typename Data>
void Assign(Data& d, ArrayWord<Data> word, PropertyType type, const PropertyValue& value) {
    (d.*word.array)[word.index] = WordOf(type, value);
}

}  // namespace kind_properties

// The value type of every property of the kind, common ones (0-7) included.
template <typename Data>
std::span<const PropertyType> PropertyTypes() {
    return kind_properties::kPropertyTypes<Data>;
}

// A stored property by index (number − 8) read from or written to its
// field; live properties and unknown indexes read as an empty value and
// write nothing.
template <typename Data>
PropertyValue GetStoredProperty(const Data& d, int32_t index) {
    using namespace kind_properties;
    PropertyValue value;
    ForRowAt<Data>(index, [&]<size_t Row>(std::integral_constant<size_t, Row>) {
        value = ValueOf(d, kField<Data, Row>);
    });
    return value;
}

template <typename Data>
void SetStoredProperty(Data& d, int32_t index, const PropertyValue& value) {
    using namespace kind_properties;
    ForRowAt<Data>(index, [&]<size_t Row>(std::integral_constant<size_t, Row>) {
        Assign(d, kField<Data, Row>, kRow<Data, Row>.type, value);
    });
}

}  // namespace forms
