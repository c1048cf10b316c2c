#include "config/device_stream.h"

namespace chromlet {

std::int64_t DeviceSource::Read(char* data, std::int64_t size) {
    errno = 0;
    const qint64 got = device_.read(data, size);
    return Checked(got, got < 0);
}

std::int64_t DeviceSink::Write(const char* data, std::int64_t size) {
    errno = 0;
    const qint64 written = device_.write(data, size);
    return Checked(written, written <= 0);
}

}  // namespace chromlet
