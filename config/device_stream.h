// A Qt device as the source or the sink of an update's passes: the files the updater opened.
#pragma once

#include <QIODevice>
#include <QString>

#include <string>

#include "config/passes/byte_stream.h"

namespace chromlet {

/// Reads an open device. A file's failure gives the system's error number, which its system
/// call leaves in errno (a buffer in memory has none), and the device's own message, which for a
/// file is the system's message for that number.
class DeviceSource final : public ByteSource {
  public:
    explicit DeviceSource(QIODevice& device) : device_(device) {}
    std::int64_t Read(char* data, std::int64_t size) override;
    std::string Error() const override { return error_; }
    int ErrorNumber() const override { return errorNumber_; }

  private:
    QIODevice& device_;
    std::string error_;
    int errorNumber_ = 0;
};

/// Writes to an open device, its failures told as DeviceSource tells them.
class DeviceSink final : public ByteSink {
  public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}
    std::int64_t Write(const char* data, std::int64_t size) override;
    std::string Error() const override { return error_; }
    int ErrorNumber() const override { return errorNumber_; }

  private:
    QIODevice& device_;
    std::string error_;
    int errorNumber_ = 0;
};

/// A reason the passes give (the system's words, in the locale's encoding) for a message.
inline QString FromSystem(const std::string& reason) {
    return QString::fromLocal8Bit(reason);
}

}  // namespace chromlet
