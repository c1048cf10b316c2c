#include "config/passes/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace chromlet {

std::int64_t StringSource::Read(char* data, std::int64_t size) {
    const std::size_t n = std::min(bytes_.size(), static_cast<std::size_t>(size));
    std::memcpy(data, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::int64_t>(n);
}

std::string SystemMessage(int error) {
    return std::strerror(error);
}

}  // namespace chromlet
