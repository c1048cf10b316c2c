// Writes the two configuration lines into the game's configuration file, replacing the old
// player-name and server-name lines and keeping the file's previous contents in a side file.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace chromlet {

/// The step of an update; on failure, the one that failed.
enum class UpdateStep {
    None,                  ///< nothing failed
    CheckLines,            ///< a new line holds CR or LF; refused before any file was touched
    OpenConfigForReading,  ///< the configuration file is missing or cannot be read
    CreateSideFile,        ///< the side file (path + "_") cannot be created or truncated
    ReadConfig,            ///< reading the configuration file while copying it
    WriteSideFile,         ///< writing (or flushing/closing) the side file
    OpenSideForReading,    ///< the side file cannot be opened again for reading
    OpenConfigForWriting,  ///< the replacement file beside the configuration file cannot be made
    ReadSideFile,          ///< reading the side file while filtering it
    WriteConfig,           ///< writing the replacement file
    ReplaceConfig,         ///< the finished replacement cannot take the configuration file's place
};

/// What the side file holds after an update.
enum class SideFileState {
    Untouched,     ///< not created or changed by this update
    Incomplete,    ///< created or truncated, holds only part of the old contents
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

    bool ok() const { return failedStep == UpdateStep::None; }
};

/// A seam for tests: called before every open, read, write and the final replacement, with the
/// step that operation belongs to; returning true makes that one operation fail as if the
/// operating system had refused it. Unset in the program.
using FaultHook = std::function<bool(UpdateStep step)>;

/// Updates the configuration file at `path` with `nameLine` and `serverLine` (byte strings,
/// written unchanged). In two passes: the file is copied to path + "_" with its line ends
/// normalised, then rewritten from that copy without its old "seta name" and
/// "seta sv_hostname" lines, and the two new lines are appended. The configuration file is
/// replaced only once the new contents are complete, so after any failure it is unchanged.
/// Memory use does not depend on the file's size.
UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const FaultHook& faults = {});

/// A message for the user: what failed, on which file, the operating system's reason, and the
/// state both files are in now. Empty for a successful update.
QString DescribeFailure(const UpdateResult& result);

}  // namespace chromlet
