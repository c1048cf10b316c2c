#include "core/color_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "char_styles.h"
#include "core/memory_styled_text.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::FromHex;
using test::ToHex;
using namespace test::styles;

constexpr CharStyle Sentinel{999, true};

TEST(ShowCodeRun, writesPlayerAndNonameByteForByte) {
    {
        MemoryStyledText player("Player", W);
        MemoryStyledText server("noname", W);
        const SetaLines lines = BuildShowCodeLines(player, server);
        EXPECT_EQ(ToHex(lines.name),
                  "73 65 74 61 20 6E 61 6D 65 20 22 1B 37 50 6C 61 79 65 72 1B 37 22");
        EXPECT_EQ(ToHex(lines.server),
                  "73 65 74 61 20 73 76 5F 68 6F 73 74 6E 61 6D 65 20 22 1B 37 6E 6F 6E 61 6D "
                  "65 1B 37 22");
    }
    {
        MemoryStyledText player = Styled("Player", {R, R, W, W, Wa, Wa});
        MemoryStyledText server("noname", W);
        const SetaLines lines = BuildShowCodeLines(player, server);
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
        const SetaLines lines = BuildShowCodeLines(c.player, c.server);
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

}  // namespace
}  // namespace chromlet
