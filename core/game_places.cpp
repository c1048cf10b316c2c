#include "core/game_places.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "core/char_rules.h"
#include "core/color_code.h"

namespace chromlet {

namespace {

constexpr PackedColor White = PackedOf(PaletteColor::White);
constexpr PackedColor Black = PackedOf(PaletteColor::Black);

// What the sample lines around the name say: the player leads with 20 frags, 48 ms ping, 12
// minutes on the server.

// The menus' list colour, text_color_normal of q3_ui/ui_qmenu.c, as the renderer turns floats
// into bytes (it truncates): id's orange (1, 0.43, 0) and OpenArena's blue grey (0.30, 0.45,
// 0.58).
constexpr PackedColor MenuOrange = PackColor(255, 109, 0);
constexpr PackedColor OpenArenaMenuBlue = PackColor(76, 114, 147);

// The code that switches to a palette colour in the target's form ("^7", or the escape and 7).
std::string ColorCode(TargetGame target, PaletteColor color) {
    const char escape = CodeFormOf(target) == CodeForm::Caret ? CaretEscape : ColorEscape;
    return {escape, Palette(color).digit};
}

// Every character of `code` as a glyph in the colour the codes before it set, read by `rules`.
// The settings field shows black as white.
std::vector<Glyph> GlyphsOf(ColorCodeRule rules, std::string_view code, PackedColor color,
                            bool blackAsWhite = false) {
    std::vector<Glyph> glyphs;
    glyphs.reserve(code.size());
    for (std::size_t i = 0; i < code.size();) {
        const CodeRead read = ReadCodeAt(rules, code, i);
        if (read.length > 0) {
            if (read.color) {
                color = blackAsWhite && *read.color == Black ? White : *read.color;
            }
            i += read.length;
            continue;
        }
        glyphs.push_back({static_cast<unsigned char>(code[i]), color});
        ++i;
    }
    return glyphs;
}

// Characters that lie wholly off the virtual screen, left or right.
std::size_t OffScreen(const PlaceView& view) {
    std::size_t count = 0;
    for (const GlyphLine& line : view.lines) {
        for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
            count += IsOnScreen(view, line, i) ? 0 : 1;
        }
    }
    return count;
}

// A place's view before anything is drawn: the place, its characters' size, and whose colour rule
// reads the codes.
PlaceView StartView(GamePlace place, CharSize size, ColorCodeRule colorRules) {
    PlaceView view;
    view.place = place;
    view.size = size;
    view.colorRules = colorRules;
    return view;
}

// The place keeps `limit` bytes of a name of `nameBytes`.
void LimitTo(PlaceView& view, std::size_t limit, std::size_t nameBytes) {
    view.limit = limit;
    view.overLimit = nameBytes > limit;
}

// cgame/cg_scoreboard.c, CG_DrawClientScore: "%5i %4i %4i %s" (score, ping, minutes, name) into
// a buffer of 1024 bytes, drawn with CG_DrawBigString at SB_SCORELINE_X + SB_RATING_WIDTH / 2
// (160) from SB_TOP (118); the player's own row lies on a bar of the rank's colour, blue and
// 0.7 opaque for the leader, from 176 to past the screen's edge.
PlaceView Scoreboard(TargetGame target, std::string_view name) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%5i %4i %4i ", SampleScore, SamplePing, SampleMinutes);
    std::string line = numbers;
    line.append(name);
    line.resize(std::min<std::size_t>(line.size(), 1023));
    PlaceView view = StartView(GamePlace::Scoreboard, BigChar, RulesOf(target).colorCodes);
    view.shadow = true;
    view.fill = PlaceFill{176, 118, 512, BigChar.height + 1, PackColor(0, 0, 178), 178};
    view.lines.push_back({160, 118, GlyphsOf(RulesOf(target).colorCodes, line, White)});
    return view;
}

