#include "core/name_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/memory_styled_text.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::ToHex;
using Kind = CountLimit::Kind;

TEST(CleanName, portsEachGameModuleRuleByRule) {
    struct Case {
        std::string in;
        std::string v132;
        std::string ioq3;
        std::string openArena;
    };
    const std::string a34(34, 'a');
    // clang-format off
    const Case cases[] = {
        {"^^0Nick", "^^0Nick", "^Nick", "^Nick"},  // 1.32 takes "^^" as a colour; the others do not
        {"^8Red^9Nine", "Red^9Nine", "Red^9Nine", "^8Red^9Nine"},  // orange and a visible "^9" in OpenArena
        {"  Bob", "Bob", "Bob", "Bob"},
        {"^1 Bob", "^1 Bob", "^1 Bob", "^1 Bob"},  // a space after a leading code stays
        {"^0 Bob", "Bob", " Bob", " Bob"},         // 1.32 has written nothing yet when the space comes
        {"^0Black^1Red  x     y^7", "Black^1Red  x   y^7", "Black^1Red  x   y^7", "^0Black^1Red  x   y^7"},
        {"^0Black", "Black", "Black", "Black"},  // all black: OpenArena drops every colour
        {"^5.", "^5.", "^5.", "."},              // no letter or digit: likewise
        {"^a^9", "UnnamedPlayer", "UnnamedPlayer", "^a^9"},  // only "^0" to "^8" are OpenArena's colours
        {std::string(40, 'x'), std::string(35, 'x'), std::string(35, 'x'), std::string(35, 'x')},
        {a34 + "^1b", a34, a34 + "^", a34 + "^"},  // 1.32 never splits a code at the cut
        {"ab^", "ab", "ab^", "ab^"},
        {"", "UnnamedPlayer", "UnnamedPlayer", "Nameless0"},
        {"^1", "UnnamedPlayer", "UnnamedPlayer", "Nameless0"},
        {"   ", "UnnamedPlayer", "UnnamedPlayer", "Nameless0"},
        {std::string("ab\0cd", 5), "ab", "ab", "ab"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(CleanName132(c.in), c.v132);
        EXPECT_EQ(CleanNameIoq3(c.in), c.ioq3);
        EXPECT_EQ(CleanNameOpenArena(c.in), c.openArena);
    }
}

TEST(AsArrived, turnsPercentAndHighBytesIntoDotsInTheLaterEngines) {
    const std::string sent("a%b\xE1\x80^\x7F\x1b", 8);
    EXPECT_EQ(AsArrived(TargetGame::Q3Test, sent), sent);
    for (TargetGame target : {TargetGame::Quake3, TargetGame::IoQuake3, TargetGame::OpenArena}) {
        EXPECT_EQ(ToHex(AsArrived(target, sent)), "61 2E 62 2E 2E 5E 7F 1B");
    }
}

TEST(AnalysePlayerName, countsHoldsTheLimitsAndSaysWhatChanged) {
    using enum NameChange;
    struct Case {
        TargetGame target;
        std::string code;
        std::size_t visible;
        // per limit: kept 35, seen 31, settings field 20, info string 1017, line 1011
        std::string over;
        std::string cleaned;
        std::vector<NameChange> changes;
        std::string seen;
    };
    const std::string a34(34, 'a'), n1018(1018, 'n'), n1011(1011, 'n');
    // clang-format off
    const Case cases[] = {
        {TargetGame::Quake3, "^1Pl^7ayer^7", 6, "-----", "^1Pl^7ayer^7", {}, "^1Pl^7ayer^7"},
        {TargetGame::Quake3, a34 + "^7", 34, "xxx--", a34, {CutToLength}, std::string(31, 'a')},
        {TargetGame::IoQuake3, a34 + "^7", 34, "xxx--", a34 + "^", {CutToLength}, std::string(31, 'a')},
        {TargetGame::Quake3, "^0 Bob   x^7", 8, "-----", "Bob   x^7", {LeadingSpacesDropped, BlackRemoved}, "^0 Bob   x^7"},
        {TargetGame::IoQuake3, "^0 Bob    x^7", 9, "-----", " Bob   x^7", {BlackRemoved, SpacesCollapsed}, "^0 Bob    x^7"},
        {TargetGame::IoQuake3, "^0^7", 0, "-----", "UnnamedPlayer", {BlackRemoved, BecameUnnamedPlayer}, "^0^7"},
        {TargetGame::Quake3, "a;b^7", 3, "-----", "UnnamedPlayer", {RefusedCharacter, BecameUnnamedPlayer}, ""},
        {TargetGame::Quake3, n1018, 1018, "xxxxx", std::string(35, 'n'), {CutToLength}, std::string(31, 'n')},
        {TargetGame::Q3Test, "\x1b" "1Pl\x1b" "7", 2, "-", "\x1b" "1Pl\x1b" "7", {}, ""},
        // The configuration line holds 1011 bytes of a name: "seta name ", the quotes, 1011 bytes.
        {TargetGame::Quake3, n1011, 1011, "xxx--", std::string(35, 'n'), {CutToLength}, std::string(31, 'n')},
        {TargetGame::Quake3, n1011 + "n", 1012, "xxx-x", std::string(35, 'n'), {CutToLength}, std::string(31, 'n')},
        {TargetGame::Q3Test, n1011 + "n", 1012, "x", n1011 + "n", {}, ""},
        {TargetGame::IoQuake3, "^5\xC5" "b^7", 2, "-----", "^5.b^7", {ArrivedAsDots}, "^5.b^7"},
        {TargetGame::OpenArena, "^5\xC5^7", 1, "-----", ".", {ArrivedAsDots, ColorsRemoved}, "^5.^7"},
        {TargetGame::OpenArena, "^0Black^1Red  x     y^7", 17, "--x--", "^0Black^1Red  x   y^7", {SpacesCollapsed}, "^0Black^1Red  x     y^7"},
        {TargetGame::OpenArena, "^9;^7", 3, "-----", "Nameless0", {RefusedCharacter, BecameUnnamedPlayer}, ""},
    };
    // clang-format on
    const CountLimit::Kind kinds[] = {Kind::KeptByGame, Kind::SeenByOthers, Kind::SettingsField,
                                      Kind::InfoString, Kind::ConfigLine};
    const std::size_t values[] = {35, 31, 20, 1017, 1011};
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.code.substr(0, 40)));
        const NameReport r = AnalysePlayerName(c.target, c.code);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.bytes, c.code.size());
        EXPECT_EQ(r.visible, c.visible);
        ASSERT_EQ(r.limits.size(), c.over.size());
        // The test release knows only the configuration line's limit.
        const std::size_t first = c.target == TargetGame::Q3Test ? 4 : 0;
        for (std::size_t i = 0; i < c.over.size(); ++i) {
            EXPECT_EQ(r.limits[i].kind, kinds[first + i]);
            EXPECT_EQ(r.limits[i].limit, values[first + i]);
            EXPECT_EQ(r.limits[i].over, c.over[i] == 'x') << i;
        }
        EXPECT_EQ(r.cleaned, c.cleaned);
        EXPECT_EQ(r.changes, c.changes);
        EXPECT_EQ(r.seenByOthers, c.seen);
    }
}

