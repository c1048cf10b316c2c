// The steps of an update. A failed update names the step that failed, so that the message can say
// what went wrong and what state each file is in.
#pragma once

namespace chromlet {

/// The step of an update; on failure, the one that failed.
enum class UpdateStep {
    None,                  ///< nothing failed
    CheckPath,             ///< the path cannot name a file (a NUL in it, a name too long)
    CheckLines,            ///< a new line holds CR or LF; refused before any file was touched
    CheckLineLength,       ///< a new line is longer than the engine reads whole; refused likewise
    OpenConfigForReading,  ///< the configuration file is missing, unreadable or no regular file
    ConfigReadOnly,        ///< the file is read-only (its owner may not write it); nothing written
    LockConfig,            ///< another update of the same file holds its lock, or it cannot be made
    CreateSideFile,        ///< the new side copy cannot be made beside the configuration file
    ReadConfig,            ///< reading the configuration file while copying it
    WriteSideFile,         ///< writing (or flushing) the new side copy
    OpenSideForReading,    ///< the new side copy cannot be read back from its start
    OpenConfigForWriting,  ///< the replacement file cannot be made, or the file may not be replaced
    ReadSideFile,          ///< reading the side copy back while filtering it
    WriteConfig,           ///< writing the replacement file
    CheckFile,             ///< the new file would not be read whole by the game; nothing published
    CheckConfigUnchanged,  ///< another program changed the configuration file during the update
    ReplaceSideFile,       ///< the new side copy cannot take the side file's name
    ReplaceConfig,         ///< the finished replacement cannot take the configuration file's place
};

}  // namespace chromlet
