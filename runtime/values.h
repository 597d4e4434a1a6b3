#pragma once
// Values that cross the boundary between the engine and the runtime.
//
// A TaggedValue is three 32-bit words: the low payload word, the high payload
// word and the type code. Numbers use the words as the type code says (a
// Double or DateTime fills both words, an Int only the low one). A pointer
// (Text, ByteSet, SubroutinePtr) fills both payload words, low word first, so
// that a 64-bit address survives the round trip. A WindowRef carries the
// Window ID in the low word and the unit ID in the high word. An omitted
// optional argument is three zero words.
//
// Texts are zero-terminated GBK byte strings on the runtime heap; the empty
// text is the null pointer. A byte set is a heap block of two 32-bit words
// (dimension count 1, byte length n) followed by the n bytes.

#include <cstdint>
#include <cstring>

namespace runtime {

enum class ValueType : uint32_t {
    Omitted = 0,
    Byte = 0x80000101,
    Short = 0x80000201,
    Int = 0x80000301,
    Long = 0x80000401,
    Float = 0x80000501,
    Double = 0x80000601,
    Bool = 0x80000002,
    DateTime = 0x80000003,
    Text = 0x80000004,
    ByteSet = 0x80000005,
    SubroutinePtr = 0x80000006,
    WindowRef = 0x00010001,
};

// Marks a type code as an array of the element type in the other bits.
inline constexpr uint32_t ArrayFlag = 0x20000000;

// Element size of a numeric type code; 0 for every other code.
int32_t TypeSize(uint32_t typeCode);

struct TaggedValue {
    uint32_t low = 0;
    uint32_t high = 0;
    uint32_t type = 0;
};

// A property value moves as one 64-bit payload whose meaning the property
// number fixes.
using Payload = uint64_t;

inline uint64_t PayloadOf(const TaggedValue& v) {
    return (uint64_t(v.high) << 32) | v.low;
}

inline TaggedValue MakeTagged(ValueType type, uint64_t payload) {
    return {uint32_t(payload), uint32_t(payload >> 32), uint32_t(type)};
}

inline uint64_t DoubleBits(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}
inline double BitsToDouble(uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
inline uint64_t PointerBits(const void* p) {
    return uint64_t(reinterpret_cast<uintptr_t>(p));
}
template <typename T>
inline T* BitsToPointer(uint64_t bits) {
    return reinterpret_cast<T*>(uintptr_t(bits));
}

inline ValueType TypeOf(const TaggedValue& v) {
    return ValueType(v.type);
}
inline bool IsOmitted(const TaggedValue& v) {
    return v.type == 0;
}
inline bool IsText(const TaggedValue& v) {
    return TypeOf(v) == ValueType::Text;
}

inline TaggedValue MakeOmitted() {
    return {};
}
inline TaggedValue MakeDouble(double d) {
    return MakeTagged(ValueType::Double, DoubleBits(d));
}
inline TaggedValue MakeDateTime(double d) {
    return MakeTagged(ValueType::DateTime, DoubleBits(d));
}
inline TaggedValue MakeInt(int32_t i) {
    return MakeTagged(ValueType::Int, uint32_t(i));
}
inline TaggedValue MakeBool(bool b) {
    return MakeTagged(ValueType::Bool, b ? 1u : 0u);
}
inline TaggedValue MakeText(const char* text) {
    return MakeTagged(ValueType::Text, PointerBits(text));
}
inline TaggedValue MakeWindowRef(uint32_t windowId, uint32_t unitId = 0) {
    return {windowId, unitId, uint32_t(ValueType::WindowRef)};
}

// Commands write only the payload words of their result; the caller knows the
// result's type from the command it called.
inline void SetResultPayload(TaggedValue& result, uint64_t payload) {
    result.low = uint32_t(payload);
    result.high = uint32_t(payload >> 32);
}

inline double AsDouble(const TaggedValue& v) {
    return BitsToDouble(PayloadOf(v));
}
inline int32_t AsInt(const TaggedValue& v) {
    return int32_t(v.low);
}
inline bool AsBool(const TaggedValue& v) {
    return v.low != 0;
}
inline const char* AsText(const TaggedValue& v) {
    return BitsToPointer<const char>(PayloadOf(v));
}

}  // namespace runtime
