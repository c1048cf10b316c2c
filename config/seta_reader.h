// Reading the player-name and server-name lines back out of a configuration file.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace chromlet {

/// The longest name line that is read into memory. The game's own values are far shorter; a
/// longer line is reported as too long without being held.
inline constexpr std::size_t MaxSetaLineSize = 64 * 1024;

/// Where a line of the file ends. The test release ends a line only at CR or CR LF, and an LF is
/// a byte of the line; the later engines write LF line ends and end a line at LF as well.
enum class LineEnds { CrOrCrLf, AlsoLf };

/// The name lines a configuration file holds. For each of the two, the last matching line
/// counts: it is either held, or reported as too long.
struct StoredSetaLines {
    std::optional<std::string> nameLine;    ///< the last player-name line
    std::optional<std::string> serverLine;  ///< the last server-name line
    bool nameLineTooLong = false;    ///< the last player-name line is longer than MaxSetaLineSize
    bool serverLineTooLong = false;  ///< the last server-name line is longer than MaxSetaLineSize
    QString error;                   ///< why the file could not be read; empty when it could

    bool Readable() const { return error.isEmpty(); }
};

/// Reads `path`, which must be a regular file, with the line rules `ends` and finds the last player-name and server-name lines, matched as the updater matches
/// the lines it replaces. Memory use stays below MaxSetaLineSize per line, whatever the file.
StoredSetaLines ReadSetaLines(const QString& path, LineEnds ends = LineEnds::CrOrCrLf);

}  // namespace chromlet
