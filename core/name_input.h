// What a text keeps on its way into a name and what it loses there. Every way in goes through
// here (typing, each kind of paste, Paste coded name, a name loaded or brought back), so that a
// name never holds a character CheckNameChar refuses, nor more than MaxNameChars of them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/memory_styled_text.h"
#include "core/styled_text.h"

namespace chromlet {

/// How many refused characters of one kind a note names; one more is kept, so that it can tell
/// whether there were others.
inline constexpr std::size_t NamedLeftOut = 3;

/// What was left out of a text on its way into a name.
struct LeftOut {
    /// Characters outside ISO 8859-1, each once, in the order met (NamedLeftOut + 1 at most).
    std::u32string notLatin1;
    /// Control characters, each once, in the order met (NamedLeftOut + 1 at most).
    std::string controls;
    bool lineBreaks = false;  ///< line breaks were left out, or became spaces
    bool quotes = false;      ///< double quotes were left out
    /// More came than the name had room for, or than is read of a pasted text (MaxPastedChars).
    bool cut = false;
    /// What came would have made the name's configuration line longer than the engine reads
    /// whole (MaxConfigLineBytes); the rest was left out.
    bool lineFull = false;

    bool Any() const {
        return !notLatin1.empty() || !controls.empty() || lineBreaks || quotes || cut || lineFull;
    }
    /// Adds what `other` left out.
    void Add(const LeftOut& other);
};

enum class LineBreaks { LeftOut, BecomeSpaces };

/// The characters of `text` (UTF-16, as a key, an input method or the clipboard give it) a name
/// can hold, as bytes, `room` at most. Each line break (CR LF is one) is left out or becomes a
/// space. Only the first MaxPastedChars units of `text` are read.
std::string AcceptText(std::u16string_view text, LineBreaks lineBreaks, std::size_t room,
                       LeftOut& leftOut);

/// The characters of `text` a name can hold, with their styles, `room` at most; each one is
/// taken as AsNameChar makes it, so a byte the game gets stays that byte.
MemoryStyledText AcceptStyled(const StyledText& text, std::size_t room, LeftOut& leftOut);

}  // namespace chromlet
