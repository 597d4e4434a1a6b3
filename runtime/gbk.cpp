#include "runtime/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace runtime {
namespace {

constexpr char GbkReplacement[] = "?";
constexpr char Utf8Replacement[] = "\xEF\xBF\xBD";  // U+FFFD

// Length of the UTF-8 sequence that starts with an undecodable byte, so that
// one replacement stands for one broken character rather than for each byte.
size_t Utf8SequenceToSkip(std::string_view rest) {
    size_t length = 1;
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

size_t OneByte(std::string_view) {
    return 1;
}

// Converts with iconv, writing the replacement for every input sequence that
// cannot be decoded or represented, so that conversion never fails.
std::string Convert(iconv_t descriptor, std::string_view input, const char* replacement,
                    size_t (*sequenceToSkip)(std::string_view)) {
    std::string output;
    if (descriptor == iconv_t(-1)) return output;
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
        output.append(buffer, size_t(out - buffer));
        if (result != size_t(-1) || errno == E2BIG) continue;
        output.append(replacement);
        size_t skip = errno == EINVAL ? inLeft : sequenceToSkip(std::string_view(in, inLeft));
        in += skip;
        inLeft -= skip;
    }
    return output;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    static iconv_t descriptor = iconv_open("GBK", "UTF-8");
    return Convert(descriptor, utf8, GbkReplacement, Utf8SequenceToSkip);
}

std::string GbkToUtf8(std::string_view gbk) {
    static iconv_t descriptor = iconv_open("UTF-8", "GBK");
    return Convert(descriptor, gbk, Utf8Replacement, OneByte);
}

}  // namespace runtime
