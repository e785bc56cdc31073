#pragma once

#include <QIODevice>
#include <ostream>

namespace print {

/// A write-only device that hands what Qt's writers write (a PDF, a PNG) to a standard output
/// stream, so that they write wherever the program's output file goes; a write fails once the
/// stream has failed. Opened on creation.
class StreamDevice final : public QIODevice {
  public:
    explicit StreamDevice(std::ostream& stream);

  protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    std::ostream& stream_;
};

}  // namespace print
