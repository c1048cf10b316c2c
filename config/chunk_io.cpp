#include "config/chunk_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "config/fault_seam.h"
#include "config/regular_file.h"

namespace chromlet {

namespace {

// A device's failure: the system's error number where the device is a file, whose system call
// leaves it in errno (a buffer in memory has none); the device's own message, which for a file is
// the system's message for that number.
int LastErrorNumber(const QIODevice& device) {
    return device.inherits("QFileDevice") ? errno : 0;
}

}  // namespace

ChunkReader::ChunkReader(QIODevice& device, UpdateStep step, qint64 chunkSize)
    : device_(device), step_(step), buffer_(static_cast<std::size_t>(chunkSize)) {}

std::string_view ChunkReader::Next() {
    if (Failed()) {
        return {};
    }
    if (const int injected = InjectedFault(step_)) {
        errorNumber_ = injected;
        reason_ = SystemReason(injected);
        return {};
    }
    // A read may return less than was asked for before the end (a signal, a file that grows);
    // only a read that returns nothing is the end.
    const auto size = static_cast<qint64>(buffer_.size());
    qint64 filled = 0;
    while (filled < size) {
        errno = 0;
        const qint64 got = device_.read(buffer_.data() + filled, size - filled);
        if (got < 0) {
            errorNumber_ = LastErrorNumber(device_);
            reason_ = device_.errorString();
            return {};
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return {buffer_.data(), static_cast<std::size_t>(filled)};
}

ChunkWriter::ChunkWriter(QIODevice& device, UpdateStep step, qint64 chunkSize)
    : device_(device), step_(step), buffer_(static_cast<std::size_t>(chunkSize)) {}

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
    if (const int injected = InjectedFault(step_)) {
        errorNumber_ = injected;
        reason_ = SystemReason(injected);
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
        errno = 0;
        const qint64 written = device_.write(data, size);
        if (written <= 0) {
            errorNumber_ = LastErrorNumber(device_);
            reason_ = device_.errorString();
            return;
        }
        data += written;
        size -= written;
    }
}

}  // namespace chromlet
