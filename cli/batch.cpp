#include "cli/batch.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <span>

#include "cli/batch_row.h"
#include "cli/csv_reader.h"
#include "cli/json_csv.h"
#include "cli/messages.h"
#include "cli/progress.h"

namespace cli {
namespace {

constexpr std::string_view kStandardInputName = "-";
constexpr std::string_view kErrorColumn = "error";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

// The input's size when it is a regular file, else 0 (unknown).
uint64_t KnownSize(std::FILE* file) {
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
    return uint64_t(status.st_size);
}

bool IsBlank(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

// Appends fields to a CSV line, each followed by a comma; the line's last
// comma is dropped when it is written.
void AppendFields(std::string& line, const auto& fields) {
    for (const auto& field : fields) {
        line += CsvField(field);
        line += ',';
    }
}

// A row's own fields, as many as the header has, so that the results stay
// in their columns: a short row is padded with empty fields, and the fields
// of a long row past the header's are left out (the row's error says so).
void AppendInputFields(std::string& line, const std::vector<std::string>& fields, size_t count) {
    AppendFields(line, std::span(fields).first(std::min(count, fields.size())));
    if (fields.size() < count) line += std::string(count - fields.size(), ',');
}

void WriteLine(std::ostream& out, std::string& line) {
    line.back() = '\n';
    out << line;
}

class BatchRun {
public:
    BatchRun(const Environment& environment, std::ostream& out, std::ostream& err)
        : language_(environment.language),
          errorIsTerminal_(environment.errorIsTerminal),
          out_(out),
          err_(err) {}

    ExitStatus Run(std::FILE* input) {
        const uint64_t total = KnownSize(input);
        CsvReader reader(input);
        std::vector<std::string> header;
        while (reader.Next(header) && IsBlank(header)) {
        }
        if (header.empty() || IsBlank(header)) return Fail(Say(messages::kNoHeader, language_));
        auto columns = FindBatchColumns(header);
        if (auto* missing = std::get_if<std::string>(&columns)) {
            return Fail(Say(messages::kNoColumn, language_, *missing));
        }
        WriteHeader(header);
        ConvertRows(reader, std::get<BatchColumns>(columns), total);
        if (reader.Failed()) return Fail(Say(messages::kCannotRead, language_, strerror(errno)));
        return Summary();
    }

    ExitStatus Fail(const std::string& message) {
        err_ << messages::kProgramName << ": " << message << '\n';
        return ExitStatus::Usage;
    }

private:
    void WriteHeader(const std::vector<std::string>& header) {
        std::string line;
        AppendFields(line, header);
        for (const ResultField& field : ResultFields()) {
            AppendFields(line, std::array{std::string(ResultGroupOf(field.group).name) + "_" +
                                          std::string(field.name)});
        }
        AppendFields(line, std::array{kErrorColumn});
        WriteLine(out_, line);
    }

    void ConvertRows(CsvReader& reader, const BatchColumns& columns, uint64_t totalBytes) {
        ProgressBar progress(err_, errorIsTerminal_, totalBytes);
        std::vector<std::string> fields;
        std::string line;
        while (reader.Next(fields)) {
            if (IsBlank(fields)) continue;
            line.clear();
            AppendInputFields(line, fields, columns.count);
            AppendResults(line, ReadBatchRow(fields, columns, language_));
            WriteLine(out_, line);
            progress.Update(reader.BytesRead());
        }
    }

    void AppendResults(std::string& line, const std::variant<HumidityInputs, RowError>& row) {
        ++rows_;
        if (auto* inputs = std::get_if<HumidityInputs>(&row)) {
            AppendFields(line, converter_.Convert(*inputs));
            line += ',';  // an empty error
            return;
        }
        ++failedRows_;
        line += std::string(kResultCount, ',');  // empty results
        AppendFields(line, std::array{std::get<RowError>(row).message});
    }

    ExitStatus Summary() {
        if (failedRows_ == 0) return ExitStatus::Success;
        err_ << messages::kProgramName << ": "
             << Say(messages::kRowsFailed, language_, std::to_string(failedRows_),
                    std::to_string(rows_))
             << '\n';
        return ExitStatus::RowsFailed;
    }

    Language language_;
    bool errorIsTerminal_;
    std::ostream& out_;
    std::ostream& err_;
    HumidityConverter converter_;
    uint64_t rows_ = 0;
    uint64_t failedRows_ = 0;
};

}  // namespace

ExitStatus RunBatch(const BatchRequest& request, const Environment& environment, std::ostream& out,
                    std::ostream& err) {
    BatchRun batch(environment, out, err);
    std::FILE* input = environment.standardInput;
    OwnedFile opened;
    if (!request.path.empty() && request.path != kStandardInputName) {
        opened.reset(std::fopen(request.path.c_str(), "rb"));
        if (!opened) {
            return batch.Fail(
                Say(messages::kCannotOpen, environment.language, request.path, strerror(errno)));
        }
        input = opened.get();
    }
    return batch.Run(input);
}

}  // namespace cli
