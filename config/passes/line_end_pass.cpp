#include "config/passes/line_end_pass.h"

#include "config/passes/line_splitter.h"

namespace chromlet {

namespace {

constexpr std::string_view CrLf = "\r\n";

// Breaks lines after every LF, remembering whether the last byte written was an LF. That flag
// is carried from one line to the next and empty lines leave it alone, so the LF of an LF-ended
// line is followed by a single CR LF, not two, and a file whose lines end in LF CR LF, as an
// update leaves them, comes through unchanged. The price: an empty line right after a line
// that ends in LF is not written.
class LineEndSink {
  public:
    explicit LineEndSink(ChunkWriter& out) : out_(out) {}

    void Bytes(std::string_view run) {
        for (std::size_t lf = run.find('\n'); lf != std::string_view::npos; lf = run.find('\n')) {
            out_.Write(run.substr(0, lf + 1));
            out_.Write(CrLf);
            run.remove_prefix(lf + 1);
            lastWasLf_ = true;
        }
        if (!run.empty()) {
            out_.Write(run);
            lastWasLf_ = false;
        }
    }

    void LineEnd() {
        if (!lastWasLf_) {
            out_.Write(CrLf);
        }
    }

  private:
    ChunkWriter& out_;
    bool lastWasLf_ = false;
};

}  // namespace

bool NormaliseLineEnds(ChunkReader& in, ChunkWriter& out) {
    LineEndSink sink(out);
    return SplitIntoLines<LineSplitter>(in, out, sink);
}

bool CopyUnchanged(ChunkReader& in, ChunkWriter& out) {
    for (std::string_view chunk = in.Next(); !chunk.empty() && !out.Failed(); chunk = in.Next()) {
        out.Write(chunk);
    }
    return !in.Failed() && !out.Failed();
}

}  // namespace chromlet
