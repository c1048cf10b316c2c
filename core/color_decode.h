// Reading colour code back: the styled text the game shows for a code string.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/memory_styled_text.h"

namespace chromlet {

/// The text the game draws for `code`, starting in white and the standard font: the escape and
/// a palette digit set the colour from there on (both are dropped); an escape followed by
/// anything else changes nothing and is dropped alone; a byte of 128 or more is the character
/// 128 below it in the alternative font.
MemoryStyledText DecodeColorCode(std::string_view code);

/// The code string of a configuration line: the bytes between its first and its last double
/// quote, without the escape and "7" that every generated line ends with. Empty when the line
/// holds fewer than two double quotes.
std::optional<std::string> CodeOfSetaLine(std::string_view line);

}  // namespace chromlet
