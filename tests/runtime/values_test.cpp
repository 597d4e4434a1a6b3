#include "runtime/values.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

struct TypeSizeRow {
    const char* name;
    uint32_t code;
    int32_t size;
};

TEST(TypeSize, NumericCodesHaveTheirElementSizeAndAllOthersZero) {
    const TypeSizeRow rows[] = {
        {"Byte", 0x80000101, 1},
        {"Short", 0x80000201, 2},
        {"Int", 0x80000301, 4},
        {"Long", 0x80000401, 8},
        {"Float", 0x80000501, 4},
        {"Double", 0x80000601, 8},
        {"Bool", 0x80000002, 0},
        {"DateTime", 0x80000003, 0},
        {"Text", 0x80000004, 0},
        {"ByteSet", 0x80000005, 0},
        {"SubroutinePtr", 0x80000006, 0},
        {"WindowRef", 0x00010001, 0},
        {"Omitted", 0, 0},
        {"array of Int is not an Int", ArrayFlag | 0x80000301, 0},
        {"unknown code", 0x12345678, 0},
    };
    for (const TypeSizeRow& row : rows) {
        EXPECT_EQ(TypeSize(row.code), row.size) << row.name;
    }
}

TEST(TaggedValue, PayloadWordsRoundTrip) {
    TaggedValue d = MakeDouble(-1234.5);
    EXPECT_EQ(d.type, 0x80000601u);
    EXPECT_EQ(AsDouble(d), -1234.5);

    static const char text[] = "abc";
    TaggedValue t = MakeText(text);
    EXPECT_EQ(AsText(t), text);

    TaggedValue w = MakeWindowRef(0x52010001, 0x16000001);
    EXPECT_EQ(w.low, 0x52010001u);
    EXPECT_EQ(w.high, 0x16000001u);
    EXPECT_EQ(AsInt(MakeInt(-7)), -7);
    EXPECT_TRUE(IsOmitted(MakeOmitted()));
}

}  // namespace
}  // namespace runtime
