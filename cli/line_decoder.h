#pragma once
// Lines of a batch input in UTF-8, whichever encoding the file uses.
//
//   bytes of one line ─► strip BOM (first line) and CR ─► UTF-8 as it is | GBK ─► UTF-8
//
// A UTF-8 byte order mark decides UTF-8. Otherwise the first line with a
// byte above 0x7F decides: UTF-8 when it is valid UTF-8, GBK when not. Later
// lines that are not valid UTF-8 are read as GBK even in a UTF-8 file, so a
// stray line never turns into replacement characters when GBK can read it.

#include <string>
#include <string_view>

namespace cli {

bool IsValidUtf8(std::string_view text);

class LineDecoder {
public:
    // The line without its line break, in UTF-8.
    std::string Decode(std::string_view line);

private:
    enum class Encoding { Undecided, Utf8, Gbk };
    Encoding encoding_ = Encoding::Undecided;
    bool firstLine_ = true;
};

}  // namespace cli
