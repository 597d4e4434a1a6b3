#pragma once
// Standard output written with checked system calls, so that a full disk, a
// closed descriptor or a reader that has gone away ends the program instead
// of being ignored.
//
//   ostream ─► FileOutput (64 KiB buffer) ─► write(2) ─► first failure kept ─► Close
//
// After the first failed write every later write fails at once, so the
// stream goes bad and the writer can stop; Close flushes, closes the
// descriptor and reports the first failure, close(2)'s own included.

#include <array>
#include <streambuf>

namespace cli {

class FileOutput final : public std::streambuf {
public:
    explicit FileOutput(int descriptor);
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // Flushes and closes the descriptor; the errno of the first failure, or 0.
    int Close();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool Drain();
    bool WriteAll(const char* bytes, size_t count);

    static constexpr size_t kBufferSize = 64 * 1024;
    int descriptor_;
    int error_ = 0;
    bool closed_ = false;
    std::array<char, kBufferSize> buffer_;
};

}  // namespace cli
