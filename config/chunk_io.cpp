#include "config/chunk_io.h"

#include <algorithm>
#include <cstring>

namespace chromlet {

ChunkReader::ChunkReader(QIODevice& device, UpdateStep step, const FaultHook& faults,
                         qint64 chunkSize)
    : device_(device), step_(step), faults_(faults), buffer_(static_cast<std::size_t>(chunkSize)) {}

std::string_view ChunkReader::Next() {
    if (Failed()) {
        return {};
    }
    if (FaultInjected(faults_, step_)) {
        reason_ = SimulatedFailureReason();
        return {};
    }
    // A read may return less than was asked for before the end (a signal, a file that grows);
    // only a read that returns nothing is the end.
    const auto size = static_cast<qint64>(buffer_.size());
    qint64 filled = 0;
    while (filled < size) {
        const qint64 got = device_.read(buffer_.data() + filled, size - filled);
        if (got < 0) {
            reason_ = device_.errorString();
            return {};
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    const std::string_view chunk(buffer_.data(), static_cast<std::size_t>(filled));
    if (hash_ != nullptr) {
        hash_->Add(chunk);
    }
    return chunk;
}

ChunkWriter::ChunkWriter(QIODevice& device, UpdateStep step, const FaultHook& faults,
                         qint64 chunkSize)
    : device_(device), step_(step), faults_(faults), buffer_(static_cast<std::size_t>(chunkSize)) {}

void ChunkWriter::WriteAcrossChunks(std::string_view bytes) {
    // Only whole chunks leave the buffer here, so a file is written in equal parts and a write
    // that fails always leaves a whole number of chunks behind it.
    while (!bytes.empty() && !Failed()) {
        const std::size_t n = std::min(bytes.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
        if (used_ == buffer_.size()) {
            WriteOut(buffer_.data(), static_cast<qint64>(used_));
            used_ = 0;
        }
    }
}

bool ChunkWriter::Flush() {
    if (used_ > 0 && !Failed()) {
        WriteOut(buffer_.data(), static_cast<qint64>(used_));
    }
    used_ = 0;
    return !Failed();
}

void ChunkWriter::WriteOut(const char* data, qint64 size) {
    if (FaultInjected(faults_, step_)) {
        reason_ = SimulatedFailureReason();
        return;
    }
    // A write that takes only part (a disk filling up) is repeated with the rest: the repeat
    // either goes through or fails with the system's reason, where the short write has none.
    while (size > 0) {
        const qint64 written = device_.write(data, size);
        if (written <= 0) {
            reason_ = device_.errorString();
            return;
        }
        data += written;
        size -= written;
    }
}

}  // namespace chromlet
