#include "cli/batch/batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <span>

#include "cli/batch/batch_row.h"
#include "cli/batch/csv_reader.h"
#include "cli/facts/humidity_class_text.h"
#include "cli/text/json_csv.h"
#include "cli/text/messages.h"
#include "cli/text/progress.h"

namespace cli {
namespace {

constexpr std::string_view kStandardInputName = "-";
constexpr std::array<std::string_view, 2> kStatusColumns = {"error", "warning"};
// After the status columns, so that the columns before them keep their places.
constexpr std::string_view kClassColumn = "pressure_dew_point_class";
// The separators a header is tried with, most common first.
constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
constexpr std::string_view kEncodingNames[] = {"", "UTF-8", "GBK"};

class OwnedDescriptor {
public:
    explicit OwnedDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~OwnedDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    OwnedDescriptor(const OwnedDescriptor&) = delete;
    OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A line of nothing but spaces and tabs is no row.
bool IsBlank(const CsvRecord& record) {
    return record.problem == CsvRecord::Problem::None && record.fields.size() == 1 &&
           IsBlankText(record.fields[0]);
}

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty()) joined += ", ";
        joined += "'" + name + "'";
    }
    return joined;
}

class BatchRun {
public:
    BatchRun(const BatchRequest& request, const Environment& environment, std::ostream& out,
             std::ostream& err)
        : request_(request),
          language_(environment.language),
          showProgress_(environment.progressTerminal),
          encoding_(request.encoding),
          out_(out),
          err_(err) {}

    ExitStatus Run(int descriptor, const std::string& inputName) {
        inputName_ = inputName;
        CsvReader reader(descriptor, [this] { out_.flush(); });
        CsvRecord header;
        if (auto failed = ReadHeader(reader, header)) return *failed;
        auto columns = FindBatchColumns(header.fields);
        WriteHeader(header.fields);
        ConvertRows(reader, std::get<BatchColumns>(columns));
        if (reader.ReadError() != 0) return CannotRead(reader.ReadError());
        // Every row is out before the summary speaks of them.
        if (!out_.flush()) return ExitStatus::OutputFailed;
        return Summary();
    }

    ExitStatus Fail(const std::string& message) {
        err_ << messages::kProgramName << ": " << message << '\n';
        return ExitStatus::Usage;
    }

private:
    ExitStatus CannotRead(int error) {
        return Fail(Say(messages::kCannotRead, language_, inputName_, strerror(error)));
    }

    // The first line that is not blank, split with the first separator
    // that finds every required column, and decoded.
    std::optional<ExitStatus> ReadHeader(CsvReader& reader, CsvRecord& header) {
        do {
            if (reader.Next(header)) continue;
            if (reader.ReadError() != 0) return CannotRead(reader.ReadError());
            return Fail(Say(messages::kNoHeader, language_));
        } while (IsBlank(header));
        if (header.problem != CsvRecord::Problem::None) {
            return Fail(Say(messages::kBadHeader, language_, ProblemOf(header)));
        }
        if (auto missing = ChooseSeparator(reader, header)) return Fail(*missing);
        if (auto problem = Decode(reader, header)) {
            return Fail(Say(messages::kBadHeader, language_, *problem));
        }
        return std::nullopt;
    }

    // Tries each separator on the header; the message for the header when
    // none of them finds the required columns.
    std::optional<std::string> ChooseSeparator(CsvReader& reader, CsvRecord& header) {
        std::span<const char> candidates(kSeparators);
        if (request_.separator) candidates = std::span(&*request_.separator, 1);
        std::optional<std::string> firstMissing;
        std::vector<std::string> widest;
        for (char separator : candidates) {
            reader.SetSeparator(separator);
            reader.Rewind();
            reader.Next(header);
            auto columns = FindBatchColumns(header.fields);
            if (std::holds_alternative<BatchColumns>(columns)) {
                separator_ = separator;
                return std::nullopt;
            }
            if (!firstMissing) firstMissing = std::get<std::string>(columns);
            if (header.fields.size() > widest.size()) widest = header.fields;
        }
        return Say(messages::kNoColumn, language_, *firstMissing, JoinedNames(widest));
    }

    // Decodes a record's fields to UTF-8 in place, choosing the encoding at
    // the first record that needs one; the problem when the record is not
    // valid in it.
    std::optional<std::string> Decode(CsvReader& reader, CsvRecord& record) {
        if (IsAscii(reader.RawRecord())) return std::nullopt;
        if (encoding_ == InputEncoding::Auto) {
            encoding_ = reader.StartsWithByteOrderMark()
                            ? InputEncoding::Utf8
                            : WeighEncoding(reader.LookAhead()).value_or(InputEncoding::Utf8);
        }
        // Read after the look-ahead, which may have moved the record.
        size_t bad = DecodeFields(record.fields, reader.RawRecord(), encoding_);
        if (bad == std::string_view::npos) return std::nullopt;
        return Say(messages::kRowBadEncoding, language_, kEncodingNames[size_t(encoding_)],
                   std::to_string(record.offset + bad));
    }