// game/g_cmds.c, G_Say: the name, a switch to white, the chat escape 0x19 and ": " into a buffer
// of 64 bytes, which leaves 58 for the name; G_SayTo adds the switch to green and the text.
// cgame/cg_servercmds.c keeps MAX_SAY_TEXT - 1 (149) bytes of that, takes the escape out and
// prints the line into the engine's console, where it shows among the notify lines at the top.
PlaceView Chat(TargetGame target, std::string_view name) {
    const std::string white = ColorCode(target, PaletteColor::White);
    std::string text(name);
    text += white + "\x19: ";
    text.resize(std::min<std::size_t>(text.size(), 63));
    text += ColorCode(target, PaletteColor::Green) + std::string(SampleChat);
    text.resize(std::min<std::size_t>(text.size(), 149));
    std::erase(text, '\x19');
    PlaceView view = StartView(GamePlace::Chat, SmallChar, RulesOf(target).engineColors);
    LimitTo(view, 63 - white.size() - 3, name.size());
    view.lines = ConsoleLines(target, text + "\n", 0);
    return view;
}

// game/g_client.c, ClientConnect: "print" of the name, a switch to white and " connected",
// which cgame hands to the engine's console.
PlaceView Console(TargetGame target, std::string_view name) {
    PlaceView view = StartView(GamePlace::Console, SmallChar, RulesOf(target).engineColors);
    view.lines = ConsoleLines(
        target, std::string(name) + ColorCode(target, PaletteColor::White) + " connected\n", 0);
    return view;
}

// server/sv_client.c: SV_UserinfoChanged keeps the first MAX_NAME_LENGTH - 1 bytes of the name
// as it arrived, not cleaned, as the server's own copy; SV_DropClient prints that copy, a switch
// to white and the reason, "disconnected" when the player quits (SV_Disconnect_f), into every
// client's console, which the engine draws. The getstatus reply lists the same copy.
PlaceView Departure(TargetGame target, std::string_view serverCopy, std::size_t arrivedBytes) {
    PlaceView view = StartView(GamePlace::Departure, SmallChar, RulesOf(target).engineColors);
    LimitTo(view, MaxNameLength - 1, arrivedBytes);
    view.lines = ConsoleLines(
        target,
        std::string(serverCopy) + ColorCode(target, PaletteColor::White) + " disconnected\n", 0);
    return view;
}

// cgame/cg_draw.c, CG_DrawCrosshairNames: CG_DrawBigString centred on 320 at 170, with the
// fading colour's alpha halved: 0.5 while the name shows fully, 127 once the renderer makes a
// byte of it.
PlaceView Crosshair(TargetGame target, std::string_view name) {
    PlaceView view = StartView(GamePlace::Crosshair, BigChar, RulesOf(target).colorCodes);
    view.shadow = true;
    view.alpha = 127;
    std::vector<Glyph> glyphs = GlyphsOf(RulesOf(target).colorCodes, name, White);
    const int width = static_cast<int>(glyphs.size()) * BigChar.width;
    view.lines.push_back({320 - width / 2, 170, std::move(glyphs)});
    return view;
}

