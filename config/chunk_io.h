// Reading and writing a file in fixed-size chunks, so that memory use never depends on the size
// of the file or of one of its lines. In an update, every read and write asks the fault seam first.
#pragma once

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "config/update_step.h"

namespace chromlet {

/// The size of one read and of one write, except the last write of a file.
inline constexpr qint64 DefaultChunkSize = 64 * 1024;

/// Reads an open device chunk by chunk. A chunk is full unless the device has ended: a read
/// that returns less is followed by more reads until the system reports the end. After the
/// first failure it reads nothing more.
class ChunkReader {
  public:
    /// A reader whose every chunk is a read of `step` (UpdateStep::None outside an update).
    explicit ChunkReader(QIODevice& device, UpdateStep step = UpdateStep::None,
                         qint64 chunkSize = DefaultChunkSize);

    /// The next chunk; empty at the end of the device or once a read has failed. The view is
    /// valid until the next call.
    std::string_view Next();

    bool Failed() const { return !reason_.isEmpty(); }
    /// The reason the read failed; empty while none has.
    const QString& Reason() const { return reason_; }
    /// The system's error number of the failed read, where there was one.
    int ErrorNumber() const { return errorNumber_; }

  private:
    QIODevice& device_;
    UpdateStep step_;
    std::vector<char> buffer_;
    QString reason_;
    int errorNumber_ = 0;
};

/// Collects bytes and writes them to an open device in whole chunks. After the first failure
/// it writes nothing more.
class ChunkWriter {
  public:
    /// A writer whose every chunk is a write of `step` (UpdateStep::None outside an update).
    explicit ChunkWriter(QIODevice& device, UpdateStep step = UpdateStep::None,
                         qint64 chunkSize = DefaultChunkSize);

    void Write(std::string_view bytes) {
        // Most writes are short pieces of lines that fit into the chunk being collected.
        if (bytes.size() < buffer_.size() - used_) {
            std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            WriteAcrossChunks(bytes);
        }
    }
    /// Writes what is still collected; false if this or any earlier write failed.
    bool Flush();

    /// The bytes handed to the device so far; after Flush, all of them.
    std::uint64_t Written() const { return written_; }
    /// Where the first zero byte among them stands; nullopt while there is none.
    std::optional<std::uint64_t> FirstZero() const { return firstZero_; }

    bool Failed() const { return !reason_.isEmpty(); }
    /// The reason the write failed, as the system gave it; empty while none has.
    const QString& Reason() const { return reason_; }
    /// The system's error number of the failed write, where there was one.
    int ErrorNumber() const { return errorNumber_; }

  private:
    void WriteAcrossChunks(std::string_view bytes);
    void WriteOut(const char* data, qint64 size);

    QIODevice& device_;
    UpdateStep step_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::optional<std::uint64_t> firstZero_;
    QString reason_;
    int errorNumber_ = 0;
};

}  // namespace chromlet
