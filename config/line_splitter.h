// The game's line reader, fed chunk by chunk: a line ends at CR or at CR LF, and an LF on its own
// is an ordinary byte of the line.
#pragma once

#include <cstring>
#include <string_view>

namespace chromlet {

/// Splits a stream of chunks into lines without holding a line. A sink receives
/// `Bytes(std::string_view)` for each run of a line's bytes (never empty, never holding CR, one
/// line possibly in many runs) and `LineEnd()` after the last run of each line.
class LineSplitter {
  public:
    template <class Sink>
    void Feed(std::string_view chunk, Sink& sink) {
        if (afterCr_ && !chunk.empty()) {
            afterCr_ = false;
            // The LF of a CR LF that was cut in two by the chunk boundary.
            if (chunk.front() == '\n') {
                chunk.remove_prefix(1);
            }
        }
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
                afterCr_ = true;
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
        afterCr_ = false;
    }

  private:
    bool inLine_ = false;   // bytes of a line have been passed on since the last line end
    bool afterCr_ = false;  // the previous chunk ended with a CR
};

/// Feeds `in` chunk by chunk through a LineSplitter to `sink`, which writes to `out`, until the
/// end of `in` or the first failure of either. True if the whole of `in` went through.
template <class Reader, class Writer, class Sink>
bool SplitIntoLines(Reader& in, Writer& out, Sink& sink) {
    LineSplitter lines;
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
