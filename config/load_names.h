// Loading the player name and the server name back out of a configuration file.
#pragma once

#include <QString>

#include "core/memory_styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// What became of one of the two name lines.
enum class NameLineState {
    Found,    ///< the line is there and holds a quoted value
    Missing,  ///< no such line, or one without a quoted value
    TooLong,  ///< the last such line is too long to be a name; it was not read into memory
};

/// The outcome of LoadNames: both names, or why they could not be loaded.
struct LoadedNames {
    QString path;       ///< the file, as given
    QString readError;  ///< why the file could not be read; empty when it could
    NameLineState player = NameLineState::Missing;
    NameLineState server = NameLineState::Missing;
    MemoryStyledText playerName;  ///< the decoded player name, when both were found
    MemoryStyledText serverName;  ///< the decoded server name, when both were found

    bool Ok() const {
        return readError.isEmpty() && player == NameLineState::Found &&
               server == NameLineState::Found;
    }
};

/// Reads the last player-name and server-name lines of the configuration file at `path` and
/// decodes their values into styled text, by the colour codes `target` reads (escape codes for
/// the test release, caret codes for the later engines). The names hold only characters a name may
/// hold: a double quote or a line break in a value (a file edited by hand) is left out with its
/// style, since written back it would break the line.
LoadedNames LoadNames(const QString& path, TargetGame target = TargetGame::Q3Test);

/// The message for a load that failed: which file, and what could not be read or is missing.
/// Empty for a load that succeeded.
QString DescribeLoadFailure(const LoadedNames& loaded);

}  // namespace chromlet
