// Where players meet the names in the game, and how each place draws and cuts them: the
// scoreboard, the chat, the console, the crosshair, the frag message, the settings menu's name
// field and the server browser. Each place follows the game's public code, named at its function
// in game_places.cpp; drawing the glyphs from the charset picture is the window's business.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/char_rules.h"
#include "core/name_rules.h"
#include "core/styled_text.h"
#include "core/target_game.h"

namespace chromlet {

/// The places, in the order the In game window shows them.
enum class GamePlace {
    Scoreboard,
    Chat,
    Console,
    Crosshair,
    FragMessage,
    SettingsField,
    /// The console's line when the player leaves: the server's own copy of the name, which its
    /// status list shows too.
    Departure,
    ServerBrowser,
};

inline constexpr std::array<GamePlace, 8> AllPlaces{
    GamePlace::Scoreboard, GamePlace::Chat,         GamePlace::Console,
    GamePlace::Crosshair,  GamePlace::FragMessage,  GamePlace::SettingsField,
    GamePlace::Departure,  GamePlace::ServerBrowser};

/// The place's word for the command line, the page and file names: "scoreboard", "chat",
/// "console", "crosshair", "frag-message", "settings-field", "departure", "server-browser".
std::string_view PlaceKey(GamePlace place);
std::optional<GamePlace> PlaceFromKey(std::string_view key);

/// The game lays out its text on a virtual screen of 640 x 480 units, scaled to the real one.
inline constexpr int VirtualScreenWidth = 640;
inline constexpr int VirtualScreenHeight = 480;

/// One character cell on the virtual screen.
struct CharSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const CharSize&, const CharSize&) = default;
};

inline constexpr CharSize SmallChar{8, 16};  ///< SMALLCHAR_WIDTH x SMALLCHAR_HEIGHT (q_shared.h)
inline constexpr CharSize BigChar{16, 16};   ///< BIGCHAR_WIDTH x BIGCHAR_HEIGHT

/// The characters of a line of the engine's console (CL_ConsolePrint): the screen's width in
/// small characters, less one at each side.
inline constexpr std::size_t ConsoleLineChars = VirtualScreenWidth / SmallChar.width - 2;

/// How far right and down the black drop shadow lies under text that has one.
inline constexpr int ShadowOffset = 2;

/// The dark ground Chromlet shows the game's screen on.
inline constexpr PackedColor ScreenGround = PackColor(20, 20, 26);

/// One character as a place draws it: the charset's cell (row cell >> 4, column cell & 15; a
/// space draws nothing) and the colour the cell is multiplied by.
struct Glyph {
    unsigned char cell = 0;
    PackedColor color = 0;

    friend bool operator==(const Glyph&, const Glyph&) = default;
};

/// The character a charset cell draws: the upper half of the charset is the alternative font.
constexpr NameChar CharOfCell(unsigned char cell) {
    return {static_cast<unsigned char>(cell & 0x7F), cell < 0x80};
}

/// A line of glyphs, each one cell right of the one before; (x, y) is the top left of the first
/// cell on the virtual screen.
struct GlyphLine {
    int x = 0;
    int y = 0;
    std::vector<Glyph> glyphs;
};

/// A rectangle a place fills before it draws its text.
struct PlaceFill {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    PackedColor color = 0;
    std::uint8_t alpha = 255;
};

/// How one place draws a name, and what it did to it on the way.
struct PlaceView {
    GamePlace place = GamePlace::Scoreboard;
    CharSize size;
    bool shadow = false;       ///< a black copy ShadowOffset right and down is drawn first
    std::uint8_t alpha = 255;  ///< of the text and its shadow
    std::optional<PlaceFill> fill;
    std::vector<GlyphLine> lines;
    /// The place's own limit: bytes of the name in the chat (58) and the frag message (29), bytes
    /// one can type into the settings field (20), characters the browser shows (20, or 30); 0
    /// for a place without one.
    std::size_t limit = 0;
    bool overLimit = false;     ///< the name is longer than that limit
    std::size_t offScreen = 0;  ///< characters that lie wholly outside the virtual screen
    /// The colour rule that read the codes: the engine's, for the lines the engine draws itself.
    ColorCodeRule colorRules = ColorCodeRule::EscapeDigit;
};

/// A rectangle of the game's virtual screen.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

/// Units of the screen shown above and below what a place draws, and beside a name alone.
inline constexpr int StripPadding = 4;

/// The part of the screen that shows what `view` draws: from StripPadding above its first line
/// (or its fill) to StripPadding below its last, shadow included; across the whole screen's
/// width where `wholeWidth`, which cuts what lies beyond its edges, else across its lines with
/// StripPadding at each side.
ScreenRect FrameOf(const PlaceView& view, bool wholeWidth);

/// Names on their own, one a line of big characters with their shadow, as the game draws its
/// big strings (CG_DrawBigString), the lines StripPadding apart.
PlaceView NamesView(const std::vector<std::vector<Glyph>>& names);

/// Whether the `index`th glyph of `line` shows on the virtual screen, at least in part: the screen
/// cuts what lies wholly beyond its edges.
bool IsOnScreen(const PlaceView& view, const GlyphLine& line, std::size_t index);

/// The chat text every chat line carries after the name.
inline constexpr std::string_view SampleChat = "gg";
/// The numbers the scoreboard's row shows before the name, which a real row takes from the game.
inline constexpr int SampleScore = 20;
inline constexpr int SamplePing = 48;
inline constexpr int SampleMinutes = 12;

/// How the target's game shows the names in each place, in AllPlaces order: the player's own
/// settings field shows the code as written, the departure line the server's copy of the name,
/// the server browser the server name as it arrives, and every other place the name the game
/// module keeps.
std::vector<PlaceView> ViewsOf(const NamesReport& names);

/// The glyphs the target's game draws for `code` where nothing else changes it: each character in
/// the colour the codes before it set, from white.
std::vector<Glyph> GlyphsOfCode(TargetGame target, std::string_view code);

/// The lines the engine's console makes of `text` (CL_ConsolePrint): the engine's own colour
/// rule, ConsoleLineChars a line, a word that would not fit moved to the next line.
std::vector<GlyphLine> ConsoleLines(TargetGame target, std::string_view text, int top);

}  // namespace chromlet
