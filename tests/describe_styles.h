// A styled text written out for comparisons in tests: each character, then its palette digit
// ('?' for a colour outside the palette) and 's' for the standard or 'a' for the alternative
// font, then a blank. "P1s l7a " is a red P and a white alternative-font l.
#pragma once

#include <string>

#include "core/styled_text.h"

namespace chromlet::test {

inline std::string DescribeStyles(const StyledText& text) {
    std::string out;
    const std::string chars = text.Text();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const CharStyle style = text.StyleAt(i);
        const PaletteEntry* entry = PaletteEntryOf(style.Color);
        out += chars[i];
        out += entry ? entry->digit : '?';
        out += style.Q3Font ? "s " : "a ";
    }
    return out;
}

}  // namespace chromlet::test
