#include "core/game_places.h"

#include <gtest/gtest.h>

#include <string>

#include "core/color_code.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::FromHex;
using test::ToHex;

// A glyph line as "x,y" and its cells' colours, one letter each: the palette digit, 'o' for
// orange.
std::string Where(const GlyphLine& line) {
    return std::to_string(line.x) + "," + std::to_string(line.y);
}
std::string Cells(const GlyphLine& line) {
    std::string cells;
    for (const Glyph& g : line.glyphs) {
        cells.push_back(static_cast<char>(g.cell));
    }
    return ToHex(cells);
}
// A glyph's colour as its code's character: the palette's digits, 'o' for OpenArena's orange, and
// three of Quake3e's engine's colours as the renderer makes them of g_color_table's floats.
std::string Colors(const GlyphLine& line) {
    const std::pair<PackedColor, char> others[] = {{OpenArenaOrange, 'o'},
                                                   {PackColor(255, 127, 0), '8'},
                                                   {PackColor(127, 127, 127), '9'},
                                                   {PackColor(255, 68, 0), 'b'}};
    std::string colors;
    for (const Glyph& g : line.glyphs) {
        char c = '?';
        if (const PaletteEntry* entry = PaletteEntryOf(g.color)) {
            c = entry->digit;
        }
        for (const auto& [color, code] : others) {
            c = g.color == color ? code : c;
        }
        colors.push_back(c);
    }
    return colors;
}

PlaceView View(TargetGame target, GamePlace place, const std::string& player,
               const std::string& server = "^7") {
    return ViewsOf({target, AnalysePlayerName(target, player),
                    AnalyseServerName(target, server)})[static_cast<std::size_t>(place)];
}

