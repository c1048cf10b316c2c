// Reading the player-name and server-name lines back out of a configuration file.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace chromlet {

/// The name lines a configuration file holds.
struct StoredSetaLines {
    std::optional<std::string> nameLine;    ///< the last line starting with "seta name"
    std::optional<std::string> serverLine;  ///< the last line starting with "seta sv_hostname"
    QString error;                          ///< why the file could not be read; empty when it could

    bool readable() const { return error.isEmpty(); }
};

/// Reads `path` with the game's line rules (a line ends at CR or CR LF) and finds the last
/// player-name and server-name lines, matched like the updater matches the lines it replaces.
/// Memory use depends only on the length of those lines.
StoredSetaLines ReadSetaLines(const QString& path);

}  // namespace chromlet
