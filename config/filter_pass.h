// The second pass of an update: the side file copied back without the old player-name and
// server-name lines.
#pragma once

#include "config/chunk_io.h"

namespace chromlet {

/// Copies `in` to `out` line by line, each kept line followed by CR LF, leaving out the old
/// name and server-name lines. Short and empty lines are kept unless they match too. True if
/// all of `in` was read and handed to `out`, which is not flushed.
bool CopyWithoutOldLines(ChunkReader& in, ChunkWriter& out);

}  // namespace chromlet
