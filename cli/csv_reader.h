#pragma once
// CSV records read one at a time from a file, in constant memory.
//
//   FILE ─► lines ─► LineDecoder (UTF-8) ─► fields (RFC 4180 quoting) ─► record
//
// Fields are separated by commas; a field in double quotes may hold commas,
// doubled quotes and line breaks, so a record may span several lines. Line
// ends may be LF or CRLF.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/line_decoder.h"

namespace cli {

class CsvReader {
public:
    explicit CsvReader(std::FILE* input) : input_(input) {}
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record's fields, UTF-8; false at the end of the input. A blank
    // line is a record of one empty field.
    bool Next(std::vector<std::string>& fields);
    // Bytes consumed so far.
    uint64_t BytesRead() const { return bytesRead_; }
    bool Failed() const { return std::ferror(input_) != 0; }

private:
    bool ReadLine(std::string& line);

    std::FILE* input_;
    LineDecoder decoder_;
    char* buffer_ = nullptr;
    size_t capacity_ = 0;
    uint64_t bytesRead_ = 0;
};

}  // namespace cli
