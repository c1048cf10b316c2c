#include "core/config_limits.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/memory_styled_text.h"
#include "core/name_fit.h"
#include "core/quick_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::ToHex;

// Cbuf_Execute copies at most MAX_CMD_LINE - 1 = 1023 bytes of a line.
TEST(ConfigLimits, aLineIsReadWholeUpTo1023Bytes) {
    EXPECT_TRUE(IsLineReadWhole(std::string(1023, 'a')));
    EXPECT_FALSE(IsLineReadWhole(std::string(1024, 'a')));
    EXPECT_TRUE(IsLineReadWhole(""));
    // "seta name " and two quotes leave 1,011 bytes for the value, "seta sv_hostname " 1,004.
    EXPECT_EQ(MaxValueBytes(NameLineStart), 1011u);
    EXPECT_EQ(MaxValueBytes(ServerLineStart), 1004u);
}

// Cbuf_InsertText takes strlen(file) + 1 bytes beside what the buffer holds: MAX_CMD_BUFFER is
// 16384 in 1.32 (and so for the test release), 128 KiB in ioquake3 and OpenArena's engine.
TEST(ConfigLimits, aFileIsReadWholeWhereTheCommandBufferHasRoomForIt) {
    struct Case {
        TargetGame target;
        std::size_t pending;
        std::size_t most;
    };
    const Case cases[] = {
        {TargetGame::Q3Test, 18, 16365},  // "exec autoexec.cfg\n" behind it, as at start-up
        {TargetGame::Quake3, 18, 16365},
        {TargetGame::Quake3, 0, 16383},  // exec'd from the console with nothing behind it
        {TargetGame::IoQuake3, 18, 131053},
        {TargetGame::OpenArena, 5, 131066},  // "quit\n" behind it
        {TargetGame::Quake3, 20000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(TargetKey(c.target)) + " " + std::to_string(c.pending));
        EXPECT_EQ(MaxConfigFileBytes(c.target, c.pending), c.most);
    }
    // At start-up 1.32 has "exec autoexec.cfg\n" behind the file; ioquake3 and OpenArena nothing.
    EXPECT_EQ(CommandsAfterConfig.size(), 18u);
    EXPECT_EQ(CheckConfigFile(TargetGame::Q3Test, 16365), FileFault::None);
    EXPECT_EQ(CheckConfigFile(TargetGame::Quake3, 16366), FileFault::TooLarge);
    EXPECT_EQ(CheckConfigFile(TargetGame::IoQuake3, 131071), FileFault::None);
    EXPECT_EQ(CheckConfigFile(TargetGame::OpenArena, 131072), FileFault::TooLarge);
    EXPECT_EQ(CheckConfigFile(TargetGame::IoQuake3, 100, 99), FileFault::ZeroByte);
    EXPECT_EQ(CheckConfigFile(TargetGame::IoQuake3, 100, 0), FileFault::ZeroByte);
    // The file mark appears from half of what the engine reads.
    EXPECT_FALSE(IsFileWorthAMark(TargetGame::Quake3, 8182));
    EXPECT_TRUE(IsFileWorthAMark(TargetGame::Quake3, 8183));
    EXPECT_TRUE(IsFileWorthAMark(TargetGame::IoQuake3, 10, 3));
}

MemoryStyledText White(std::string text) {
    return MemoryStyledText(std::move(text), CharStyle{PackedOf(PaletteColor::White), true});
}

