#include "print/stream_device.h"

namespace print {

StreamDevice::StreamDevice(std::ostream& stream) : stream_(stream) {
    // The stream buffers: a second buffer here would only delay the first failed write.
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StreamDevice::readData(char* /*data*/, qint64 /*size*/) {
    return -1;
}

qint64 StreamDevice::writeData(const char* data, qint64 size) {
    stream_.write(data, static_cast<std::streamsize>(size));
    return stream_ ? size : -1;
}

}  // namespace print
