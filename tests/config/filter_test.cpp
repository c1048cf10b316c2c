// Which lines the filter pass removes, where the new lines go, and what a second run does.
#include <gtest/gtest.h>

#include "config_test_support.h"

namespace chromlet::test {
namespace {

struct PrefixCase {
    const char* name;
    std::string line;
    bool removed;
};

// Names the case in test output; without it gtest prints the struct's raw bytes, padding too.
void PrintTo(const PrefixCase& c, std::ostream* os) {
    *os << c.name;
}

class OldLines : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(OldLines, areRemovedOnlyWhenTheyStartExactlyWithAPrefix) {
    ConfigFolder folder;
    const std::string before = Lines({{"seta before 1", "0D 0A"}});
    const std::string after = Lines({{"seta after 2", "0D 0A"}});
    const std::string line = GetParam().line + FromHex("0D 0A");
    WriteBytes(folder.Config(), before + line + after);
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
              ToHex(before + (GetParam().removed ? "" : line) + after + NewLines()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OldLines,
    ::testing::Values(PrefixCase{"name", "seta name \"Old\"", true},
                      PrefixCase{"nameThenQuote", "seta name\"Old\" and more", true},
                      PrefixCase{"nameThenTab", "seta name\t\"Old player\"", true},
                      PrefixCase{"nameThenControlByte", "seta name\x01\"Old player\"", true},
                      PrefixCase{"otherCvarStartingWithName", "seta namecolor \"3\"", false},
                      PrefixCase{"nameWithUnderscore", "seta name_backup \"x\"", false},
                      PrefixCase{"nameWithDigit", "seta name2 \"Second\"", false},
                      PrefixCase{"serverName", "seta sv_hostname \"Old server\"", true},
                      PrefixCase{"serverNameThenQuote", "seta sv_hostname\"Old server\"", true},
                      PrefixCase{"otherCvarStartingWithServerName", "seta sv_hostnames \"2\"",
                                 false},
                      PrefixCase{"shortOtherCvar", "seta namex", false},
                      PrefixCase{"nameThenHighByte", "seta name\xA0\"Old player\"", false},
                      PrefixCase{"nameOtherCase", "Seta name \"Old\" again", false},
                      PrefixCase{"serverNameUpperCase", "SETA SV_HOSTNAME \"Old\"", false},
                      PrefixCase{"nameLeadingBlank", " seta name \"Old player\"", false},
                      PrefixCase{"serverNameLeadingTab", "\tseta sv_hostname \"Old\"", false},
                      PrefixCase{"nameTwoBlanks", "seta  name \"Old player\"", false},
                      PrefixCase{"serverNameTwoBlanks", "seta  sv_hostname \"Old\"", false},
                      PrefixCase{"nameTabAfterSeta", "seta\tname \"Old player\"", false},
                      PrefixCase{"nameNotAtStart", "// seta name \"Old player\"", false},
                      PrefixCase{"shortComment", "// hi", false},
                      PrefixCase{"emptyLine", "", false},
                      PrefixCase{"shortNearMiss", "seta nam", false},
                      PrefixCase{"serverNearMiss15", "seta sv_hostnam", false},
                      PrefixCase{"shortNameExactly", "seta name", true},
                      PrefixCase{"shortName", "seta name x", true},
                      PrefixCase{"serverPrefixExactly16", "seta sv_hostname", true},
                      PrefixCase{"sixteenBytesKept", "seta r_gamma 1.2", false},
                      PrefixCase{"seventeenBytesKept", "seta r_gamma 1.25", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterPass, keepsShortLinesAndBlankLines) {
    ConfigFolder folder;
    const std::string before = Lines({{"// hi", "0D 0A"},
                                      {"", "0D 0A"},
                                      {"bind x", "0A"},
                                      {"\t", "0D"},
                                      {"unbindall", "0D 0A"}});
    WriteBytes(folder.Config(), before);
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(Lines({{"// hi", "0D 0A"},
                                                              {"", "0D 0A"},
                                                              {"bind x", "0A 0D 0A"},
                                                              {"\t", "0D 0A"},
                                                              {"unbindall", "0D 0A"}}) +
                                                       NewLines()));
}

TEST(FilterPass, removesEveryOldLineAndAppendsTheNewOnesOnce) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), Lines({{"seta name first", "0D 0A"},
                                       {"seta a 1", "0A"},
                                       {"seta sv_hostname one", "0A"},
                                       {"seta name two", "0D"},
                                       {"seta b 2", "0D 0A"},
                                       {"seta sv_hostname two", "0D 0A"},
                                       {"seta name last, without a line end", ""}}));
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
              ToHex(Lines({{"seta a 1", "0A 0D 0A"}, {"seta b 2", "0D 0A"}}) + NewLines()));
}

