// The bound every way into a name keeps: the configuration line the name makes must stay one the
// engine reads whole (MaxConfigLineBytes), colour codes included. Typing, every paste, a loaded
// or a recent name are cut there, and a one-click style gives back colour changes to fit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color_code.h"
#include "core/name_rules.h"
#include "core/styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// Which configuration line a name goes into, for which game.
struct NameLine {
    TargetGame target = TargetGame::Q3Test;
    std::string_view lineStart = NameLineStart;
    /// The digit a show-code run brings into this name from the one encoded before it: the
    /// server name carries on with the player name's (BuildShowCodeLines).
    CodeDigit digitBefore = std::nullopt;
};

/// The bytes of the configuration line `text` makes as `line`, its line end not counted.
std::size_t LineBytes(const NameLine& line, const StyledText& text);

/// How many characters of `insert` (from its start), put in place of `replaced` in `text`, keep
/// the line within MaxConfigLineBytes: all of them when the whole fits, none when the rest of
/// the text is too long already.
std::size_t FittingLength(const NameLine& line, const StyledText& text, Selection replaced,
                          const StyledText& insert);

/// The value the configuration line holds between its quotes: the code and the closing white.
std::string ValueOf(const NameLine& line, const StyledText& text);

/// The limits of the name `text` as `line` (a player name or a server name) for its game.
std::vector<CountLimit> LimitsOf(const NameLine& line, const StyledText& text);

/// The most bytes a one-click style may make a name's value hold, and which bound that is: the
/// smallest of the bounds that change what the game does with the name (what the game keeps of a
/// player name, the room a default server's settings string has for a server name, the
/// configuration line) that the name kept to before the style; no bound at all (the largest
/// size_t) for a name over all of them. `before` are its limits.
struct StyleBound {
    std::size_t bytes = 0;
    CountLimit::Kind kind = CountLimit::Kind::ConfigLine;
};
StyleBound StyleBudget(const std::vector<CountLimit>& before);

/// `styles` (one per character of `text`) as a one-click style gave them to `range`, with
/// colour changes given back from the end of the range, the last colours merged into the one
/// before, until the name's value holds at most `maxValueBytes` bytes.
struct FittedStyles {
    std::vector<CharStyle> styles;
    std::size_t bytes = 0;      ///< of the value with these styles
    std::size_t fullBytes = 0;  ///< of the value with the styles as given
    /// Colours merged into the one before them; 0 when the style fitted as given.
    std::size_t colorsGivenBack = 0;
};
/// nullopt when not even one colour for the whole range fits.
std::optional<FittedStyles> FitStyles(const NameLine& line, const StyledText& text,
                                      std::vector<CharStyle> styles, Selection range,
                                      std::size_t maxValueBytes);

}  // namespace chromlet