// cgame/cg_event.c, CG_Obituary: the victim's name cut to sizeof(targetName) - 3 = 29 bytes and
// a switch to white, in "You fragged %s\n%s place with %i", the place from CG_PlaceString ("1st"
// in blue). cgame/cg_draw.c, CG_DrawCenterString: each line's first 50 bytes, centred, at
// SCREEN_HEIGHT * 0.30 less half the lines' height, BIGCHAR_WIDTH wide and 1.5 times as high.
PlaceView FragMessage(TargetGame target, std::string_view name) {
    PlaceView view = StartView(GamePlace::FragMessage, {BigChar.width, BigChar.width * 3 / 2},
                               RulesOf(target).colorCodes);
    view.shadow = true;
    LimitTo(view, 29, name.size());
    const std::string white = ColorCode(target, PaletteColor::White);
    std::string message = "You fragged " + std::string(name.substr(0, view.limit)) + white + "\n" +
                          ColorCode(target, PaletteColor::Blue) + "1st" + white + " place with " +
                          std::to_string(SampleScore);
    message.resize(std::min<std::size_t>(message.size(), 1023));
    const int lines = static_cast<int>(std::count(message.begin(), message.end(), '\n')) + 1;
    int y = VirtualScreenHeight * 30 / 100 - lines * BigChar.height / 2;
    for (std::string_view rest = message;;) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::vector<Glyph> glyphs = GlyphsOf(RulesOf(target).colorCodes,
                                             rest.substr(0, std::min<std::size_t>(end, 50)), White);
        const int width = static_cast<int>(glyphs.size()) * view.size.width;
        view.lines.push_back({(VirtualScreenWidth - width) / 2, y, std::move(glyphs)});
        y += view.size.height;
        if (end == rest.size()) {
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return view;
}

// q3_ui/ui_playersettings.c, PlayerSettings_DrawName: the "name" cvar as the player wrote it, in
// a field buffer of 256 bytes, at 192 + 64 and 144 + PROP_HEIGHT (27); while the field does not
// have the focus each colour code sets its colour, black shown as white. Typing stops at
// MAX_NAMELENGTH (20) bytes, codes included.
PlaceView SettingsField(TargetGame target, std::string_view code) {
    PlaceView view = StartView(GamePlace::SettingsField, SmallChar, RulesOf(target).colorCodes);
    LimitTo(view, SettingsFieldChars, code.size());
    view.lines.push_back(
        {256, 171, GlyphsOf(RulesOf(target).colorCodes, code.substr(0, 255), White, true)});
    return view;
}

// q3_ui/ui_servers2.c, ArenaServers_UpdateMenu: the browser's view of the name in the list's
// colour, at 72 in id's (and ioquake3's) menu; OpenArena's puts "^7" before it and draws from 22.
// The test release's browser is not known: the name shows whole.
PlaceView ServerBrowser(TargetGame target, const ServerReport& server) {
    PlaceView view = StartView(GamePlace::ServerBrowser, SmallChar, RulesOf(target).colorCodes);
    if (target == TargetGame::Q3Test) {
        view.lines.push_back({72, 192, GlyphsOf(RulesOf(target).colorCodes, server.code, White)});
        return view;
    }
    const BrowserRule& rule = RulesOf(target).browser;
    view.limit = rule.shownChars;
    view.overLimit = server.Has(NameChange::CutToLength);
    if (rule.keepsColors) {
        view.lines.push_back({22, 192,
                              GlyphsOf(RulesOf(target).colorCodes,
                                       ColorCode(target, PaletteColor::White) + server.browserView,
                                       OpenArenaMenuBlue)});
    } else {
        view.lines.push_back(
            {72, 192, GlyphsOf(RulesOf(target).colorCodes, server.browserView, MenuOrange)});
    }
    return view;
}

}  // namespace

std::vector<GlyphLine> ConsoleLines(TargetGame target, std::string_view text, int top) {
    constexpr std::size_t Width = ConsoleLineChars;
    const ColorCodeRule engine = RulesOf(target).engineColors;
    text = AsCString(text);
    // Rows of Width cells, blank and white until written, as con.text keeps them.
    std::vector<std::vector<Glyph>> rows(1, std::vector<Glyph>(Width, Glyph{' ', White}));
    std::size_t x = 0;
    PackedColor color = White;
    const auto lineFeed = [&] {
        rows.emplace_back(Width, Glyph{' ', White});
        x = 0;
    };
    for (std::size_t i = 0; i < text.size();) {
        const CodeRead read = ReadCodeAt(engine, text, i);
        if (read.length > 0) {
            if (read.color) {
                color = *read.color;
            }
            i += read.length;
            continue;
        }
        // The word ahead ends at a byte up to the space; the engine's char is signed, so a byte
        // over 127 ends it too.
        std::size_t word = 0;
        while (word < Width && i + word < text.size() &&
               static_cast<signed char>(text[i + word]) > ' ') {
            ++word;
        }
        if (word != Width && x + word >= Width) {
            lineFeed();
        }
        const char c = text[i++];
        if (c == '\n') {
            lineFeed();
        } else if (c == '\r') {
            x = 0;
        } else {
            rows.back()[x++] = {static_cast<unsigned char>(c), color};
            if (x >= Width) {
                lineFeed();
            }
        }
    }
    std::vector<GlyphLine> lines;
    for (std::vector<Glyph>& row : rows) {
        while (!row.empty() && row.back().cell == ' ') {
            row.pop_back();
        }
        lines.push_back({SmallChar.width, top, std::move(row)});
        top += SmallChar.height;
    }
    while (!lines.empty() && lines.back().glyphs.empty()) {
        lines.pop_back();
    }
    return lines;
}

