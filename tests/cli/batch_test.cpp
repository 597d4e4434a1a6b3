// The batch: rows in input order with the digits a single conversion shows,
// bad rows marked in the error column while the batch carries on, the same
// output whatever the input's encoding, byte order mark or line ends, no row
// lost to a stray quote, an over-long line or a failed write, and rows
// shown as soon as a live input completes them.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/run.h"
#include "cli/text/progress.h"
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

// A file of the running test's own, as CTest runs the tests side by side.
std::string InputPath() {
    return ::testing::TempDir() + "batch_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".csv";
}

Outcome RunBatchOn(const std::string& bytes) {
    std::string path = InputPath();
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
        if (fields.at(0) == "group" || fields.at(0) == "humidity_class") continue;
        texts += fields.at(3) + ",";
    }
    return texts;
}

TEST(Batch, RowsKeepTheirOrderAndTheWindowsDigitsAndBadRowsSayWhy) {
    using namespace std::literals;
    struct Row {
        std::string_view csv;
        std::vector<std::string> convertArgs;  // empty for a bad row
        std::string_view error;                // as the output writes it
        std::string_view warning = "";
        // Of the known dew point at the gauge pressure, the converted one, or
        // without a pressure the one at atmospheric pressure.
        std::string_view humidityClass = "";
    } rows[] = {
        {"dew-point,-40,20,0.3,MPa,to-standard", {"--dew-point", "-40", "-t", "20"}, "", "", "3"},
        {"rh,abc,20,,,", {}, "value is not a number: 'abc'"},
        {"RH, 50 ,-10,300,mbar,from-standard",
         {"--rh", "50", "-t", "-10", "-p", "300", "-u", "mbar", "--from-standard"},
         "",
         "",
         "4"},
        {"g-kg,5,20,1,kPa,", {}, "unknown unit 'kPa'"},
        {"ppm,1000,,,,", {}, "no temperature given"},
        {"g/m3,1e999,20,-0.1,MPa,",
         {"--g-m3", "1e999", "-t", "20", "-p", "-0.1"},
         "",
         "relative humidity above 100 %"},
        {"mg-m3,7", {}, "the row has 2 fields where the header has 6"},
        {"knots,1,20,,,", {}, "unknown quantity 'knots'"},
        {"ppm,1,20,,,sideways", {}, "unknown direction 'sideways'"},
        {"g-kg,5,20,1e,bar,", {}, "pressure is not a number: '1e'"},
        // A quote inside a field is an ordinary character, and a NUL ends
        // nothing: neither makes a number of what is not one.
        {"rh,5\0"
         "0,20,,,"sv,
         {},
         "value is not a number: '5\0"
         "0'"sv},
        {"rh,\"5\"0,20,,,", {}, "\"value is not a number: '\"\"5\"\"0'\""},
        {"rh,1\"2\"3,20,,,", {}, "\"value is not a number: '1\"\"2\"\"3'\""},
        {"rh,50,-300,,,", {"--rh", "50", "-t", "-300"}, "", "temperature below absolute zero", "1"},
        {"rh,150,20,,,", {"--rh", "150", "-t", "20"}, "", "relative humidity above 100 %", "none"},
        {"rh,50,20,-2,bar,",
         {"--rh", "50", "-t", "20", "-p", "-2", "-u", "bar"},
         "",
         "absolute pressure below zero",
         "6"},
    };
    std::string input = "quantity,value,temperature,pressure,unit,direction\n";
    for (const Row& row : rows) input += std::string(row.csv) + "\n";
    Outcome outcome = RunBatchOn(input);
    EXPECT_EQ(outcome.status, cli::ExitStatus::RowsFailed);
    EXPECT_NE(outcome.err.find("4 of 16 rows hold a physically impossible input"),
              std::string::npos)
        << outcome.err;
    EXPECT_NE(outcome.err.find("10 of 16 rows could not"), std::string::npos) << outcome.err;
    std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), std::size(rows) + 1);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const std::string& line = lines[i + 1];
        std::string tail = std::string(row.error) + "," + std::string(row.warning);
        std::string classField = "," + std::string(row.humidityClass);
        EXPECT_NE(line.find(tail), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(classField)) << line;
        if (row.warning.empty()) {
            EXPECT_TRUE(line.ends_with(tail + classField)) << line;
        }
        if (!row.convertArgs.empty()) {
            EXPECT_NE(line.find(ConvertedTexts(row.convertArgs)), std::string::npos) << line;
        } else {
            EXPECT_NE(line.find(std::string(kResultColumns, ',') + ","), std::string::npos) << line;
        }
    }
}