// How much of an insertion fits is measured on the line the encoder writes, whatever makes it
// long: characters, colour changes, the caret form's guard after a '^'.
TEST(NameFit, insertionsStopWhereTheLineWouldPass1023Bytes) {
    const CharStyle red{PackedOf(PaletteColor::Red), true};
    struct Case {
        const char* name;
        NameLine line;
        MemoryStyledText text;
        Selection replaced;
        MemoryStyledText insert;
        std::size_t fits;
    };
    const std::string a1000(1000, 'a'), a1005(1005, 'a'), a1007(1007, 'a'), b2000(2000, 'b');
    // clang-format off
    const Case cases[] = {
        // "seta name \"", escape 7, 1,007 characters, escape 7, "\"": 1,023 bytes.
        {"escape form, white", {TargetGame::Q3Test}, White(""), {}, White(b2000), 1007},
        {"caret form, white", {TargetGame::IoQuake3}, White(""), {}, White(b2000), 1007},
        {"server line", {TargetGame::Quake3, ServerLineStart}, White(""), {}, White(b2000), 1000},
        // A red character after white text costs a code before it and one back to white.
        {"a colour change", {TargetGame::IoQuake3}, White(a1000), {1000, 0}, MemoryStyledText("bc", red), 2},
        {"a colour change too many", {TargetGame::IoQuake3}, White(a1005), {1005, 0}, MemoryStyledText("bc", red), 0},
        // A caret followed by a letter gets the current colour's code after it.
        {"a guarded caret", {TargetGame::IoQuake3}, White(a1000), {1000, 0}, White("^b^b"), 3},
        {"the selection makes room", {TargetGame::Q3Test}, White(a1007), {0, 10}, White(b2000), 10},
        {"a full line takes nothing", {TargetGame::Q3Test}, White(a1007), {1007, 0}, White("b"), 0},
        {"an over-long line takes nothing", {TargetGame::Q3Test}, White(a1007 + "aaa"), {0, 0}, White("b"), 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FittingLength(c.line, c.text, c.replaced, c.insert), c.fits);
    }
    EXPECT_EQ(LineBytes({TargetGame::Q3Test}, White(std::string(1007, 'a'))), 1023u);
}

// A one-click style keeps to the bound the name kept to: "Rocket Rider" in Rainbow takes 36
// bytes in OpenArena, one more than the game keeps, so the last two letters share a colour.
TEST(NameFit, stylesGiveBackColoursToKeepWhatTheGameKeeps) {
    const MemoryStyledText name = White("Rocket Rider");
    const NameLine line{TargetGame::OpenArena};
    const StyleBound bound = StyleBudget(LimitsOf(line, name));
    EXPECT_EQ(bound.bytes, 35u);
    EXPECT_EQ(bound.kind, CountLimit::Kind::KeptByGame);
    const std::optional<FittedStyles> fitted =
        FitStyles(line, name, QuickStyled(name, QuickStyle::Rainbow), {0, name.Length()}, 35);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->fullBytes, 36u);
    EXPECT_EQ(fitted->bytes, 34u);
    EXPECT_EQ(fitted->colorsGivenBack, 1u);
    MemoryStyledText styled(name.Text(), fitted->styles);
    EXPECT_EQ(ValueOf(line, styled), "^1R^3o^2c^5k^4e^6t ^1R^3i^2d^5er^7");
    // A name within its bounds already and a style that fits: nothing given back.
    const MemoryStyledText shorter = White("Rocket");
    const std::optional<FittedStyles> whole =
        FitStyles(line, shorter, QuickStyled(shorter, QuickStyle::Rainbow), {0, 6}, 35);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->colorsGivenBack, 0u);
    // Not even one colour fits: nothing to give.
    EXPECT_FALSE(
        FitStyles(line, name, QuickStyled(name, QuickStyle::Rainbow), {0, name.Length()}, 14));
    // A server name keeps to the room a default server leaves it, and a name over every bound
    // has none left to keep to.
    EXPECT_EQ(StyleBudget(LimitsOf({TargetGame::OpenArena, ServerLineStart}, name)).bytes, 222u);
    EXPECT_EQ(StyleBudget(LimitsOf({TargetGame::Q3Test}, White(std::string(1100, 'a')))).bytes,
              std::numeric_limits<std::size_t>::max());
}

}  // namespace
}  // namespace chromlet
