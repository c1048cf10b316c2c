// Reading the player-name and server-name lines back out of a configuration file.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

#include "config/passes/line_splitter.h"
#include "core/target_game.h"

namespace chromlet {

/// The longest name line that is read into memory. The game's own values are far shorter; a
/// longer line is reported as too long without being held.
inline constexpr std::size_t MaxSetaLineSize = 64 * 1024;

/// The name lines a configuration file holds: the last player-name line, which is either held or
/// reported as too long, and the last command that sets the server name.
struct StoredSetaLines {
    std::optional<std::string> nameLine;  ///< the last player-name line
    bool nameLineTooLong = false;  ///< the last player-name line is longer than MaxSetaLineSize
    /// The last command that sets sv_hostname, as the engine runs it (at most MaxConfigLineBytes).
    std::optional<std::string> serverLine;
    std::optional<std::string> serverValue;  ///< what that command sets sv_hostname to
    LineEndCounts ends;                      ///< how the file's lines end
    QString error;  ///< why the file could not be read; empty when it could

    bool Readable() const { return error.isEmpty(); }
};

/// Reads `path`, which must be a regular file. The player name's line is the last one matched as
/// the updater matches the lines it replaces; a line ends at LF, CR LF or CR, as in the later
/// engines, whatever game the file was written for (the test release reads an LF as part of a
/// line, but no name holds one). The server name is set by whichever command the target's engine
/// takes for it (core/config_commands.h: set, seta, sets, setu or the cvar's own command, in any
/// case), as a server's config sets it. Memory use stays below MaxSetaLineSize per line, whatever
/// the file.
StoredSetaLines ReadSetaLines(const QString& path, TargetGame target = TargetGame::Q3Test);

}  // namespace chromlet
