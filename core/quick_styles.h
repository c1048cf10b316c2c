// One-click styles for a whole name or the selected part of it, and a tidy-up that removes
// colour changes nobody can see.
#pragma once

#include <cstdint>

#include "core/styled_text.h"

namespace chromlet {

enum class QuickStyle {
    Rainbow,    ///< Red, Yellow, Green, Cyan, Blue, Magenta in turn, one per visible character
    ByWord,     ///< each word the next colour of the rainbow order
    Alternate,  ///< two colours in turn: the first two different ones of the range, else Red, White
    Random,     ///< a random palette colour per character, never twice in a row, never black
    Clear,      ///< everything white and in the standard font
};

/// Applies `style` to the selection, or to the whole text when nothing is selected, with one
/// SetSelection and one SetSelectionColor call per run of one colour, and then restores the
/// selection exactly. A standard-font space takes the colour of the character before it (which
/// may lie just outside the range; at the start of the text, of the first visible character
/// after it), so it costs no colour change; black is never chosen. `randomSeed` decides the
/// Random draw; the other styles ignore it. On an editor widget each run costs a selection and
/// a format change; for a long name, style an in-memory copy and write it back in one go.
void ApplyQuickStyle(StyledText& text, QuickStyle style, std::uint32_t randomSeed = 0);

/// Changes nothing anyone can see but removes colour changes: a standard-font space takes the
/// colour of the character before it (at the start, of the one after it) wherever that removes a
/// change. Alternative-font spaces are drawn by the game and keep their colour, and so does a
/// space run before a colour outside the palette, which shows the digit written before it. The
/// selection is restored exactly. A tidied trailing space can change the digit a following text
/// inherits for a leading colour outside the palette.
void TidyCodes(StyledText& text);

}  // namespace chromlet
