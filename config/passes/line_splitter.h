// The games' line readers, fed chunk by chunk. The test release ends a line at CR or at CR LF, and
// an LF on its own is an ordinary byte of the line; the later engines end a line at LF as well.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace chromlet {

/// How a line ends for the later engines, whose command buffer ends a line at LF and at CR
/// (ioquake3's Cbuf_Execute); CR LF counts as one line end here, since the empty line between the
/// two executes nothing. None: the end of the file ends the line.
enum class LineEnd { Lf, CrLf, Cr, None };

constexpr std::string_view BytesOf(LineEnd end) {
    switch (end) {
        case LineEnd::Lf:
            return "\n";
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::Cr:
            return "\r";
        case LineEnd::None:
            break;
    }
    return {};
}

/// A CR at the end of a chunk, whose line end the next chunk decides: CR LF when it starts with
/// an LF, else CR.
class CutCr {
  public:
    void Wait() { waiting_ = true; }
    bool Waiting() const { return waiting_; }
    void Drop() { waiting_ = false; }

    /// Once `chunk` brings the byte after the CR: takes off the LF that makes it a CR LF and says
    /// how the CR ended its line. None while no CR waits.
    LineEnd Settle(std::string_view& chunk) {
        if (!waiting_ || chunk.empty()) {
            return LineEnd::None;
        }
        waiting_ = false;
        const bool lf = chunk.front() == '\n';
        chunk.remove_prefix(lf ? 1 : 0);
        return lf ? LineEnd::CrLf : LineEnd::Cr;
    }

  private:
    bool waiting_ = false;
};

/// The test release's reader. Splits a stream of chunks into lines without holding a line. A sink
/// receives `Bytes(std::string_view)` for each run of a line's bytes (never empty, never holding
/// CR, one line possibly in many runs) and `LineEnd()` after the last run of each line.
class LineSplitter {
  public:
    template <class Sink>
    void Feed(std::string_view chunk, Sink& sink) {
        cutCr_.Settle(chunk);  // its line ended at the CR
        while (!chunk.empty()) {
            const void* cr = std::memchr(chunk.data(), '\r', chunk.size());
            if (cr == nullptr) {
                sink.Bytes(chunk);
                inLine_ = true;
                return;
            }
            const auto length =
                static_cast<std::size_t>(static_cast<const char*>(cr) - chunk.data());
            if (length > 0) {
                sink.Bytes(chunk.substr(0, length));
            }
            sink.LineEnd();
            inLine_ = false;
            chunk.remove_prefix(length + 1);
            if (chunk.empty()) {
                cutCr_.Wait();
            } else if (chunk.front() == '\n') {
                chunk.remove_prefix(1);
            }
        }
    }

    /// Ends the stream. A last line without a line end is still a line; a line end that is the
    /// last thing in the stream starts no further line, so an empty stream holds no line at all.
    template <class Sink>
    void Finish(Sink& sink) {
        if (inLine_) {
            sink.LineEnd();
            inLine_ = false;
        }
        cutCr_.Drop();
    }

  private:
    bool inLine_ = false;  // bytes of a line have been passed on since the last line end
    CutCr cutCr_;
};

/// How many lines of a file end in each way; a last line without a line end is not counted.
struct LineEndCounts {
    std::size_t lf = 0;
    std::size_t crLf = 0;
    std::size_t cr = 0;

    void Add(LineEnd end) {
        lf += end == LineEnd::Lf;
        crLf += end == LineEnd::CrLf;
        cr += end == LineEnd::Cr;
    }
    /// The line end most lines have: LF for a file without line ends, and on a tie LF before
    /// CR LF before CR.
    LineEnd Most() const {
        if (lf >= crLf && lf >= cr) {
            return LineEnd::Lf;
        }
        return crLf >= cr ? LineEnd::CrLf : LineEnd::Cr;
    }
};

/// The later engines' reader: a line ends at LF, at CR LF or at CR. A sink receives
/// `Bytes(std::string_view)` for each run of a line's bytes (never empty, never holding CR or LF)
/// and `LineEnd(LineEnd)` after the last run of each line, with LineEnd::None for a last line
/// that the end of the stream ends.
class AnyLineEndSplitter {
  public:
    template <class Sink>
    void Feed(std::string_view chunk, Sink& sink) {
        if (const LineEnd cut = cutCr_.Settle(chunk); cut != LineEnd::None) {
            sink.LineEnd(cut);
        }
        // The next CR and LF are each looked for once and kept while the lines before them go
        // by, so that a file of CR lines is not searched to the chunk's end for an LF per line.
        std::size_t nextCr = Find(chunk, '\r', 0);
        std::size_t nextLf = Find(chunk, '\n', 0);
        std::size_t pos = 0;
        while (pos < chunk.size()) {
            nextCr = nextCr < pos ? Find(chunk, '\r', pos) : nextCr;
            nextLf = nextLf < pos ? Find(chunk, '\n', pos) : nextLf;
            const std::size_t end = nextCr < nextLf ? nextCr : nextLf;
            if (end == chunk.size()) {
                sink.Bytes(chunk.substr(pos));
                inLine_ = true;
                return;
            }
            if (end > pos) {
                sink.Bytes(chunk.substr(pos, end - pos));
            }
            inLine_ = false;
            pos = end + 1;
            if (chunk[end] == '\n') {
                sink.LineEnd(LineEnd::Lf);
            } else if (pos == chunk.size()) {
                cutCr_.Wait();
            } else if (chunk[pos] == '\n') {
                sink.LineEnd(LineEnd::CrLf);
                ++pos;
            } else {
                sink.LineEnd(LineEnd::Cr);
            }
        }
    }

    /// Ends the stream: a CR at its very end ends its line, and a last line without a line end
    /// is still a line. An empty stream holds no line at all.
    template <class Sink>
    void Finish(Sink& sink) {
        if (cutCr_.Waiting()) {
            sink.LineEnd(LineEnd::Cr);
        } else if (inLine_) {
            sink.LineEnd(LineEnd::None);
        }
        cutCr_.Drop();
        inLine_ = false;
    }

  private:
    // Where `byte` stands in `chunk` from `from` on; chunk.size() where it does not.
    static std::size_t Find(std::string_view chunk, char byte, std::size_t from) {
        const void* at = std::memchr(chunk.data() + from, byte, chunk.size() - from);
        return at == nullptr
                   ? chunk.size()
                   : static_cast<std::size_t>(static_cast<const char*>(at) - chunk.data());
    }

    bool inLine_ = false;  // bytes of a line have been passed on since the last line end
    CutCr cutCr_;
};

/// Feeds `in` chunk by chunk through `lines` (a LineSplitter or an AnyLineEndSplitter) to `sink`,
/// which writes to `out`, until the end of `in` or the first failure of either. True if the whole
/// of `in` went through.
template <class Splitter, class Reader, class Writer, class Sink>
bool SplitIntoLines(Reader& in, Writer& out, Sink& sink) {
    Splitter lines;
    while (!out.Failed()) {
        const std::string_view chunk = in.Next();
        if (chunk.empty()) {
            break;
        }
        lines.Feed(chunk, sink);
    }
    if (in.Failed() || out.Failed()) {
        return false;
    }
    lines.Finish(sink);
    return !out.Failed();
}

}  // namespace chromlet
