#include "lunar_controls/persisted_block.h"

#include <bit>

namespace lunar_controls {
namespace {

constexpr uint8_t kWordLengthMarker = 0xFF;
constexpr uint16_t kLongLengthMarker = 0xFFFF;

// Assigns the value that `read` yields when the reader is still whole
// afterwards; returns whether it was.
template <typename Field, typename Read>
bool ReadField(forms::ArchiveReader& reader, Field& field, Read read) {
    const Field value = read();
    if (!reader.Ok()) return false;
    field = value;
    return true;
}

double ReadDouble(forms::ArchiveReader& reader) {
    uint64_t bits = 0;
    reader.Value(bits);
    return std::bit_cast<double>(bits);
}

void WriteDouble(forms::ArchiveWriter& writer, double value) {
    writer.Value(std::bit_cast<uint64_t>(value));
}

}  // namespace

void WriteArchiveString(forms::ArchiveWriter& writer, std::string_view text) {
    const size_t length = text.size();
    if (length < kWordLengthMarker) {
        writer.Value(uint8_t(length));
    } else if (length < kLongLengthMarker) {
        writer.Value(kWordLengthMarker);
        writer.Value(uint16_t(length));
    } else {
        writer.Value(kWordLengthMarker);
        writer.Value(kLongLengthMarker);
        writer.Value(uint32_t(length));
    }
    writer.Raw(std::span(reinterpret_cast<const uint8_t*>(text.data()), length));
}

std::optional<std::string> ReadArchiveString(forms::ArchiveReader& reader) {
    uint8_t shortLength = 0;
    reader.Value(shortLength);
    uint32_t length = shortLength;
    if (shortLength == kWordLengthMarker) {
        uint16_t wordLength = 0;
        reader.Value(wordLength);
        length = wordLength;
        if (wordLength == kLongLengthMarker) length = reader.U32();
    }
    // Take checks the length against what is left before anything is copied.
    const std::span<const uint8_t> bytes = reader.Take(length);
    if (!reader.Ok()) return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}

MonthCalendarBlock ReadMonthCalendarBlock(std::span<const uint8_t> bytes) {
    MonthCalendarBlock block;
    if (bytes.empty()) return block;
    forms::ArchiveReader reader(bytes);
    if (!ReadField(reader, block.version, [&] { return reader.U32(); })) return block;
    if (!ReadField(reader, block.dateTime, [&] { return ReadDouble(reader); })) return block;
    if (!ReadField(reader, block.layoutMode, [&] { return reader.I32(); })) return block;
    const std::optional<std::string> text = ReadArchiveString(reader);
    if (!text) return block;
    block.formatTemplate = *text;
    if (block.version >= MonthCalendarBlock::kFirstVersionWithHeaderFlag) {
        ReadField(reader, block.headerShown, [&] { return reader.I32(); });
    }
    return block;
}

forms::Bytes WriteMonthCalendarBlock(const MonthCalendarBlock& block) {
    forms::ArchiveWriter writer;
    writer.Value(MonthCalendarBlock::kVersion);
    WriteDouble(writer, block.dateTime);
    writer.Value(block.layoutMode);
    WriteArchiveString(writer, block.formatTemplate);
    writer.Value(block.headerShown);
    return writer.Take();
}

DateBoxBlock ReadDateBoxBlock(std::span<const uint8_t> bytes) {
    DateBoxBlock block;
    if (bytes.empty()) return block;
    forms::ArchiveReader reader(bytes);
    if (!ReadField(reader, block.version, [&] { return reader.U32(); })) return block;
    if (!ReadField(reader, block.dateTime, [&] { return ReadDouble(reader); })) return block;
    if (block.version < DateBoxBlock::kFirstVersionWithMode) return block;
    if (!ReadField(reader, block.layoutMode, [&] { return reader.I32(); })) return block;
    if (block.version < DateBoxBlock::kFirstVersionWithTemplate) return block;
    if (const std::optional<std::string> text = ReadArchiveString(reader)) {
        block.formatTemplate = *text;
    }
    return block;
}

forms::Bytes WriteDateBoxBlock(const DateBoxBlock& block) {
    forms::ArchiveWriter writer;
    writer.Value(DateBoxBlock::kVersion);
    WriteDouble(writer, block.dateTime);
    writer.Value(block.layoutMode);
    WriteArchiveString(writer, block.formatTemplate);
    return writer.Take();
}

}  // namespace lunar_controls
