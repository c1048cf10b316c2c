// Random player names styled the way a player styles them in the editors, for checking what the
// real engines make of Chromlet's output. Reproducible: the same seed and index give the same
// name with every compiler, so a difference seen once can be looked at again.
#pragma once

#include <cstdint>
#include <string>

#include "core/memory_styled_text.h"

namespace chromlet::engine_check {

/// Name number `index` of the run started with `seed`: letters, digits and spaces (now and then a
/// run of them, at the start or the end too), a few carets, percent signs and accented letters
/// (ISO 8859-1); coloured in one to four stretches with any of the eight palette colours through
/// ApplyColor, and in about a quarter of the names a few characters in the alternative font
/// through SetFontFlag. Nothing stays selected.
MemoryStyledText RandomStyledName(std::uint32_t seed, std::uint32_t index);

/// A one-line account of the name for a person: each character with its colour digit and, in the
/// alternative font, a '*': "A1 b1 ' '7 c*4".
std::string DescribeStyles(const StyledText& text);

}  // namespace chromlet::engine_check
