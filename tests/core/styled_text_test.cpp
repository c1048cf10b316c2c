#include "core/styled_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/memory_styled_text.h"

namespace chromlet {
namespace {

constexpr PackedColor RedColor = PackedOf(PaletteColor::Red);
constexpr PackedColor WhiteColor = PackedOf(PaletteColor::White);
constexpr PackedColor OldColor = PackColor(10, 20, 30);

TEST(ColorPalette, holdsTheEightColoursInTestOrder) {
    struct Row {
        const char* caption;
        PackedColor packed;
        char digit;
    };
    const Row rows[] = {
        {"&Black", 0x000000, '0'},   {"&Red", 0x0000FF, '1'},   {"&Green", 0x00FF00, '2'},
        {"&Yellow", 0x00FFFF, '3'},  {"&Blue", 0xFF0000, '4'},  {"&Cyan", 0xFFFF00, '5'},
        {"&Magenta", 0xFF00FF, '6'}, {"&White", 0xFFFFFF, '7'},
    };
    ASSERT_EQ(ColorPalette.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].caption);
        EXPECT_EQ(ColorPalette[i].caption, rows[i].caption);
        EXPECT_EQ(ColorPalette[i].packed, rows[i].packed);
        EXPECT_EQ(ColorPalette[i].digit, rows[i].digit);
    }
    for (const PaletteEntry& entry : ColorPalette) {
        EXPECT_EQ(PaletteEntryOf(entry.packed), &entry);
        EXPECT_EQ(PaletteEntryForDigit(entry.digit), &entry);
    }
    EXPECT_EQ(PaletteEntryOf(PackColor(1, 2, 3)), nullptr);
    EXPECT_EQ(PaletteEntryForDigit('8'), nullptr);
    EXPECT_EQ(PackColor(255, 0, 255), 16711935u);
    EXPECT_EQ(RedOf(0x123456), 0x56u);
    EXPECT_EQ(GreenOf(0x123456), 0x34u);
    EXPECT_EQ(BlueOf(0x123456), 0x12u);
}

TEST(InitialStyling, leavesEverythingWhiteStandardFontAndNothingSelected) {
    for (const char* initial : {"Player", "noname", "", "x"}) {
        SCOPED_TRACE(initial);
        MemoryStyledText text(initial, CharStyle{OldColor, false});
        text.SetSelection({1, 3});
        InitialStyling(text);
        for (std::size_t i = 0; i < text.Length(); ++i) {
            EXPECT_EQ(text.StyleAt(i), (CharStyle{WhiteColor, true})) << "at " << i;
        }
        EXPECT_EQ(text.GetSelection(), (Selection{0, 0}));
        EXPECT_EQ(text.Text(), initial);
    }
}

// The window keeps a closed window's names unless they are the ones it started with, unchanged.
TEST(IsUntouched, onlyTheStartNameAllWhiteInTheStandardFont) {
    MemoryStyledText start{std::string(StartPlayerName)};
    InitialStyling(start);
    EXPECT_TRUE(IsUntouched(start, StartPlayerName));
    EXPECT_FALSE(IsUntouched(start, StartServerName));
    MemoryStyledText red = start;
    red.SetSelection({1, 1});
    red.SetSelectionColor(PackedOf(PaletteColor::Red));
    EXPECT_FALSE(IsUntouched(red, StartPlayerName));
    MemoryStyledText alternative = start;
    alternative.SetSelection({0, 1});
    alternative.SetSelectionQ3Font(false);
    EXPECT_FALSE(IsUntouched(alternative, StartPlayerName));
}

// Marks which characters took the new colour: 'x' took it, '.' kept the old one.
std::string ColouredMask(const MemoryStyledText& text, PackedColor colour) {
    std::string mask;
    for (std::size_t i = 0; i < text.Length(); ++i) {
        mask.push_back(text.StyleAt(i).Color == colour ? 'x' : '.');
    }
    return mask;
}

