// One-click styles for a whole name or the selected part of it, and a tidy-up that removes
// colour changes nobody can see.
#pragma once

#include <cstdint>
#include <vector>

#include "core/styled_text.h"

namespace chromlet {

enum class QuickStyle {
    Rainbow,    ///< Red, Yellow, Green, Cyan, Blue, Magenta in turn, one per visible character
    ByWord,     ///< each word the next colour of the rainbow order
    Alternate,  ///< two colours in turn: the first two different ones of the range, else Red, White
    Random,     ///< a random palette colour per character, never twice in a row, never black
    Clear,      ///< everything white and in the standard font
};

/// The styles `style` gives the selected part of `text`, or the whole text when nothing is
/// selected: one style per character of the text, the rest of it as it was. A standard-font
/// space takes the colour of the character before it (which may lie just outside the range; at
/// the start of the text, of the first visible character after it), so it costs no colour
/// change; black is never chosen. `randomSeed` decides the Random draw; the other styles ignore
/// it.
std::vector<CharStyle> QuickStyled(const StyledText& text, QuickStyle style,
                                   std::uint32_t randomSeed = 0);

/// The styles of `text` with the colour changes nobody can see removed: a standard-font space
/// takes the colour of the character before it (at the start, of the one after it) wherever
/// that removes a change. Alternative-font spaces are drawn by the game and keep their colour,
/// and so does a space run before a colour outside the palette, which shows the digit written
/// before it. A tidied trailing space can change the digit a following text inherits for a
/// leading colour outside the palette.
std::vector<CharStyle> TidiedStyles(const StyledText& text);

}  // namespace chromlet
