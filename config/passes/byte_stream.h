// Where the passes of an update read and write their bytes: files in the updater, strings in
// memory where there is no file system (a page in a browser) or nothing is to be written. The
// passes do not know which.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chromlet {

/// Bytes to read, from the start.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    /// Reads up to `size` bytes into `data`: how many it read, 0 at the end, -1 when the read
    /// failed, which Error() then explains.
    virtual std::int64_t Read(char* data, std::int64_t size) = 0;
    /// Why the last read failed, in the system's words.
    virtual std::string Error() const { return {}; }
    /// The system's error number (errno) of that failure; 0 where there is none.
    virtual int ErrorNumber() const { return 0; }
};

/// A place bytes are written to, in order.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    /// Writes up to `size` bytes of `data`: how many it took (a disk filling up may take fewer),
    /// 0 or less when the write failed, which Error() then explains.
    virtual std::int64_t Write(const char* data, std::int64_t size) = 0;
    virtual std::string Error() const { return {}; }
    virtual int ErrorNumber() const { return 0; }
};

/// Reads a string held elsewhere; it must outlive the source.
class StringSource final : public ByteSource {
  public:
    explicit StringSource(std::string_view bytes) : bytes_(bytes) {}
    std::int64_t Read(char* data, std::int64_t size) override;

  private:
    std::string_view bytes_;
};

/// Appends to a string held elsewhere.
class StringSink final : public ByteSink {
  public:
    explicit StringSink(std::string& bytes) : bytes_(bytes) {}
    std::int64_t Write(const char* data, std::int64_t size) override {
        bytes_.append(data, static_cast<std::size_t>(size));
        return size;
    }

  private:
    std::string& bytes_;
};

/// Takes every byte and keeps none: for counting what a pass writes.
class DiscardSink final : public ByteSink {
  public:
    std::int64_t Write(const char*, std::int64_t size) override { return size; }
};

/// The system's message for the error number `error`.
std::string SystemMessage(int error);

}  // namespace chromlet