TEST(ViewsOf, drawsEachPlaceFromTheGamesOwnLineByteForByte) {
    using enum TargetGame;
    using P = GamePlace;
    struct Case {
        const char* what;
        TargetGame target;
        GamePlace place;
        std::string player;
        std::string server;
        std::size_t line;
        std::string where;
        std::string cells;  // hex
        std::string colors;
    };
    const std::string name35 = "^1" + std::string(33, 'n') + "^7";  // kept whole: 35 bytes
    // clang-format off
    const Case cases[] = {
        {"scoreboard: score, ping, minutes, then the name the game keeps", IoQuake3, P::Scoreboard,
         "^1R^0k^7", "", 0, "160,118", "20 20 20 32 30 20 20 20 34 38 20 20 20 31 32 20 52 6B",
         "7777777777777777" "11"},  // ioquake3 took the black code out
        {"OpenArena's game draws ^8 orange", OpenArena, P::Scoreboard, "^8Or^7", "", 0, "160,118",
         "20 20 20 32 30 20 20 20 34 38 20 20 20 31 32 20 4F 72", "7777777777777777" "oo"},
        {"chat: white ': ', green text", IoQuake3, P::Chat, "^1Al^7", "", 0, "8,0",
         "41 6C 3A 20 67 67", "117722"},
        {"the console reads OpenArena's ^8 with the engine's eight colours: black", OpenArena,
         P::Console, "^8Or^7", "", 0, "8,0", "4F 72 20 63 6F 6E 6E 65 63 74 65 64",
         "007777777777"},
        {"the crosshair name is centred on 320", Quake3, P::Crosshair, "^2Abc^7", "", 0, "296,170",
         "41 62 63", "222"},
        {"the frag message keeps 29 bytes of the name: a cut code leaves its caret", IoQuake3,
         P::FragMessage, std::string(28, 'x') + "^1y^7", "", 0, "-8,128",
         ToHex("You fragged " + std::string(28, 'x') + "^"), std::string(41, '7')},
        {"the frag message's second line: 1st in blue", Quake3, P::FragMessage, "^1A^7", "", 1,
         "184,152", "31 73 74 20 70 6C 61 63 65 20 77 69 74 68 20 32 30",
         "44477777777777777"},
        {"the settings field shows the cvar as written, black as white, the alternative font",
         IoQuake3, P::SettingsField, "^0K\xE9^8x^7", "", 0, "256,171", "4B E9 78", "777"},
        {"OpenArena's settings field shows ^8 orange", OpenArena, P::SettingsField, "^8x^7", "", 0,
         "256,171", "78", "o"},
        {"id's browser: 21 bytes kept, then no colours, capitals, the list's orange", IoQuake3,
         P::ServerBrowser, "^7", "^1my ^2server is the best one^7", 0, "72,192",
         "4D 59 20 53 45 52 56 45 52 20 49 53 20 54 48 45 20", std::string(17, 'o')},
        {"OpenArena's browser keeps the colours after its ^7", OpenArena, P::ServerBrowser, "^7",
         "^1my ^8srv^7", 0, "22,192", "4D 59 20 53 52 56", "111ooo"},
        {"leaving: the server's copy keeps the black OpenArena's game takes out of an all-black "
         "name", OpenArena, P::Departure, "^0Dark^7", "", 0, "8,0",
         ToHex("Dark disconnected"), "0000" + std::string(13, '7')},
        {"leaving: a run of four spaces stays", IoQuake3, P::Departure, "a    b^7", "", 0, "8,0",
         ToHex("a    b disconnected"), std::string(19, '7')},
        {"leaving: 31 bytes kept, a cut code leaves a lone caret", IoQuake3, P::Departure,
         std::string(30, 'x') + "^1y^7", "", 0, "8,0",
         ToHex(std::string(30, 'x') + "^ disconnected"), std::string(44, '7')},
        // The game module takes ^8 out as black ((c - '0') & 7 is 0) before either draws it.
        {"Quake3e's console draws ^b and ^9 in colours of its own", Quake3e, P::Console,
         "^bB^8O^9G^7", "", 0, "8,0", "42 4F 47 20 63 6F 6E 6E 65 63 74 65 64",
         "bb9" + std::string(10, '7')},
        {"its scoreboard, drawn by the game module, in eight: ^b green, ^9 red", Quake3e,
         P::Scoreboard, "^bB^8O^9G^7", "", 0, "160,118",
         "20 20 20 32 30 20 20 20 34 38 20 20 20 31 32 20 42 4F 47", "7777777777777777" "221"},
        {"the server's copy keeps ^8, orange in Quake3e's console", Quake3e, P::Departure,
         "A^8a^7", "", 0, "8,0", ToHex("Aa disconnected"), "78" + std::string(13, '7')},
        {"the test release's escape codes", Q3Test, P::Scoreboard, "\x1b" "1A\x1b" "7", "", 0,
         "160,118", "20 20 20 32 30 20 20 20 34 38 20 20 20 31 32 20 41", "7777777777777777" "1"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlaceView view =
            View(c.target, c.place, c.player, c.server.empty() ? "^7" : c.server);
        ASSERT_GT(view.lines.size(), c.line);
        const GlyphLine& line = view.lines[c.line];
        EXPECT_EQ(Where(line), c.where);
        EXPECT_EQ(Cells(line), c.cells);
        EXPECT_EQ(Colors(line), c.colors);
    }
}

TEST(ViewsOf, drawsAsEachPlaceDoesAndSaysWhatItCut) {
    using enum TargetGame;
    using P = GamePlace;
    const std::string name35 = "^1" + std::string(31, 'n') + "^7";
    const std::string name40 = std::string(40, 'n');  // the test release keeps it whole
    struct Case {
        TargetGame target;
        GamePlace place;
        std::string player;
        CharSize size;
        bool shadow;
        int alpha;
        std::size_t limit;
        bool overLimit;
        std::size_t offScreen;
        ColorCodeRule colorRules;
    };
    using R = ColorCodeRule;
    // clang-format off
    const Case cases[] = {
        {IoQuake3, P::Scoreboard, name35, BigChar, true, 255, 0, false, 17, R::CaretAlnum},  // 30 fit
        {IoQuake3, P::Chat, name35, SmallChar, false, 255, 58, false, 0, R::CaretAlnum},
        {Q3Test, P::Chat, std::string(59, 'n'), SmallChar, false, 255, 58, true, 0, R::EscapeDigit},
        {OpenArena, P::Console, name35, SmallChar, false, 255, 0, false, 0, R::CaretAlnum},
        {Quake3e, P::Console, name35, SmallChar, false, 255, 0, false, 0, R::CaretAny36},
        {Quake3e, P::Scoreboard, name35, BigChar, true, 255, 0, false, 17, R::CaretAny},
        {Quake3, P::Crosshair, name35, BigChar, true, 127, 0, false, 0, R::CaretAny},
        {Q3Test, P::Crosshair, name40 + "\x1b" "7", BigChar, true, 127, 0, false, 0, R::EscapeDigit},
        {IoQuake3, P::FragMessage, name35, CharSize{16, 24}, true, 255, 29, true, 0, R::CaretAlnum},
        {IoQuake3, P::SettingsField, "^1abcdefghijklmnopq^7", SmallChar, false, 255, 20, true, 0,
         R::CaretAlnum},
        {Q3Test, P::SettingsField, std::string(50, 'n'), SmallChar, false, 255, 20, true, 2,
         R::EscapeDigit},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.place));
        const PlaceView view = View(c.target, c.place, c.player);
        EXPECT_EQ(view.size, c.size);
        EXPECT_EQ(view.shadow, c.shadow);
        EXPECT_EQ(view.alpha, c.alpha);
        EXPECT_EQ(view.limit, c.limit);
        EXPECT_EQ(view.overLimit, c.overLimit);
        EXPECT_EQ(view.offScreen, c.offScreen);
        EXPECT_EQ(view.colorRules, c.colorRules);
    }
    const PlaceView board = View(IoQuake3, P::Scoreboard, name35);
    ASSERT_TRUE(board.fill.has_value());
    EXPECT_EQ(board.fill->color, PackColor(0, 0, 178));  // the leader's own row: blue, 0.7
    EXPECT_EQ(board.fill->alpha, 178);
}

