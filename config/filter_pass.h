// The second pass of an update: the side file copied back without the old player-name and
// server-name lines.
#pragma once

#include <string_view>

#include "config/chunk_io.h"

namespace chromlet {

/// The starts of the lines an update removes, matched exactly: case counts and leading blanks
/// are not skipped.
inline constexpr std::string_view OldNameLinePrefix = "seta name";
inline constexpr std::string_view OldServerLinePrefix = "seta sv_hostname";

/// True if a line starting with `head` (its first bytes, as many as it has up to 16) is an old
/// name or server-name line.
bool IsOldLine(std::string_view head);

/// Copies `in` to `out` line by line, each kept line followed by CR LF, leaving out the old
/// name and server-name lines. Short and empty lines are kept unless they match too. True if
/// all of `in` was read and handed to `out`, which is not flushed.
bool CopyWithoutOldLines(ChunkReader& in, ChunkWriter& out);

}  // namespace chromlet
