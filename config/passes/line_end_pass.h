// The first pass of an update: the configuration file copied to the side file, with its line ends
// normalised for the test release, unchanged for the later engines.
#pragma once

#include "config/passes/chunk_io.h"

namespace chromlet {

/// Copies `in` to `out` line by line, breaking each line after every LF it holds and writing
/// each piece followed by CR LF; a piece that ends with LF keeps it in front of the CR LF, and a
/// line that ends with LF adds no empty piece after it. An empty line is written as CR LF alone,
/// unless the last byte before it (in an earlier line) was an LF: then it is not written at
/// all. True if all of `in` was read and handed to `out`, which is not flushed.
bool NormaliseLineEnds(ChunkReader& in, ChunkWriter& out);

/// Copies `in` to `out` byte for byte. True if all of `in` was read and handed to `out`, which is
/// not flushed.
bool CopyUnchanged(ChunkReader& in, ChunkWriter& out);

}  // namespace chromlet