TEST(ConsoleLines, wrapsAWordThatWouldNotFitAsTheEngineLooksAhead) {
    const std::string word(10, 'w');
    const std::vector<GlyphLine> wrapped =
        ConsoleLines(TargetGame::IoQuake3, std::string(70, 'a') + " " + word + "\n", 32);
    ASSERT_EQ(wrapped.size(), 2u);
    EXPECT_EQ(wrapped[0].glyphs.size(), 70u);  // the blank stays at the line's end, undrawn
    EXPECT_EQ(Cells(wrapped[1]), ToHex(word));
    EXPECT_EQ(Where(wrapped[1]), "8,48");

    // The look-ahead stops at the text's end: once the rest of a long word fits a line of its
    // own, it moves there.
    const std::vector<GlyphLine> cut = ConsoleLines(TargetGame::Quake3, std::string(100, 'b'), 0);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].glyphs.size(), 23u);
    EXPECT_EQ(cut[1].glyphs.size(), 77u);

    // The engine's char is signed: a byte over 127 ends the word ahead like a blank.
    const std::vector<GlyphLine> high = ConsoleLines(TargetGame::Q3Test,
                                                     std::string(75, 'c') +
                                                         "dd\xE9"
                                                         "eee",
                                                     0);
    ASSERT_EQ(high.size(), 2u);
    EXPECT_EQ(Cells(high[0]).substr(75 * 3), "64 64 E9");
    EXPECT_EQ(Cells(high[1]), "65 65 65");
}

// A code drawn where nothing else changes it: each target's own colour rule, from white.
TEST(GlyphsOfCode, drawsACodeInTheTargetsColours) {
    const struct {
        TargetGame target;
        std::string code;
        const char* cells;
        const char* colors;
    } cases[] = {
        {TargetGame::OpenArena, "^8o^1r\xE9", "6F 72 E9", "o11"},
        {TargetGame::IoQuake3, "^8o^!x", "6F 5E 21 78", "0000"},
        {TargetGame::Q3Test,
         "\x1b"
         "2g^1h",
         "67 5E 31 68", "2222"},
    };
    for (const auto& c : cases) {
        const GlyphLine line{0, 0, GlyphsOfCode(c.target, c.code)};
        EXPECT_EQ(Cells(line), c.cells) << ToHex(c.code);
        EXPECT_EQ(Colors(line), c.colors) << ToHex(c.code);
    }
    EXPECT_EQ(CharOfCell(0xE9), (NameChar{0x69, false}));
    EXPECT_EQ(CharOfCell(0x69), (NameChar{0x69, true}));
}

// The scoreboard's line runs past the screen's right edge; what lies wholly beyond it is cut.
TEST(IsOnScreen, cutsWhatLiesWhollyBeyondTheEdge) {
    const PlaceView view = View(TargetGame::IoQuake3, GamePlace::Scoreboard, std::string(40, 'x'));
    const GlyphLine& line = view.lines.at(0);
    std::size_t shown = 0;
    for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
        shown += IsOnScreen(view, line, i) ? 1 : 0;
    }
    EXPECT_EQ(shown, 30u);  // (640 - 160) / 16
    EXPECT_EQ(line.glyphs.size() - shown, view.offScreen);
}

}  // namespace
}  // namespace chromlet
