#include "forms/template_archive.h"

#include <algorithm>

namespace forms {
namespace {

// The smallest encoded TEXT: its length word.
constexpr size_t kMinTextSize = sizeof(uint32_t);

// The text up to its first NUL: a NUL inside a stored text ends it.
std::string TextUpToNul(std::span<const uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
    return std::string(bytes.begin(), end);
}

}  // namespace

bool ArchiveReader::CanHold(uint64_t count, size_t itemSize) const {
    return ok_ && count <= Remaining() / itemSize;
}

std::span<const uint8_t> ArchiveReader::Take(size_t count) {
    if (!ok_ || count > bytes_.size() - position_) {
        ok_ = false;
        return {};
    }
    const std::span<const uint8_t> taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
}

std::span<const uint8_t> ArchiveReader::Rest() {
    return Take(Remaining());
}

uint32_t ArchiveReader::U32() {
    uint32_t value = 0;
    Value(value);
    return value;
}

int32_t ArchiveReader::I32() {
    int32_t value = 0;
    Value(value);
    return value;
}

void ArchiveReader::Text(std::string& text) {
    text = TextUpToNul(BlobView());
}

void ArchiveReader::Blob(std::vector<uint8_t>& blob) {
    const std::span<const uint8_t> view = BlobView();
    blob.assign(view.begin(), view.end());
}

std::span<const uint8_t> ArchiveReader::BlobView() {
    return Take(U32());
}

void ArchiveReader::TextList(std::vector<std::string>& texts) {
    uint32_t count = 0;
    uint16_t shortCount = 0;
    Value(shortCount);
    count = shortCount == kWideCountMarker ? U32() : shortCount;
    texts.clear();
    if (!CanHold(count, kMinTextSize)) {
        Fail();
        return;
    }
    texts.resize(count);
    for (std::string& text : texts) Text(text);
}

void ArchiveReader::CString(std::string& text) {
    text.clear();
    if (!ok_) return;
    const std::span<const uint8_t> rest = bytes_.subspan(position_);
    const auto nul = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (nul == rest.end()) {
        ok_ = false;
        return;
    }
    text.assign(rest.begin(), nul);
    position_ += text.size() + 1;
}

void ArchiveWriter::Raw(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::Text(std::string_view text) {
    Value(uint32_t(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void ArchiveWriter::Blob(std::span<const uint8_t> blob) {
    Value(uint32_t(blob.size()));
    Raw(blob);
}

void ArchiveWriter::TextList(const std::vector<std::string>& texts) {
    if (texts.size() < kWideCountMarker) {
        Value(uint16_t(texts.size()));
    } else {
        Value(kWideCountMarker);
        Value(uint32_t(texts.size()));
    }
    for (const std::string& text : texts) Text(text);
}

void ArchiveWriter::CString(std::string_view text) {
    const std::string_view untilNul = text.substr(0, text.find('\0'));
    bytes_.insert(bytes_.end(), untilNul.begin(), untilNul.end());
    bytes_.push_back(0);
}

}  // namespace forms
