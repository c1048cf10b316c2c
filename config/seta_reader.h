// Reading the player-name and server-name lines back out of a configuration file.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

#include "config/passes/line_splitter.h"

namespace chromlet {

/// The longest name line that is read into memory. The game's own values are far shorter; a
/// longer line is reported as too long without being held.
inline constexpr std::size_t MaxSetaLineSize = 64 * 1024;

/// The name lines a configuration file holds. For each of the two, the last matching line
/// counts: it is either held, or reported as too long.
struct StoredSetaLines {
    std::optional<std::string> nameLine;    ///< the last player-name line
    std::optional<std::string> serverLine;  ///< the last server-name line
    bool nameLineTooLong = false;    ///< the last player-name line is longer than MaxSetaLineSize
    bool serverLineTooLong = false;  ///< the last server-name line is longer than MaxSetaLineSize
    LineEndCounts ends;              ///< how the file's lines end
    QString error;                   ///< why the file could not be read; empty when it could

    bool Readable() const { return error.isEmpty(); }
};

/// Reads `path`, which must be a regular file, and finds the last player-name and server-name
/// lines, matched as the updater matches the lines it replaces. A line ends at LF, CR LF or CR, as
/// in the later engines, whatever game the file was written for: the test release reads an LF as
/// part of a line, but no name holds one. Memory use stays below MaxSetaLineSize per line,
/// whatever the file.
StoredSetaLines ReadSetaLines(const QString& path);

}  // namespace chromlet
