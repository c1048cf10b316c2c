// Short names for the character styles the core tests build texts from: a palette colour's
// letter, with "a" for the alternative font; Off1 and Off2 are colours outside the palette, as
// a pasted text may hold.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/memory_styled_text.h"
#include "core/styled_text.h"

namespace chromlet::test::styles {

inline constexpr CharStyle W{PackedOf(PaletteColor::White), true};
inline constexpr CharStyle Wa{PackedOf(PaletteColor::White), false};
inline constexpr CharStyle R{PackedOf(PaletteColor::Red), true};
inline constexpr CharStyle Ra{PackedOf(PaletteColor::Red), false};
inline constexpr CharStyle G{PackedOf(PaletteColor::Green), true};
inline constexpr CharStyle Ga{PackedOf(PaletteColor::Green), false};
inline constexpr CharStyle B{PackedOf(PaletteColor::Blue), true};
inline constexpr CharStyle K{PackedOf(PaletteColor::Black), true};
inline constexpr CharStyle Off1{PackColor(1, 2, 3), true};
inline constexpr CharStyle Off2{PackColor(200, 100, 50), true};

inline MemoryStyledText Styled(std::string text, std::vector<CharStyle> styles) {
    return MemoryStyledText(std::move(text), std::move(styles));
}

/// One row of a show-code table: the two texts and the code bytes expected for each, as hex.
struct ShowCodeCase {
    const char* name;
    MemoryStyledText player;
    MemoryStyledText server;
    const char* playerCode;
    const char* serverCode;
};

}  // namespace chromlet::test::styles
