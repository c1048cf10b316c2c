// The game a name is made for, and the rules that set its engines apart: how colours are
// written and read, and how the game module cleans a name. One row per target, so a new engine
// is a new row.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace chromlet {

/// The games the program writes for. Q3Test comes first and is the default; a new one goes at
/// the end, so that the numbers of the others stay (the page knows them by number).
enum class TargetGame { Q3Test, Quake3, IoQuake3, OpenArena, Quake3e };

/// Every target in menu order.
inline constexpr std::array<TargetGame, 5> AllTargets{TargetGame::Q3Test, TargetGame::Quake3,
                                                      TargetGame::IoQuake3, TargetGame::OpenArena,
                                                      TargetGame::Quake3e};

/// How a target writes a colour change.
enum class CodeForm { Escape, Caret };

/// Which byte pairs a target's engine reads as a colour code.
enum class ColorCodeRule {
    EscapeDigit,    ///< the escape byte and a digit '0' to '7' (the test release)
    CaretAny,       ///< '^' and any character but '^' and the end of the string (1.32, Quake3e)
    CaretAlnum,     ///< '^' and an ASCII letter or digit (ioquake3)
    CaretDigitTo8,  ///< '^' and '0' to '8', where 8 is orange (OpenArena's game modules)
    /// '^' and any character but '^' and the end, as CaretAny, in 36 colours: '0' to '9' and 'a'
    /// to 'z' in either case each a colour of its own, anything else white (Quake3e's engine:
    /// g_color_table and ColorIndexFromChar, code/qcommon/q_math.c)
    CaretAny36,
};

/// How many colours a rule's engine draws: 8, or 36 for CaretAny36.
constexpr int ColorCount(ColorCodeRule rule) {
    return rule == ColorCodeRule::CaretAny36 ? 36 : 8;
}

/// Which game module cleans a player name, and how.
enum class NameCleaning {
    None,       ///< nothing known: the name is kept as written
    Q3_132,     ///< the 1.32 game module (Quake3e runs it too)
    Ioq3,       ///< ioquake3's own game module
    OpenArena,  ///< OpenArena's game module: black kept, colours dropped from a name all black
};

/// How a target's engine reads the commands of a configuration file (core/config_commands.h).
enum class CommandReading {
    /// id's 1.32: a ';' ends a command wherever it stands outside double quotes, comments
    /// included; seta, sets and setu take exactly one word of value, a cvar's own command its
    /// first word.
    Id132,
    /// ioquake3, and OpenArena on its engine: comments keep their ';' and line ends; set, seta,
    /// sets, setu and a cvar's own command all take every word of the value.
    Ioq3,
    /// Quake3e: comments as ioquake3's, values as ioquake3's, and the rest of a command cut at
    /// MAX_CMD_LINE dropped.
    Quake3e,
};

/// What the game's own server browser (the menu's list of servers) shows of a server name.
struct BrowserRule {
    std::size_t keptBytes = 0;   ///< the bytes it keeps, colour codes included; 0: none known
    std::size_t shownChars = 0;  ///< the characters of those it shows
    bool keepsColors = false;    ///< whether the colour codes survive (else they are removed)
};

/// What sets one target's engines apart.
struct TargetRules {
    TargetGame target;
    std::string_view key;  ///< stays the same between versions, for the settings
    CodeForm form;
    ColorCodeRule colorCodes;
    /// The colour rule the engine itself reads with, for what the engine draws (the console, and
    /// the chat lines printed into it): OpenArena's game modules read "^8" as orange, but Debian's
    /// OpenArena runs ioquake3's engine, which has eight colours; Quake3e's engine has 36 where
    /// the game module it runs has eight.
    ColorCodeRule engineColors;
    /// The network turns every '%' and every byte over 127 of a client's strings into '.', so
    /// the server, the game module and every player get dots there.
    bool networkDots;
    NameCleaning cleaning;
    /// What the game module calls a player whose name has nothing visible left.
    std::string_view unnamed;
    BrowserRule browser;
    /// MAX_CMD_BUFFER of the engine the target stands for, where it reads its configuration.
    std::size_t commandBuffer;
    /// The bytes of other commands in that buffer behind the configuration file while the engine
    /// reads it at start-up.
    std::size_t startupPending;
    /// The bytes a default server's settings string spends on every setting but its name, as the
    /// target's engine and game module make it (0: not known). The string holds at most
    /// MaxInfoString - 1 bytes, so a longer name pushes settings out.
    std::size_t serverInfoOthers;
    CommandReading commands;
};

/// The rules of a target.
const TargetRules& RulesOf(TargetGame target);

CodeForm CodeFormOf(TargetGame target);

/// A key that stays the same between versions, for the settings: "q3test", "quake3",
/// "ioquake3", "openarena", "quake3e".
std::string_view TargetKey(TargetGame target);

/// The target of a settings key; nullopt for a key this version does not know.
std::optional<TargetGame> TargetFromKey(std::string_view key);

}  // namespace chromlet
