#include "cli/batch/csv_reader.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace cli {
namespace {

constexpr char kQuote = '"';
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kReadSize = 64 * 1024;
// A record's bytes, the largest read and a byte of look-ahead past a quote.
constexpr size_t kWindowSize = std::max(kRecordLimit, kLookAheadLimit) + kReadSize + 2;
constexpr size_t kFirstWindowSize = 2 * kReadSize;

bool IsLineEnd(char c) {
    return c == kLineFeed || c == kCarriageReturn;
}

// The size of a regular file, none for anything else.
std::optional<uint64_t> RegularFileSize(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return uint64_t(status.st_size);
}

}  // namespace

CsvReader::CsvReader(int descriptor, std::function<void()> beforeWaiting)
    : descriptor_(descriptor),
      beforeWaiting_(std::move(beforeWaiting)),
      window_(new char[kFirstWindowSize]),
      capacity_(kFirstWindowSize) {
    std::optional<uint64_t> size = RegularFileSize(descriptor);
    live_ = !size;
    inputSize_ = size.value_or(0);
}

bool CsvReader::ReadyNow() const {
    pollfd ready = {descriptor_, POLLIN, 0};
    return poll(&ready, 1, 0) != 0;
}

// Makes room for one more block: moves the current record to the window's
// start and, when that is not enough, doubles the window up to its largest
// size, so that a small input never needs the whole of it.
void CsvReader::MakeRoom() {
    if (capacity_ - end_ >= kReadSize) return;
    std::memmove(window_.get(), window_.get() + begin_, end_ - begin_);
    windowOffset_ += begin_;
    next_ -= std::min(next_, begin_);
    end_ -= begin_;
    begin_ = 0;
    if (capacity_ - end_ >= kReadSize) return;
    size_t capacity = std::min(capacity_ * 2, kWindowSize);
    std::unique_ptr<char[]> grown(new char[capacity]);
    std::memcpy(grown.get(), window_.get(), end_);
    window_ = std::move(grown);
    capacity_ = capacity;
}

// Reads one more block into the window.
bool CsvReader::ReadMore() {
    if (atEnd_ || readError_ != 0) return false;
    MakeRoom();
    if (live_ && beforeWaiting_ && !ReadyNow()) beforeWaiting_();
    for (;;) {
        ssize_t count =
            ::read(descriptor_, window_.get() + end_, std::min(kReadSize, capacity_ - end_));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) readError_ = errno;
        if (count <= 0) {
            atEnd_ = true;
            return false;
        }
        end_ += size_t(count);
        return true;
    }
}

// Whether the byte `at` bytes into the current record is there, reading as
// much as that takes.
bool CsvReader::Available(size_t at) {
    while (begin_ + at >= end_) {
        if (!ReadMore()) return false;
    }
    return true;
}

void CsvReader::SkipByteOrderMark() {
    started_ = true;
    if (!Available(kByteOrderMark.size() - 1)) return;
    if (std::string_view(window_.get(), kByteOrderMark.size()) != kByteOrderMark) return;
    byteOrderMark_ = true;
    begin_ += kByteOrderMark.size();
}

// The LF of a CRLF line end is read with the next record, so that a live
// input whose lines end with a lone CR is never kept waiting for one.
void CsvReader::SkipLineFeedAfterCarriageReturn() {
    if (lineFeedMayFollow_ && Available(0) && window_[begin_] == kLineFeed) ++begin_;
    lineFeedMayFollow_ = false;
}

bool CsvReader::Next(CsvRecord& record) {
    begin_ = next_;
    if (!started_) SkipByteOrderMark();
    SkipLineFeedAfterCarriageReturn();
    next_ = begin_;
    consumedOffset_ = windowOffset_ + begin_;
    if (!Available(0)) return false;
    recordLine_ = line_;
    return ParseRecord(record);
}

void CsvReader::Rewind() {
    next_ = begin_;
    line_ = recordLine_;
    lineFeedMayFollow_ = false;
}

std::string_view CsvReader::RawRecord() const {
    return std::string_view(window_.get() + begin_, recordEnd_);
}

