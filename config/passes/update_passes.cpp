#include "config/passes/update_passes.h"

#include "config/passes/filter_pass.h"
#include "config/passes/line_end_pass.h"
#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// How the test release's new lines end: like lines that came from a file with LF line ends.
constexpr std::string_view TestReleaseNewLineEnd = "\n\r\n";

}  // namespace

FirstPass FirstPassOf(TargetGame target) {
    return CodeFormOf(target) == CodeForm::Escape ? NormaliseLineEnds : CopyUnchanged;
}

void Rewrite(TargetGame target, ChunkReader& in, ChunkWriter& out,
             std::optional<std::string_view> nameLine, std::optional<std::string_view> serverLine) {
    const OldLinesLeftOut leftOut{nameLine.has_value(), serverLine.has_value()};
    std::string_view end = TestReleaseNewLineEnd;
    if (CodeFormOf(target) == CodeForm::Escape) {
        if (!CopyWithoutOldLines(in, out, leftOut)) {
            return;
        }
    } else {
        const KeptLines kept = CopyWithoutOldLinesAsTheyEnd(in, out, leftOut);
        if (!kept.copied) {
            return;
        }
        end = BytesOf(kept.ends.Most());
        if (kept.lastLineOpen && (nameLine || serverLine)) {
            out.Write(end);
        }
    }
    for (const std::optional<std::string_view>& line : {nameLine, serverLine}) {
        if (line) {
            out.Write(*line);
            out.Write(end);
        }
    }
}

NewLinesCheck CheckNewLineBytes(std::string_view nameLine, std::string_view serverLine) {
    for (const bool server : {false, true}) {
        const std::string_view line = server ? serverLine : nameLine;
        if (!IsConfigLine(line)) {
            return {LineFault::LineBreak, server, line.size()};
        }
    }
    for (const bool server : {false, true}) {
        const std::string_view line = server ? serverLine : nameLine;
        if (!IsLineReadWhole(line)) {
            return {LineFault::TooLong, server, line.size()};
        }
    }
    return {};
}

namespace {

// Both passes from `before`, the second into `sink`; the side copy is returned.
std::string RunPasses(TargetGame target, std::string_view before, std::string_view nameLine,
                      std::string_view serverLine, ChunkWriter& out) {
    std::string side;
    {
        StringSource source(before);
        StringSink copy(side);
        ChunkReader in(source);
        ChunkWriter writer(copy);
        FirstPassOf(target)(in, writer);
        writer.Flush();
    }
    StringSource copy(side);
    ChunkReader in(copy);
    Rewrite(target, in, out, nameLine, serverLine);
    out.Flush();
    return side;
}

}  // namespace

RewrittenText RewriteText(TargetGame target, std::string_view before, std::string_view nameLine,
                          std::string_view serverLine) {
    RewrittenText text;
    StringSink sink(text.config);
    ChunkWriter out(sink);
    text.side = RunPasses(target, before, nameLine, serverLine, out);
    return text;
}

RewrittenSize RewrittenSizeOf(TargetGame target, std::string_view before, std::string_view nameLine,
                              std::string_view serverLine) {
    DiscardSink sink;
    ChunkWriter out(sink);
    RunPasses(target, before, nameLine, serverLine, out);
    return {out.Written(), out.FirstZero()};
}

}  // namespace chromlet