    std::string ProblemOf(const CsvRecord& record) const {
        const Message& message = record.problem == CsvRecord::Problem::TooLong
                                     ? messages::kRowTooLong
                                     : messages::kRowOpenQuote;
        return Say(message, language_, std::to_string(record.line));
    }

    void AppendField(std::string_view field) {
        AppendCsvField(line_, field, separator_);
        line_ += separator_;
    }

    void WriteLine() {
        line_.back() = '\n';
        out_ << line_;
        line_.clear();
    }

    void WriteHeader(const std::vector<std::string>& header) {
        for (const std::string& name : header) AppendField(name);
        for (const ResultField& field : ResultFields()) {
            AppendField(std::string(ResultGroupOf(field.group).name) + "_" +
                        std::string(field.name));
        }
        for (std::string_view name : kStatusColumns) AppendField(name);
        AppendField(kClassColumn);
        WriteLine();
    }

    void ConvertRows(CsvReader& reader, const BatchColumns& columns) {
        ProgressBar progress(err_, showProgress_, reader.InputSize());
        CsvRecord record;
        while (out_ && reader.Next(record)) {
            if (IsBlank(record)) continue;
            ++rows_;
            ConvertRecord(reader, record, columns);
            WriteLine();
            progress.Update(reader.BytesRead());
        }
    }

    void ConvertRecord(CsvReader& reader, CsvRecord& record, const BatchColumns& columns) {
        std::optional<std::string> problem;
        if (record.problem != CsvRecord::Problem::None) {
            problem = ProblemOf(record);
        } else {
            problem = Decode(reader, record);
        }
        AppendInputFields(record.fields, columns.count);
        if (problem) return AppendFailure(*problem);
        auto row = ReadBatchRow(record.fields, columns, language_);
        if (auto* error = std::get_if<RowError>(&row)) return AppendFailure(error->message);
        for (const std::string& text : converter_.Convert(std::get<HumidityInputs>(row))) {
            AppendField(text);
        }
        AppendField("");
        AppendField(ImpossibleText(converter_.Impossible()));
        AppendField(ClassField(converter_.HumidityClass()));
        if (converter_.Impossible().Any()) ++warnedRows_;
    }

    // A row's own fields, as many as the header has, so that the results
    // stay in their columns: a short row is padded with empty fields, and
    // the fields of a long row past the header's are left out (the row's
    // error says so).
    void AppendInputFields(const std::vector<std::string>& fields, size_t count) {
        for (size_t i = 0; i < count; ++i) AppendField(i < fields.size() ? fields[i] : "");
    }

    void AppendFailure(const std::string& message) {
        ++failedRows_;
        line_.append(kResultCount, separator_);
        AppendField(message);
        AppendField("");
        AppendField("");
    }

    std::string ImpossibleText(const ImpossibleInputs& impossible) const {
        std::string text;
        for (const Message& message : impossible.Messages()) {
            if (!text.empty()) text += Say(messages::kListSeparator, language_);
            text += Say(message, language_);
        }
        return text;
    }

    void Report(const Message& message, uint64_t count) {
        err_ << messages::kProgramName << ": "
             << Say(message, language_, std::to_string(count), std::to_string(rows_)) << '\n';
    }

    ExitStatus Summary() {
        if (warnedRows_ > 0) Report(messages::kRowsWarned, warnedRows_);
        if (failedRows_ == 0) return ExitStatus::Success;
        Report(messages::kRowsFailed, failedRows_);
        return ExitStatus::RowsFailed;
    }

    const BatchRequest& request_;
    Language language_;
    bool showProgress_;
    InputEncoding encoding_;
    char separator_ = ',';
    std::ostream& out_;
    std::ostream& err_;
    std::string inputName_;
    std::string line_;
    HumidityConverter converter_;
    uint64_t rows_ = 0;
    uint64_t failedRows_ = 0;
    uint64_t warnedRows_ = 0;
};

}  // namespace

ExitStatus RunBatch(const BatchRequest& request, const Environment& environment, std::ostream& out,
                    std::ostream& err) {
    BatchRun batch(request, environment, out, err);
    if (request.path.empty() || request.path == kStandardInputName) {
        return batch.Run(environment.standardInput,
                         Say(messages::kStandardInput, environment.language));
    }
    OwnedDescriptor opened(::open(request.path.c_str(), O_RDONLY | O_CLOEXEC));
    if (opened.get() < 0) {
        return batch.Fail(
            Say(messages::kCannotOpen, environment.language, request.path, strerror(errno)));
    }
    return batch.Run(opened.get(), request.path);
}

}  // namespace cli