bool IsOnScreen(const PlaceView& view, const GlyphLine& line, std::size_t index) {
    const int left = line.x + static_cast<int>(index) * view.size.width;
    return left < VirtualScreenWidth && left + view.size.width > 0;
}

std::vector<Glyph> GlyphsOfCode(TargetGame target, std::string_view code) {
    return GlyphsOf(RulesOf(target).colorCodes, code, White);
}

// The test release's server is not known: its copy is taken to be 1.32's, the first bytes of
// the name as written.
std::string_view ServerCopy(const NamesReport& names) {
    if (names.target == TargetGame::Q3Test) {
        return AsCString(names.player.code).substr(0, MaxNameLength - 1);
    }
    return AsCString(names.player.seenByOthers);
}

std::string_view PlaceKey(GamePlace place) {
    constexpr std::string_view Keys[] = {"scoreboard", "chat",          "console",
                                         "crosshair",  "frag-message",  "settings-field",
                                         "departure",  "server-browser"};  // in enum order
    return Keys[static_cast<std::size_t>(place)];
}

std::optional<GamePlace> PlaceFromKey(std::string_view key) {
    for (const GamePlace place : AllPlaces) {
        if (PlaceKey(place) == key) {
            return place;
        }
    }
    return std::nullopt;
}

ScreenRect FrameOf(const PlaceView& view, bool wholeWidth) {
    const int shadow = view.shadow ? ShadowOffset : 0;
    int top = INT_MAX;
    int bottom = INT_MIN;
    int left = INT_MAX;
    int right = INT_MIN;
    for (const GlyphLine& line : view.lines) {
        top = std::min(top, line.y);
        bottom = std::max(bottom, line.y + view.size.height + shadow);
        left = std::min(left, line.x);
        right = std::max(right,
                         line.x + static_cast<int>(line.glyphs.size()) * view.size.width + shadow);
    }
    if (view.fill) {
        top = std::min(top, view.fill->y);
        bottom = std::max(bottom, view.fill->y + view.fill->height);
        left = std::min(left, view.fill->x);
        right = std::max(right, view.fill->x + view.fill->width);
    }
    if (top > bottom) {
        top = left = right = 0;
        bottom = view.size.height;
    }
    if (wholeWidth) {
        left = 0;
        right = VirtualScreenWidth;
    } else {
        left -= StripPadding;
        right += StripPadding;
    }
    return {left, top - StripPadding, right - left, bottom - top + 2 * StripPadding};
}

PlaceView NamesView(const std::vector<std::vector<Glyph>>& names) {
    PlaceView view = StartView(GamePlace::Scoreboard, BigChar, ColorCodeRule::CaretAny);
    view.shadow = true;
    int y = 0;
    for (const std::vector<Glyph>& glyphs : names) {
        view.lines.push_back({0, y, glyphs});
        y += BigChar.height + StripPadding;
    }
    return view;
}

std::vector<PlaceView> ViewsOf(const NamesReport& names) {
    const TargetGame target = names.target;
    const NameReport& player = names.player;
    const ServerReport& server = names.server;
    const std::string_view kept = AsCString(player.cleaned);
    std::vector<PlaceView> views{
        Scoreboard(target, kept),
        Chat(target, kept),
        Console(target, kept),
        Crosshair(target, kept),
        FragMessage(target, kept),
        SettingsField(target, AsCString(player.code)),
        Departure(target, ServerCopy(names), AsCString(player.arrived).size()),
        ServerBrowser(target, server),
    };
    for (PlaceView& view : views) {
        view.offScreen = OffScreen(view);
    }
    return views;
}

}  // namespace chromlet
