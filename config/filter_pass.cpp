#include "config/filter_pass.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "config/line_splitter.h"
#include "config/old_lines.h"
#include "core/color_code.h"

namespace chromlet {

namespace {

// The lines this program writes must be the ones the next update removes.
static_assert(NameLineStart.starts_with(OldNameLinePrefix));
static_assert(ServerLineStart.starts_with(OldServerLinePrefix));
static_assert(OldLineOf(NameLineStart) == OldLine::Name);
static_assert(OldLineOf(ServerLineStart) == OldLine::Server);

constexpr std::size_t HeadSize = OldLineHeadSize;

// Holds back only the first bytes of each line, as many as the prefix tests look at; once they
// have decided, the rest of the line streams straight through or is skipped.
class FilterSink {
  public:
    explicit FilterSink(ChunkWriter& out) : out_(out) {}

    void Bytes(std::string_view run) {
        if (!decided_) {
            const std::size_t n = std::min(run.size(), HeadSize - headSize_);
            std::memcpy(head_.data() + headSize_, run.data(), n);
            headSize_ += n;
            run.remove_prefix(n);
            if (headSize_ < HeadSize) {
                return;
            }
            Decide();
        }
        if (keep_ && !run.empty()) {
            out_.Write(run);
        }
    }

    void LineEnd() {
        if (!decided_) {
            Decide();
        }
        if (keep_) {
            out_.Write("\r\n");
        }
        headSize_ = 0;
        decided_ = false;
    }

  private:
    void Decide() {
        const std::string_view head(head_.data(), headSize_);
        keep_ = OldLineOf(head) == OldLine::None;
        decided_ = true;
        if (keep_) {
            out_.Write(head);
        }
    }

    ChunkWriter& out_;
    std::array<char, HeadSize> head_{};
    std::size_t headSize_ = 0;
    bool decided_ = false;
    bool keep_ = true;
};

}  // namespace

bool CopyWithoutOldLines(ChunkReader& in, ChunkWriter& out) {
    FilterSink sink(out);
    return SplitIntoLines(in, out, sink);
}

}  // namespace chromlet
