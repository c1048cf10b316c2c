#include "core/color_code.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "char_styles.h"
#include "core/memory_styled_text.h"
#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::DescribeStyles;
using test::FromHex;
using test::ToHex;
using namespace test::styles;

constexpr CharStyle Sentinel{999, true};

TEST(ShowCodeRun, writesPlayerAndNonameByteForByte) {
    {
        MemoryStyledText player("Player", W);
        MemoryStyledText server("noname", W);
        const SetaLines lines = BuildShowCodeLines(TargetGame::Q3Test, player, server);
        EXPECT_EQ(ToHex(lines.name),
                  "73 65 74 61 20 6E 61 6D 65 20 22 1B 37 50 6C 61 79 65 72 1B 37 22");
        EXPECT_EQ(ToHex(lines.server),
                  "73 65 74 61 20 73 76 5F 68 6F 73 74 6E 61 6D 65 20 22 1B 37 6E 6F 6E 61 6D "
                  "65 1B 37 22");
    }
    {
        MemoryStyledText player = Styled("Player", {R, R, W, W, Wa, Wa});
        MemoryStyledText server("noname", W);
        const SetaLines lines = BuildShowCodeLines(TargetGame::Q3Test, player, server);
        EXPECT_EQ(ToHex(lines.name),
                  "73 65 74 61 20 6E 61 6D 65 20 22 1B 31 50 6C 1B 37 61 79 E5 F2 1B 37 22");
    }
}

TEST(BuildSetaLine, wrapsTheCodeInQuotesAndEndsInWhite) {
    EXPECT_EQ(ToHex(BuildSetaLine(NameLineStart, "")), "73 65 74 61 20 6E 61 6D 65 20 22 1B 37 22");
    EXPECT_EQ(ToHex(BuildSetaLine(ServerLineStart, "")),
              "73 65 74 61 20 73 76 5F 68 6F 73 74 6E 61 6D 65 20 22 1B 37 22");
    EXPECT_EQ(BuildSetaLine("x ", std::string("\x1b"
                                              "1\xE5",
                                              3)),
              "x \"\x1b"
              "1\xE5\x1b"
              "7\"");
}

// One show-code run over a player name and a server name; the expected code strings are the
// bytes between the opening quote and the closing escape, "7" and quote of each line.
TEST(ShowCodeRun, encodesColourChangesFontsAndTheCarriedDigit) {
    const std::string highA(1, '\xE9');
    ShowCodeCase cases[] = {
        {"empty texts give empty codes", Styled("", {}), Styled("", {}), "", ""},
        {"a first character of packed colour 999 gets no escape", Styled("ab", {Sentinel, B}),
         Styled("", {}), "61 1B 34 62", ""},
        {"one escape for a run of one colour", Styled("aaa", {R, R, R}), Styled("", {}),
         "1B 31 61 61 61", ""},
        {"a font change alone emits no escape", Styled("ab", {W, Wa}), Styled("", {}),
         "1B 37 61 E2", ""},
        {"a space in the alternative font becomes A0", Styled(" ", {Wa}), Styled("", {}),
         "1B 37 A0", ""},
        {"out of palette after a player name that matched White last",
         Styled("Player", {W, W, W, W, W, W}), Styled("ab", {Off1, B}), "1B 37 50 6C 61 79 65 72",
         "1B 37 61 1B 34 62"},
        {"the escape stands alone when nothing has matched yet", Styled("ab", {Off1, R}),
         Styled("", {}), "1B 61 1B 31 62", ""},
        {"nothing matched in either text yet", Styled("", {}), Styled("a", {Off1}), "", "1B 61"},
        {"neighbouring out-of-palette colours each get the same digit",
         Styled("Pab", {R, Off1, Off2}), Styled("", {}), "1B 31 50 1B 31 61 1B 31 62", ""},
        {"the last colour is reset for the server name, the digit is not", Styled("a", {R}),
         Styled("bc", {R, Off2}), "1B 31 61", "1B 31 62 1B 31 63"},
        {"back to a colour seen before emits a new escape", Styled("abc", {K, W, K}),
         Styled("", {}), "1B 30 61 1B 37 62 1B 30 63", ""},
        {"7F in the alternative font becomes FF", Styled("\x7F", {Wa}), Styled("", {}), "1B 37 FF",
         ""},
        {"a character already 128 or more keeps its own code", Styled(highA + "a", {Wa, Wa}),
         Styled("\x80", {Wa}), "1B 37 E9 E1", "1B 37 80"},
        {"bytes 128 to 255 in the standard font pass unchanged", Styled("\xFF\x80", {W, W}),
         Styled("", {}), "1B 37 FF 80", ""},
    };
    for (ShowCodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SetaLines lines = BuildShowCodeLines(TargetGame::Q3Test, c.player, c.server);
        EXPECT_EQ(ToHex(lines.name), ToHex(BuildSetaLine(NameLineStart, FromHex(c.playerCode))));
        EXPECT_EQ(ToHex(lines.server),
                  ToHex(BuildSetaLine(ServerLineStart, FromHex(c.serverCode))));
    }
}

