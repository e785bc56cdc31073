#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <streambuf>

namespace staff {

/// A stream buffer writing to a file descriptor that keeps the system's reason for the first
/// failed write; what comes after a failure is dropped.
class FdStreambuf final : public std::streambuf {
  public:
    explicit FdStreambuf(int fd);
    FdStreambuf(const FdStreambuf&) = delete;
    FdStreambuf& operator=(const FdStreambuf&) = delete;
    ~FdStreambuf() override = default;

    /// The errno of the first failed write, or 0.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize size) override;
    int sync() override;

  private:
    bool write_all(const char* text, std::size_t size);
    bool drain();

    int fd_;
    int error_ = 0;
    std::array<char, std::size_t{1} << 16> buffer_{};
};

/// An output stream on a file descriptor that it does not own.
class FdOutput final : public std::ostream {
  public:
    explicit FdOutput(int fd) : std::ostream(nullptr), buffer_(fd) { rdbuf(&buffer_); }

    /// The errno of the first failed write, or 0.
    int error() const { return buffer_.error(); }

  private:
    FdStreambuf buffer_;
};

}  // namespace staff
