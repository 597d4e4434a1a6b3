// The command line's batch, reader and writer together. The first byte
// picks the separator, the line end and the way the rest is read:
//
// - as raw bytes, the whole input file after a fixed header: every output
//   row must have the header's columns, the results, the two status
//   columns and the humidity class column, and be either converted (18
//   results, no error) or failed (no results, an error);
// - as records: bytes 0x00-0x7F are field text, 0x80-0xBF end a field and
//   0xC0-0xFF a record (bit 0 quotes the field even when it need not be).
//   The records are written as correct CSV, so besides the above there must
//   be one output row per record that is not blank, in order, carrying its
//   fields byte for byte.
//
// The output is read back with a strict reader of its own, so that the
// batch's reader is not its own judge.

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "fuzz_check.h"

namespace {

using Record = std::vector<std::string>;

constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
constexpr std::array<std::string_view, 3> kLineEnds = {"\n", "\r\n", "\r"};
constexpr size_t kInputColumns = 4;
constexpr size_t kAddedColumns = 18 + 3;  // the results, error, warning and class

std::string Header(char separator) {
    std::string header = "quantity,value,temperature,note";
    for (char& c : header) c = c == ',' ? separator : c;
    return header;
}

bool NeedsQuotes(const std::string& field, char separator) {
    return field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos;
}

std::string Quoted(const std::string& field) {
    std::string quoted = "\"";
    for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The records the structured bytes describe, and their CSV text.
std::vector<Record> BuildRecords(std::string_view bytes, char separator, std::string_view lineEnd,
                                 std::string& csv) {
    std::vector<Record> records(1, Record(1));
    std::vector<bool> quoted(1, false);
    std::string line;
    auto endField = [&](bool quote, bool endRecord) {
        const std::string& field = records.back().back();
        line += quote || NeedsQuotes(field, separator) ? Quoted(field) : field;
        if (!endRecord) {
            line += separator;
            records.back().emplace_back();
            return;
        }
        csv += line + std::string(lineEnd);
        line.clear();
        records.emplace_back(1);
    };
    for (char c : bytes) {
        auto byte = static_cast<uint8_t>(c);
        if (byte < 0x80) {
            records.back().back() += c;
        } else {
            endField((byte & 1) != 0, byte >= 0xC0);
        }
    }
    endField(false, true);
    records.pop_back();
    return records;
}

bool IsBlankRecord(const Record& record) {
    return record.size() == 1 && record[0].find_first_not_of(" \t") == std::string::npos;
}

// The batch's output, read strictly: it is always well-formed CSV with
// LF line ends.
std::vector<Record> ReadOutput(const std::string& text, char separator) {
    std::vector<Record> rows;
    Record row(1);
    bool inQuotes = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inQuotes) {
            if (c != '"') {
                row.back() += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                row.back() += c;
                ++i;
            } else {
                inQuotes = false;
            }
        } else if (c == '"') {
            fuzz::Check(row.back().empty(), "a quote only opens an output field");
            inQuotes = true;
        } else if (c == separator) {
            row.emplace_back();
        } else if (c == '\n') {
            rows.push_back(std::move(row));
            row.assign(1, "");
        } else {
            row.back() += c;
        }
    }
    fuzz::Check(!inQuotes && row.size() == 1 && row[0].empty(), "the output ends with a row");
    return rows;
}

void CheckRowShape(const Record& row) {
    fuzz::Check(row.size() == kInputColumns + kAddedColumns, "every row has every column");
    size_t results = 0;
    for (size_t i = kInputColumns; i < kInputColumns + 18; ++i) results += !row[i].empty();
    const std::string& error = row[kInputColumns + 18];
    fuzz::Check((results == 18 && error.empty()) || (results == 0 && !error.empty()),
                "a row is converted or says why not");
}

std::string RunBatch(const std::string& csv) {
    static const int input = memfd_create("batch-fuzz", 0);
    fuzz::Check(
        ftruncate(input, 0) == 0 && pwrite(input, csv.data(), csv.size(), 0) == ssize_t(csv.size()),
        "the input file is written");
    lseek(input, 0, SEEK_SET);
    std::ostringstream out, err;
    const std::vector<std::string> args = {"batch", "--encoding", "utf-8"};
    cli::Run(args, {cli::Language::English, input}, out, err);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char separator = kSeparators[data[0] % kSeparators.size()];
    const std::string_view lineEnd = kLineEnds[(data[0] / 3) % kLineEnds.size()];
    const bool structured = (data[0] & 0x80) != 0;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string csv = Header(separator) + std::string(lineEnd);
    std::vector<Record> records;
    if (structured) {
        records = BuildRecords(rest, separator, lineEnd, csv);
    } else {
        csv += rest;
    }
    std::vector<Record> rows = ReadOutput(RunBatch(csv), separator);
    fuzz::Check(!rows.empty() && rows[0].size() == kInputColumns + kAddedColumns,
                "the header comes first");
    for (size_t i = 1; i < rows.size(); ++i) CheckRowShape(rows[i]);
    if (!structured) return 0;

    size_t row = 1;
    for (const Record& record : records) {
        if (IsBlankRecord(record)) continue;
        fuzz::Check(row < rows.size(), "one output row per record");
        for (size_t column = 0; column < kInputColumns; ++column) {
            const std::string expected = column < record.size() ? record[column] : "";
            fuzz::Check(rows[row][column] == expected, "carried fields are kept byte for byte");
        }
        ++row;
    }
    fuzz::Check(row == rows.size(), "no output row without its record");
    return 0;
}
