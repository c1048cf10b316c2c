// The line reader and the line-end pass, seen in the side file and the rewritten file.
#include <gtest/gtest.h>

#include "config_test_support.h"

namespace chromlet::test {
namespace {

struct Rewrite {
    std::string side;
    std::string config;
};

Rewrite UpdateBytes(const std::string& before) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), before);
    const UpdateResult result = Update(folder.Config());
    EXPECT_TRUE(result.Ok()) << result.reason.toStdString();
    EXPECT_EQ(result.sideFile, SideFileState::CompleteCopy);
    return {ReadBytes(folder.Side()), ReadBytes(folder.Config())};
}

// A small file of five lines, two of them old lines, each followed by `end`.
std::string FiveLineFile(std::string_view end) {
    return Lines({{"// first comment line", end},
                  {"seta name Old", end},
                  {"seta first_setting 1", end},
                  {"seta sv_hostname Old server", end},
                  {"seta second_setting 2", end}});
}

// LF line ends become LF CR LF, CR LF and CR become CR LF.
TEST(FiveLineFile, lineEndsAreNormalised) {
    for (const auto& [end, normalised] :
         {std::pair{"0A", "0A 0D 0A"}, std::pair{"0D 0A", "0D 0A"}, std::pair{"0D", "0D 0A"}}) {
        SCOPED_TRACE(end);
        const Rewrite r = UpdateBytes(FiveLineFile(end));
        EXPECT_EQ(ToHex(r.side), ToHex(FiveLineFile(normalised)));
        EXPECT_EQ(ToHex(r.config), ToHex(Lines({{"// first comment line", normalised},
                                                {"seta first_setting 1", normalised},
                                                {"seta second_setting 2", normalised}}) +
                                         NewLines()));
    }
}

struct LineEndCase {
    const char* name;
    std::string before;
    std::string side;  // no old lines here, so the file is rewritten as the side file
};

