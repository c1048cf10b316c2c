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
    TooLong,  ///< the last player-name line is too long to be a name; it was not read into memory
};

/// The outcome of LoadNames: both names, or why they could not be loaded.
struct LoadedNames {
    QString path;       ///< the file, as given
    QString readError;  ///< why the file could not be read; empty when it could
    NameLineState player = NameLineState::Missing;
    NameLineState server = NameLineState::Missing;
    MemoryStyledText playerName;  ///< the decoded player name, when both were found
    MemoryStyledText serverName;  ///< the decoded server name, when both were found
    /// For the window, beside the loaded names: one short sentence for each thing the user
    /// should know, translated; empty when there is none. It says that the file was written for
    /// another game than the one chosen, that a name was cut where its configuration line would be
    /// longer than the game reads whole, and that characters a name cannot hold were left out.
    QString note;

    bool Ok() const {
        return readError.isEmpty() && player == NameLineState::Found &&
               server == NameLineState::Found;
    }
};

/// Reads the last player-name and server-name lines of the configuration file at `path` (a line
/// ends at LF, CR LF or CR, whatever game wrote the file) and decodes their values (from the
/// first double quote to the next, as the engines' tokenizer reads them) into styled text as
/// Paste coded name decodes a pasted name: escape codes and the caret codes `target`'s engine
/// reads, in every target. A name holds only characters a name may hold: a control character
/// (codes 0 to 31 and 127, NUL among them) or a quote or line break of the alternative font is
/// left out with its style, and a name is cut where its configuration line, written back for
/// `target`, would be longer than the game reads whole; the note says so.
///
/// The file's form, for the note: the colour codes in the two values, where they hold codes of
/// one form only (the escape and a digit: the test release; a caret and a digit: a later engine);
/// otherwise its line ends, where every line ends in LF alone (as the later engines write it on
/// Linux). CR LF, which both write, and a file that mixes line ends tell nothing.
LoadedNames LoadNames(const QString& path, TargetGame target = TargetGame::Q3Test);

/// The message for a load that failed: which file, and what could not be read or is missing.
/// Empty for a load that succeeded.
QString DescribeLoadFailure(const LoadedNames& loaded);

}  // namespace chromlet
