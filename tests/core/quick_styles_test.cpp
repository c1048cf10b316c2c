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

// Counts the colour calls, so that a style is seen to work by runs.
class CountingText final : public StyledText {
  public:
    explicit CountingText(MemoryStyledText inner) : inner_(std::move(inner)) {}
    std::string Text() const override { return inner_.Text(); }
    std::size_t Length() const override { return inner_.Length(); }
    Selection GetSelection() const override { return inner_.GetSelection(); }
    void SetSelection(Selection s) override { inner_.SetSelection(s); }
    CharStyle StyleAt(std::size_t p) const override { return inner_.StyleAt(p); }
    void SetSelectionColor(PackedColor c) override {
        ++colorCalls_;
        inner_.SetSelectionColor(c);
    }
    void SetSelectionQ3Font(bool f) override { inner_.SetSelectionQ3Font(f); }
    int colorCalls_ = 0;

  private:
    MemoryStyledText inner_;
};

TEST(ApplyQuickStyle, coloursByRunsLeavesSpacesFreeAndKeepsTheSelection) {
    struct Case {
        const char* name;
        QuickStyle style;
        MemoryStyledText text;
        Selection selection;
        const char* styles;
        int colorCalls;
    };
    using enum QuickStyle;
    const Selection all{0, 0};
    // clang-format off
    Case cases[] = {
        {"a space takes the colour before it", Rainbow, MemoryStyledText("Hi you", W), all, "H1s i3s  3s y2s o5s u4s ", 5},
        {"rainbow wraps after magenta", Rainbow, MemoryStyledText("abcdefg", W), all, "a1s b3s c2s d5s e4s f6s g1s ", 7},
        {"a space at the start takes the colour after it", Rainbow, MemoryStyledText(" ab", W), all, " 1s a1s b3s ", 2},
        {"an alternative-font space is a character", Rainbow, MemoryStyledText("a b", {W, Wa, W}), all, "a1s  3a b2s ", 3},
        {"by word, spaces join the word before", ByWord, MemoryStyledText("ab cd  ef", W), all, "a1s b1s  1s c3s d3s  3s  3s e2s f2s ", 3},
        {"the first two different colours", Alternate, MemoryStyledText("abcd", {G, G, B, W}), all, "a2s b4s c2s d4s ", 4},
        {"alternate leaves black out", Alternate, MemoryStyledText("abc", {K, G, B}), all, "a2s b4s c2s ", 3},
        {"else red and white", Alternate, MemoryStyledText("abc", W), all, "a1s b7s c1s ", 3},
        {"clear: white, standard font", Clear, MemoryStyledText("a b", {Ra, G, Ga}), all, "a7s  7s b7s ", 1},
        {"only the selection", Rainbow, MemoryStyledText("abcde", W), {1, 3}, "a7s b1s c3s d2s e7s ", 3},
        {"a selection starting on a space", Rainbow, MemoryStyledText("a bc", {B, W, W, W}), {1, 3}, "a4s  4s b1s c3s ", 3},
        {"only spaces: no colour to give", Rainbow, MemoryStyledText("  ", {G, B}), all, " 2s  4s ", 0},
    };
    // clang-format on
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.text.SetSelection(c.selection);
        CountingText text(c.text);
        ApplyQuickStyle(text, c.style);
        EXPECT_EQ(DescribeStyles(text), c.styles);
        EXPECT_EQ(text.GetSelection(), c.selection);
        EXPECT_EQ(text.colorCalls_, c.colorCalls);
    }
}

TEST(ApplyQuickStyle, drawsRandomColoursWithoutBlackOrRepeats) {
    const std::string name = "The quick brown fox jumps";
    std::string previousDraw;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        MemoryStyledText text(name, W);
        ApplyQuickStyle(text, QuickStyle::Random, seed);
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

TEST(TidyCodes, removesColourChangesOnlyWhereNothingShows) {
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
        c.text.SetSelection({1, 1});
        const std::string before = c.text.Text();
        TidyCodes(c.text);
        EXPECT_EQ(c.text.GetSelection(), (Selection{1, 1}));
        EXPECT_EQ(c.text.Text(), before);
        CodeDigit digit;
        EXPECT_EQ(ToHex(BuildColorCode(c.text, digit)), c.code);
    }
}

}  // namespace
}  // namespace chromlet
