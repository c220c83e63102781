#pragma once
// Standard output as a stream that keeps why a write failed: the stream's own state says only
// that it did.

#include <array>
#include <streambuf>

namespace lumra::cli {

class OutputBuffer final : public std::streambuf {
public:
    explicit OutputBuffer(int fd) : fd_(fd) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // The errno of the first failed write; 0 while every write succeeded.
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

} // namespace lumra::cli
