#include "cli/line_decoder.h"

#include <algorithm>

#include "runtime/gbk.h"

namespace cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string_view WithoutLineBreak(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

// Continuation bytes a lead byte announces, or -1 for a byte that cannot
// start a character (overlong two-byte leads and leads beyond U+10FFFF).
int ContinuationCount(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        int count = ContinuationCount(static_cast<unsigned char>(text[at]));
        if (count < 0 || text.size() - at <= size_t(count)) return false;
        for (int i = 1; i <= count; ++i) {
            if ((static_cast<unsigned char>(text[at + size_t(i)]) & 0xC0) != 0x80) return false;
        }
        at += size_t(count) + 1;
    }
    return true;
}

std::string LineDecoder::Decode(std::string_view line) {
    line = WithoutLineBreak(line);
    if (firstLine_ && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
        encoding_ = Encoding::Utf8;
    }
    firstLine_ = false;
    if (IsAscii(line)) return std::string(line);
    bool utf8 = IsValidUtf8(line);
    if (encoding_ == Encoding::Undecided) encoding_ = utf8 ? Encoding::Utf8 : Encoding::Gbk;
    if (encoding_ == Encoding::Utf8 && utf8) return std::string(line);
    return runtime::GbkToUtf8(line);
}

}  // namespace cli
