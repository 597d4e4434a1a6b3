// The batch's throughput in rows per second, beside a pass that only reads
// the same CSV with the batch's reader and writes each record back with its
// writer, into the same discarding stream. The input is generated once: the
// six known quantities in turn with varied values, gauge units and
// directions, and one row in eight bad in one of four ways, as in real
// files.

#include <benchmark/benchmark.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/batch/csv_reader.h"
#include "cli/run.h"
#include "cli/text/json_csv.h"

namespace {

constexpr int kRows = 4096;
constexpr int kBadRowEvery = 8;
constexpr std::array<std::string_view, 6> kQuantities = {"dew-point", "rh",    "ppm",
                                                         "g-m3",      "mg-m3", "g-kg"};
constexpr std::array<std::string_view, 4> kUnits = {"MPa", "bar", "mbar", "Pa"};
constexpr std::array<std::string_view, 2> kDirections = {"to-standard", "from-standard"};
constexpr std::array<std::string_view, 4> kBadRows = {
    "rh,abc,20,0.3,MPa,to-standard", "ppm,1000,,0.3,MPa,to-standard", "g-kg,5,20,1,kPa,to-standard",
    "knots,1,20,0.3,MPa,to-standard"};

// Swallows everything written to it, so that both passes pay for making
// their lines but not for a device.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

std::string Decimal(double value) {
    char digits[32];
    auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2);
    return std::string(digits, end);
}

std::string GoodRow(int row) {
    const double spread = double(row % 97) / 97.0;  // [0, 1)
    std::string line(kQuantities[size_t(row) % kQuantities.size()]);
    line += ',' + Decimal(1.0 + 60.0 * spread) + ',' + Decimal(-10.0 + 50.0 * spread);
    line += ',' + Decimal(0.1 + 2.0 * spread) + ',';
    line += kUnits[size_t(row / 7) % kUnits.size()];
    line += ',';
    line += kDirections[size_t(row / 3) % kDirections.size()];
    return line;
}

const std::string& BatchInput() {
    static const std::string csv = [] {
        std::string text = "quantity,value,temperature,pressure,unit,direction\n";
        for (int row = 0; row < kRows; ++row) {
            text += row % kBadRowEvery == kBadRowEvery - 1
                        ? std::string(kBadRows[size_t(row / kBadRowEvery) % kBadRows.size()])
                        : GoodRow(row);
            text += '\n';
        }
        return text;
    }();
    return csv;
}

// The input as a file in memory, rewound for each pass, so that both passes
// read it as they would read a file.
int InputDescriptor() {
    static const int descriptor = [] {
        const std::string& csv = BatchInput();
        int fd = memfd_create("batch-input", 0);
        if (fd < 0 || write(fd, csv.data(), csv.size()) != ssize_t(csv.size())) std::abort();
        return fd;
    }();
    lseek(descriptor, 0, SEEK_SET);
    return descriptor;
}

void ReportRows(benchmark::State& state) {
    state.counters["rows"] =
        benchmark::Counter(double(kRows) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BatchRows(benchmark::State& state) {
    DiscardingBuffer discard;
    std::ostream out(&discard), err(&discard);
    const std::vector<std::string> args = {"batch"};
    for (auto _ : state) {
        cli::Environment environment{cli::Language::English, InputDescriptor(), false};
        benchmark::DoNotOptimize(cli::Run(args, environment, out, err));
    }
    ReportRows(state);
}
BENCHMARK(BatchRows)->Unit(benchmark::kMillisecond);

// The batch's own way of writing a line: each field, a comma after each,
// the last comma turned into the line break.
void ReadWriteBaseline(benchmark::State& state) {
    DiscardingBuffer discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        cli::CsvReader reader(InputDescriptor());
        cli::CsvRecord record;
        std::string line;
        while (reader.Next(record)) {
            line.clear();
            for (const std::string& field : record.fields) {
                line += cli::CsvField(field);
                line += ',';
            }
            line.back() = '\n';
            out << line;
        }
    }
    ReportRows(state);
}
BENCHMARK(ReadWriteBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