std::string WithLineEnds(const std::string& text, std::string_view lineEnd) {
    std::string changed;
    for (char c : text) changed += c == '\n' ? std::string(lineEnd) : std::string(1, c);
    return changed;
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
    for (std::string_view lineEnd : {"\n", "\r\n", "\r"}) {
        const std::string input = WithLineEnds(utf8, lineEnd);
        // A line break inside quotes is carried as it came.
        std::string out = expected.out;
        out.replace(out.find("two\nlines"), 9, "two" + std::string(lineEnd) + "lines");
        for (const std::string& encoded :
             {input, "\xEF\xBB\xBF" + input, runtime::Utf8ToGbk(input)}) {
            Outcome outcome = RunBatchOn(encoded);
            EXPECT_EQ(outcome.status, cli::ExitStatus::Success) << outcome.err;
            EXPECT_EQ(outcome.out, out);
        }
    }
}

// Each case's output rows hold these texts, in this order, one a row.
TEST(Batch, ReadingNeverSwallowsOrChangesRows) {
    const std::string cut = "温度\xE5\xBA";  // 度 cut short
    const std::string longLine = "rh,1,20," + std::string(1536 * 1024, 'x');
    struct Case {
        const char* name;
        std::string input;
        std::vector<std::string> rows;
    } cases[] = {
        {"a quote inside a field is text",
         "quantity,value,temperature,note\nrh,2,20,3/4\" pipe\nrh,3,20,=HYPERLINK(\"http://x\")\n",
         {"rh,2,20,\"3/4\"\" pipe\",2.0000,", "rh,3,20,\"=HYPERLINK(\"\"http://x\"\")\",3.0000,"}},
        {"an open quote costs its own line",
         "quantity,value,temperature,note\nrh,4,20,\"open\nrh,5,20,a\n",
         {",the quoted field opened on line 2 is never closed,", "rh,5,20,a,5.0000,"}},
        {"an over-long line costs itself",
         "quantity,value,temperature,note\n" + longLine + "\nrh,6,20,b\n",
         {",the record that starts on line 2 is longer than 1 MiB,", "rh,6,20,b,6.0000,"}},
        {"blanks are no rows", "quantity,value,temperature\n \t \nrh,7,20\n", {"rh,7,20,7.0000,"}},
        {"semicolons", "quantity;value;temperature;note\nrh;8;20;a,b\n", {"rh;8;20;a,b;8.0000;"}},
        {"tabs", "quantity\tvalue\ttemperature\nrh\t9\t20\n", {"rh\t9\t20\t9.0000\t"}},
        {"one cut-off character does not flip UTF-8",
         "quantity,value,temperature,note\nrh,1,20," + cut + "\nrh,2,20,温度\nrh,3,20,露点\n",
         {",not valid UTF-8 at byte 46 of the input,", "rh,2,20,温度,2.0000,",
          "rh,3,20,露点,3.0000,"}},
        {"GBK that starts like UTF-8 stays GBK",
         runtime::Utf8ToGbk("quantity,value,temperature,note\nrh,1,20,煤炉\nrh,2,20,温度\n"
                            "rh,3,20,露点温度\n"),
         {"rh,1,20,煤炉,1.0000,", "rh,2,20,温度,2.0000,", "rh,3,20,露点温度,3.0000,"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = Lines(RunBatchOn(c.input).out);
        ASSERT_EQ(lines.size(), c.rows.size() + 1) << c.name;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_NE(lines[i + 1].find(c.rows[i]), std::string::npos)
                << c.name << ": " << lines[i + 1].substr(0, 200);
        }
    }
}

TEST(Batch, AnInputWithoutHeaderOrRequiredColumnIsWrongUsage) {
    for (const char* input : {"", "\n\n", "quantity,temperature\nrh,20\n"}) {
        Outcome outcome = RunBatchOn(input);
        EXPECT_EQ(outcome.status, cli::ExitStatus::Usage) << input;
        EXPECT_EQ(outcome.out, "") << input;
    }
    EXPECT_NE(RunBatchOn("Menge;Wert\n").err.find("its columns are: 'Menge', 'Wert'"),
              std::string::npos);
}

TEST(Batch, ASingleConversionWarnsOfAnImpossibleInputAndKeepsItsDigits) {
    Outcome outcome = RunWith({"convert", "--rh", "50", "-t", "-300"});
    EXPECT_EQ(outcome.status, cli::ExitStatus::Success);
    EXPECT_EQ(outcome.err,
              "humidity-calc-cli: warning: temperature below absolute zero (-273.15 ℃)\n");
    EXPECT_NE(outcome.out.find("50.0000"), std::string::npos);
}

}  // namespace

