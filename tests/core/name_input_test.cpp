#include "core/name_input.h"

#include <gtest/gtest.h>

#include <string>

#include "char_styles.h"
#include "core/char_rules.h"
#include "core/styled_clip.h"
#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using namespace std::string_literals;
using test::DescribeStyles;
using test::ToHex;
using namespace test::styles;

// Every engine ends a value at NUL and a line at CR or LF, the test release reads ESC as a colour
// code; 80 to 9F and FF reach the game as bytes nobody ends or misreads. A configuration line
// keeps ESC, of which the test release's codes are made, and nothing else of the controls.
TEST(CharRules, refuseWhatTheEnginesEndOrMisread) {
    for (char32_t c : {0x00u, 0x09u, 0x1Bu, 0x1Fu, 0x7Fu}) {
        EXPECT_EQ(CheckNameChar(c), NameCharFault::Control) << unsigned(c);
        EXPECT_EQ(IsConfigLineChar(c), c == 0x1B) << unsigned(c);
    }
    for (char32_t c : {0x20u, 0x7Eu, 0x80u, 0x9Fu, 0xA0u, 0xFFu}) {
        EXPECT_EQ(CheckNameChar(c), NameCharFault::None) << unsigned(c);
        EXPECT_TRUE(IsConfigLineChar(c)) << unsigned(c);
    }
    EXPECT_EQ(CheckNameChar(0x85), NameCharFault::LineBreak);
    EXPECT_EQ(AsNameChar({0x00, false}), (NameChar{0x80, true}));
    EXPECT_EQ(AsNameChar({'a', false}), (NameChar{'a', false}));
    EXPECT_EQ(AsNameChar({0x1B, true}), (NameChar{0x1B, true}));
}

TEST(AcceptText, keepsWhatANameHoldsUpToTheRoom) {
    struct Case {
        std::u16string text;
        LineBreaks lineBreaks;
        std::size_t room;
        const char* keptHex;
        std::u32string notLatin1;
        std::string controls;
        bool lineBreaksNoted, quotes, cut;
    };
    const auto spaces = LineBreaks::BecomeSpaces;
    const auto out = LineBreaks::LeftOut;
    const Case cases[] = {
        {u"Pl\u00E9yer", out, 99, "50 6C E9 79 65 72", U"", "", false, false, false},
        {u"\u0080\u00A0\u00FF", out, 99, "80 A0 FF", U"", "", false, false, false},
        {u"a\r\nb\nc\u2029d", spaces, 99, "61 20 62 20 63 20 64", U"", "", true, false, false},
        {u"a\r\nb\u0085c", out, 99, "61 62 63", U"", "", true, false, false},
        {u"x\u20ACy\U0001F600\u20AC\xD800", out, 99, "78 79", U"\u20AC\U0001F600\uFFFD", "", false,
         false, false},
        {u"\u0416\u0417\u0418\u0419\u041A", out, 99, "", U"\u0416\u0417\u0418\u0419", "", false,
         false, false},
        {u"a\"b"s, out, 99, "61 62", U"", "", false, true, false},
        {u"\0a\tb\x1b\x7f\x01"s, out, 99, "61 62", U"", "\0\t\x1b\x7f"s, false, false, false},
        {u"abcdef", out, 3, "61 62 63", U"", "", false, false, true},
        {u"abc\"\"", out, 3, "61 62 63", U"", "", false, true, false},
        {u"a", out, 0, "", U"", "", false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keptHex);
        LeftOut leftOut;
        EXPECT_EQ(ToHex(AcceptText(c.text, c.lineBreaks, c.room, leftOut)), c.keptHex);
        EXPECT_EQ(leftOut.notLatin1, c.notLatin1);
        EXPECT_EQ(leftOut.controls, c.controls);
        EXPECT_EQ(leftOut.lineBreaks, c.lineBreaksNoted);
        EXPECT_EQ(leftOut.quotes, c.quotes);
        EXPECT_EQ(leftOut.cut, c.cut);
    }
    LeftOut leftOut;
    EXPECT_EQ(AcceptText(std::u16string(MaxPastedChars + 1, u'a'), out, MaxPastedChars + 9, leftOut)
                  .size(),
              MaxPastedChars);
    EXPECT_TRUE(leftOut.cut);
}

// A character in the alternative font that no name holds keeps its byte as the standard-font
// character of that byte; what no font holds is left out; the room cuts.
TEST(AcceptStyled, keepsEveryByteAnEngineReadsAsItIs) {
    const MemoryStyledText text = Styled("a\"\x0A\0\"b\x1bz"s, {Ra, Ra, Ga, Wa, W, W, W, W});
    LeftOut leftOut;
    EXPECT_EQ(DescribeStyles(AcceptStyled(text, 99, leftOut)),
              "a1a \xA2"
              "1s \x8A"
              "2s \x80"
              "7s b7s z7s ");
    EXPECT_TRUE(leftOut.quotes);
    EXPECT_EQ(leftOut.controls, "\x1b");
    EXPECT_FALSE(leftOut.cut);
    LeftOut cut;
    EXPECT_EQ(DescribeStyles(AcceptStyled(text, 2, cut)),
              "a1a \xA2"
              "1s ");
    EXPECT_TRUE(cut.cut);
}

TEST(LeftOut, addsEachCharacterOnceAndNoMoreThanANoteNames) {
    LeftOut all;
    all.notLatin1 = U"\u20AC";
    all.controls = "\t";
    LeftOut more;
    more.notLatin1 = U"\u20AC\u0416\u0417\u0418\u0419";
    more.controls = "\t\0"s;
    more.cut = true;
    all.Add(more);
    EXPECT_EQ(all.notLatin1, U"\u20AC\u0416\u0417\u0418");
    EXPECT_EQ(all.controls, "\t\0"s);
    EXPECT_TRUE(all.cut && all.Any() && !all.quotes && !all.lineBreaks);
}

TEST(StyledClip, carriesStylesAndRefusesDamagedData) {
    const MemoryStyledText text = Styled("Pl\xE9", {R, Wa, Off2});
    const std::string clip = StyledClipOf(text, 1, 2);
    EXPECT_EQ(ToHex(clip), "6C FF FF FF 00 E9 C8 64 32 01");
    bool cut = true;
    EXPECT_EQ(DescribeStyles(*ReadStyledClip(clip, 9, cut)), "l7a \xE9?s ");
    EXPECT_FALSE(cut);
    EXPECT_EQ(DescribeStyles(*ReadStyledClip(clip, 1, cut)), "l7a ");
    EXPECT_TRUE(cut);
    EXPECT_FALSE(ReadStyledClip("", 9, cut));
    EXPECT_FALSE(ReadStyledClip(clip.substr(0, 9), 9, cut));
}

}  // namespace
}  // namespace chromlet
