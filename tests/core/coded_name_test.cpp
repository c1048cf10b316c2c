#include "core/coded_name.h"

#include <gtest/gtest.h>

#include <string>

#include "core/char_rules.h"

#include "describe_styles.h"
#include "hex.h"

namespace chromlet {
namespace {

using test::DescribeStyles;
using test::ToHex;
using namespace std::string_literals;

// What ParseNotes says, in short: o other lines, q quotes, l line breaks, c controls, x cut.
std::string Noted(const ParseNotes& notes) {
    std::string out;
    out += notes.otherLines ? "o" : "";
    out += notes.leftOut.quotes ? "q" : "";
    out += notes.leftOut.lineBreaks ? "l" : "";
    out += notes.leftOut.controls.empty() ? "" : "c";
    out += notes.leftOut.cut ? "x" : "";
    return out;
}

TEST(ParseCodedName, readsCodesLinesAndCommands) {
    struct Case {
        TargetGame target;
        std::string pasted;
        const char* styles;  // nullptr: nothing to paste
        const char* noted;
    };
    const char* player = "P1s l1s a7s y7s e7s r7s ";
    const Case cases[] = {
        {TargetGame::Quake3, "^1Pl^7ayer", player, ""},
        {TargetGame::Quake3, "seta name \"^1Pl^7ayer^7\"\r\n", player, ""},
        {TargetGame::IoQuake3, "  /name \"^1Pl^7ayer^7\"", player, ""},
        {TargetGame::Quake3, "\\name ^1Pl^7ayer", player, ""},
        {TargetGame::Quake3, "SETA Name \"^1Pl^7ayer\"", player, ""},
        {TargetGame::Quake3, "name ^1Big Bob", "B1s i1s g1s  1s B1s o1s b1s ", ""},
        {TargetGame::Quake3, "seta sv_hostname \"^2Srv^7\"", "S2s r2s v2s ", ""},
        {TargetGame::Quake3, "\n\n^3Yo\n  \nseta name \"x\"", "Y3s o3s ", "o"},
        {TargetGame::Quake3, "Bob\"by", "B7s o7s b7s b7s y7s ", "q"},
        {TargetGame::Quake3, "/name \"^1a\"b\"", "a1s ", ""},
        {TargetGame::Quake3,
         "\x1b"
         "1Pl\x1b"
         "7ayer",
         player, ""},
        {TargetGame::Quake3, "^1\xE1", "a1a ", ""},
        {TargetGame::Quake3, "\x1bx^1a\x1b", "x7s a1s ", ""},  // lone escapes drop
        // A2, 8A and 80 are a quote, a line feed and NUL in the alternative font, which no name
        // holds; the game gets the bytes, which the name keeps as they are. 85 ends the line.
        {TargetGame::Quake3,
         "a\xA2\x8A\x80\x85"
         "b",
         "a7s \xA2"
         "7s \x8A"
         "7s \x80"
         "7s ",
         "o"},
        {TargetGame::Quake3, "^1a\0b\x7F\x1b"s, "a1s b1s ", "c"},
        {TargetGame::Quake3, "^!a", "a1s ", ""},
        {TargetGame::IoQuake3, "^!a", "^7s !7s a7s ", ""},
        {TargetGame::Q3Test, "^1Pl^7ayer", player, ""},
        {TargetGame::Q3Test, "^!a", "^7s !7s a7s ", ""},
        {TargetGame::Quake3, "seta r_mode \"3\"", nullptr, ""},
        {TargetGame::Quake3, "seta name \"\"", nullptr, ""},
        {TargetGame::Quake3, "/name", nullptr, ""},
        {TargetGame::Quake3, " \r\n ", nullptr, ""},
        {TargetGame::Quake3, "\t\0\""s, nullptr, "qc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToHex(c.pasted));
        ParseNotes notes;
        const std::optional<MemoryStyledText> text = ParseCodedName(c.target, c.pasted, &notes);
        ASSERT_EQ(text.has_value(), c.styles != nullptr);
        if (text) {
            EXPECT_EQ(DescribeStyles(*text), c.styles);
        }
        EXPECT_EQ(Noted(notes), c.noted);
    }
}

// A name stops at MaxNameChars, however long the paste; so does a code too long to read whole.
TEST(ParseCodedName, cutsAtTheBoundOfAName) {
    for (const std::string& pasted :
         {std::string(MaxNameChars + 1, 'a'), "^1" + std::string(1'000'000, '^'),
          std::string(MaxPastedChars, '\0') + "a"}) {
        ParseNotes notes;
        const std::optional<MemoryStyledText> text =
            ParseCodedName(TargetGame::Quake3, pasted, &notes);
        EXPECT_TRUE(notes.leftOut.cut);
        EXPECT_EQ(text ? text->Length() : 0, pasted[0] == '\0' ? 0 : MaxNameChars);
    }
    ParseNotes notes;
    EXPECT_EQ(ParseCodedName(TargetGame::Quake3, std::string(MaxNameChars, 'a'), &notes)->Length(),
              MaxNameChars);
    EXPECT_FALSE(notes.leftOut.cut);
}

TEST(QuotedValue, readsUpToTheNextQuoteAsTheEnginesDo) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"seta name \"\x1b"
         "1Pl\x1b"
         "7\"",
         "\x1b"
         "1Pl\x1b"
         "7"},
        {"seta name \"\"", ""},
        {"seta name \"a\"b\"\n", "a"},
        {"seta name \"unclosed", "unclosed"},
        {"seta name Old", std::nullopt},
    };
    for (const auto& [line, value] : cases) {
        SCOPED_TRACE(ToHex(line));
        EXPECT_EQ(QuotedValue(line), value);
    }
}

