#pragma once
// The runtime heap: every text and byte set handed across the service
// boundary is a block from here, freed by its receiver with FreeMemory.
// Address ranges registered in the static block list (the constant pool with
// its static empty text) are never freed.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace runtime {

// Takes n bytes, not zeroed. Exhaustion is fatal: "分配 %d 字节内存失败!".
void* AllocMemory(int32_t byteCount);
// p null acts as AllocMemory; p inside a static block gets a fresh copy of
// what lies between p and that block's end (at most n bytes).
void* ReallocMemory(void* block, int32_t byteCount);
// Null and static addresses are ignored.
void FreeMemory(void* block);

class StaticBlockList {
public:
    static void Register(const void* begin, size_t length);
    // The end of the static block holding p, or null when p is in none.
    static const char* EndOf(const void* p);
    static bool Contains(const void* p) { return EndOf(p) != nullptr; }
};

// The static empty text passed in place of a null text argument.
const char* StaticEmptyText();

// Text production: null for an empty source, else a heap copy of length + 1
// bytes. A text ends at its first zero byte.
char* MakeHeapText(std::string_view text);
char* MakeHeapText(const char* text);
// Byte-set production: null when n < 1, else a heap block {1, n, bytes}.
void* MakeHeapByteSet(const void* bytes, int32_t length);
// Reads a byte set back; null gives an empty view.
std::string_view ByteSetBytes(const void* byteSet);

// Counts of heap blocks handed out and returned, for leak checks in tests.
struct HeapCounters {
    uint64_t allocations = 0;
    uint64_t frees = 0;
};
HeapCounters CurrentHeapCounters();

}  // namespace runtime
