#include "core/share_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/color_code.h"
#include "core/html_text.h"

namespace chromlet {
namespace {

constexpr char Html[] =
    "<span style=\"background-color:#14141a;font-family:monospace;font-weight:bold;"
    "white-space:pre\">";
constexpr char Red[] = "<span style=\"color:#ff0000\">";
constexpr char RedAlt[] =
    "<span style=\"color:#ff0000;font-style:italic;text-decoration:underline dotted\">";
constexpr char White[] = "<span style=\"color:#ffffff\">";
constexpr char Ground[] = "\x1b[48;2;20;20;26m";

// Test release codes: the escape byte and a digit, the alternative font raised by 128.
#define ESC "\x1b"

TEST(ShareText, writesEachFormatByteForByte) {
    struct Case {
        TargetGame target;
        std::string code;
        ShareFormat format;
        std::string expected;
    };
    const Case cases[] = {
        {TargetGame::IoQuake3, "^1A<&^7'\"", ShareFormat::Html,
         std::string(Html) + Red + "A&lt;&amp;</span>" + White + "&#39;&quot;</span></span>"},
        {TargetGame::Q3Test,
         ESC "1\xC1"
             "b",
         ShareFormat::Html, std::string(Html) + RedAlt + "A</span>" + Red + "b</span></span>"},
        // Characters 128 to 255 of the later engines are the charset's alternative font too.
        {TargetGame::Quake3, "\xE9>", ShareFormat::Html,
         std::string(Html) +
             "<span style=\"color:#ffffff;font-style:italic;text-decoration:underline dotted\">"
             "i</span>" +
             White + "&gt;</span></span>"},
        {TargetGame::IoQuake3, "\x01", ShareFormat::Html,
         std::string(Html) + White + "\xEF\xBF\xBD</span></span>"},
        {TargetGame::IoQuake3, "^1[b]^7x", ShareFormat::BBCode,
         "[color=#ff0000][[/color][color=#ff0000]b][/color][color=#ffffff]x[/color]"},
        {TargetGame::Q3Test,
         ESC "1\xC1"
             "b&<",
         ShareFormat::BBCode, "[color=#ff0000][i]A[/i][/color][color=#ff0000]b&<[/color]"},
        {TargetGame::IoQuake3, "^1A^7\x01", ShareFormat::Ansi,
         std::string(Ground) + "\x1b[38;2;255;0;0mA\x1b[38;2;255;255;255m\\x01\x1b[0m"},
        {TargetGame::Q3Test,
         ESC "1\xC1"
             "b",
         ShareFormat::Ansi,
         std::string(Ground) + "\x1b[38;2;255;0;0m\x1b[3;4mA\x1b[23;24mb\x1b[0m"},
        {TargetGame::OpenArena, "^8O^0k^7``` ", ShareFormat::Discord,
         "```ansi\n\x1b[0;33mO\x1b[0;30mk\x1b[0;37m`\xE2\x80\x8B`\xE2\x80\x8B` \x1b[0m\n```"},
        {TargetGame::Q3Test,
         ESC "1\xC1"
             "b",
         ShareFormat::Discord, "```ansi\n\x1b[4;31mA\x1b[0;31mb\x1b[0m\n```"},
        // Quake3e's game module reads ^8 as black, as id's does.
        {TargetGame::Quake3e, "^8x", ShareFormat::BBCode, "[color=#000000]x[/color]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ShareText(GlyphsOfCode(c.target, c.code), c.format), c.expected);
    }
    for (const ShareFormat format : AllShareFormats) {
        EXPECT_EQ(ShareText({}, format), "");
        EXPECT_EQ(ShareFormatFromKey(ShareFormatKey(format)), format);
    }
    EXPECT_EQ(ShareFormatFromKey("HTML"), std::nullopt);
}

TEST(ShareText, mapsEachColourToDiscordsNearest) {
    // Black, red, green, yellow, blue, cyan, magenta, white, and OpenArena's orange: cyan lies
    // nearer Discord's blue than its dark cyan.
    const std::pair<PackedColor, int> cases[] = {
        {PackColor(0, 0, 0), 30},     {PackColor(255, 0, 0), 31},     {PackColor(0, 255, 0), 32},
        {PackColor(255, 255, 0), 33}, {PackColor(0, 0, 255), 34},     {PackColor(0, 255, 255), 34},
        {PackColor(255, 0, 255), 35}, {PackColor(255, 255, 255), 37}, {OpenArenaOrange, 33},
    };
    for (const auto& [color, code] : cases) {
        EXPECT_EQ(NearestDiscordColor(color).code, code) << HexColor(color);
    }
}

TEST(ShareText, showsWhatTheGameKeepsOrWhatWasWritten) {
    const TargetGame target = TargetGame::IoQuake3;
    const NamesReport names{target, AnalysePlayerName(target, "^1A%^7"),
                            AnalyseServerName(target, "My <Srv>%^7")};
    const auto text = [&](SharedName which, bool asWritten) {
        const std::string html =
            ShareText(SharedGlyphs(names, which, asWritten), ShareFormat::Html);
        std::u16string shown = HtmlText(std::u16string(html.begin(), html.end()));
        return std::string(shown.begin(), shown.end());
    };
    EXPECT_EQ(text(SharedName::Player, false), "A.");
    EXPECT_EQ(text(SharedName::Player, true), "A%");
    EXPECT_EQ(text(SharedName::Server, false), "My <Srv>.");
    EXPECT_EQ(text(SharedName::Server, true), "My <Srv>%");
}

}  // namespace
}  // namespace chromlet
