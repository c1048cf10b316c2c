#include "core/quick_styles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "char_styles.h"
#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::DescribeStyles;
using test::ToHex;
using namespace test::styles;

TEST(QuickStyled, coloursTheRangeAndLeavesSpacesFree) {
    struct Case {
        const char* name;
        QuickStyle style;
        MemoryStyledText text;
        Selection selection;
        const char* styles;
    };
    using enum QuickStyle;
    const Selection all{0, 0};
    // clang-format off
    Case cases[] = {
        {"a space takes the colour before it", Rainbow, MemoryStyledText("Hi you", W), all, "H1s i3s  3s y2s o5s u4s "},
        {"rainbow wraps after magenta", Rainbow, MemoryStyledText("abcdefg", W), all, "a1s b3s c2s d5s e4s f6s g1s "},
        {"a space at the start takes the colour after it", Rainbow, MemoryStyledText(" ab", W), all, " 1s a1s b3s "},
        {"an alternative-font space is a character", Rainbow, MemoryStyledText("a b", {W, Wa, W}), all, "a1s  3a b2s "},
        {"by word, spaces join the word before", ByWord, MemoryStyledText("ab cd  ef", W), all, "a1s b1s  1s c3s d3s  3s  3s e2s f2s "},
        {"the first two different colours", Alternate, MemoryStyledText("abcd", {G, G, B, W}), all, "a2s b4s c2s d4s "},
        {"alternate leaves black out", Alternate, MemoryStyledText("abc", {K, G, B}), all, "a2s b4s c2s "},
        {"else red and white", Alternate, MemoryStyledText("abc", W), all, "a1s b7s c1s "},
        {"clear: white, standard font", Clear, MemoryStyledText("a b", {Ra, G, Ga}), all, "a7s  7s b7s "},
        {"only the selection", Rainbow, MemoryStyledText("abcde", W), {1, 3}, "a7s b1s c3s d2s e7s "},
        {"a selection starting on a space", Rainbow, MemoryStyledText("a bc", {B, W, W, W}), {1, 3}, "a4s  4s b1s c3s "},
        {"only spaces: no colour to give", Rainbow, MemoryStyledText("  ", {G, B}), all, " 2s  4s "},
    };
    // clang-format on
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.text.SetSelection(c.selection);
        const std::string chars = c.text.Text();
        EXPECT_EQ(DescribeStyles(MemoryStyledText(chars, QuickStyled(c.text, c.style))), c.styles);
    }
}

TEST(QuickStyled, drawsRandomColoursWithoutBlackOrRepeats) {
    const std::string name = "The quick brown fox jumps";
    std::string previousDraw;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const MemoryStyledText text(
            name, QuickStyled(MemoryStyledText(name, W), QuickStyle::Random, seed));
        PackedColor last = NoColorYet;
        std::string draw;
        for (std::size_t i = 0; i < name.size(); ++i) {
            const PackedColor c = text.StyleAt(i).Color;
            ASSERT_NE(PaletteEntryOf(c), nullptr);
            EXPECT_NE(c, PackedOf(PaletteColor::Black));
            if (name[i] == ' ') {
                EXPECT_EQ(c, last) << "a space keeps the colour before it";
            } else {
                EXPECT_NE(c, last) << i;
                draw += PaletteEntryOf(c)->digit;
            }
            last = c;
        }
        EXPECT_NE(draw, previousDraw) << "each seed draws anew";
        previousDraw = draw;
    }
}

TEST(TidiedStyles, removesColourChangesOnlyWhereNothingShows) {
    struct Case {
        const char* name;
        MemoryStyledText text;
        const char* code;  // the escape code afterwards
    };
    // clang-format off
    Case cases[] = {
        {"a space between two reds", MemoryStyledText("a b", {R, G, R}), "1B 31 61 20 62"},
        {"a space at the start takes the colour after it", MemoryStyledText(" a", {G, R}), "1B 31 20 61"},
        {"a run of mixed spaces", MemoryStyledText("a  b", {R, G, B, G}), "1B 31 61 20 20 1B 32 62"},
        {"a trailing space", MemoryStyledText("a ", {R, W}), "1B 31 61 20"},
        {"an alternative-font space keeps its colour", MemoryStyledText("a b", {R, Ga, R}), "1B 31 61 1B 32 A0 1B 31 62"},
        {"a colour outside the palette after it inherits the digit", MemoryStyledText("a b", {R, G, Off1}), "1B 31 61 1B 32 20 1B 32 62"},
        {"nothing to save", MemoryStyledText("a b", {R, R, G}), "1B 31 61 20 1B 32 62"},
    };
    // clang-format on
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStyledText tidied(c.text.Text(), TidiedStyles(c.text));
        CodeDigit digit;
        EXPECT_EQ(ToHex(BuildColorCode(tidied, digit)), c.code);
    }
}

}  // namespace
}  // namespace chromlet