TEST(AnalyseServerName, showsTheInGameBrowsersCutColourlessCapitals) {
    using enum NameChange;
    struct Case {
        TargetGame target;
        std::string code;
        std::string view;
        // per limit: in-game browser 20 (30), [ioquake3's list 79,] info string 1010, a default
        // server's room 609 (222), line 1004
        std::string over;
        std::vector<NameChange> changes;
    };
    const std::string a20(20, 'a'), s222(222, 's'), s1004(1004, 's');
    // clang-format off
    const Case cases[] = {
        {TargetGame::Quake3, "^1My ^2cool server^7", "MY COOL SERVER", "----", {}},
        {TargetGame::IoQuake3, "^1abcdefghij^2klmnopqrstuv^7", "ABCDEFGHIJKLMNOPQ", "x----", {CutToLength}},
        {TargetGame::Quake3, a20 + "^1x", std::string(20, 'A'), "x---", {CutToLength}},
        {TargetGame::Quake3, a20 + "a", std::string(20, 'A'), "x---", {CutToLength}},  // 21 kept, 20 shown
        {TargetGame::Quake3, "^!x\xE1y%\x1b", "X.Y.", "----", {ArrivedAsDots}},  // any character after a caret is a colour
        {TargetGame::OpenArena, "^1abcdefghij^8klmnopqrstuvwxyz^7", "^1ABCDEFGHIJ^8KLMNOPQRSTUVWXYZ", "-----", {}},
        {TargetGame::OpenArena, "^1abcdefghij^8klmnopqrstuvwxyz0^7", "^1ABCDEFGHIJ^8KLMNOPQRSTUVWXYZ", "x----", {CutToLength}},
        {TargetGame::OpenArena, "^9\xE9t\xE9^7", "^9.T.^7", "-----", {ArrivedAsDots}},
        {TargetGame::IoQuake3, "^!x", "^!X", "-----", {}},
        {TargetGame::Quake3, "a\\b", "", "----", {RefusedCharacter}},
        {TargetGame::Q3Test, "\x1b" "1abc", "", "-", {}},
        {TargetGame::OpenArena, s222, std::string(30, 'S'), "xx---", {CutToLength}},
        {TargetGame::OpenArena, s222 + "s", std::string(30, 'S'), "xx-x-", {CutToLength}},
        {TargetGame::IoQuake3, s1004, std::string(20, 'S'), "xx-x-", {CutToLength}},
        {TargetGame::IoQuake3, s1004 + "s", std::string(20, 'S'), "xx-xx", {CutToLength}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.code));
        const ServerReport r = AnalyseServerName(c.target, c.code);
        EXPECT_EQ(r.bytes, c.code.size());
        EXPECT_EQ(r.browserView, c.view);
        ASSERT_EQ(r.limits.size(), c.over.size());
        for (std::size_t i = 0; i < c.over.size(); ++i) {
            EXPECT_EQ(r.limits[i].over, c.over[i] == 'x') << i;
        }
        EXPECT_EQ(r.changes, c.changes);
    }
    const ServerReport io = AnalyseServerName(TargetGame::IoQuake3, "x");
    EXPECT_EQ(io.limits[0].kind, Kind::InGameBrowser);
    EXPECT_EQ(io.limits[0].limit, 20u);
    EXPECT_EQ(io.limits[1].kind, Kind::IoQ3ServerList);
    EXPECT_EQ(io.limits[1].limit, 79u);
    EXPECT_EQ(io.limits[2].kind, Kind::InfoString);
    EXPECT_EQ(io.limits[2].limit, 1010u);
    EXPECT_EQ(io.limits[3].kind, Kind::ServerInfoRoom);
    EXPECT_EQ(io.limits[3].limit, 609u);
    EXPECT_EQ(io.limits[4].kind, Kind::ConfigLine);
    EXPECT_EQ(io.limits[4].limit, 1004u);
    EXPECT_EQ(AnalyseServerName(TargetGame::Q3Test,
                                "\x1b"
                                "1abc")
                  .visible,
              3u);
}

}  // namespace
}  // namespace chromlet

