// The two passes of an update, over any source and sink: the updater runs them from the file to
// its side copy and from the copy to the new file; measuring a file's size after an update, and a
// front end without a file system, run them in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/passes/chunk_io.h"
#include "core/target_game.h"

namespace chromlet {

/// The first pass, which copies the file to its side copy.
using FirstPass = bool (*)(ChunkReader&, ChunkWriter&);

/// The target's first pass: line ends normalised for the test release, the bytes unchanged for
/// the later engines.
FirstPass FirstPassOf(TargetGame target);

/// The second pass and the new lines: the file rebuilt from its side copy `in` without its old
/// name lines, and `nameLine` and `serverLine` appended with the line end the target gives them.
/// A line not given keeps the file's old lines of its kind where they are. `out` is not flushed;
/// whether all went well, `in` and `out` say.
void Rewrite(TargetGame target, ChunkReader& in, ChunkWriter& out,
             std::optional<std::string_view> nameLine, std::optional<std::string_view> serverLine);

/// Why a new line may not be written; None when it may.
enum class LineFault {
    None,
    LineBreak,  ///< it holds CR or LF: the second half would survive every later update
    TooLong,    ///< the engine would cut it and run the rest as console commands
};

/// The check of the two new lines that comes before any file is touched.
struct NewLinesCheck {
    LineFault fault = LineFault::None;
    bool serverLine = false;  ///< the fault is the server-name line's, else the name line's
    std::size_t bytes = 0;    ///< of that line

    bool Ok() const { return fault == LineFault::None; }
};
NewLinesCheck CheckNewLineBytes(std::string_view nameLine, std::string_view serverLine);

/// An update of the bytes `before` in memory, exactly as the updater writes it to disk: the side
/// copy and the new file.
struct RewrittenText {
    std::string side;
    std::string config;
};
RewrittenText RewriteText(TargetGame target, std::string_view before, std::string_view nameLine,
                          std::string_view serverLine);

/// The length of the file such an update writes and where its first zero byte stands, without
/// keeping it.
struct RewrittenSize {
    std::uint64_t bytes = 0;
    std::optional<std::uint64_t> firstZero;
};
RewrittenSize RewrittenSizeOf(TargetGame target, std::string_view before, std::string_view nameLine,
                              std::string_view serverLine);

}  // namespace chromlet
