// Loading both names back: what is decoded, and what the user is told when it cannot be.
#include "config/load_names.h"

#include <gtest/gtest.h>

#include "config/seta_reader.h"
#include "config_test_support.h"
#include "describe_styles.h"

namespace chromlet::test {
namespace {

const std::string Server =
    "seta sv_hostname \"\x1b"
    "4S\xF2v\x1b"
    "7\"\r\n";

TEST(LoadNames, decodesBothNamesOrSaysWhatIsMissing) {
    const std::string tooLong = "seta name \"" + std::string(MaxSetaLineSize, 'x') + "\"\r\n";
    const struct {
        const char* name;
        std::string file;    // "<none>": no file at all
        std::string player;  // DescribeStyles of the player name, or the message's middle
    } cases[] = {
        {"both",
         "seta name \"\x1b"
         "1P\xEC\x1b"
         "7\"\r" +
             Server,
         "P1s l1a "},
        // Written back, a quote or a line break would break the line: left out. In the
        // alternative font they are bytes no engine ends at (A2, 8A), which the name keeps.
        {"quote and LF",
         "seta name \"a\xA2"
         "b\nc\x8A\"\r\n" +
             Server,
         "a7s \xA2"
         "7s b7s c7s \x8A"
         "7s "},
        {"no player name", Server, "\"%1\" holds no player name (a line seta name \"...\")."},
        {"neither", "seta name Old\r\n",
         "\"%1\" holds no player name (a line seta name \"...\") and no server name (a line "
         "seta sv_hostname \"...\")."},
        {"too long", tooLong + Server,
         "\"%1\" holds no player name (its last line seta name is longer than 64 KiB, too long "
         "to be a name)."},
        {"unreadable", "<none>", "Could not read \"%1\" (No such file or directory)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        if (c.file != "<none>") {
            WriteBytes(folder.Config(), c.file);
        }
        const LoadedNames loaded = LoadNames(folder.Config());
        if (loaded.Ok()) {
            EXPECT_EQ(DescribeStyles(loaded.playerName), c.player);
            EXPECT_EQ(DescribeStyles(loaded.serverName), "S4s r4a v4s ");
            EXPECT_EQ(DescribeLoadFailure(loaded), QString());
        } else {
            EXPECT_EQ(DescribeLoadFailure(loaded).toStdString(),
                      QString::fromStdString(c.player).arg(folder.Config()).toStdString() +
                          " The names in the editors were left as they were.");
        }
    }
}

}  // namespace
}  // namespace chromlet::test
