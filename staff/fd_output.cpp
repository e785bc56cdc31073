#include "staff/fd_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace staff {

FdStreambuf::FdStreambuf(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool FdStreambuf::write_all(const char* text, std::size_t size) {
    while (size > 0 && error_ == 0) {
        const ssize_t written = ::write(fd_, text, size);
        if (written < 0) {
            if (errno != EINTR) {
                error_ = errno;
            }
            continue;
        }
        text += written;
        size -= static_cast<std::size_t>(written);
    }
    return error_ == 0;
}

bool FdStreambuf::drain() {
    const bool written = write_all(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

FdStreambuf::int_type FdStreambuf::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize FdStreambuf::xsputn(const char* text, std::streamsize size) {
    const auto length = static_cast<std::size_t>(size);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (length <= room) {
        std::memcpy(pptr(), text, length);
        pbump(static_cast<int>(length));
        return size;
    }
    // A large piece goes out as it is, after what is waiting.
    if (!drain() || !write_all(text, length)) {
        return 0;
    }
    return size;
}

int FdStreambuf::sync() {
    return drain() ? 0 : -1;
}

}  // namespace staff
