// A name for showing off elsewhere: the glyphs the game draws for it, as HTML for web pages, as
// BBCode for forums, in a terminal's 24-bit colour, and as a Discord code block. The colours are
// the game's, as its renderer turns its palette into bytes.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_places.h"
#include "core/name_rules.h"

namespace chromlet {

enum class ShareFormat { Html, BBCode, Ansi, Discord };

inline constexpr std::array<ShareFormat, 4> AllShareFormats{
    ShareFormat::Html, ShareFormat::BBCode, ShareFormat::Ansi, ShareFormat::Discord};

/// "html", "bbcode", "ansi", "discord": the command line's and the page's word for the format.
std::string_view ShareFormatKey(ShareFormat format);
std::optional<ShareFormat> ShareFormatFromKey(std::string_view key);

enum class SharedName { Player, Server };

/// The glyphs `which` name shows: what the game keeps of the player name (what the places of the
/// game draw) and the server name as it arrives, or either as written.
std::vector<Glyph> SharedGlyphs(const NamesReport& names, SharedName which, bool asWritten);

/// What a picture shows.
enum class PictureSubject { PlayerName, ServerName, BothNames, Place };

/// What a picture of `subject` draws, and the part of the game's screen it shows: the names
/// alone (SharedGlyphs, NamesView, the player's above), or `place` as ViewsOf has it across the
/// screen's width.
struct PictureScene {
    PlaceView view;
    ScreenRect frame;
};
PictureScene SceneOf(const NamesReport& names, PictureSubject subject, GamePlace place,
                     bool asWritten);

/// The glyphs as text in `format`, empty for no glyphs. Characters of the alternative font are
/// their standard characters marked: slanted and underlined with dots (HTML), slanted (BBCode),
/// slanted and underlined (terminal), underlined (Discord). A cell that draws no character of
/// text (0 to 31, 127) is U+FFFD, written as \xHH on a terminal. HTML escapes & < > " and ';
/// BBCode gives each [ a colour run of its own, so that no tag can form across it; Discord
/// breaks runs of backticks with a zero-width space, so that the code block holds.
std::string ShareText(std::span<const Glyph> glyphs, ShareFormat format);

/// The colour as #rrggbb.
std::string HexColor(PackedColor color);

/// Discord's code blocks marked ansi know eight foreground colours, 30 to 37.
struct DiscordColor {
    int code;
    PackedColor shown;  ///< as Discord's client draws it
};
inline constexpr std::array<DiscordColor, 8> DiscordColors{{
    {30, PackColor(0x4f, 0x54, 0x5c)},  // grey
    {31, PackColor(0xdc, 0x32, 0x2f)},  // red
    {32, PackColor(0x85, 0x99, 0x00)},  // green
    {33, PackColor(0xb5, 0x89, 0x00)},  // yellow
    {34, PackColor(0x26, 0x8b, 0xd2)},  // blue
    {35, PackColor(0xd3, 0x36, 0x82)},  // pink
    {36, PackColor(0x2a, 0xa1, 0x98)},  // cyan
    {37, PackColor(0xff, 0xff, 0xff)},  // white
}};

/// The Discord colour nearest to `color` (the least squared distance in red, green and blue).
const DiscordColor& NearestDiscordColor(PackedColor color);

}  // namespace chromlet
