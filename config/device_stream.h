// A Qt device as the source or the sink of an update's passes: the files the updater opened.
#pragma once

#include <QIODevice>
#include <QString>

#include <cerrno>
#include <string>

#include "config/passes/byte_stream.h"

namespace chromlet {

/// What a device stream tells of its failure: for a file the system's error number, which its
/// system call leaves in errno (a buffer in memory has none), and the device's own message, which
/// for a file is the system's message for that number.
template <typename Stream>
class OnDevice : public Stream {
  public:
    explicit OnDevice(QIODevice& device) : device_(device) {}
    std::string Error() const override { return error_; }
    int ErrorNumber() const override { return errorNumber_; }

  protected:
    /// Keeps the device's failure; `result` is what its call returned, passed through.
    std::int64_t Checked(qint64 result, bool failed) {
        if (failed) {
            errorNumber_ = device_.inherits("QFileDevice") ? errno : 0;
            error_ = device_.errorString().toLocal8Bit().toStdString();
        }
        return result;
    }

    QIODevice& device_;

  private:
    std::string error_;
    int errorNumber_ = 0;
};

/// Reads an open device.
class DeviceSource final : public OnDevice<ByteSource> {
  public:
    using OnDevice::OnDevice;
    std::int64_t Read(char* data, std::int64_t size) override;
};

/// Writes to an open device.
class DeviceSink final : public OnDevice<ByteSink> {
  public:
    using OnDevice::OnDevice;
    std::int64_t Write(const char* data, std::int64_t size) override;
};

/// A reason the passes give (the system's words, in the locale's encoding) for a message.
inline QString FromSystem(const std::string& reason) {
    return QString::fromLocal8Bit(reason);
}

}  // namespace chromlet
