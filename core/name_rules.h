// What the game makes of a name: the network's dots, the cleaning the game module applies to every
// player name, the lengths the engine and its menus keep, and what the in-game server browser
// shows of a server name. Ported from the engines' public engine, game and user-interface code.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// Sizes of the engines' buffers, the final zero byte included.
inline constexpr std::size_t MaxNetName = 36;       ///< the name the game module keeps
inline constexpr std::size_t MaxNameLength = 32;    ///< the copy the server keeps for browsers
inline constexpr std::size_t MaxInfoString = 1024;  ///< a whole userinfo or serverinfo string
/// Characters the in-game Player Settings name field holds, codes included.
inline constexpr std::size_t SettingsFieldChars = 20;
/// Bytes of a server name ioquake3's own server list keeps.
inline constexpr std::size_t IoQ3ServerListBytes = 79;
/// What the 1.32 and ioquake3 game modules make of a name that ends up empty.
inline constexpr std::string_view UnnamedPlayer = "UnnamedPlayer";

/// A string as the server receives it from a client of the target: the later engines turn
/// every '%' and every byte over 127 into '.' (so characters 128 to 255, the alternative font
/// among them, never reach anyone); a C string ends at its first zero byte. The test release's
/// strings are taken as they are.
std::string AsArrived(TargetGame target, std::string_view code);

/// The 1.32 (and Quake3e) game module's cleaning of a player name, kept in MaxNetName bytes:
/// leading spaces dropped until the first byte is written, runs of spaces cut to three, a
/// colour code for black dropped with its caret (any character after a caret counts as a
/// colour), a lone caret at the end dropped, no code split at the cut, and "UnnamedPlayer" for a
/// name left empty or without a visible character.
std::string CleanName132(std::string_view in);

/// The ioquake3 game module's cleaning, kept in MaxNetName bytes: all leading spaces dropped,
/// runs of spaces cut to three, a black code (caret and letter or digit) removed after it was
/// copied, and "UnnamedPlayer" as above. The cut may split a code.
std::string CleanNameIoq3(std::string_view in);

/// OpenArena's game module, kept in MaxNetName bytes: as ioquake3, but only "^0" to "^8" are
/// colours, black codes are kept, and a name without a letter or digit outside black loses every
/// colour code and every byte outside 20 to 7E; "Nameless" and the player's slot number (0
/// here) for a name left without a visible character.
std::string CleanNameOpenArena(std::string_view in);

/// One reason why the game keeps something other than what was written.
enum class NameChange {
    ArrivedAsDots,         ///< '%' or characters 128 to 255 arrive as '.' over the network
    BlackRemoved,          ///< a colour code for black was taken out
    LeadingSpacesDropped,  ///< spaces at the start were taken out
    SpacesCollapsed,       ///< a run of more than three spaces was cut to three
    CutToLength,           ///< the name was cut to the bytes the game keeps
    RefusedCharacter,      ///< '\', ';' or '"': the info string refuses the whole value
    ColorsRemoved,         ///< no letter or digit was left outside black: every colour went
    BecameUnnamedPlayer,   ///< nothing visible was left, the game gives the player a stand-in name
};

/// One count held against one limit.
struct CountLimit {
    std::size_t limit;
    enum class Kind {
        KeptByGame,      ///< bytes the game module keeps (35)
        SeenByOthers,    ///< bytes the server keeps for browsers and status queries (31)
        SettingsField,   ///< characters the in-game settings field holds (20)
        InGameBrowser,   ///< characters of a server name the in-game browser shows (20, or 30)
        IoQ3ServerList,  ///< bytes of a server name in ioquake3's own list (79)
        InfoString,      ///< bytes of the value an info string takes whole (1017 for a name, 1010
                         ///< for a server name); other settings share the string, so it is
                         ///< the most there can be
        ConfigLine,      ///< bytes of the value its configuration line holds for the engine to
                         ///< read the line whole (1011 for a name, 1004 for a server name); the
                         ///< engine runs the rest of a longer line as console commands
        ServerInfoRoom,  ///< bytes of a server name a default server's settings string has room
                         ///< for beside its other settings (609 in ioquake3, 222 in OpenArena);
                         ///< a longer name pushes settings such as the game type out of it
    } kind;
    bool over;              ///< something of the name is lost there
    std::size_t count = 0;  ///< what is held against the limit: the value's bytes
};

/// Whether a limit is worth a mark beside the counts. The places of the game always are; the
/// engine's large buffers only where a name comes within a tenth of them or over, and the info
/// string, which the configuration line's bound lies within, only where a name is over it.
bool IsWorthAMark(const CountLimit& limit);

/// What the target's engine makes of a name's code, player name or server name alike.
struct CodeReport {
    std::string code;         ///< the bytes as written, inside the quotes, the final code included
    std::size_t bytes = 0;    ///< code.size(): the length as the game stores it
    std::size_t visible = 0;  ///< characters drawn (colour codes not counted)
    /// For Q3Test only the configuration line's: nothing else is known there.
    std::vector<CountLimit> limits;
    std::string arrived;   ///< the name as the server (or the players' games) receive it
    std::size_t dots = 0;  ///< bytes that arrive as '.' although they were something else
    std::vector<NameChange> changes;  ///< in the order they apply; empty when nothing changes

    bool Has(NameChange change) const {
        return std::find(changes.begin(), changes.end(), change) != changes.end();
    }
};

/// What the target's engine makes of a player name.
struct NameReport : CodeReport {
    std::string cleaned;  ///< what the game keeps; equal to code when nothing changes
    /// The first 31 bytes of the name as it arrives (caret targets; else empty): the server keeps
    /// that copy, before the game module cleans it, for server browsers and status queries.
    /// Empty when the info string refuses the name.
    std::string seenByOthers;
};

/// `code` is the name's code as a configuration line holds it (BuildCode's output and the
/// closing switch back to white). For Q3Test only the counts and the configuration line's limit
/// are filled in.
NameReport AnalysePlayerName(TargetGame target, std::string_view code);

/// What the target makes of a server name. Its changes: ArrivedAsDots, RefusedCharacter,
/// CutToLength (the browser's cut).
struct ServerReport : CodeReport {
    /// The in-game browser's view of the name as it arrives: cut, its colour codes removed (kept
    /// in OpenArena), unprintable bytes removed, capitals. Empty for Q3Test.
    std::string browserView;
};

ServerReport AnalyseServerName(TargetGame target, std::string_view code);

/// What the target's game makes of both names: the one value every front end shows.
struct NamesReport {
    TargetGame target = TargetGame::Q3Test;
    NameReport player;
    ServerReport server;
};

/// Encodes copies of both styled names as a show-code run does (the texts' selections stay) and
/// analyses the codes.
NamesReport AnalyseNames(TargetGame target, const StyledText& player, const StyledText& server);

/// Whether the later engines' network turns `byte` into '.' (MSG_ReadString): '%' and every
/// byte over 127.
constexpr bool ArrivesAsDot(unsigned char byte) {
    return byte == '%' || byte > 127;
}

/// What the game does with one character of a name that is worth a mark in an editor.
enum class CharMark {
    None,
    ArrivesAsDot,         ///< the later engines' network turns its byte into a dot
    FromAlternativeFont,  ///< the test release draws this standard-font character 128 to 255
                          ///< from its alternative font
};
CharMark MarkOf(TargetGame target, unsigned char code, bool q3Font);

/// The visible characters of `code` in the target's engine (colour codes not counted).
std::size_t VisibleLength(TargetGame target, std::string_view code);

}  // namespace chromlet
