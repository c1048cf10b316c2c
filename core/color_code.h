// The game's colour code, both ways, for every target game. A styled text becomes bytes with a
// colour code wherever the colour changes and the alternative font raised by 128 (the test
// release writes the escape byte and a digit, the later engines a caret and a digit), wrapped
// in a "seta" line; and a code string becomes the styled text the target's engine draws.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/memory_styled_text.h"
#include "core/styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// The byte the test release writes before a colour digit.
inline constexpr char ColorEscape = 27;
/// The byte the later engines write before a colour character.
inline constexpr char CaretEscape = '^';

/// The line starts of the two configuration lines.
inline constexpr std::string_view NameLineStart = "seta name ";
inline constexpr std::string_view ServerLineStart = "seta sv_hostname ";

/// The "last colour" a scan starts from. No palette colour packs to 999, so the first character
/// always gets a code, unless its packed colour happens to be exactly 999.
inline constexpr PackedColor NoColorYet = 999;

/// The digit of the palette colour matched most recently in a show-code run; empty until the
/// first match.
using CodeDigit = std::optional<char>;

// Encoding

/// The test release's encoder. Writes the escape and the current digit wherever the colour
/// changes and raises each alternative-font character by 128. `currentDigit` is the run's digit:
/// it is used for colours outside the palette and is left as the scan ends it, so it carries
/// from one text to the next; before any palette colour has matched, the escape stands alone.
/// Afterwards a non-empty text has its last character selected, as reading it in the editor
/// does; an empty text's selection is untouched.
std::string BuildColorCode(StyledText& text, CodeDigit& currentDigit);

/// The same scan in the target's form: BuildColorCode for the test release. The caret form
/// differs in two ways that keep the engines from reading a caret as a colour that is none:
/// where the escape form writes a bare escape, it writes nothing, so the character shows in the
/// game's starting white; and a '^' in the name that is followed by anything but a colour change
/// or another '^' gets the current colour's code after it ("^" "^1" "a" for a red "^a").
std::string BuildCode(TargetGame target, StyledText& text, CodeDigit& currentDigit);

/// The test release's line: lineStart, a double quote, the code, the escape and "7" (back to
/// white), a double quote.
std::string BuildSetaLine(std::string_view lineStart, std::string_view code);
/// The same in the target's form ("^7" for the later engines).
std::string BuildSetaLine(TargetGame target, std::string_view lineStart, std::string_view code);

/// The two configuration lines of one "Show code" click.
struct SetaLines {
    std::string name;    ///< "seta name \"...\""
    std::string server;  ///< "seta sv_hostname \"...\""
};

/// One show-code run: the digit starts empty, the player name is encoded first and the server
/// name carries on with the digit it left. Leaves each non-empty text's last character selected.
SetaLines BuildShowCodeLines(TargetGame target, StyledText& playerName, StyledText& serverName);

/// What the two lines of a show-code run hold between their quotes, the closing switch back to
/// white included: the values the game stores. Encodes copies, so the texts' selections stay.
struct NameCodes {
    std::string player;
    std::string server;
};
NameCodes EncodeNames(TargetGame target, const StyledText& playerName,
                      const StyledText& serverName);

// Decoding

/// Whether the code at `code[pos]` starts a colour change in the target's engine; the colour
/// character is then code[pos + 1]. The test release: the escape and a digit '0' to '7'. The
/// later engines: a caret and the character their engine takes as a colour.
bool IsColorCodeAt(TargetGame target, std::string_view code, std::size_t pos);

/// What the target's engine reads at `code[pos]`: `length` bytes of colour code, 0 where a
/// character stands (or past the end), and the colour the code sets from there on. A test-release
/// escape without a digit sets none and is dropped alone. DecodeCode reads with it.
struct CodeRead {
    std::size_t length = 0;
    std::optional<PackedColor> color;
};
CodeRead ReadCodeAt(TargetGame target, std::string_view code, std::size_t pos);
/// The same by a colour rule of its own: an engine's, where it reads codes apart from its game.
CodeRead ReadCodeAt(ColorCodeRule rule, std::string_view code, std::size_t pos);

/// The palette colour the engines give a colour character: (c - '0') & 7, so '8' is black, '9'
/// red and 'a' red.
PaletteColor ColorOfCodeChar(char c);

/// The ninth colour of OpenArena's game modules, "^8": orange, (1, 0.43, 0) as the renderer
/// turns it into bytes.
inline constexpr PackedColor OpenArenaOrange = PackColor(255, 109, 0);
/// Its colour character, which Show code writes for it where OpenArena is chosen.
inline constexpr char OpenArenaOrangeDigit = '8';

/// The colour the target's engine draws after a colour code whose colour character is `c`.
PackedColor ColorOfCode(TargetGame target, char c);

/// The text the target's engine draws for `code`, starting in white and the standard font: each
/// colour code sets the colour from there on and is dropped (in the test release an escape
/// without a digit is dropped alone); a byte of 128 or more is the character 128 below it in the
/// alternative font.
MemoryStyledText DecodeCode(TargetGame target, std::string_view code);

/// Like DecodeCode, but reads a code in either form, for a name that comes from elsewhere (a
/// paste, a file written for another game): the escape and a digit, an escape alone (dropped),
/// and caret codes as the target's engine reads them; for the test release, a caret and a digit.
MemoryStyledText DecodeAnyCode(TargetGame target, std::string_view code);

}  // namespace chromlet
