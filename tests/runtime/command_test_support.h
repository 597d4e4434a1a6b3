#pragma once
// Helpers for calling built-in commands in tests: arguments are built as
// TaggedValue lists, text results are copied out and freed at once, and a
// fixture checks that every heap block a test was handed has been freed.

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "runtime/gbk.h"
#include "runtime/heap.h"
#include "runtime/services.h"

namespace runtime::testing {

// A GBK byte string from a UTF-8 literal.
inline std::string Gbk(const char* utf8) {
    return Utf8ToGbk(utf8);
}

inline TaggedValue Call(CommandRoutine command, std::initializer_list<TaggedValue> args) {
    std::vector<TaggedValue> list(args);
    return CallCommand(command, int32_t(list.size()), list.data());
}

// The text a command returns, freed after copying; none for the null text.
inline std::optional<std::string> TakeText(TaggedValue result) {
    char* text = BitsToPointer<char>(PayloadOf(result));
    if (text == nullptr) return std::nullopt;
    std::string copy(text);
    FreeMemory(text);
    return copy;
}

inline std::optional<std::string> CallForText(CommandRoutine command,
                                              std::initializer_list<TaggedValue> args) {
    return TakeText(Call(command, args));
}

inline double CallForDouble(CommandRoutine command, std::initializer_list<TaggedValue> args) {
    return BitsToDouble(PayloadOf(Call(command, args)));
}

inline int32_t CallForInt(CommandRoutine command, std::initializer_list<TaggedValue> args) {
    return int32_t(Call(command, args).low);
}

// Fails a test that leaves a heap block allocated or frees one twice.
class HeapCheckedTest : public ::testing::Test {
protected:
    void SetUp() override { before_ = CurrentHeapCounters(); }
    void TearDown() override {
        HeapCounters after = CurrentHeapCounters();
        EXPECT_EQ(after.allocations - before_.allocations, after.frees - before_.frees)
            << "heap blocks handed out and freed differ";
    }

private:
    HeapCounters before_;
};

}  // namespace runtime::testing
