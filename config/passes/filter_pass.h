// The second pass of an update: the side file copied back without the old player-name and
// server-name lines.
#pragma once

#include "config/passes/chunk_io.h"
#include "config/passes/line_splitter.h"

namespace chromlet {

/// Which kinds of old line a pass leaves out; a kind not left out stays where it is.
struct OldLinesLeftOut {
    bool name = true;
    bool server = true;
};

/// For the test release: copies `in` to `out` line by line, each kept line followed by CR LF,
/// leaving out the old name and server-name lines. Short and empty lines are kept unless they
/// match too. True if all of `in` was read and handed to `out`, which is not flushed.
bool CopyWithoutOldLines(ChunkReader& in, ChunkWriter& out, OldLinesLeftOut leftOut = {});

/// What CopyWithoutOldLinesAsTheyEnd found in the file.
struct KeptLines {
    bool copied = false;        ///< all of `in` was read and handed to `out`
    LineEndCounts ends;         ///< of every line of the file, the old lines too
    bool lastLineOpen = false;  ///< the last line handed to `out` has no line end
};

/// For the later engines: copies `in` to `out` line by line as they split it, leaving out the old
/// name and server-name lines with their line ends; every other byte goes through unchanged. `out`
/// is not flushed.
KeptLines CopyWithoutOldLinesAsTheyEnd(ChunkReader& in, ChunkWriter& out,
                                       OldLinesLeftOut leftOut = {});

}  // namespace chromlet
