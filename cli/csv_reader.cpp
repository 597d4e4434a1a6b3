#include "cli/csv_reader.h"

#include <cstdlib>

namespace cli {
namespace {

constexpr char kSeparator = ',';
constexpr char kQuote = '"';
constexpr std::string_view kLineBreakInField = "\n";

// Splits one line into fields, continuing the last field of `fields` when
// the previous line ended inside quotes. Returns whether the record ends
// inside quotes.
bool SplitInto(std::string_view line, std::vector<std::string>& fields, bool inQuotes) {
    if (!inQuotes) fields.emplace_back();
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (inQuotes) {
            if (c != kQuote) {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == kQuote) {
                fields.back() += kQuote;
                ++i;
            } else {
                inQuotes = false;
            }
        } else if (c == kQuote) {
            inQuotes = true;
        } else if (c == kSeparator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return inQuotes;
}

}  // namespace

CsvReader::~CsvReader() {
    std::free(buffer_);
}

bool CsvReader::ReadLine(std::string& line) {
    ssize_t length = getline(&buffer_, &capacity_, input_);
    if (length < 0) return false;
    bytesRead_ += uint64_t(length);
    line = decoder_.Decode(std::string_view(buffer_, size_t(length)));
    return true;
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    fields.clear();
    std::string line;
    if (!ReadLine(line)) return false;
    bool inQuotes = SplitInto(line, fields, false);
    while (inQuotes && ReadLine(line)) {
        fields.back() += kLineBreakInField;
        inQuotes = SplitInto(line, fields, true);
    }
    return true;
}

}  // namespace cli
