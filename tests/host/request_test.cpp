// The runtime's request entry as the control kinds use it.

#include <gmock/gmock.h>

#include <limits>

#include "controls/control_model.h"
#include "host/runtime_app.h"
#include "runtime/heap.h"
#include "runtime/values.h"
#include "tests/host/app_fixture.h"

namespace app_testing {
namespace {

using host::RuntimeRequestEntry;
using runtime::RuntimeRequest;
using runtime::TaggedValue;

intptr_t Request(RuntimeRequest code, uintptr_t p1 = 0, uintptr_t p2 = 0) {
    return RuntimeRequestEntry(code, p1, p2);
}

template <typename T>
uintptr_t AddressOf(T& object) {
    return reinterpret_cast<uintptr_t>(&object);
}

struct NumberRow {
    const char* name;
    TaggedValue value;
    intptr_t result;
    double number;
};

const NumberRow kNumberRows[] = {
    {"Int", runtime::MakeInt(-42), -42, -42.0},
    {"Short", runtime::MakeTagged(runtime::ValueType::Short, 0xFFFD), -3, -3.0},
    {"DoubleTruncatedTowardZero", runtime::MakeDouble(-2.75), -2, -2.75},
    {"DoubleAboveTheIntRange", runtime::MakeDouble(1e12), std::numeric_limits<int32_t>::max(),
     1e12},
};

void PrintTo(const NumberRow& row, std::ostream* out) {
    *out << row.name;
}

class NumberConversionTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NumberConversionTest, ConvertsANumericValue) {
    const NumberRow& row = GetParam();
    double number = 0.0;
    EXPECT_EQ(Request(RuntimeRequest::ConvertToNumber, AddressOf(row.value), AddressOf(number)),
              row.result);
    EXPECT_EQ(number, row.number);
}

INSTANTIATE_TEST_SUITE_P(Rows, NumberConversionTest, ::testing::ValuesIn(kNumberRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RequestDeathTest, ConvertingATextIsARuntimeError) {
    const TaggedValue text = runtime::MakeText("12");
    EXPECT_EXIT(Request(RuntimeRequest::ConvertToNumber, AddressOf(text)),
                ::testing::ExitedWithCode(255), ::testing::HasSubstr("欲转换数据类型不是数值"));
}

TEST(RequestDeathTest, RequiringAWindowThatIsNotLoadedIsARuntimeError) {
    EXPECT_EXIT(Request(RuntimeRequest::RequireLoadedUnit, kMissingWindowId, 0),
                ::testing::ExitedWithCode(255),
                ::testing::HasSubstr("指定窗口或窗口组件不存在或尚未载入"));
}

TEST(RequestDeathTest, AnExitRequestEndsTheProcessWithItsCode) {
    EXPECT_EXIT(Request(RuntimeRequest::Exit, 9), ::testing::ExitedWithCode(9), "");
}

TEST(RequestTest, FindingAWindowThatIsNotLoadedAnswersNone) {
    EXPECT_EQ(Request(RuntimeRequest::FindLoadedUnit, kMissingWindowId, 0), 0);
}

TEST(RequestTest, HeapRequestsUseTheRuntimeHeap) {
    const runtime::HeapCounters before = runtime::CurrentHeapCounters();
    auto* block = reinterpret_cast<char*>(Request(RuntimeRequest::Allocate, 16, 0));
    ASSERT_NE(block, nullptr);
    block = reinterpret_cast<char*>(
        Request(RuntimeRequest::Reallocate, reinterpret_cast<uintptr_t>(block), 64));
    ASSERT_NE(block, nullptr);
    Request(RuntimeRequest::Free, reinterpret_cast<uintptr_t>(block));
    const runtime::HeapCounters after = runtime::CurrentHeapCounters();
    EXPECT_EQ(after.allocations - before.allocations, 1u);
    EXPECT_EQ(after.frees - before.frees, 1u);
}

TEST(RequestTest, AnUncheckedRequestForAnImpossibleSizeAnswersNull) {
    EXPECT_EQ(Request(RuntimeRequest::Allocate, uintptr_t(-1), 1), 0);
}

}  // namespace
}  // namespace app_testing
