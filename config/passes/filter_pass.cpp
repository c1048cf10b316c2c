#include "config/passes/filter_pass.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "config/passes/old_lines.h"
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
class OldLineFilter {
  public:
    OldLineFilter(ChunkWriter& out, OldLinesLeftOut leftOut) : out_(out), leftOut_(leftOut) {}

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

    /// Ends the line; true if it was kept, and its line end is to be written.
    bool EndLine() {
        if (!decided_) {
            Decide();
        }
        headSize_ = 0;
        decided_ = false;
        return keep_;
    }

  protected:
    ChunkWriter& out_;

  private:
    void Decide() {
        const std::string_view head(head_.data(), headSize_);
        const OldLine kind = OldLineOf(head);
        keep_ = kind == OldLine::None || (kind == OldLine::Name && !leftOut_.name) ||
                (kind == OldLine::Server && !leftOut_.server);
        decided_ = true;
        if (keep_) {
            out_.Write(head);
        }
    }

    OldLinesLeftOut leftOut_;
    std::array<char, HeadSize> head_{};
    std::size_t headSize_ = 0;
    bool decided_ = false;
    bool keep_ = true;
};

// The test release: every kept line ends in CR LF.
class CrLfSink : public OldLineFilter {
  public:
    using OldLineFilter::OldLineFilter;
    void LineEnd() {
        if (EndLine()) {
            out_.Write("\r\n");
        }
    }
};

// The later engines: every kept line keeps its own line end.
class OwnEndSink : public OldLineFilter {
  public:
    OwnEndSink(ChunkWriter& out, OldLinesLeftOut leftOut, KeptLines& kept)
        : OldLineFilter(out, leftOut), kept_(kept) {}
    void LineEnd(chromlet::LineEnd end) {
        kept_.ends.Add(end);
        if (EndLine()) {
            out_.Write(BytesOf(end));
            kept_.lastLineOpen = end == chromlet::LineEnd::None;
        }
    }

  private:
    KeptLines& kept_;
};

}  // namespace

bool CopyWithoutOldLines(ChunkReader& in, ChunkWriter& out, OldLinesLeftOut leftOut) {
    CrLfSink sink(out, leftOut);
    return SplitIntoLines<LineSplitter>(in, out, sink);
}

KeptLines CopyWithoutOldLinesAsTheyEnd(ChunkReader& in, ChunkWriter& out, OldLinesLeftOut leftOut) {
    KeptLines kept;
    OwnEndSink sink(out, leftOut, kept);
    kept.copied = SplitIntoLines<AnyLineEndSplitter>(in, out, sink);
    return kept;
}

}  // namespace chromlet
