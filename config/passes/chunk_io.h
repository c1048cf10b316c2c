// Reading and writing a file in fixed-size chunks, so that memory use never depends on the size
// of the file or of one of its lines. In an update, every read and write asks the fault seam first.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/passes/byte_stream.h"
#include "config/passes/update_step.h"

namespace chromlet {

/// The size of one read and of one write, except the last write of a file.
inline constexpr std::int64_t DefaultChunkSize = 64 * 1024;

/// Reads a source chunk by chunk. A chunk is full unless the device has ended: a read
/// that returns less is followed by more reads until the system reports the end. After the
/// first failure it reads nothing more.
class ChunkReader {
  public:
    /// A reader whose every chunk is a read of `step` (UpdateStep::None outside an update).
    explicit ChunkReader(ByteSource& source, UpdateStep step = UpdateStep::None,
                         std::int64_t chunkSize = DefaultChunkSize);

    /// The next chunk; empty at the end of the source or once a read has failed. The view is
    /// valid until the next call.
    std::string_view Next();

    bool Failed() const { return failed_; }
    /// The reason the read failed, in the system's words; empty while none has.
    const std::string& Reason() const { return reason_; }
    /// The system's error number of the failed read, where there was one.
    int ErrorNumber() const { return errorNumber_; }

  private:
    ByteSource& source_;
    UpdateStep step_;
    std::vector<char> buffer_;
    bool failed_ = false;
    std::string reason_;
    int errorNumber_ = 0;
};

/// Collects bytes and writes them to a sink in whole chunks. After the first failure it writes
/// nothing more.
class ChunkWriter {
  public:
    /// A writer whose every chunk is a write of `step` (UpdateStep::None outside an update).
    explicit ChunkWriter(ByteSink& sink, UpdateStep step = UpdateStep::None,
                         std::int64_t chunkSize = DefaultChunkSize);

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

    /// The bytes handed to the sink so far; after Flush, all of them.
    std::uint64_t Written() const { return written_; }
    /// Where the first zero byte among them stands; nullopt while there is none.
    std::optional<std::uint64_t> FirstZero() const { return firstZero_; }

    bool Failed() const { return failed_; }
    /// The reason the write failed, as the system gave it; empty while none has.
    const std::string& Reason() const { return reason_; }
    /// The system's error number of the failed write, where there was one.
    int ErrorNumber() const { return errorNumber_; }

  private:
    void WriteAcrossChunks(std::string_view bytes);
    void WriteOut(const char* data, std::int64_t size);

    ByteSink& sink_;
    UpdateStep step_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::optional<std::uint64_t> firstZero_;
    bool failed_ = false;
    std::string reason_;
    int errorNumber_ = 0;
};

}  // namespace chromlet
