#include "runtime/heap.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/errors.h"

namespace runtime {
namespace {

struct StaticRange {
    const char* begin;
    const char* end;
};

std::vector<StaticRange>& StaticRanges() {
    static std::vector<StaticRange> ranges;
    return ranges;
}

HeapCounters& Counters() {
    static HeapCounters counters;
    return counters;
}

[[noreturn]] void AllocationFailed(int32_t byteCount) {
    char message[128];
    std::snprintf(message, sizeof message, error_message::AllocationFailed, int(byteCount));
    FatalRuntimeErrorUtf8(message);
}

// A request for 0 bytes still yields a distinct block, so that a caller can
// always tell success from failure by a non-null result.
size_t BytesToRequest(int32_t byteCount) {
    return byteCount > 0 ? size_t(byteCount) : 1;
}

// The byte-set header: dimension count and byte length, two 32-bit words.
constexpr size_t ByteSetHeaderSize = 2 * sizeof(int32_t);

}  // namespace

void* AllocMemory(int32_t byteCount) {
    if (byteCount < 0) AllocationFailed(byteCount);
    void* block = std::malloc(BytesToRequest(byteCount));
    if (block == nullptr) AllocationFailed(byteCount);
    ++Counters().allocations;
    return block;
}

void* ReallocMemory(void* block, int32_t byteCount) {
    if (block == nullptr) return AllocMemory(byteCount);
    if (const char* staticEnd = StaticBlockList::EndOf(block)) {
        void* fresh = AllocMemory(byteCount);
        size_t available = size_t(staticEnd - static_cast<const char*>(block));
        size_t wanted = byteCount > 0 ? size_t(byteCount) : 0;
        std::memcpy(fresh, block, wanted < available ? wanted : available);
        return fresh;
    }
    if (byteCount < 0) AllocationFailed(byteCount);
    void* moved = std::realloc(block, BytesToRequest(byteCount));
    if (moved == nullptr) AllocationFailed(byteCount);
    return moved;
}

void FreeMemory(void* block) {
    if (block == nullptr || StaticBlockList::Contains(block)) return;
    std::free(block);
    ++Counters().frees;
}

void StaticBlockList::Register(const void* begin, size_t length) {
    if (length == 0) return;
    const char* first = static_cast<const char*>(begin);
    StaticRanges().push_back({first, first + length});
}

const char* StaticBlockList::EndOf(const void* p) {
    const char* address = static_cast<const char*>(p);
    for (const StaticRange& range : StaticRanges()) {
        if (address >= range.begin && address < range.end) return range.end;
    }
    return nullptr;
}

const char* StaticEmptyText() {
    static const char emptyText[1] = {0};
    static const bool registered = (StaticBlockList::Register(emptyText, sizeof emptyText), true);
    (void)registered;
    return emptyText;
}

char* MakeHeapText(std::string_view text) {
    size_t length = text.find('\0');
    if (length == std::string_view::npos) length = text.size();
    if (length == 0) return nullptr;
    if (length > size_t(INT32_MAX - 1)) AllocationFailed(INT32_MAX);
    char* heapText = static_cast<char*>(AllocMemory(int32_t(length + 1)));
    std::memcpy(heapText, text.data(), length);
    heapText[length] = '\0';
    return heapText;
}

char* MakeHeapText(const char* text) {
    if (text == nullptr) return nullptr;
    return MakeHeapText(std::string_view(text));
}

void* MakeHeapByteSet(const void* bytes, int32_t length) {
    if (length < 1) return nullptr;
    if (size_t(length) > size_t(INT32_MAX) - ByteSetHeaderSize) AllocationFailed(length);
    auto* block = static_cast<char*>(AllocMemory(int32_t(size_t(length) + ByteSetHeaderSize)));
    const int32_t header[2] = {1, length};
    std::memcpy(block, header, sizeof header);
    std::memcpy(block + ByteSetHeaderSize, bytes, size_t(length));
    return block;
}

std::string_view ByteSetBytes(const void* byteSet) {
    if (byteSet == nullptr) return {};
    const char* block = static_cast<const char*>(byteSet);
    int32_t header[2];
    std::memcpy(header, block, sizeof header);
    if (header[1] < 1) return {};
    return {block + ByteSetHeaderSize, size_t(header[1])};
}

HeapCounters CurrentHeapCounters() {
    return Counters();
}

}  // namespace runtime
