#include "config/device_stream.h"

#include <cerrno>

namespace chromlet {

namespace {

int LastErrorNumber(const QIODevice& device) {
    return device.inherits("QFileDevice") ? errno : 0;
}

}  // namespace

std::int64_t DeviceSource::Read(char* data, std::int64_t size) {
    errno = 0;
    const qint64 got = device_.read(data, size);
    if (got < 0) {
        errorNumber_ = LastErrorNumber(device_);
        error_ = device_.errorString().toLocal8Bit().toStdString();
    }
    return got;
}

std::int64_t DeviceSink::Write(const char* data, std::int64_t size) {
    errno = 0;
    const qint64 written = device_.write(data, size);
    if (written <= 0) {
        errorNumber_ = LastErrorNumber(device_);
        error_ = device_.errorString().toLocal8Bit().toStdString();
    }
    return written;
}

}  // namespace chromlet
