#include "core/color_decode.h"

#include <gtest/gtest.h>

#include <random>

#include "core/color_code.h"
#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::FromHex;

using test::DescribeStyles;

TEST(DecodeColorCode, readsColoursAndTheAlternativeFont) {
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
        EXPECT_EQ(DescribeStyles(DecodeColorCode(FromHex(c.codeHex))), c.expected);
    }
}

TEST(CodeOfSetaLine, takesTheBytesBetweenTheOuterQuotesWithoutTheClosingWhite) {
    struct Case {
        std::string line;
        std::optional<std::string> code;
    };
    const Case cases[] = {
        {"seta name \"\x1b"
         "1Pl\x1b"
         "7\"",
         "\x1b"
         "1Pl"},
        {"seta name \"\x1b"
         "7\"",
         ""},
        {"seta name \"a\"b\"\n", "a\"b"},
        {"seta name \"abc\"", "abc"},
        {"seta name \"\x1b\"", "\x1b"},
        {"seta name Old", std::nullopt},
        {"seta name \"unclosed", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CodeOfSetaLine(c.line), c.code);
    }
}

TEST(DecodeColorCode, undoesTheEncoderForPaletteStyledNames) {
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
            MemoryStyledText original(text, styles);
            CodeDigit digit;
            const std::string line = BuildSetaLine(NameLineStart, BuildColorCode(original, digit));
            const std::optional<std::string> code = CodeOfSetaLine(line);
            ASSERT_TRUE(code.has_value());
            ASSERT_EQ(DescribeStyles(DecodeColorCode(*code)), DescribeStyles(original))
                << "seed " << seed << " round " << round;
        }
    }
}

}  // namespace
}  // namespace chromlet
