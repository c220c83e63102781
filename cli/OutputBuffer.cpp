#include "cli/OutputBuffer.h"

#include <cerrno>
#include <unistd.h>

namespace lumra::cli {

bool OutputBuffer::Drain() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t n = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            break;
        }
        next += n;
    }
    // A failed write drops the rest: nothing after it could reach the reader in order.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
    if (!Drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int OutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

} // namespace lumra::cli