namespace chromlet {
namespace {

// The editors mark what the game does not show as typed: in the later engines whatever the
// network turns into a dot, in the test release the standard-font characters 128 to 255, which
// it draws from its alternative font.
TEST(MarkOf, marksWhatTheGameDoesNotShowAsTyped) {
    using enum CharMark;
    struct Case {
        unsigned char code;
        bool q3Font;
        CharMark testRelease;
        CharMark later;
    };
    const Case cases[] = {
        {'a', true, None, None},
        {'%', true, None, ArrivesAsDot},
        {'a', false, None, ArrivesAsDot},  // raised to E1 on its way
        {0xE9, true, FromAlternativeFont, ArrivesAsDot},
        {0xE9, false, None, ArrivesAsDot},
        {'^', true, None, None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        EXPECT_EQ(MarkOf(TargetGame::Q3Test, c.code, c.q3Font), c.testRelease);
        for (TargetGame target :
             {TargetGame::Quake3, TargetGame::IoQuake3, TargetGame::OpenArena}) {
            EXPECT_EQ(MarkOf(target, c.code, c.q3Font), c.later);
        }
    }
}

// Both names in one report, encoded as a show-code run encodes them: the server name carries
// on with the digit the player name left for a colour outside the palette.
TEST(AnalyseNames, encodesBothNamesAsAShowCodeRun) {
    const MemoryStyledText player("a", CharStyle{PackedOf(PaletteColor::Blue), true});
    const MemoryStyledText server("b", CharStyle{PackColor(1, 2, 3), true});
    const NamesReport names = AnalyseNames(TargetGame::IoQuake3, player, server);
    EXPECT_EQ(names.target, TargetGame::IoQuake3);
    EXPECT_EQ(names.player.code, "^4a^7");
    EXPECT_EQ(names.server.code, "^4b^7");
    EXPECT_EQ(names.server.bytes, 5u);
}

}  // namespace
}  // namespace chromlet
