// Writes the two configuration lines into the game's configuration file, replacing the old
// player-name and server-name lines and keeping the file's previous contents in a side file.
#pragma once

#include <QString>

#include <string>

#include "config/update_step.h"

namespace chromlet {

/// What the side file holds after an update. It is written under a new name and takes the side
/// file's name only when it is complete, so there is never a partial copy.
enum class SideFileState {
    Untouched,     ///< not changed by this update: the previous copy, if any, is as it was
    CompleteCopy,  ///< holds the old contents in full (with normalised line ends)
};

/// The outcome of ConfigUpdater. It never throws; every failure is described here.
struct UpdateResult {
    UpdateStep failedStep = UpdateStep::None;
    QString configPath;  ///< the configuration file, as given
    QString sidePath;    ///< the side file, configPath + "_"
    QString failedFile;  ///< the file the failed step worked on (empty for CheckLines)
    QString reason;      ///< the operating system's message, or why a line was refused
    SideFileState sideFile = SideFileState::Untouched;

    bool Ok() const { return failedStep == UpdateStep::None; }
};

/// Updates the configuration file at `path` with `nameLine` and `serverLine` (byte strings,
/// written unchanged). In two passes: the file is copied to path + "_" with its line ends
/// normalised, then rewritten from that copy without its old "seta name" and
/// "seta sv_hostname" lines, and the two new lines are appended.
///
/// Only a regular file is read or replaced. The copy is made under a new name and renamed over
/// path + "_", so whatever stood there (a link to another file, the file itself) is replaced,
/// never written through; it gets the file's permission bits. The file is replaced only once
/// its new contents are complete and it still is the file that was read, with its owner, group
/// and mode kept; so after any failure it is unchanged. A lock beside the file keeps a second
/// copy of the program out during the update. Memory use does not depend on the file's size.
UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const FaultHook& faults = {});

/// A message for the user: what failed, on which file, the operating system's reason, and the
/// state both files are in now. Empty for a successful update.
QString DescribeFailure(const UpdateResult& result);

}  // namespace chromlet