TEST(ConsoleCommand, setsTheNameInCaretsAndEndsInWhite) {
    EXPECT_EQ(ToHex(ConsoleCommand(TargetGame::Quake3, "name", "^1Pl^7ayer").value()),
              "2F 6E 61 6D 65 20 22 5E 31 50 6C 5E 37 61 79 65 72 5E 37 22");
    EXPECT_EQ(ToHex(ConsoleCommand(TargetGame::IoQuake3, "sv_hostname", "\xE1").value()),
              "2F 73 76 5F 68 6F 73 74 6E 61 6D 65 20 22 E1 5E 37 22");
    EXPECT_EQ(ConsoleCommand(TargetGame::Q3Test, "name",
                             "\x1b"
                             "1a"),
              std::nullopt);
    EXPECT_EQ(ConsoleCommand(TargetGame::Quake3, "say", "a"), std::nullopt);
    EXPECT_EQ(ConsoleCommand(TargetGame::Quake3, "name", "a\"b"), std::nullopt);
    EXPECT_EQ(ConsoleCommand(TargetGame::Quake3, "name", "a\nb"), std::nullopt);
    // "/name \"" and "^7\"" take 10 of the console line's 255 characters.
    EXPECT_EQ(ConsoleCommand(TargetGame::Quake3, "name", std::string(245, 'a'))->size(), 255u);
    EXPECT_EQ(ConsoleCommand(TargetGame::Quake3, "name", std::string(246, 'a')), std::nullopt);
}

// "\{" and "\}" put what lies between them into the alternative font, colour codes too; the marks
// must match.
TEST(AltFontMarks, raiseWhatLiesBetweenThem) {
    const struct {
        std::string text;
        std::optional<std::string> bytes;
    } cases[] = {
        {"a\\{bc\\}d",
         "a\xE2\xE3"
         "d"},
        {"\\{^1x\\}", "\xDE\xB1\xF8"},
        {"\\{\xE9 \\}", "\xE9\xA0"},
        {"a\\b\\", "a\\b\\"},  // any other backslash is itself
        {"", ""},
        {"\\{a", std::nullopt},
        {"a\\}", std::nullopt},
        {"\\{a\\{b\\}", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<std::string> bytes = ResolveAltFontMarks(c.text);
        EXPECT_EQ(bytes.has_value(), c.bytes.has_value());
        if (bytes && c.bytes) {
            EXPECT_EQ(ToHex(*bytes), ToHex(*c.bytes));
            EXPECT_EQ(ResolveAltFontMarks(WithAltFontMarks(*bytes)), bytes);
        }
    }
    EXPECT_EQ(WithAltFontMarks("a\xE2\xE3"
                               "d\xE9"),
              "a\\{bc\\}d\\{i\\}");
}

}  // namespace
}  // namespace chromlet