TEST(ApplyColor, pullsInOneSpaceOnlyAndOnlyASpace) {
    struct Case {
        const char* name;
        std::string text;
        Selection before;
        int clicks;
        Selection after;
        std::string mask;
    };
    const Case cases[] = {
        {"selection at 0 is never extended", "Player", {0, 2}, 1, {0, 2}, "xx...."},
        {"caret at 0 after start-up colours nothing", "Player", {0, 0}, 1, {0, 0}, "......"},
        {"space before selection is pulled in", "ab cdef", {3, 4}, 1, {2, 5}, "..xxxxx"},
        {"second click finds no further space", "ab cdef", {3, 4}, 2, {2, 5}, "..xxxxx"},
        {"two spaces take two clicks, first", "a  bcd", {3, 3}, 1, {2, 4}, "..xxxx"},
        {"two spaces take two clicks, second", "a  bcd", {3, 3}, 2, {1, 5}, ".xxxxx"},
        {"two spaces, third click stops at a letter", "a  bcd", {3, 3}, 3, {1, 5}, ".xxxxx"},
        {"caret right after a space selects the space", "ab cd", {3, 0}, 1, {2, 1}, "..x.."},
        {"caret elsewhere colours nothing", "abcd", {2, 0}, 1, {2, 0}, "...."},
        {"caret at the end after a space", "ab ", {3, 0}, 1, {2, 1}, "..x"},
        {"a tab is not pulled in", "ab\tcd", {3, 2}, 1, {3, 2}, "...xx"},
        {"a non-breaking space is not pulled in",
         "ab\xA0"
         "cd",
         {3, 2},
         1,
         {3, 2},
         "...xx"},
        {"a space at 0 before a selection at 1", " abc", {1, 3}, 1, {0, 4}, "xxxx"},
        {"the whole text", "a b", {0, 3}, 1, {0, 3}, "xxx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStyledText text(c.text, CharStyle{OldColor, true});
        text.SetSelection(c.before);
        for (int i = 0; i < c.clicks; ++i) {
            ApplyColor(text, RedColor);
        }
        EXPECT_EQ(text.GetSelection(), c.after);
        EXPECT_EQ(ColouredMask(text, RedColor), c.mask);
        for (std::size_t i = 0; i < text.Length(); ++i) {
            EXPECT_TRUE(text.StyleAt(i).Q3Font) << "the font flag changed at " << i;
        }
    }
}

TEST(SetFontFlag, neverMovesTheSelection) {
    struct Case {
        const char* name;
        std::string text;
        Selection selection;
        bool flag;
        std::string flagged;  // afterwards: 'a' alternative font, 's' standard
    };
    const Case cases[] = {
        {"selection after a space", "ab cd", {3, 2}, false, "sssaa"},
        {"caret after a space", "ab cd", {3, 0}, false, "sssss"},
        {"selection at 0", "abc", {0, 2}, false, "aas"},
        {"whole text", "abc", {0, 3}, false, "aaa"},
        {"back to standard", "abc", {1, 1}, true, "asa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Setting a flag starts from the opposite flag everywhere, so every change shows.
        MemoryStyledText text(c.text, CharStyle{WhiteColor, !c.flag});
        text.SetSelection(c.selection);
        SetFontFlag(text, c.flag);
        EXPECT_EQ(text.GetSelection(), c.selection);
        std::string flagged;
        for (std::size_t i = 0; i < text.Length(); ++i) {
            flagged.push_back(text.StyleAt(i).Q3Font ? 's' : 'a');
            EXPECT_EQ(text.StyleAt(i).Color, WhiteColor);
        }
        EXPECT_EQ(flagged, c.flagged);
    }
}

TEST(SetFontFlag, afterAColourClickActsOnTheSameSelection) {
    MemoryStyledText text("ab cdef", CharStyle{WhiteColor, true});
    text.SetSelection({3, 4});
    ApplyColor(text, RedColor);
    SetFontFlag(text, false);
    EXPECT_EQ(text.GetSelection(), (Selection{2, 5}));
    for (std::size_t i = 0; i < text.Length(); ++i) {
        EXPECT_EQ(text.StyleAt(i).Q3Font, i < 2) << i;
    }
}

TEST(StyleRuns, groupsNeighboursOfOneStyle) {
    const CharStyle w{WhiteColor, true}, wa{WhiteColor, false}, r{RedColor, true};
    EXPECT_TRUE(StyleRuns(MemoryStyledText()).empty());
    EXPECT_EQ(StyleRuns(MemoryStyledText("abcdef", {w, w, wa, r, r, w})),
              (std::vector<StyleRun>{{0, 2, w}, {2, 1, wa}, {3, 2, r}, {5, 1, w}}));
    EXPECT_EQ(StyleRuns(MemoryStyledText("ab", r)), (std::vector<StyleRun>{{0, 2, r}}));
}

// "My Srv" with "Srv" red in the alternative font.
TEST(TypingStyle, overASelectionItsFirstCharacterAtACaretTheOneBefore) {
    const CharStyle w{WhiteColor, true}, ra{RedColor, false};
    MemoryStyledText text("My Srv", {w, w, w, ra, ra, ra});
    const struct {
        Selection selection;
        CharStyle style;
    } cases[] = {{{0, 6}, w}, {{3, 3}, ra}, {{2, 2}, w}, {{6, 0}, ra}, {{3, 0}, w}, {{0, 0}, w}};
    for (const auto& c : cases) {
        text.SetSelection(c.selection);
        EXPECT_EQ(TypingStyle(text), c.style) << c.selection.start << "+" << c.selection.length;
    }
    MemoryStyledText red("S", ra);
    EXPECT_EQ(TypingStyle(red), ra);  // at the start: the character after
    EXPECT_EQ(TypingStyle(MemoryStyledText()), w);
}

TEST(MemoryStyledText, clampsTheSelectionIntoTheText) {
    MemoryStyledText text("abc");
    text.SetSelection({5, 2});
    EXPECT_EQ(text.GetSelection(), (Selection{3, 0}));
    text.SetSelection({1, 10});
    EXPECT_EQ(text.GetSelection(), (Selection{1, 2}));
    EXPECT_THROW(MemoryStyledText("ab", std::vector<CharStyle>(1)), std::invalid_argument);
}

TEST(MemoryStyledText, copyLeavesTheOriginalUntouched) {
    MemoryStyledText original("abc", CharStyle{WhiteColor, true});
    original.SetSelection({1, 1});
    MemoryStyledText copy = MemoryStyledText::CopyOf(original);
    copy.SetSelection({0, 3});
    copy.SetSelectionColor(RedColor);
    EXPECT_EQ(original.GetSelection(), (Selection{1, 1}));
    EXPECT_EQ(original.StyleAt(0).Color, WhiteColor);
    EXPECT_EQ(copy.Text(), "abc");
}

TEST(MemoryStyledText, prefixKeepsTheFirstCharactersWithTheirStyles) {
    MemoryStyledText text("abc", std::vector<CharStyle>{{1, true}, {2, false}, {3, true}});
    text.SetSelection({1, 2});
    const MemoryStyledText two = text.Prefix(2);
    EXPECT_EQ(two.Text(), "ab");
    EXPECT_EQ(two.Styles(), (std::vector<CharStyle>{{1, true}, {2, false}}));
    EXPECT_EQ(two.GetSelection(), (Selection{0, 0}));
    EXPECT_EQ(text.Prefix(10).Text(), "abc");
    EXPECT_EQ(text.Prefix(0).Length(), 0u);
}

}  // namespace
}  // namespace chromlet
