#include "config/update_passes.h"

#include "config/filter_pass.h"
#include "config/line_end_pass.h"

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

}  // namespace chromlet
