#include "core/name_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hex.h"

namespace chromlet {
namespace {

using test::ToHex;
using Kind = CountLimit::Kind;

TEST(CleanName, portsBothGameModulesRuleByRule) {
    struct Case {
        std::string in;
        std::string v132;
        std::string ioq3;
    };
    const std::string a34(34, 'a');
    const Case cases[] = {
        {"^^0Nick", "^^0Nick", "^Nick"},  // 1.32 takes "^^" as a colour; ioquake3 does not
        {"^8Red^9Nine", "Red^9Nine", "Red^9Nine"},
        {"  Bob", "Bob", "Bob"},
        {"^1 Bob", "^1 Bob", "^1 Bob"},  // a space after a leading code stays
        {"^0 Bob", "Bob", " Bob"},       // 1.32 has written nothing yet when the space comes
        {"a     b", "a   b", "a   b"},
        {std::string(40, 'x'), std::string(35, 'x'), std::string(35, 'x')},
        {a34 + "^1b", a34, a34 + "^"},  // 1.32 never splits a code at the cut
        {"ab^", "ab", "ab^"},
        {"", "UnnamedPlayer", "UnnamedPlayer"},
        {"^1", "UnnamedPlayer", "UnnamedPlayer"},
        {"   ", "UnnamedPlayer", "UnnamedPlayer"},
        {std::string("ab\0cd", 5), "ab", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(CleanName132(c.in), c.v132);
        EXPECT_EQ(CleanNameIoq3(c.in), c.ioq3);
    }
}

TEST(AnalysePlayerName, countsHoldsTheLimitsAndSaysWhatChanged) {
    using enum NameChange;
    struct Case {
        TargetGame target;
        std::string code;
        std::size_t visible;
        std::string over;  // per limit: kept 35, seen 31, settings field 20, info string 1017
        std::string cleaned;
        std::vector<NameChange> changes;
        std::string seen;
    };
    const std::string a34(34, 'a'), n1018(1018, 'n');
    // clang-format off
    const Case cases[] = {
        {TargetGame::Quake3, "^1Pl^7ayer^7", 6, "----", "^1Pl^7ayer^7", {}, "^1Pl^7ayer^7"},
        {TargetGame::Quake3, a34 + "^7", 34, "xxx-", a34, {CutToLength}, std::string(31, 'a')},
        {TargetGame::IoQuake3, a34 + "^7", 34, "xxx-", a34 + "^", {CutToLength}, std::string(31, 'a')},
        {TargetGame::Quake3, "^0 Bob   x^7", 8, "----", "Bob   x^7", {LeadingSpacesDropped, BlackRemoved}, "^0 Bob   x^7"},
        {TargetGame::IoQuake3, "^0 Bob    x^7", 9, "----", " Bob   x^7", {BlackRemoved, SpacesCollapsed}, "^0 Bob    x^7"},
        {TargetGame::IoQuake3, "^0^7", 0, "----", "UnnamedPlayer", {BlackRemoved, BecameUnnamedPlayer}, "^0^7"},
        {TargetGame::Quake3, "a;b^7", 3, "----", "UnnamedPlayer", {RefusedCharacter, BecameUnnamedPlayer}, ""},
        {TargetGame::Quake3, n1018, 1018, "xxxx", std::string(35, 'n'), {CutToLength}, std::string(31, 'n')},
        {TargetGame::Q3Test, "\x1b" "1Pl\x1b" "7", 2, "", "\x1b" "1Pl\x1b" "7", {}, ""},
    };
    // clang-format on
    const CountLimit::Kind kinds[] = {Kind::KeptByGame, Kind::SeenByOthers, Kind::SettingsField,
                                      Kind::InfoString};
    const std::size_t values[] = {35, 31, 20, 1017};
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.code.substr(0, 40)));
        const NameReport r = AnalysePlayerName(c.target, c.code);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.bytes, c.code.size());
        EXPECT_EQ(r.visible, c.visible);
        ASSERT_EQ(r.limits.size(), c.over.size());
        for (std::size_t i = 0; i < c.over.size(); ++i) {
            EXPECT_EQ(r.limits[i].kind, kinds[i]);
            EXPECT_EQ(r.limits[i].limit, values[i]);
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
        std::string over;  // per limit: in-game browser 21, [ioquake3's list 79,] info string 1010
        std::vector<NameChange> changes;
    };
    const std::string a20(20, 'a');
    // clang-format off
    const Case cases[] = {
        {TargetGame::Quake3, "^1My ^2cool server^7", "MY COOL SERVER", "--", {}},
        {TargetGame::IoQuake3, "^1abcdefghij^2klmnopqrstuv^7", "ABCDEFGHIJKLMNOPQ", "x--", {CutToLength}},
        {TargetGame::Quake3, a20 + "^1x", std::string(20, 'A') + "^", "x-", {CutToLength}},
        {TargetGame::Quake3, "^!x\xE1y\x1b", "XY", "--", {}},  // any character after a caret is a colour
        {TargetGame::IoQuake3, "^!x", "^!X", "---", {}},
        {TargetGame::Quake3, "a\\b", "", "--", {RefusedCharacter}},
        {TargetGame::Q3Test, "\x1b" "1abc", "", "", {}},
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
    EXPECT_EQ(io.limits[0].limit, 21u);
    EXPECT_EQ(io.limits[1].kind, Kind::IoQ3ServerList);
    EXPECT_EQ(io.limits[1].limit, 79u);
    EXPECT_EQ(io.limits[2].kind, Kind::InfoString);
    EXPECT_EQ(io.limits[2].limit, 1010u);
    EXPECT_EQ(AnalyseServerName(TargetGame::Q3Test,
                                "\x1b"
                                "1abc")
                  .visible,
              3u);
}

}  // namespace
}  // namespace chromlet
