#include "tools/engine_check/random_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace chromlet::engine_check {
namespace {

bool SameStyledText(const StyledText& a, const StyledText& b) {
    if (a.Text() != b.Text()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Length(); ++i) {
        if (!(a.StyleAt(i) == b.StyleAt(i))) {
            return false;
        }
    }
    return true;
}

// A difference seen in one run must come back when the same name is made again, whatever else
// the run made before it.
TEST(RandomStyledName, SameSeedAndIndexGiveTheSameName) {
    const MemoryStyledText late = RandomStyledName(7, 3);
    EXPECT_TRUE(SameStyledText(RandomStyledName(7, 3), late));
    EXPECT_FALSE(SameStyledText(RandomStyledName(7, 4), late));
    EXPECT_FALSE(SameStyledText(RandomStyledName(8, 3), late));
}

// The default run must style names the way the check is meant to try them: every palette
// colour, the alternative font, the bytes the network changes, runs of spaces.
TEST(RandomStyledName, ADefaultRunTriesWhatPlayersType) {
    std::set<PackedColor> colors;
    bool alternative = false, percent = false, caret = false, high = false, spaceRun = false;
    for (std::uint32_t i = 0; i < 40; ++i) {
        const MemoryStyledText name = RandomStyledName(1, i);
        const std::string text = name.Text();
        ASSERT_FALSE(text.empty());
        EXPECT_LE(text.size(), 28u);
        EXPECT_NE(text.find_first_not_of(' '), std::string::npos);
        EXPECT_EQ(name.GetSelection().length, 0u);
        for (std::size_t p = 0; p < text.size(); ++p) {
            colors.insert(name.StyleAt(p).Color);
            alternative = alternative || !name.StyleAt(p).Q3Font;
            high = high || static_cast<unsigned char>(text[p]) >= 0x80;
        }
        percent = percent || text.find('%') != std::string::npos;
        caret = caret || text.find('^') != std::string::npos;
        spaceRun = spaceRun || text.find("  ") != std::string::npos;
    }
    for (const PaletteEntry& entry : ColorPalette) {
        EXPECT_TRUE(colors.count(entry.packed)) << entry.caption;
    }
    EXPECT_EQ(colors.size(), ColorPalette.size());
    EXPECT_TRUE(alternative && percent && caret && high && spaceRun);
}

}  // namespace
}  // namespace chromlet::engine_check
