// A fast checksum of a file's bytes, to see whether a file still holds what was read from it.
// Not cryptographic: it guards against another program's writes, not against an attacker, who
// could as well write the file after the update.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace chromlet {

/// Sums a stream of bytes, fed in pieces of any size: the same bytes give the same value however
/// they are cut.
class ContentHash {
  public:
    void Add(std::string_view bytes) {
        size_ += bytes.size();
        if (pendingSize_ > 0) {
            const std::size_t n = std::min(bytes.size(), BlockSize - pendingSize_);
            std::memcpy(pending_ + pendingSize_, bytes.data(), n);
            pendingSize_ += n;
            bytes.remove_prefix(n);
            if (pendingSize_ < BlockSize) {
                return;
            }
            AddBlock(pending_);
            pendingSize_ = 0;
        }
        while (bytes.size() >= BlockSize) {
            AddBlock(bytes.data());
            bytes.remove_prefix(BlockSize);
        }
        std::memcpy(pending_, bytes.data(), bytes.size());
        pendingSize_ = bytes.size();
    }

    /// The checksum of everything added so far, its length included.
    std::uint64_t Value() const {
        std::uint64_t h = size_ * Prime1;
        for (std::uint64_t lane : lanes_) {
            h = Mix(h ^ lane);
        }
        for (std::size_t i = 0; i < pendingSize_; ++i) {
            h = Mix(h ^ static_cast<unsigned char>(pending_[i]));
        }
        return h;
    }

  private:
    static constexpr std::size_t Lanes = 4;
    static constexpr std::size_t BlockSize = Lanes * sizeof(std::uint64_t);
    static constexpr std::uint64_t Prime1 = 0x9E3779B185EBCA87ULL;
    static constexpr std::uint64_t Prime2 = 0xC2B2AE3D27D4EB4FULL;

    static std::uint64_t Mix(std::uint64_t h) {
        h ^= h >> 33;
        h *= Prime2;
        h ^= h >> 29;
        return h;
    }

    // Four independent lanes, so that the multiplications of one block overlap.
    void AddBlock(const char* block) {
        for (std::size_t i = 0; i < Lanes; ++i) {
            std::uint64_t word;
            std::memcpy(&word, block + i * sizeof word, sizeof word);
            lanes_[i] = ((lanes_[i] ^ word) * Prime1);
            lanes_[i] = (lanes_[i] << 31) | (lanes_[i] >> 33);
        }
    }

    std::uint64_t lanes_[Lanes] = {1, 2, 3, 4};
    char pending_[BlockSize] = {};
    std::size_t pendingSize_ = 0;
    std::uint64_t size_ = 0;
};

}  // namespace chromlet
