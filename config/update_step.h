// The steps of an update and the fault seam that tests use to make any one of them fail. The
// chunked reader and writer name a step too, so this header sits below both.
#pragma once

#include <QString>

#include <functional>

namespace chromlet {

/// The step of an update; on failure, the one that failed.
enum class UpdateStep {
    None,                  ///< nothing failed
    CheckPath,             ///< the path cannot name a file (a NUL in it, a name too long)
    CheckLines,            ///< a new line holds CR or LF; refused before any file was touched
    OpenConfigForReading,  ///< the configuration file is missing, unreadable or no regular file
    LockConfig,            ///< another update of the same file holds its lock
    CreateSideFile,        ///< the new side copy cannot be made beside the configuration file
    ReadConfig,            ///< reading the configuration file while copying it
    WriteSideFile,         ///< writing (or flushing) the new side copy
    OpenSideForReading,    ///< the new side copy cannot be read back from its start
    OpenConfigForWriting,  ///< the replacement file beside the configuration file cannot be made
    ReadSideFile,          ///< reading the side copy back while filtering it
    WriteConfig,           ///< writing the replacement file
    CheckConfigUnchanged,  ///< another program changed the configuration file during the update
    ReplaceSideFile,       ///< the new side copy cannot take the side file's name
    ReplaceConfig,         ///< the finished replacement cannot take the configuration file's place
};

/// A seam for tests: called before every open, read, write, check and replacement, with the
/// step that operation belongs to; returning true makes that one operation fail as if the
/// operating system had refused it. Unset in the program.
using FaultHook = std::function<bool(UpdateStep step)>;

/// The reason given for an operation that the fault hook made fail.
inline QString SimulatedFailureReason() {
    return QStringLiteral("simulated failure");
}

/// Asks the fault hook whether the next operation of `step` is to fail.
inline bool FaultInjected(const FaultHook& faults, UpdateStep step) {
    return faults && faults(step);
}

}  // namespace chromlet
