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
            AddBlocks(pending_, 1);
            pendingSize_ = 0;
        }
        const std::size_t whole = bytes.size() / BlockSize;
        AddBlocks(bytes.data(), whole);
        bytes.remove_prefix(whole * BlockSize);
        std::memcpy(pending_, bytes.data(), bytes.size());
        pendingSize_ = bytes.size();
    }

    /// The checksum of everything added so far, its length included.
    std::uint64_t Value() const {
        std::uint64_t h = Mix(size_ ^ Prime);
        for (std::size_t i = 0; i < Lanes; ++i) {
            h = Mix(h ^ sums_[i]);
            h = Mix(h ^ sumsOfSums_[i]);
        }
        for (std::size_t i = 0; i < pendingSize_; ++i) {
            h = Mix(h ^ static_cast<unsigned char>(pending_[i]));
        }
        return h;
    }

  private:
    static constexpr std::size_t Lanes = 8;
    static constexpr std::size_t BlockSize = Lanes * sizeof(std::uint64_t);
    static constexpr std::uint64_t Prime = 0x9E3779B185EBCA87ULL;

    static std::uint64_t Mix(std::uint64_t h) {
        h ^= h >> 33;
        h *= 0xC2B2AE3D27D4EB4FULL;
        h ^= h >> 29;
        return h;
    }

    // A Fletcher sum per lane: the sum of the words, and the sum of those sums, which makes the
    // value depend on where each word stands. Plain additions over eight lanes, so that the
    // compiler turns them into vector instructions; the sums stay in locals while the blocks
    // go by, since the bytes could otherwise alias them and be stored back after every block.
    void AddBlocks(const char* blocks, std::size_t count) {
        std::uint64_t sums[Lanes];
        std::uint64_t sumsOfSums[Lanes];
        std::memcpy(sums, sums_, sizeof sums);
        std::memcpy(sumsOfSums, sumsOfSums_, sizeof sumsOfSums);
        for (std::size_t block = 0; block < count; ++block) {
            std::uint64_t words[Lanes];
            std::memcpy(words, blocks + block * BlockSize, BlockSize);
            for (std::size_t i = 0; i < Lanes; ++i) {
                sums[i] += words[i];
                sumsOfSums[i] += sums[i];
            }
        }
        std::memcpy(sums_, sums, sizeof sums);
        std::memcpy(sumsOfSums_, sumsOfSums, sizeof sumsOfSums);
    }

    std::uint64_t sums_[Lanes] = {};
    std::uint64_t sumsOfSums_[Lanes] = {};
    char pending_[BlockSize] = {};
    std::size_t pendingSize_ = 0;
    std::uint64_t size_ = 0;
};

}  // namespace chromlet
