#include "config/passes/chunk_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "config/passes/fault_seam.h"

namespace chromlet {

ChunkReader::ChunkReader(ByteSource& source, UpdateStep step, std::int64_t chunkSize)
    : source_(source), step_(step), buffer_(static_cast<std::size_t>(chunkSize)) {}

std::string_view ChunkReader::Next() {
    if (Failed()) {
        return {};
    }
    if (const int injected = InjectedFault(step_)) {
        failed_ = true;
        errorNumber_ = injected;
        reason_ = SystemMessage(injected);
        return {};
    }
    // A read may return less than was asked for before the end (a signal, a file that grows);
    // only a read that returns nothing is the end.
    const auto size = static_cast<std::int64_t>(buffer_.size());
    std::int64_t filled = 0;
    while (filled < size) {
        const std::int64_t got = source_.Read(buffer_.data() + filled, size - filled);
        if (got < 0) {
            failed_ = true;
            errorNumber_ = source_.ErrorNumber();
            reason_ = source_.Error();
            return {};
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return {buffer_.data(), static_cast<std::size_t>(filled)};
}

ChunkWriter::ChunkWriter(ByteSink& sink, UpdateStep step, std::int64_t chunkSize)
    : sink_(sink), step_(step), buffer_(static_cast<std::size_t>(chunkSize)) {}

void ChunkWriter::WriteAcrossChunks(std::string_view bytes) {
    // Only whole chunks leave the buffer here, so a file is written in equal parts and a write
    // that fails always leaves a whole number of chunks behind it.
    while (!bytes.empty() && !Failed()) {
        const std::size_t n = std::min(bytes.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes.data(), n);
        used_ += n;
        bytes.remove_prefix(n);
        if (used_ == buffer_.size()) {
            WriteOut(buffer_.data(), static_cast<std::int64_t>(used_));
            used_ = 0;
        }
    }
}

bool ChunkWriter::Flush() {
    if (used_ > 0 && !Failed()) {
        WriteOut(buffer_.data(), static_cast<std::int64_t>(used_));
    }
    used_ = 0;
    return !Failed();
}

void ChunkWriter::WriteOut(const char* data, std::int64_t size) {
    if (const int injected = InjectedFault(step_)) {
        failed_ = true;
        errorNumber_ = injected;
        reason_ = SystemMessage(injected);
        return;
    }
    // Looked at a chunk at a time, not a piece at a time: the engines stop reading a file at its
    // first zero byte.
    if (!firstZero_) {
        if (const void* zero = std::memchr(data, 0, static_cast<std::size_t>(size))) {
            firstZero_ =
                written_ + static_cast<std::uint64_t>(static_cast<const char*>(zero) - data);
        }
    }
    written_ += static_cast<std::uint64_t>(size);
    // A write that takes only part (a disk filling up) is repeated with the rest: the repeat
    // either goes through or fails with the system's reason, where the short write has none.
    while (size > 0) {
        const std::int64_t written = sink_.Write(data, size);
        if (written <= 0) {
            failed_ = true;
            errorNumber_ = sink_.ErrorNumber();
            reason_ = sink_.Error();
            return;
        }
        data += written;
        size -= written;
    }
}

}  // namespace chromlet
