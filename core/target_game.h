// The game a name is made for, and the rules that set its engines apart: how colours are
// written and read, and how the game module cleans a name. One row per target, so a new engine
// is a new row.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace chromlet {

/// The games the program writes for. Q3Test comes first and is the default.
enum class TargetGame { Q3Test, Quake3, IoQuake3 };

/// Every target in menu order.
inline constexpr std::array<TargetGame, 3> AllTargets{TargetGame::Q3Test, TargetGame::Quake3,
                                                      TargetGame::IoQuake3};

/// How a target writes a colour change.
enum class CodeForm { Escape, Caret };

/// Which byte pairs a target's engine reads as a colour code.
enum class ColorCodeRule {
    EscapeDigit,  ///< the escape byte and a digit '0' to '7' (the test release)
    CaretAny,     ///< '^' and any character but '^' and the end of the string (1.32, Quake3e)
    CaretAlnum,   ///< '^' and an ASCII letter or digit (ioquake3)
};

/// Which game module cleans a player name, and how.
enum class NameCleaning {
    None,    ///< nothing known: the name is kept as written
    Q3_132,  ///< the 1.32 game module (Quake3e runs it too)
    Ioq3,    ///< ioquake3's own game module
};

/// What sets one target's engines apart.
struct TargetRules {
    TargetGame target;
    std::string_view key;  ///< stays the same between versions, for the settings
    CodeForm form;
    ColorCodeRule colorCodes;
    NameCleaning cleaning;
};

/// The rules of a target.
const TargetRules& RulesOf(TargetGame target);

CodeForm CodeFormOf(TargetGame target);

/// A key that stays the same between versions, for the settings: "q3test", "quake3", "ioquake3".
std::string_view TargetKey(TargetGame target);

/// The target of a settings key; nullopt for a key this version does not know.
std::optional<TargetGame> TargetFromKey(std::string_view key);

}  // namespace chromlet
