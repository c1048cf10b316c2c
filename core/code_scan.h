// The one walk over a code string that every reader of colour code shares: the decoders of the
// escape and caret forms and the parser of pasted names differ only in what starts a colour
// change and in what they keep of each character.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/memory_styled_text.h"
#include "core/styled_text.h"

namespace chromlet {

/// What stands at one position of a code: `length` bytes of colour code (0 when a character
/// stands there), setting `color` from there on when it holds one.
struct CodeAt {
    std::size_t length = 0;
    std::optional<PackedColor> color;
};

/// The escape form: the escape and a palette digit set that colour; an escape followed by
/// anything else sets nothing and is dropped alone.
CodeAt EscapeCodeAt(std::string_view code, std::size_t pos);

/// Walks `code` from white and the standard font, skipping what `codeAt(code, pos)` reports as
/// colour code, and calls `onChar(shown, style)` for every other byte: a byte of 128 or more is
/// the character 128 below it in the alternative font.
template <typename CodeAtFn, typename OnChar>
void ForEachCodedChar(std::string_view code, CodeAtFn codeAt, OnChar onChar) {
    PackedColor color = PackedOf(PaletteColor::White);
    for (std::size_t i = 0; i < code.size();) {
        const CodeAt at = codeAt(code, i);
        if (at.length > 0) {
            if (at.color) {
                color = *at.color;
            }
            i += at.length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(code[i]);
        const bool alternative = byte >= 128;
        onChar(static_cast<unsigned char>(alternative ? byte - 128 : byte),
               CharStyle{color, !alternative});
        ++i;
    }
}

/// Every character of `code` with its style, as ForEachCodedChar finds them.
template <typename CodeAtFn>
MemoryStyledText DecodeWith(std::string_view code, CodeAtFn codeAt) {
    std::string text;
    std::vector<CharStyle> styles;
    text.reserve(code.size());
    styles.reserve(code.size());
    ForEachCodedChar(code, codeAt, [&](unsigned char shown, CharStyle style) {
        text.push_back(static_cast<char>(shown));
        styles.push_back(style);
    });
    return MemoryStyledText(std::move(text), std::move(styles));
}

/// The bytes between the first and the last double quote of `line`, without the closing
/// `escape` and white digit that every generated line ends with. nullopt with fewer than two
/// double quotes.
std::optional<std::string> QuotedCodeOf(std::string_view line, char escape);

}  // namespace chromlet
