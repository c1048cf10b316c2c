// What chromlet-name prints: the game's bytes as text a terminal shows safely, and the game's
// colours as the terminal's 24-bit colour where colour is wanted.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "core/game_places.h"
#include "core/share_text.h"

namespace chromlet::cli {

/// Whether `mode` gives colour on the file descriptor `fd`: auto gives it on a terminal, unless
/// NO_COLOR is set and not empty or TERM is "dumb".
bool UsesColor(ColorMode mode, int fd);

/// The game's bytes as UTF-8 text for a reader: ISO 8859-1, every byte a terminal would take
/// for a control (0 to 31, 127 to 159) written as \xHH.
std::string Readable(std::string_view bytes);

/// Glyphs as a terminal shows them. In colour each character is drawn in its colour on the
/// game's dark ground, the alternative font slanted and underlined, and the colours end with
/// the glyphs; without colour, the characters, those of the alternative font between \{ and \}.
std::string Drawn(const std::vector<Glyph>& glyphs, bool color);

/// `text` in bold red where colour is on, for what goes over a limit.
std::string Warned(std::string_view text, bool color);

/// Writes `text` to standard output or standard error as it is.
void Print(std::string_view text);
void PrintError(std::string_view text);

/// Says `message` on standard error, after the program's name, as one line.
void Say(const QString& message);

/// The game's bytes as a QString, one character each, for JSON.
QString Latin1(std::string_view bytes);

}  // namespace chromlet::cli
