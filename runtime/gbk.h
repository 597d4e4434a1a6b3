#pragma once
// GBK <-> UTF-8 conversion (glibc iconv). Every text inside the program is
// GBK; the windowing layer converts at its boundary. Undecodable input bytes
// are replaced rather than failing, so hostile text never aborts a caller.

#include <string>
#include <string_view>

namespace runtime {

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

}  // namespace runtime
