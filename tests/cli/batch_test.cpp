// The batch: rows in input order with the digits a single conversion shows,
// bad rows marked in the error column while the batch carries on, and the
// same output whatever the input's encoding, byte order mark or line ends.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "runtime/gbk.h"

namespace {

constexpr std::size_t kResultColumns = 18;

struct Outcome {
    cli::ExitStatus status;
    std::string out;
    std::string err;
};

Outcome RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    cli::ExitStatus status = cli::Run(args, {cli::Language::English}, out, err);
    return {status, out.str(), err.str()};
}

Outcome RunBatchOn(const std::string& bytes) {
    std::string path = ::testing::TempDir() + "batch_input.csv";
    std::ofstream(path, std::ios::binary) << bytes;
    return RunWith({"batch", path});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The results of a single conversion, comma-separated as the batch writes them.
std::string ConvertedTexts(std::vector<std::string> args) {
    args.insert(args.begin(), "convert");
    args.push_back("--csv");
    std::string texts;
    for (const std::string& line : Lines(RunWith(args).out)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        if (fields.at(0) == "group") continue;
        texts += fields.at(3) + ",";
    }
    return texts;
}

TEST(Batch, RowsKeepTheirOrderAndTheWindowsDigitsAndBadRowsSayWhy) {
    struct Row {
        const char* csv;
        std::vector<std::string> convertArgs;  // empty for a bad row
        const char* error;
    } rows[] = {
        {"dew-point,-40,20,0.3,MPa,to-standard", {"--dew-point", "-40", "-t", "20"}, ""},
        {"rh,abc,20,,,", {}, "value is not a number: 'abc'"},
        {"RH, 50 ,-10,300,mbar,from-standard",
         {"--rh", "50", "-t", "-10", "-p", "300", "-u", "mbar", "--from-standard"},
         ""},
        {"g-kg,5,20,1,kPa,", {}, "unknown unit 'kPa'"},
        {"ppm,1000,,,,", {}, "no temperature given"},
        {"g/m3,1e999,20,-0.1,MPa,", {"--g-m3", "1e999", "-t", "20", "-p", "-0.1"}, ""},
        {"mg-m3,7", {}, "the row has 2 fields where the header has 6"},
        {"knots,1,20,,,", {}, "unknown quantity 'knots'"},
        {"ppm,1,20,,,sideways", {}, "unknown direction 'sideways'"},
        {"g-kg,5,20,1e,bar,", {}, "pressure is not a number: '1e'"},
    };
    std::string input = "quantity,value,temperature,pressure,unit,direction\n";
    for (const Row& row : rows) input += std::string(row.csv) + "\n";
    Outcome outcome = RunBatchOn(input);
    EXPECT_EQ(outcome.status, cli::ExitStatus::RowsFailed);
    EXPECT_NE(outcome.err.find("7 of 10 rows"), std::string::npos) << outcome.err;
    std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), std::size(rows) + 1);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        std::string line = lines[i + 1];
        std::string tail = line.substr(line.size() - std::string(row.error).size());
        EXPECT_EQ(tail, row.error) << line;
        if (!row.convertArgs.empty()) {
            EXPECT_NE(line.find(ConvertedTexts(row.convertArgs)), std::string::npos) << line;
        } else {
            EXPECT_NE(line.find(std::string(kResultColumns, ',') + ","), std::string::npos) << line;
        }
    }
}

std::string WithCrLf(const std::string& text) {
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

TEST(Batch, EncodingsByteOrderMarksAndLineEndsReadAlike) {
    const std::string utf8 =
        "quantity,value,temperature,note\n"
        "℃ td,１２．５,２０,\"露点, 一\"\n"
        "g/Kg,5,20,\"two\nlines\"\n";
    Outcome expected = RunBatchOn(utf8);
    EXPECT_EQ(expected.status, cli::ExitStatus::Success) << expected.err;
    EXPECT_NE(expected.out.find("℃ td,１２．５,２０,\"露点, 一\",61.9928,12.55,"),
              std::string::npos)
        << expected.out;
    for (const std::string& input :
         {WithCrLf(utf8), "\xEF\xBB\xBF" + utf8, runtime::Utf8ToGbk(utf8),
          runtime::Utf8ToGbk(WithCrLf(utf8))}) {
        Outcome outcome = RunBatchOn(input);
        EXPECT_EQ(outcome.status, cli::ExitStatus::Success) << outcome.err;
        EXPECT_EQ(outcome.out, expected.out);
    }
}

TEST(Batch, AnInputWithoutHeaderOrRequiredColumnIsWrongUsage) {
    for (const char* input : {"", "\n\n", "quantity,temperature\nrh,20\n"}) {
        Outcome outcome = RunBatchOn(input);
        EXPECT_EQ(outcome.status, cli::ExitStatus::Usage) << input;
        EXPECT_EQ(outcome.out, "") << input;
    }
}

}  // namespace