// Names the case in test output; without it gtest prints the struct's raw bytes, padding too.
void PrintTo(const LineEndCase& c, std::ostream* os) {
    *os << c.name;
}

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, normaliseIntoTheSideFileAndBack) {
    const Rewrite r = UpdateBytes(GetParam().before);
    EXPECT_EQ(ToHex(r.side), ToHex(GetParam().side));
    EXPECT_EQ(ToHex(r.config), ToHex(GetParam().side + NewLines()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEnds,
    ::testing::Values(
        LineEndCase{
            "mixedEndsEachFollowTheirRule",
            Lines({{"seta a 1", "0D 0A"}, {"seta b 2", "0A"}, {"seta c 3", "0D"}}),
            Lines({{"seta a 1", "0D 0A"}, {"seta b 2", "0A 0D 0A"}, {"seta c 3", "0D 0A"}})},
        LineEndCase{"severalLfsMakeSeveralLines", Lines({{"a", "0A"}, {"b", "0A"}, {"c", "0D 0A"}}),
                    Lines({{"a", "0A 0D 0A"}, {"b", "0A 0D 0A"}, {"c", "0D 0A"}})},
        LineEndCase{"lastLineWithoutEndGetsCrLf", Lines({{"a", "0D 0A"}, {"b", ""}}),
                    Lines({{"a", "0D 0A"}, {"b", "0D 0A"}})},
        LineEndCase{"lastByteLfAddsNoEmptyLine", Lines({{"a", "0A"}, {"b", "0A"}}),
                    Lines({{"a", "0A 0D 0A"}, {"b", "0A 0D 0A"}})},
        LineEndCase{"emptyLineOfAnLfFileIsLfCrLf", Lines({{"a", "0A"}, {"", "0A"}, {"b", "0A"}}),
                    Lines({{"a", "0A 0D 0A"}, {"", "0A 0D 0A"}, {"b", "0A 0D 0A"}})},
        LineEndCase{"emptyLineOfACrLfFileIsCrLf", Lines({{"a", "0D 0A"}, {"", "0D 0A"}, {"b", ""}}),
                    Lines({{"a", "0D 0A"}, {"", "0D 0A"}, {"b", "0D 0A"}})},
        LineEndCase{"emptyLineAfterAnLfLineIsNotWritten",
                    Lines({{"a", "0A 0D 0A"}, {"", "0D 0A"}, {"b", "0D 0A"}}),
                    Lines({{"a", "0A 0D 0A"}, {"b", "0D 0A"}})},
        LineEndCase{"everyEmptyLineAfterAnLfLineIsLeftOut",
                    Lines({{"a", "0A 0D"}, {"", "0D"}, {"", "0D 0A"}, {"b", "0D"}}),
                    Lines({{"a", "0A 0D 0A"}, {"b", "0D 0A"}})},
        LineEndCase{"emptyFirstLineIsWritten", Lines({{"", "0D 0A"}, {"a", "0D 0A"}}),
                    Lines({{"", "0D 0A"}, {"a", "0D 0A"}})},
        LineEndCase{"emptyFileHasNoLines", "", ""},
        LineEndCase{"lfAloneIsOneEmptyPiece", FromHex("0A"), FromHex("0A 0D 0A")},
        LineEndCase{"crAloneIsOneEmptyLine", FromHex("0D"), FromHex("0D 0A")},
        LineEndCase{"crCrIsTwoEmptyLines", FromHex("0D 0D"), FromHex("0D 0A 0D 0A")},
        LineEndCase{"lfCrEndsAPieceThenTheLine", FromHex("61 0A 0D 62"),
                    FromHex("61 0A 0D 0A 62 0D 0A")},
        LineEndCase{"escapeControlAndHighBytesPass",
                    Lines({{"\x1b\x80\xFF", "0D"}}) + FromHex("01 0D"),
                    FromHex("1B 80 FF 0D 0A 01 0D 0A")}),
    [](const auto& info) { return std::string(info.param.name); });

// The later engines end a line at LF, CR LF or CR: every kept line stays as it is, the side file
// holds the file's exact bytes, and the new lines end like most lines of the file.
TEST(LaterEngine, keepsEveryLineAsItIsAndEndsTheNewLinesLikeTheFile) {
    const std::string name = "seta name \"^1P^7\"";
    const std::string server = "seta sv_hostname \"^4S^7\"";
    const struct {
        const char* name;
        std::string before;
        std::string kept;  // before the new lines
        const char* end;   // of the new lines, in hex
    } cases[] = {
        {"LF", FiveLineFile("0A"),
         Lines({{"// first comment line", "0A"},
                {"seta first_setting 1", "0A"},
                {"seta second_setting 2", "0A"}}),
         "0A"},
        {"CR LF", FiveLineFile("0D 0A"),
         Lines({{"// first comment line", "0D 0A"},
                {"seta first_setting 1", "0D 0A"},
                {"seta second_setting 2", "0D 0A"}}),
         "0D 0A"},
        {"CR", FiveLineFile("0D"),
         Lines({{"// first comment line", "0D"},
                {"seta first_setting 1", "0D"},
                {"seta second_setting 2", "0D"}}),
         "0D"},
        {"mixed: most lines decide, old lines too",
         Lines({{"a", "0D 0A"}, {"seta name x", "0A"}, {"b", "0A"}, {"c", "0D"}}),
         Lines({{"a", "0D 0A"}, {"b", "0A"}, {"c", "0D"}}), "0A"},
        {"a tie: CR LF before CR", Lines({{"a", "0D"}, {"b", "0D 0A"}}),
         Lines({{"a", "0D"}, {"b", "0D 0A"}}), "0D 0A"},
        {"the test release's LF CR LF: an LF line and an empty CR LF line, a tie",
         Lines({{"a", "0A 0D 0A"}, {"seta name x", "0A 0D 0A"}}),
         Lines({{"a", "0A"}, {"", "0D 0A"}, {"", "0D 0A"}}), "0A"},
        {"no line end at the end", Lines({{"a", "0D 0A"}, {"b", ""}}),
         Lines({{"a", "0D 0A"}, {"b", "0D 0A"}}), "0D 0A"},
        {"an old line without a line end at the end",
         Lines({{"a", "0D"}, {"seta sv_hostname", ""}}), Lines({{"a", "0D"}}), "0D"},
        {"empty file", "", "", "0A"},
        {"empty lines, blanks, control and high bytes",
         Lines({{"", "0A"}, {" \t", "0A"}}) + FromHex("01 FF 0A"),
         Lines({{"", "0A"}, {" \t", "0A"}}) + FromHex("01 FF 0A"), "0A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const TargetGame target : AllTargets) {
            if (CodeFormOf(target) == CodeForm::Escape) {
                continue;
            }
            ConfigFolder folder;
            WriteBytes(folder.Config(), c.before);
            const UpdateResult result = ConfigUpdater(folder.Config(), name, server, {target});
            ASSERT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
            EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(c.before));
            EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
                      ToHex(c.kept + Lines({{name, c.end}, {server, c.end}})));
        }
    }
}

}  // namespace
}  // namespace chromlet::test
