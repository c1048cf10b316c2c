// The two passes of an update, over any readable and writable device: the updater runs them from
// the file to its side copy and from the copy to the new file; measuring a file's size after an
// update runs them in memory.
#pragma once

#include <optional>
#include <string_view>

#include "config/chunk_io.h"
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

}  // namespace chromlet
