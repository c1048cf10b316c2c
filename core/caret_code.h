// Colour code for the later engines: a caret and a digit instead of the escape byte, with the
// same scan over the styled text; and the target-aware entry points that pick one or the other.
#pragma once

#include <string>
#include <string_view>

#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// The byte the later engines write before a colour character.
inline constexpr char CaretEscape = '^';

/// The same scan and the same side effect as BuildColorCode (a non-empty text is left with its
/// last character selected, `currentDigit` carries on), but each colour change is written as
/// '^' and the digit. Two differences keep the engines from reading a caret as a colour that is
/// none: where the escape form writes a bare escape (a colour outside the palette before any
/// palette colour), the caret form writes nothing, so the character shows in the game's starting
/// white; and a '^' in the name that is followed by anything but a colour change or another '^'
/// gets the current colour's code after it ("^" "^1" "a" for a red "^a").
std::string BuildCaretCode(StyledText& text, CodeDigit& currentDigit);

/// BuildColorCode for Q3Test, BuildCaretCode for the caret targets.
std::string BuildCode(TargetGame target, StyledText& text, CodeDigit& currentDigit);

/// lineStart, a double quote, the code, the target's switch back to white ("^7" or the escape
/// and "7"), a double quote. For Q3Test exactly BuildSetaLine(lineStart, code).
std::string BuildSetaLine(TargetGame target, std::string_view lineStart, std::string_view code);

/// One show-code run for the target: the player name first, the server name carrying on with
/// the digit it left. For Q3Test exactly BuildShowCodeLines(playerName, serverName).
SetaLines BuildShowCodeLines(TargetGame target, StyledText& playerName, StyledText& serverName);

/// Whether the code at `code[pos]` starts a colour change in the target's engine; the colour
/// character is then code[pos + 1]. Q3Test: the escape and a digit '0' to '7'. Quake3: '^' and
/// any character but '^' and the end. IoQuake3: '^' and an ASCII letter or digit.
bool IsColorCodeAt(TargetGame target, std::string_view code, std::size_t pos);

/// The palette colour the engines give a colour character: (c - '0') & 7, so '8' is black, '9'
/// red and 'a' red.
PaletteColor ColorOfCodeChar(char c);

/// The text the target's engine draws for `code`, starting in white and the standard font: each
/// colour code sets the colour from there on and is dropped; a byte of 128 or more is the
/// character 128 below it in the alternative font. Q3Test: DecodeColorCode.
MemoryStyledText DecodeCode(TargetGame target, std::string_view code);

/// The code string of a configuration line written for the target: between the first and the
/// last double quote, without the closing switch back to white. nullopt with fewer than two
/// double quotes.
std::optional<std::string> CodeOfSetaLine(TargetGame target, std::string_view line);

}  // namespace chromlet