namespace {

Outcome RunToDescriptor(int descriptor, const std::string& input) {
    std::string path = InputPath();
    std::ofstream(path, std::ios::binary) << input;
    cli::FileOutput output(descriptor);
    std::ostream out(&output);
    std::ostringstream err;
    const cli::Environment environment{cli::Language::English};
    const std::vector<std::string> args = {"batch", path};
    cli::ExitStatus status = cli::Run(args, environment, out, err);
    return {cli::FinishOutput(output, status, environment, err), "", err.str()};
}

std::string ManyRows(int count) {
    std::string input = "quantity,value,temperature\n";
    for (int i = 0; i < count; ++i) input += "rh,50,20\n";
    return input;
}

TEST(Batch, AFailedWriteStopsTheBatchAndSaysWhyUnlessTheReaderLeft) {
    Outcome full = RunToDescriptor(open("/dev/full", O_WRONLY | O_CLOEXEC), ManyRows(2000));
    EXPECT_EQ(full.status, cli::ExitStatus::OutputFailed);
    EXPECT_EQ(full.err,
              "humidity-calc-cli: write error on standard output: No space left on device\n");

    int ends[2];
    ASSERT_EQ(pipe2(ends, O_CLOEXEC), 0);
    close(ends[0]);
    auto previous = signal(SIGPIPE, SIG_IGN);
    Outcome gone = RunToDescriptor(ends[1], ManyRows(2000));
    signal(SIGPIPE, previous);
    EXPECT_EQ(gone.status, cli::ExitStatus::OutputFailed);
    EXPECT_EQ(gone.err, "");
}

// A row of a live input is written as soon as its line is complete, while
// the input stays open.
TEST(Batch, ALiveInputsRowsAppearAtOnce) {
    int input[2], output[2];
    ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
    std::thread batch([&] {
        cli::FileOutput sink(output[1]);
        std::ostream out(&sink);
        std::ostringstream err;
        cli::Run(std::vector<std::string>{"batch"}, {cli::Language::English, input[0]}, out, err);
        sink.Close();
    });
    const std::string rows = "quantity,value,temperature\nrh,50,20\n";
    ASSERT_EQ(write(input[1], rows.data(), rows.size()), ssize_t(rows.size()));
    std::string shown;
    pollfd ready = {output[0], POLLIN, 0};
    while (std::ranges::count(shown, '\n') < 2 && poll(&ready, 1, 5000) == 1) {
        char bytes[4096];
        ssize_t count = read(output[0], bytes, sizeof bytes);
        if (count <= 0) break;
        shown.append(bytes, size_t(count));
    }
    close(input[1]);
    batch.join();
    close(input[0]);
    close(output[0]);
    EXPECT_NE(shown.find("\nrh,50,20,50.0000,"), std::string::npos) << shown;
}

TEST(Batch, TheProgressBarKeepsOffTheTerminalTheRowsGoTo) {
    int terminal, peer;
    ASSERT_EQ(openpty(&peer, &terminal, nullptr, nullptr, nullptr), 0);
    int file = open("/dev/null", O_WRONLY | O_CLOEXEC);
    EXPECT_TRUE(cli::ProgressBarFits(file, terminal));
    EXPECT_FALSE(cli::ProgressBarFits(terminal, terminal));
    EXPECT_FALSE(cli::ProgressBarFits(terminal, file));
    for (int descriptor : {terminal, peer, file}) close(descriptor);
}

}  // namespace
