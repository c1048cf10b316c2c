// One update of a file the game reads, whatever it changes: the checks of the path and the file,
// the lock, the side copy, the check that nobody changed the file meanwhile, the game's limits
// and the atomic replace. The name lines of q3config.cfg (config_updater.h) and the server name of
// a server's config (server_config.h) are two kinds of it.
#pragma once

#include <QString>

#include <functional>

#include "config/passes/chunk_io.h"
#include "config/config_updater.h"
#include "config/passes/update_passes.h"

namespace chromlet {

/// What one kind of update does with the file.
struct FilePasses {
    /// Before any file is opened: false when the update is refused, having said why in the
    /// result. May be empty.
    std::function<bool(UpdateResult&)> precheck;
    /// Copies the file to its side copy. Run again on the file to check that it still gives the
    /// copy, so it holds no state of its own.
    FirstPass copy = nullptr;
    /// The first pass as the update runs it, where it learns what it needs of the file on the
    /// way; `copy` where empty.
    std::function<bool(ChunkReader&, ChunkWriter&)> firstPass;
    /// Builds the new file from the side copy. False when it refuses what it would write, having
    /// said why in the result; failed reads and writes the reader and the writer tell.
    std::function<bool(UpdateResult&, ChunkReader&, ChunkWriter&)> rewrite;
};

/// Updates the file at `path` through `passes`, with the side copy path + "_", as ConfigUpdater
/// describes it.
UpdateResult UpdateFile(const QString& path, const UpdateOptions& options,
                        const FilePasses& passes);

/// Records in `result` that `step` failed on `file`, and why; returns false.
bool Fail(UpdateResult& result, UpdateStep step, const QString& file, const QString& reason,
          int errorNumber = 0);

}  // namespace chromlet
