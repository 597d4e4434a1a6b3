#pragma once
// Texts a user or a caller might put into an input box that are not plain
// numbers: empty and blank texts, letters, lone signs, values beyond the
// double range, the words of non-finite numbers, full-width digits and
// signs, 10,000-character texts, bytes that are not GBK, control characters
// and mixtures of all of these.

#include <string>
#include <vector>

namespace reliability {

struct HostileText {
    std::string name;  // what the text is, for failure messages
    std::string gbk;   // the bytes written into the box; no zero byte
};

// At least 200 texts, each with a distinct name.
const std::vector<HostileText>& HostileTexts();

}  // namespace reliability