std::string_view CsvReader::LookAhead() {
    while (end_ - begin_ < kLookAheadLimit && !(live_ && !ReadyNow()) && ReadMore()) {
    }
    return std::string_view(window_.get() + begin_, std::min(end_ - begin_, kLookAheadLimit));
}

// The offset of the separator or line end at or after `at`, or of the end
// of the input, looking no further than one byte past the record limit.
size_t CsvReader::FieldEnd(size_t at) {
    while (at <= kRecordLimit && Available(at)) {
        const char* first = window_.get() + begin_ + at;
        const char* last = window_.get() + std::min(end_, begin_ + kRecordLimit + 1);
        const char* stop = std::find_if(first, last, [this](char c) {
            return c == separator_ || c == kLineFeed || c == kCarriageReturn;
        });
        at += size_t(stop - first);
        if (stop != last) break;
    }
    return at;
}

// Adds the field that starts `fieldStart` bytes into the record and ends
// before `at`, as its raw bytes.
void CsvReader::AddRawField(CsvRecord& record, size_t fieldStart, size_t at) {
    record.fields.emplace_back(window_.get() + begin_ + fieldStart, at - fieldStart);
}

bool CsvReader::ParseRecord(CsvRecord& record) {
    record.fields.clear();
    record.line = recordLine_;
    record.offset = windowOffset_ + begin_;
    record.problem = CsvRecord::Problem::None;
    size_t at = 0;
    for (;;) {
        const size_t fieldStart = at;
        bool wholeQuoted = false;
        if (Available(at) && window_[begin_ + at] == kQuote) {
            std::string content;
            for (++at;; ++at) {
                if (at > kRecordLimit) return Fail(record, CsvRecord::Problem::TooLong);
                if (!Available(at)) return Fail(record, CsvRecord::Problem::OpenQuote);
                char c = window_[begin_ + at];
                if (c == kQuote) {
                    if (!Available(at + 1) || window_[begin_ + at + 1] != kQuote) break;
                    ++at;
                } else if (c == kLineFeed ||
                           (c == kCarriageReturn &&
                            !(Available(at + 1) && window_[begin_ + at + 1] == kLineFeed))) {
                    ++line_;
                }
                content += c;
            }
            ++at;  // past the closing quote
            char c = Available(at) ? window_[begin_ + at] : kLineFeed;
            wholeQuoted = c == separator_ || IsLineEnd(c);
            if (wholeQuoted) record.fields.push_back(std::move(content));
        }
        at = FieldEnd(at);
        if (at > kRecordLimit) return Fail(record, CsvRecord::Problem::TooLong);
        if (!wholeQuoted) AddRawField(record, fieldStart, at);
        if (!Available(at)) break;
        char c = window_[begin_ + at];
        if (c == separator_) {
            ++at;
            continue;
        }
        recordEnd_ = at;
        ++line_;
        lineFeedMayFollow_ = c == kCarriageReturn;
        next_ = begin_ + at + 1;
        return true;
    }
    recordEnd_ = at;
    next_ = begin_ + at;
    return true;
}

// Reports the record as failed for the line it began on and resumes reading
// at the next line.
bool CsvReader::Fail(CsvRecord& record, CsvRecord::Problem problem) {
    record.fields.clear();
    record.problem = problem;
    line_ = recordLine_ + 1;
    recordEnd_ = 0;
    SkipPastLineEnd(0);
    return true;
}

// Moves the next record's start past the first line end at or after `from`
// bytes into the current record, dropping a line longer than the window a
// block at a time.
bool CsvReader::SkipPastLineEnd(size_t from) {
    for (size_t at = from;; ++at) {
        if (!Available(at)) {
            next_ = end_;
            begin_ = end_;
            return false;
        }
        char c = window_[begin_ + at];
        if (IsLineEnd(c)) {
            lineFeedMayFollow_ = c == kCarriageReturn;
            next_ = begin_ + at + 1;
            begin_ = next_;
            return true;
        }
        if (at >= kRecordLimit) {
            begin_ += at;
            at = 0;
        }
    }
}

}  // namespace cli