TEST(BuildColorCode, leavesTheLastCharacterSelectedAndKeepsTheDigit) {
    MemoryStyledText text = Styled("abc", {R, W, B});
    text.SetSelection({0, 0});
    CodeDigit digit;
    EXPECT_EQ(ToHex(BuildColorCode(text, digit)), "1B 31 61 1B 37 62 1B 34 63");
    EXPECT_EQ(text.GetSelection(), (Selection{2, 1}));
    EXPECT_EQ(digit, '4');

    MemoryStyledText empty;
    digit = '3';
    EXPECT_EQ(BuildColorCode(empty, digit), "");
    EXPECT_EQ(empty.GetSelection(), (Selection{0, 0}));
    EXPECT_EQ(digit, '3');

    // An out-of-palette colour finds the digit it is given.
    MemoryStyledText pasted = Styled("z", {Off1});
    digit = '5';
    EXPECT_EQ(ToHex(BuildColorCode(pasted, digit)), "1B 35 7A");
    EXPECT_EQ(digit, '5');
}

TEST(DecodeCode, readsTheTestReleasesColoursAndTheAlternativeFont) {
    struct Case {
        const char* name;
        const char* codeHex;
        std::string expected;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"red Pl, alternative-font er", "1B 31 50 6C 1B 37 61 79 E5 F2",
         "P1s l1s a7s y7s e7a r7a "},
        {"white before any escape", "61", "a7s "},
        {"an escape without a digit changes nothing", "1B 31 61 1B 62", "a1s b1s "},
        {"an escape at the very end is dropped", "61 1B", "a7s "},
        {"8 is no palette digit", "1B 38", "87s "},
        {"two escapes in a row", "1B 1B 34 61", "a4s "},
        {"A0 is a space in the alternative font", "1B 30 A0", " 0a "},
        {"FF is 7F in the alternative font", "FF",
         "\x7F"
         "7a "},
        {"80 is NUL in the alternative font", "80",
         std::string("\0"
                     "7a ",
                     4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DescribeStyles(DecodeCode(TargetGame::Q3Test, FromHex(c.codeHex))), c.expected);
    }
}

TEST(DecodeCode, undoesTheEncoderForPaletteStyledNamesInEveryTarget) {
    for (unsigned seed : {1u, 2u, 3u, 20261207u}) {
        std::mt19937 rng(seed);
        for (int round = 0; round < 500; ++round) {
            const std::size_t length = rng() % 24;
            std::string text;
            std::vector<CharStyle> styles;
            for (std::size_t i = 0; i < length; ++i) {
                text.push_back(static_cast<char>(32 + rng() % 95));
                styles.push_back({ColorPalette[rng() % 8].packed, rng() % 2 == 0});
            }
            const MemoryStyledText original(text, styles);
            for (TargetGame target : AllTargets) {
                const NameCodes codes = EncodeNames(target, original, MemoryStyledText());
                ASSERT_EQ(DescribeStyles(DecodeCode(target, codes.player)),
                          DescribeStyles(original))
                    << "seed " << seed << " round " << round << " target " << TargetKey(target);
            }
        }
    }
}

// OpenArena's orange has the digit 8 where OpenArena is chosen; elsewhere it is a colour outside
// the palette, which keeps the digit before it, as any other.
TEST(BuildCode, writesOpenArenasOrangeForOpenArenaAlone) {
    const CharStyle orange{OpenArenaOrange, true};
    const CharStyle red{PackedOf(PaletteColor::Red), true};
    const struct {
        TargetGame target;
        std::vector<CharStyle> styles;
        std::string code;
    } cases[] = {
        {TargetGame::OpenArena, {orange, orange, red}, "^8Or^1x"},
        {TargetGame::OpenArena, {red, orange, orange}, "^1O^8rx"},
        {TargetGame::IoQuake3, {orange, orange, red}, "Or^1x"},
        {TargetGame::IoQuake3, {red, orange, orange}, "^1O^1rx"},  // a change, the same digit
        {TargetGame::Quake3e, {red, orange, orange}, "^1O^1rx"},
    };
    for (const auto& c : cases) {
        MemoryStyledText text("Orx", c.styles);
        CodeDigit digit;
        EXPECT_EQ(BuildCode(c.target, text, digit), c.code) << TargetKey(c.target);
    }
    // What OpenArena reads as orange comes back as orange.
    const std::string code = "^8Or^1x^7";
    EXPECT_EQ(EncodeNames(TargetGame::OpenArena, DecodeCode(TargetGame::OpenArena, code),
                          MemoryStyledText())
                  .player,
              code);
}

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
}

}  // namespace
}  // namespace chromlet
