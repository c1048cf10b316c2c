#include "core/caret_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "char_styles.h"
#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::DescribeStyles;
using test::FromHex;
using test::ToHex;
using namespace test::styles;

TEST(CaretShowCodeRun, writesTheEscapeExamplesInCarets) {
    const MemoryStyledText none;
    // clang-format off
    ShowCodeCase cases[] = {
        {"Player and noname in white", MemoryStyledText("Player", W), MemoryStyledText("noname", W), "5E 37 50 6C 61 79 65 72", "5E 37 6E 6F 6E 61 6D 65"},
        {"red Pl, alternative-font er", Styled("Player", {R, R, W, W, Wa, Wa}), none, "5E 31 50 6C 5E 37 61 79 E5 F2", ""},
        {"empty texts", none, none, "", ""},
        {"a font change alone emits no code", Styled("ab", {W, Wa}), none, "5E 37 61 E2", ""},
        {"the digit carries into the server name", Styled("a", {R}), Styled("bc", {R, Off2}), "5E 31 61", "5E 31 62 5E 31 63"},
        {"back to a colour seen before", Styled("abc", {K, W, K}), none, "5E 30 61 5E 37 62 5E 30 63", ""},
        {"no bare caret before any palette colour", Styled("ab", {Off1, R}), Styled("c", {Off1}), "61 5E 31 62", "5E 31 63"},
        {"nothing matched in either text", none, Styled("a", {Off1}), "", "61"},
        {"a caret before a letter gets the current code", Styled("^a", {R, R}), none, "5E 31 5E 5E 31 61", ""},
        {"a caret before a change or a caret needs none", Styled("^^b", {R, R, B}), none, "5E 31 5E 5E 5E 34 62", ""},
        {"a caret at the end meets the closing code", Styled("a^", {W, W}), none, "5E 37 61 5E", ""},
    };
    // clang-format on
    for (ShowCodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SetaLines lines = BuildShowCodeLines(TargetGame::Quake3, c.player, c.server);
        EXPECT_EQ(ToHex(lines.name), "73 65 74 61 20 6E 61 6D 65 20 22" +
                                         std::string(*c.playerCode ? " " : "") + c.playerCode +
                                         " 5E 37 22");
        EXPECT_EQ(ToHex(lines.server),
                  ToHex(std::string(ServerLineStart) + "\"" + FromHex(c.serverCode) + "^7\""));
        EXPECT_EQ(DescribeStyles(DecodeCode(TargetGame::Quake3, FromHex(c.playerCode))),
                  DescribeStyles(DecodeCode(TargetGame::IoQuake3, FromHex(c.playerCode))));
    }
}

TEST(BuildCode, keepsTheEscapeBytesForTheTestReleaseAndTheSelectionSideEffect) {
    MemoryStyledText a = Styled("abc", {R, W, B});
    MemoryStyledText b = MemoryStyledText::CopyOf(a);
    CodeDigit d1, d2;
    EXPECT_EQ(ToHex(BuildCode(TargetGame::Q3Test, a, d1)), ToHex(BuildColorCode(b, d2)));
    EXPECT_EQ(a.GetSelection(), (Selection{2, 1}));
    CodeDigit d3;
    EXPECT_EQ(ToHex(BuildCode(TargetGame::IoQuake3, a, d3)), "5E 31 61 5E 37 62 5E 34 63");
    EXPECT_EQ(d3, '4');
    EXPECT_EQ(ToHex(BuildSetaLine(TargetGame::Q3Test, "x ", "")), "78 20 22 1B 37 22");
    EXPECT_EQ(ToHex(BuildSetaLine(TargetGame::Quake3, "x ", "")), "78 20 22 5E 37 22");
}

TEST(DecodeCode, readsEveryFormTheTargetsEngineReads) {
    struct Case {
        TargetGame target;
        const char* code;
        const char* styles;
    };
    using enum TargetGame;
    // clang-format off
    const Case cases[] = {
        {Quake3, "^1Pl^7ayer", "P1s l1s a7s y7s e7s r7s "}, {Quake3, "^^0Ni", "^7s N0s i0s "},
        {IoQuake3, "^^0Ni", "^7s N0s i0s "}, {Quake3, "^!a", "a1s "} /* ('!' - '0') & 7 is 1 */,
        {IoQuake3, "^!a", "^7s !7s a7s "}, {IoQuake3, "^8x^9y^az", "x0s y1s z1s "},
        {Quake3, "^1\xE1", "a1a "}, {Quake3, "ab^", "a7s b7s ^7s "},
        {Q3Test, "^1a", "^7s 17s a7s "}, {Q3Test, "\x1b" "1a\x1b" "9b", "a1s 91s b1s "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(DescribeStyles(DecodeCode(c.target, c.code)), c.styles);
    }
}

TEST(TargetGame, roundTripsItsSettingsKeyAndPicksTheCodeForm) {
    for (TargetGame t : AllTargets) {
        EXPECT_EQ(TargetFromKey(TargetKey(t)), t);
    }
    EXPECT_EQ(TargetKey(TargetGame::Q3Test), "q3test");
    EXPECT_EQ(TargetFromKey("quake4"), std::nullopt);
    EXPECT_EQ(TargetFromKey(""), std::nullopt);
    EXPECT_EQ(CodeFormOf(TargetGame::Q3Test), CodeForm::Escape);
    EXPECT_EQ(CodeFormOf(TargetGame::IoQuake3), CodeForm::Caret);
    EXPECT_EQ(AllTargets.front(), TargetGame::Q3Test);
    EXPECT_EQ(CodeOfSetaLine(TargetGame::Quake3, "seta name \"^1a^7\""), "^1a");
    EXPECT_EQ(CodeOfSetaLine(TargetGame::Quake3, "seta name"), std::nullopt);
}

}  // namespace
}  // namespace chromlet
