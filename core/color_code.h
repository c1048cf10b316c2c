// The game's colour code: a styled text becomes bytes with a colour escape and a digit wherever
// the colour changes and the alternative font raised by 128, wrapped in a "seta" line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/styled_text.h"

namespace chromlet {

/// The byte written before a colour digit.
inline constexpr char ColorEscape = 27;

/// The line starts of the two configuration lines.
inline constexpr std::string_view NameLineStart = "seta name ";
inline constexpr std::string_view ServerLineStart = "seta sv_hostname ";

/// The "last colour" a scan starts from. No palette colour packs to 999, so the first character
/// always gets an escape, unless its packed colour happens to be exactly 999.
inline constexpr PackedColor NoColorYet = 999;

/// The digit of the palette colour matched most recently in a show-code run; empty until the
/// first match.
using CodeDigit = std::optional<char>;

/// Encodes one styled text. `currentDigit` is the run's digit: it is used for colours outside
/// the palette and is left as the scan ends it, so it carries from one text to the next.
/// Afterwards a non-empty text has its last character selected, as reading it in the editor
/// does; an empty text's selection is untouched.
std::string BuildColorCode(StyledText& text, CodeDigit& currentDigit);

/// lineStart, a double quote, the code, the escape and "7" (back to white), a double quote.
std::string BuildSetaLine(std::string_view lineStart, std::string_view code);

/// The two configuration lines of one "Show code" click.
struct SetaLines {
    std::string name;    ///< "seta name \"...\""
    std::string server;  ///< "seta sv_hostname \"...\""
};

/// One show-code run: the digit starts empty, the player name is encoded first and the server
/// name carries on with the digit it left.
SetaLines BuildShowCodeLines(StyledText& playerName, StyledText& serverName);

}  // namespace chromlet
