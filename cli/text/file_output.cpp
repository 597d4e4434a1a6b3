#include "cli/text/file_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

FileOutput::FileOutput(int descriptor) : descriptor_(descriptor) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool FileOutput::WriteAll(const char* bytes, size_t count) {
    while (count > 0 && error_ == 0) {
        ssize_t written = ::write(descriptor_, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        bytes += written;
        count -= size_t(written);
    }
    return error_ == 0;
}

// Writes what the buffer holds and empties it.
bool FileOutput::Drain() {
    bool written = WriteAll(pbase(), size_t(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

FileOutput::int_type FileOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize FileOutput::xsputn(const char* text, std::streamsize count) {
    if (error_ != 0) return 0;
    auto room = std::streamsize(epptr() - pptr());
    if (count <= room) {
        std::memcpy(pptr(), text, size_t(count));
        pbump(int(count));
        return count;
    }
    if (!Drain()) return 0;
    if (size_t(count) >= buffer_.size()) return WriteAll(text, size_t(count)) ? count : 0;
    std::memcpy(pptr(), text, size_t(count));
    pbump(int(count));
    return count;
}

int FileOutput::sync() {
    return Drain() ? 0 : -1;
}

int FileOutput::Close() {
    Drain();
    if (!closed_) {
        closed_ = true;
        if (::close(descriptor_) != 0 && error_ == 0) error_ = errno;
    }
    return error_;
}

}  // namespace cli