TEST(NewLines, carryTheEscapeAndEveryHighByteUnchanged) {
    std::string high;
    for (int c = 128; c <= 255; ++c) {
        high.push_back(static_cast<char>(c));
    }
    const std::string name =
        "seta name \"\x1b"
        "1" +
        high + "\"";
    const std::string server =
        "seta sv_hostname \"\x1b"
        "7" +
        high + "\"";
    ConfigFolder folder;
    WriteBytes(folder.Config(), Lines({{"seta a 1", "0D 0A"}}));
    ASSERT_TRUE(ConfigUpdater(folder.Config(), name, server).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
              ToHex(Lines({{"seta a 1", "0D 0A"}, {name, "0A 0D 0A"}, {server, "0A 0D 0A"}})));
}

TEST(NewLines, withALineBreakAreRefusedBeforeAnyFileIsTouched) {
    const std::string line = "seta name \"a\"";
    const struct {
        std::string name, server;
        const char* which;
    } cases[] = {{line + "\r", NewServer, "name line"},
                 {"seta name \"a\nb\"", NewServer, "name line"},
                 {"\r\n" + line, NewServer, "name line"},
                 {NewName, "seta sv_hostname \"a\"\n", "server-name line"},
                 {NewName, "seta sv_hostname \r\"a\"", "server-name line"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ToHex(c.name + " / " + c.server));
        ConfigFolder folder;
        const std::string before = Lines({{"seta a 1", "0A"}});
        WriteBytes(folder.Config(), before);
        int calls = 0;
        const ScopedFaultHook seam([&](UpdateStep) {
            ++calls;
            return 0;
        });
        const UpdateResult result = ConfigUpdater(folder.Config(), c.name, c.server);
        EXPECT_EQ(result.failedStep, UpdateStep::CheckLines);
        EXPECT_EQ(result.sideFile, SideFileState::Untouched);
        EXPECT_TRUE(result.failedFile.isEmpty());
        EXPECT_TRUE(result.reason.contains(QLatin1String(c.which))) << result.reason.toStdString();
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(ReadBytes(folder.Config()), before);
        EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("q3config.cfg")});
    }
}

TEST(SecondRun, withTheSameLinesIsAFixedPoint) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), Lines({{"// generated by the game", "0A"},
                                       {"seta name \"Old player\"", "0D 0A"},
                                       {"seta com_hunkmegs 56", "0D"},
                                       {"seta sv_hostname \"Old server\"", "0A"},
                                       {"bind MOUSE1 \"+attack\"", ""}}));
    ASSERT_TRUE(Update(folder.Config()).Ok());
    const std::string first = ReadBytes(folder.Config());
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(first));
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(first));
}

// Short lines are kept, and the line-end pass leaves out an empty line right after a line that
// ends with LF. Once an old line between the two is removed, they meet, and the empty line goes
// on the next run. After that the file stays as it is.
TEST(SecondRun, dropsAnEmptyLineThatTheFirstRunBroughtUpToAnLfLine) {
    ConfigFolder folder;
    WriteBytes(folder.Config(),
               Lines({{"seta a 1", "0A"}, {"seta name \"Old\"", "0D 0A"}, {"", "0D 0A"}}));
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
              ToHex(Lines({{"seta a 1", "0A 0D 0A"}, {"", "0D 0A"}}) + NewLines()));
    ASSERT_TRUE(Update(folder.Config()).Ok());
    const std::string second = ReadBytes(folder.Config());
    EXPECT_EQ(ToHex(second), ToHex(Lines({{"seta a 1", "0A 0D 0A"}}) + NewLines()));
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(second));
}

// A line not given keeps the file's lines of its kind where they are, byte for byte; the one given
// replaces its kind's lines and goes at the end, as both do.
TEST(OnlyOneLine, keepsTheFilesLinesOfTheOtherKind) {
    const std::string file = Lines({{"seta name \"Old\"", "0A"},
                                    {"seta sv_hostname \"Srv\"", "0D 0A"},
                                    {"seta name \"Older\"", "0A"},
                                    {"seta a 1", ""}});
    // The server-name line alone: both old name lines stay, with the line ends the target gives
    // the lines it keeps and the lines it adds.
    const auto serverOnly = [](const char* kept, const char* last, const char* added) {
        return Lines({{"seta name \"Old\"", kept},
                      {"seta name \"Older\"", kept},
                      {"seta a 1", last},
                      {NewServer, added}});
    };
    const struct {
        const char* name;
        TargetGame target;
        NewNameLines lines;
        std::string after;
    } cases[] = {
        {"server only, later engine",
         TargetGame::IoQuake3,
         {std::nullopt, NewServer},
         serverOnly("0A", "0A", "0A")},
        {"name only, later engine",
         TargetGame::IoQuake3,
         {NewName, std::nullopt},
         Lines({{"seta sv_hostname \"Srv\"", "0D 0A"}, {"seta a 1", "0A"}, {NewName, "0A"}})},
        {"neither, later engine", TargetGame::IoQuake3, {}, file},
        {"server only, test release",
         TargetGame::Q3Test,
         {std::nullopt, NewServer},
         serverOnly("0A 0D 0A", "0D 0A", "0A 0D 0A")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(folder.Config(), file);
        ASSERT_TRUE(ConfigUpdater(folder.Config(), c.lines, {c.target}).Ok());
        EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(c.after));
    }
}

}  // namespace
}  // namespace chromlet::test
