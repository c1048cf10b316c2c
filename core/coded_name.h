// Names brought in as text: a pasted code, a configuration line or a console command; and the
// console command that sets a name in the game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/memory_styled_text.h"
#include "core/name_input.h"
#include "core/target_game.h"

namespace chromlet {

/// What ParseCodedName had to leave out of the pasted text.
struct ParseNotes {
    /// The text held more than one line that is not blank; only the first was read.
    bool otherLines = false;
    /// What of the name a name cannot hold, and whether it was longer than MaxNameChars (or its
    /// code longer than MaxPastedChars).
    LeftOut leftOut;
};

/// Decodes pasted text (ISO 8859-1, one byte per character): a bare code (caret codes in every
/// form the target's engine reads, escape codes in every target), a whole `seta name "..."` or
/// `seta sv_hostname "..."` line, or a `/name ...`, `\name ...` or `name ...` console command,
/// quoted or not. Only the first non-blank line is read, and the name it gives holds only what
/// AcceptStyled lets into a name, MaxNameChars characters at most; `notes` says what was left
/// out. nullopt when nothing is left to paste.
std::optional<MemoryStyledText> ParseCodedName(TargetGame target, std::string_view pasted,
                                               ParseNotes* notes = nullptr);

/// The marks around text in the alternative font where a name is given as plain text, as on a
/// command line: "\{" before it and "\}" after it.
inline constexpr std::string_view AltFontStart = "\\{";
inline constexpr std::string_view AltFontEnd = "\\}";

/// `text` (bytes) with each marked stretch put into the alternative font: every byte between the
/// marks becomes the byte the game draws its character from in that font, 128 above it (a byte
/// of 128 or more, already there, stays). A colour code between the marks is characters too, so
/// colour codes go outside them. nullopt where the marks do not match: a start within a stretch,
/// an end outside one, or a stretch without its end.
std::optional<std::string> ResolveAltFontMarks(std::string_view text);

/// `bytes` with every run of bytes of 128 or more written as the characters they draw in the
/// alternative font, between the marks: ResolveAltFontMarks reads it back.
std::string WithAltFontMarks(std::string_view bytes);

/// The value a configuration line or a console command sets, as the engines' tokenizer reads it:
/// from the first double quote up to the next one, or to the end of `text` when it is not
/// closed; nullopt when `text` holds no double quote. The one reader of quoted values.
std::optional<std::string_view> QuotedValue(std::string_view text);

/// The characters the game's console line holds (its buffer keeps one more, the zero byte).
inline constexpr std::size_t MaxConsoleLine = 255;

/// The console command that sets `command` ("name" or "sv_hostname") to `code` and ends in white:
/// `/name "^1Pl^7ayer^7"`. nullopt for Q3Test, whose console cannot type the escape byte, for
/// any other command, for a code that holds a double quote or a line break, and for a command
/// longer than the console line, which would cut it.
std::optional<std::string> ConsoleCommand(TargetGame target, std::string_view command,
                                          std::string_view code);

}  // namespace chromlet
