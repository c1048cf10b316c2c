#include "config/chunk_io.h"

#include <algorithm>
#include <cstring>

namespace chromlet {

QString SimulatedFailureReason() {
    return QStringLiteral("simulated failure");
}

ChunkReader::ChunkReader(QIODevice& device, UpdateStep step, const FaultHook& faults,
                         qint64 chunkSize)
    : device_(device), step_(step), faults_(faults), buffer_(static_cast<std::size_t>(chunkSize)) {}

std::string_view ChunkReader::Next() {
    if (failed()) {
        return {};
    }
    if (FaultInjected(faults_, step_)) {
        reason_ = SimulatedFailureReason();
        return {};
    }
    const qint64 got = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    if (got < 0) {
        reason_ = device_.errorString();
        return {};
    }
    return {buffer_.data(), static_cast<std::size_t>(got)};
}

ChunkWriter::ChunkWriter(QIODevice& device, UpdateStep step, const FaultHook& faults,
                         qint64 chunkSize)
    : device_(device), step_(step), faults_(faults), buffer_(static_cast<std::size_t>(chunkSize)) {}

void ChunkWriter::WriteAcrossChunks(std::string_view bytes) {
    // Only whole chunks leave the buffer here, so a file is written in equal parts and a write
    // that fails always leaves a whole number of chunks behind it.
    while (!bytes.empty() && !failed()) {
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
    if (used_ > 0 && !failed()) {
        WriteOut(buffer_.data(), static_cast<qint64>(used_));
    }
    used_ = 0;
    return !failed();
}

void ChunkWriter::WriteOut(const char* data, qint64 size) {
    if (FaultInjected(faults_, step_)) {
        reason_ = SimulatedFailureReason();
        return;
    }
    if (device_.write(data, size) != size) {
        reason_ = device_.errorString();
    }
}

}  // namespace chromlet
