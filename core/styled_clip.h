// The editors' own clipboard format, which carries characters with their colours and font flags
// from one editor to either: five bytes a character, its byte, red, green, blue, and 1 for the
// standard font or 0 for the alternative one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/memory_styled_text.h"
#include "core/styled_text.h"

namespace chromlet {

/// The clipboard's name for this format.
inline constexpr std::string_view StyledClipMimeType = "application/x-chromlet-styled-name";

/// `length` characters of `text` from `start`, in the clipboard format.
std::string StyledClipOf(const StyledText& text, std::size_t start, std::size_t length);

/// The characters a styled clipboard entry carries, `maxChars` at most (`cut` tells whether it
/// held more); nullopt when it is damaged: empty, or not whole characters.
std::optional<MemoryStyledText> ReadStyledClip(std::string_view data, std::size_t maxChars,
                                               bool& cut);

}  // namespace chromlet
