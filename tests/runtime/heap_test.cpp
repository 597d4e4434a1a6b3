#include "runtime/heap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "command_test_support.h"

namespace runtime {
namespace {

using testing::HeapCheckedTest;

class Heap : public HeapCheckedTest {};

TEST_F(Heap, EmptySourcesProduceTheNullText) {
    EXPECT_EQ(MakeHeapText(std::string_view()), nullptr);
    EXPECT_EQ(MakeHeapText(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(MakeHeapText(""), nullptr);
    EXPECT_EQ(MakeHeapText(std::string_view("\0abc", 4)), nullptr);
}

TEST_F(Heap, TextIsCopiedWithItsTerminatorAndFreedOnce) {
    HeapCounters before = CurrentHeapCounters();
    std::string source(10000, 'x');
    char* text = MakeHeapText(source);
    ASSERT_NE(text, nullptr);
    EXPECT_NE(text, source.data());
    EXPECT_EQ(std::strlen(text), source.size());
    EXPECT_EQ(CurrentHeapCounters().allocations, before.allocations + 1);
    FreeMemory(text);
    EXPECT_EQ(CurrentHeapCounters().frees, before.frees + 1);
}

TEST_F(Heap, FreeIgnoresNullAndStaticAddresses) {
    HeapCounters before = CurrentHeapCounters();
    FreeMemory(nullptr);
    FreeMemory(const_cast<char*>(StaticEmptyText()));
    EXPECT_EQ(CurrentHeapCounters().frees, before.frees);
    EXPECT_STREQ(StaticEmptyText(), "");
}

TEST_F(Heap, StaticBlockListAnswersTheEndOfTheBlockHoldingAnAddress) {
    static const char pool[] = "\0constant pool";
    StaticBlockList::Register(pool, sizeof pool);
    EXPECT_EQ(StaticBlockList::EndOf(pool + 3), pool + sizeof pool);
    EXPECT_TRUE(StaticBlockList::Contains(pool));
    EXPECT_FALSE(StaticBlockList::Contains(pool + sizeof pool));
    int onTheStack = 0;
    EXPECT_FALSE(StaticBlockList::Contains(&onTheStack));
}

TEST_F(Heap, ReallocOfAStaticAddressCopiesAtMostWhatLiesBeforeTheBlockEnd) {
    static const char pool[] = "0123456789";
    StaticBlockList::Register(pool, sizeof pool);

    char* shortCopy = static_cast<char*>(ReallocMemory(const_cast<char*>(pool + 2), 3));
    EXPECT_EQ(std::string(shortCopy, 3), "234");
    FreeMemory(shortCopy);

    char* longCopy = static_cast<char*>(ReallocMemory(const_cast<char*>(pool + 7), 100));
    EXPECT_STREQ(longCopy, "789");
    FreeMemory(longCopy);
}

TEST_F(Heap, ReallocKeepsTheContentsAndNullActsAsAlloc) {
    char* block = static_cast<char*>(ReallocMemory(nullptr, 4));
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(ReallocMemory(block, 4096));
    EXPECT_STREQ(block, "abc");
    FreeMemory(block);
}

TEST_F(Heap, ByteSetHasTheHeaderThenTheBytes) {
    EXPECT_EQ(MakeHeapByteSet("x", 0), nullptr);
    EXPECT_EQ(ByteSetBytes(nullptr), std::string_view());

    void* set = MakeHeapByteSet("a\0b", 3);
    int32_t header[2];
    std::memcpy(header, set, sizeof header);
    EXPECT_EQ(header[0], 1);
    EXPECT_EQ(header[1], 3);
    EXPECT_EQ(ByteSetBytes(set), std::string_view("a\0b", 3));
    FreeMemory(set);
}

TEST(HeapDeathTest, ExhaustionIsAFatalErrorNamingTheByteCount) {
    EXPECT_EXIT(AllocMemory(-5), ::testing::ExitedWithCode(255), "分配 -5 字节内存失败!");
}

}  // namespace
}  // namespace runtime
