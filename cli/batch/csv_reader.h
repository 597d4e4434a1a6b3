#pragma once
// CSV records read one at a time from a file descriptor, in bounded memory.
//
//   descriptor ─► window (grows to kRecordLimit + one read) ─► fields (bytes as in the file)
//
// A double quote opens a quoted field only as the field's first character;
// a quoted field may hold separators, doubled quotes and line breaks, kept
// as they are (CRLF stays CRLF). Anywhere else a quote is an ordinary
// character. A quoted field with text after its closing quote is read as
// its raw text, quotes included, so it can never pass for a number. Lines
// end with LF, CRLF or a lone CR.
//
// A record longer than kRecordLimit bytes, or a quoted field still open at
// the end of the input, is reported as a failed record for the line it began
// on, and reading resumes at the next line: one bad quote costs at most the
// lines it really covers, and memory stays bounded whatever the input.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

inline constexpr size_t kRecordLimit = 1024 * 1024;
// How far ahead the reader can look from a record's start.
inline constexpr size_t kLookAheadLimit = kRecordLimit;

struct CsvRecord {
    enum class Problem { None, TooLong, OpenQuote };
    std::vector<std::string> fields;  // bytes as in the file, quoting undone
    uint64_t line = 0;                // the line it starts on, from 1
    uint64_t offset = 0;              // its first byte's offset in the input
    Problem problem = Problem::None;
};

class CsvReader {
public:
    // `beforeWaiting` runs before a read that would wait for a live input
    // (a pipe or a terminal), so that what was written so far can be shown.
    CsvReader(int descriptor, std::function<void()> beforeWaiting = {});
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    void SetSeparator(char separator) { separator_ = separator; }
    // The next record; false at the end of the input or on a read error.
    bool Next(CsvRecord& record);
    // Reads the last record again (with another separator, say).
    void Rewind();
    // The last record's bytes as in the file, line break excluded.
    std::string_view RawRecord() const;
    // Up to kLookAheadLimit bytes from the last record's start: fewer at the
    // end of the input or, for a live input, when no more bytes are ready.
    std::string_view LookAhead();

    bool StartsWithByteOrderMark() const { return byteOrderMark_; }
    uint64_t BytesRead() const { return consumedOffset_; }
    // The size of a regular file; 0 for a live input.
    uint64_t InputSize() const { return inputSize_; }
    // The errno of a failed read, or 0.
    int ReadError() const { return readError_; }

private:
    bool Available(size_t at);
    void MakeRoom();
    bool ReadMore();
    bool ReadyNow() const;
    void SkipByteOrderMark();
    void SkipLineFeedAfterCarriageReturn();
    bool ParseRecord(CsvRecord& record);
    size_t FieldEnd(size_t at);
    void AddRawField(CsvRecord& record, size_t fieldStart, size_t at);
    bool Fail(CsvRecord& record, CsvRecord::Problem problem);
    bool SkipPastLineEnd(size_t from);

    int descriptor_;
    std::function<void()> beforeWaiting_;
    bool live_ = false;
    uint64_t inputSize_ = 0;
    char separator_ = ',';
    // Not zeroed: only bytes read are ever looked at.
    std::unique_ptr<char[]> window_;
    size_t capacity_;
    size_t begin_ = 0;  // the current record's first byte in window_
    size_t end_ = 0;    // bytes held in window_
    size_t next_ = 0;   // the next record's first byte in window_
    size_t recordEnd_ = 0;
    uint64_t windowOffset_ = 0;  // input offset of window_[0]
    uint64_t consumedOffset_ = 0;
    uint64_t line_ = 1;
    uint64_t recordLine_ = 1;
    bool atEnd_ = false;
    bool started_ = false;
    bool byteOrderMark_ = false;
    bool lineFeedMayFollow_ = false;
    int readError_ = 0;
};

}  // namespace cli
