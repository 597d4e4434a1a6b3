#include "cli/text/input_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "runtime/gbk.h"

namespace cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct EncodingName {
    std::string_view name;
    InputEncoding encoding;
};

constexpr std::array<EncodingName, 5> kEncodingNames = {{
    {"auto", InputEncoding::Auto},
    {"utf-8", InputEncoding::Utf8},
    {"utf8", InputEncoding::Utf8},
    {"gbk", InputEncoding::Gbk},
    {"cp936", InputEncoding::Gbk},
}};

uint8_t Byte(std::string_view bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]);
}

// The length of the well-formed UTF-8 character at `at`, or 0. Overlong
// forms, surrogates and code points past U+10FFFF are not well-formed.
size_t Utf8CharacterLength(std::string_view bytes, size_t at) {
    uint8_t lead = Byte(bytes, at);
    if (lead < 0x80) return 1;
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || bytes.size() - at < length) return 0;
    uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    uint8_t second = Byte(bytes, at + 1);
    if (second < low || second > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((Byte(bytes, at + i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// A broken sequence: its lead and the continuation bytes after it, so that
// one cut-off character counts once.
size_t BrokenSequenceLength(std::string_view bytes, size_t at) {
    size_t length = 1;
    while (at + length < bytes.size() && (Byte(bytes, at + length) & 0xC0) == 0x80) ++length;
    return length;
}

size_t FirstInvalidUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        if (Byte(bytes, at) < 0x80) {
            ++at;
            continue;
        }
        size_t length = Utf8CharacterLength(bytes, at);
        if (length == 0) return at;
        at += length;
    }
    return std::string_view::npos;
}

// GBK is checked by iconv itself, so that a pair in the lead and trail
// ranges that GBK leaves unassigned is refused too.
size_t FirstInvalidGbk(std::string_view bytes) {
    static iconv_t descriptor = iconv_open("UTF-8", "GBK");
    if (descriptor == iconv_t(-1)) return 0;
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    std::array<char, 1024> sink;
    while (inLeft > 0) {
        char* out = sink.data();
        size_t outLeft = sink.size();
        if (iconv(descriptor, &in, &inLeft, &out, &outLeft) != size_t(-1)) break;
        if (errno != E2BIG) return size_t(in - bytes.data());
    }
    return std::string_view::npos;
}

std::string Utf8WithReplacements(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        size_t length = Utf8CharacterLength(bytes, at);
        if (length == 0) {
            text += kReplacement;
            at += BrokenSequenceLength(bytes, at);
            continue;
        }
        text.append(bytes.substr(at, length));
        at += length;
    }
    return text;
}

}  // namespace

std::optional<InputEncoding> InputEncodingNamed(std::string_view name) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (const EncodingName& entry : kEncodingNames) {
        if (std::ranges::equal(name, entry.name, {}, lower)) return entry.encoding;
    }
    return std::nullopt;
}

bool IsAscii(std::string_view bytes) {
    return std::ranges::all_of(bytes, [](char c) { return static_cast<uint8_t>(c) < 0x80; });
}

std::optional<InputEncoding> WeighEncoding(std::string_view lookAhead) {
    size_t wellFormed = 0;
    size_t broken = 0;
    for (size_t at = 0; at < lookAhead.size();) {
        if (Byte(lookAhead, at) < 0x80) {
            ++at;
            continue;
        }
        size_t length = Utf8CharacterLength(lookAhead, at);
        if (length == 0) {
            ++broken;
            at += BrokenSequenceLength(lookAhead, at);
            continue;
        }
        ++wellFormed;
        at += length;
    }
    if (wellFormed == 0 && broken == 0) return std::nullopt;
    return wellFormed >= broken ? InputEncoding::Utf8 : InputEncoding::Gbk;
}

std::string DecodeToUtf8(std::string_view bytes, InputEncoding encoding) {
    if (IsAscii(bytes)) return std::string(bytes);
    return encoding == InputEncoding::Gbk ? runtime::GbkToUtf8(bytes) : Utf8WithReplacements(bytes);
}

// GBK cannot hold U+FFFD, so a replacement in the decoded text marks a
// byte that could not be read; only then is the record checked byte by
// byte, which keeps valid records to one pass.
size_t DecodeFields(std::vector<std::string>& fields, std::string_view raw,
                    InputEncoding encoding) {
    if (encoding == InputEncoding::Gbk) {
        bool replaced = false;
        for (std::string& field : fields) {
            field = DecodeToUtf8(field, encoding);
            replaced = replaced || field.find(kReplacement) != std::string::npos;
        }
        return replaced ? FirstInvalidGbk(raw) : std::string_view::npos;
    }
    size_t bad = FirstInvalidUtf8(raw);
    if (bad == std::string_view::npos) return bad;
    for (std::string& field : fields) field = DecodeToUtf8(field, encoding);
    return bad;
}

}  // namespace cli
