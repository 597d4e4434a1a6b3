#pragma once
// Reads a fuzz input front to back as fixed-size fields, so that seed files
// can be written field by field. Missing bytes read as zero, which keeps
// every input, however short, a complete set of fields.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace fuzz {

class InputReader {
public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename Value>
    Value Take() {
        static_assert(std::is_trivially_copyable_v<Value>);
        unsigned char bytes[sizeof(Value)] = {};
        const size_t available = std::min(sizeof(Value), size_ - position_);
        if (available > 0) std::memcpy(bytes, data_ + position_, available);
        position_ += available;
        Value value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Everything not yet read.
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(data_ + position_), size_ - position_};
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

}  // namespace fuzz
