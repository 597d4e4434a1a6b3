#pragma once
// The encoding of a batch input, UTF-8 or GBK, chosen once for the whole
// input and never changed later.
//
//   --encoding utf-8 | gbk          ─► that encoding
//   --encoding auto (the default)   ─► a UTF-8 byte order mark ─► UTF-8
//                                   ─► else, at the first record with a byte above 0x7F,
//                                      WeighEncoding(look-ahead of up to 1 MiB)
//
// The weighing is lopsided on purpose. Chinese UTF-8 text also splits into
// valid GBK byte pairs, so GBK's validity proves nothing; but GBK text is
// almost never valid UTF-8 beyond a character or two. So UTF-8 wins when
// its well-formed multibyte characters are at least as many as its broken
// sequences (one character cut off in a UTF-8 file cannot flip it), GBK
// otherwise. A record that is not valid in the chosen encoding is an error
// row naming the offset of its first bad byte; it is never read again in
// the other encoding.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class InputEncoding { Auto, Utf8, Gbk };

std::optional<InputEncoding> InputEncodingNamed(std::string_view name);

// The encoding a look-ahead speaks for; none when it holds only ASCII.
std::optional<InputEncoding> WeighEncoding(std::string_view lookAhead);

bool IsAscii(std::string_view bytes);

// Bytes of the encoding as UTF-8; a sequence that cannot be decoded becomes
// U+FFFD.
std::string DecodeToUtf8(std::string_view bytes, InputEncoding encoding);

// Turns a record's fields into UTF-8 in place; `raw` is the record as read.
// The offset in `raw` of the first byte that is not valid in the encoding,
// or npos when there is none.
size_t DecodeFields(std::vector<std::string>& fields, std::string_view raw, InputEncoding encoding);

}  // namespace cli
