#pragma once
// The in-memory archive under the template reader, the writer and the kind
// data: little-endian integers and the four encodings TEXT, BLOB, TEXTLIST
// and CSTR. The reader checks every length against what is left and, on the
// first failure, stops: it stays failed, later reads yield zeros and empty
// values, and the caller tests Ok() once after a group of reads. Counts are
// checked against the bytes left before anything is allocated for them, so
// hostile data cannot make the reader allocate or loop beyond its input.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace forms {

// The TEXTLIST count that announces a following u32 count.
inline constexpr uint16_t kWideCountMarker = 0xFFFF;

class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool Ok() const { return ok_; }
    size_t Remaining() const { return ok_ ? bytes_.size() - position_ : 0; }
    // Whether `count` items of at least `itemSize` bytes each can still follow.
    bool CanHold(uint64_t count, size_t itemSize) const;
    // Marks the archive failed, for a value the caller finds malformed.
    void Fail() { ok_ = false; }

    template <typename Integer>
    void Value(Integer& value) {
        static_assert(std::is_integral_v<Integer>);
        using Unsigned = std::make_unsigned_t<Integer>;
        Unsigned bits = 0;
        const std::span<const uint8_t> raw = Take(sizeof(Integer));
        for (size_t i = 0; i < raw.size(); ++i) bits |= Unsigned(Unsigned(raw[i]) << (8 * i));
        value = static_cast<Integer>(bits);
    }
    uint32_t U32();
    int32_t I32();

    void Skip(size_t count) { Take(count); }
    // The next `count` bytes, or an empty span (and failure) when fewer are left.
    std::span<const uint8_t> Take(size_t count);
    // Everything that is left.
    std::span<const uint8_t> Rest();

    void Text(std::string& text);
    void Blob(std::vector<uint8_t>& blob);
    // A BLOB's bytes as a view into the archive.
    std::span<const uint8_t> BlobView();
    void TextList(std::vector<std::string>& texts);
    void CString(std::string& text);

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
    bool ok_ = true;
};

class ArchiveWriter {
public:
    template <typename Integer>
    void Value(Integer value) {
        static_assert(std::is_integral_v<Integer>);
        using Unsigned = std::make_unsigned_t<Integer>;
        const Unsigned bits = static_cast<Unsigned>(value);
        for (size_t i = 0; i < sizeof(Integer); ++i) bytes_.push_back(uint8_t(bits >> (8 * i)));
    }
    void Raw(std::span<const uint8_t> bytes);
    void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

    void Text(std::string_view text);
    void Blob(std::span<const uint8_t> blob);
    void TextList(const std::vector<std::string>& texts);
    // Writes the text up to its first NUL, then the terminating NUL.
    void CString(std::string_view text);

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace forms
