// Writes the two configuration lines into the game's configuration file, replacing the old
// player-name and server-name lines and keeping the file's previous contents in a side file.
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "config/passes/update_step.h"
#include "core/config_limits.h"
#include "core/target_game.h"

namespace chromlet {

/// What the side file holds after an update. It is written under a new name and takes the side
/// file's name only when it is complete, so there is never a partial copy.
enum class SideFileState {
    Untouched,  ///< not changed by this update: the previous copy, if there was one, is as it was
    CompleteCopy,  ///< holds the file's old contents in full
};

/// How ConfigUpdater writes.
struct UpdateOptions {
    /// The game the file belongs to; it decides how lines end (see ConfigUpdater).
    TargetGame target = TargetGame::Q3Test;
    /// Writes a read-only file (one its owner may not write) anyway, and leaves it read-only.
    /// Without it such a file is refused before anything is written (UpdateStep::ConfigReadOnly).
    bool writeReadOnly = false;
    /// Writes the file even where the target's engine would not read it whole (CheckFile). Only
    /// the benchmarks set it, which time the updater on files far larger than any engine reads.
    bool writeUnreadFile = false;
};

/// The outcome of ConfigUpdater. It never throws; every failure is described here.
struct UpdateResult {
    UpdateStep failedStep = UpdateStep::None;
    QString configPath;  ///< the configuration file, as given
    QString sidePath;    ///< the side file, configPath + "_"
    QString failedFile;  ///< the file the failed step worked on (empty for CheckLines)
    /// Why the step failed: the system's message, or a reason of our own. For a lock held by
    /// another update or blocked by something in its place, the whole description.
    QString reason;
    int errorNumber = 0;  ///< the system's error number (errno) of the failure, where there was one
    SideFileState sideFile = SideFileState::Untouched;
    bool sideFileExisted = false;  ///< something stood at the side file's name before the update
    /// For CheckFile: why the game would not read the new file whole, how long the file is now
    /// and how long it would have been.
    FileFault fileFault = FileFault::None;
    std::uint64_t oldBytes = 0;
    std::uint64_t newBytes = 0;
    std::uint64_t fileLimit = 0;  ///< MaxConfigFileBytes of the target

    bool Ok() const { return failedStep == UpdateStep::None; }
    /// The file is read-only and nothing was written: ask whether to write it anyway
    /// (UpdateOptions::writeReadOnly).
    bool IsReadOnlyRefusal() const { return failedStep == UpdateStep::ConfigReadOnly; }
};

/// Updates the configuration file at `path` with `nameLine` and `serverLine` (byte strings,
/// written unchanged), in two passes: the file is copied to path + "_", then rewritten from that
/// copy without its old "seta name" and "seta sv_hostname" lines (matched as old_lines.h says),
/// and the two new lines are appended.
///
/// For the test release the copy has its line ends normalised (a line ends at CR or CR LF there,
/// and an LF is part of the line: each LF is followed by CR LF, every line ends in CR LF), every
/// kept line ends in CR LF and each new line in LF CR LF. For the later engines, which end a line
/// at LF, CR LF or CR, the copy holds the file's exact bytes, every kept line keeps its bytes and
/// line end, and the new lines end the way most lines of the file end (LF for a file without
/// lines, and on a tie LF before CR LF before CR); a last line without a line end gets that line
/// end before them.
///
/// Nothing is written that the game would not read as written: a line longer than the engine
/// runs whole (IsLineReadWhole) is refused before any file is touched (CheckLineLength), and a
/// new file the target's engine would not read whole at start-up (CheckConfigFile: too large for
/// its command buffer, or holding a zero byte) before it is put in place (CheckFile).
///
/// Only a regular file is read or replaced, and a read-only one only with
/// UpdateOptions::writeReadOnly. The copy is made under a new name and renamed over path + "_",
/// so whatever stood there (a link to another file, the file itself) is replaced, never written
/// through; it gets the file's permission bits. The file is replaced only once its new contents
/// are complete and on the disk and the file still holds what the first pass read, with its owner,
/// group and mode kept; so after any failure it is unchanged. A lock beside the file keeps a
/// second copy of the program out during the update. Memory use does not depend on the file's
/// size.
UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const UpdateOptions& options = {});

/// The lines an update writes. A line not given keeps the file's own lines of its kind, byte for
/// byte, where they are.
struct NewNameLines {
    std::optional<std::string> name;
    std::optional<std::string> server;
};

/// ConfigUpdater for the lines given: each replaces the old lines of its kind, as above; the
/// file's lines of a kind not given stay as they are.
UpdateResult ConfigUpdater(const QString& path, const NewNameLines& lines,
                           const UpdateOptions& options = {});

/// The check ConfigUpdater makes of the two lines before it touches any file: a line break
/// (CheckLines) or a line longer than the engine reads whole (CheckLineLength) refuses them. Ok
/// when both lines may be written.
UpdateResult CheckNewLines(const std::string& nameLine, const std::string& serverLine);

/// A message for the user in two or three short sentences: what failed, what to do, and the state
/// of the files where it is not plain. For a read-only file (IsReadOnlyRefusal) a question whether
/// to write it anyway. Empty for a successful update.
QString DescribeFailure(const UpdateResult& result);

}  // namespace chromlet
