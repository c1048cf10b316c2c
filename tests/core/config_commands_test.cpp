#include "core/config_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/config_limits.h"
#include "hex.h"

namespace chromlet {
namespace {

using namespace std::string_literals;
using test::ToHex;

// The words as "begin-end:text" each, blank between.
std::string Described(const std::vector<CommandWord>& words) {
    std::string out;
    for (const CommandWord& word : words) {
        out += (out.empty() ? "" : " ") + std::to_string(word.begin) + "-" +
               std::to_string(word.end) + ":" + word.text;
    }
    return out;
}

TEST(CommandWords, splitsAsTheEnginesTokenizerDoes) {
    const struct {
        std::string command;
        const char* words;
    } cases[] = {
        {"set sv_hostname \"My Server\"", "0-3:set 4-15:sv_hostname 16-27:My Server"},
        {"  seta x\t1 ", "2-6:seta 7-8:x 9-10:1"},
        {"a\"b c\"d", "0-1:a 1-6:b c 6-7:d"},  // a quote ends a word and starts one
        {"set x 1 // the rest", "0-3:set 4-5:x 6-7:1"},
        {"a/*c*/b//", "0-1:a 6-7:b"},
        {"/*/ x", "4-5:x"},  // the search for "*/" starts at the "/"
        {"x /* open", "0-1:x"},
        {"set a \"bc", "0-3:set 4-5:a 6-9:bc"},  // an open quote runs to the end
        {"a\xE9\x62", "0-1:a 2-3:b"},            // a byte of 128 or more is a blank
        {"\"\"", "0-2:"},
        {"a b\0c d"s, "0-1:a 2-3:b"},  // the engine's command is a C string
        {"", ""},
        {"// only", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToHex(c.command));
        EXPECT_EQ(Described(CommandWords(c.command)), c.words);
    }
}

// Each command as "start@line/lineStart/openLineStart:text", a '|' between.
class Commands : public CommandSink {
  public:
    void Command(const FileCommand& command) override {
        out += (out.empty() ? "" : "|") + std::to_string(command.start) + "@" +
               std::to_string(command.line) + "/" + std::to_string(command.lineStart) + "/" +
               std::to_string(command.openLineStart) + ":" + std::string(command.text);
    }
    std::string out;
};

std::string Split(TargetGame target, std::string_view file, std::size_t chunk = 0,
                  std::uint64_t* openEnd = nullptr) {
    CommandSplitter splitter(target);
    Commands commands;
    chunk = chunk == 0 ? std::max<std::size_t>(file.size(), 1) : chunk;
    for (std::size_t at = 0; at < file.size(); at += chunk) {
        splitter.Feed(file.substr(at, chunk), commands);
    }
    splitter.Finish(commands);
    if (openEnd) {
        *openEnd = splitter.OpenEnd();
    }
    return commands.out;
}

TEST(CommandSplitter, cutsAFileAsTheCommandBufferDoes) {
    using enum TargetGame;
    const struct {
        TargetGame target;
        std::string file;
        std::string commands;
    } cases[] = {
        {Quake3, "a;b\nc", "0@1/0/0:a|2@1/0/0:b|4@2/4/4:c"},
        {IoQuake3, "x \"a;b\" y;z", "0@1/0/0:x \"a;b\" y|10@1/0/0:z"},
        {Quake3, "\"a\nb", "0@1/0/0:\"a|3@2/3/3:b"},  // a line end ends a command in quotes too
        // 1.32 breaks at a ';' in a comment, and the rest runs; ioquake3 keeps the comment whole.
        {Quake3, "// c; set a 1\nb", "0@1/0/0:// c|5@1/0/0: set a 1|14@2/14/14:b"},
        {IoQuake3, "// c; set a 1\nb", "0@1/0/0:// c; set a 1|14@2/14/14:b"},
        // ioquake3's /* */ runs across line ends; the command ends with its "*".
        {IoQuake3, "/* a\nb */ c\nd", "0@1/0/0:/* a\nb *|9@2/5/0: c|12@3/12/12:d"},
        {Quake3, "/* a\nb */ c\nd", "0@1/0/0:/* a|5@2/5/5:b */ c|12@3/12/12:d"},
        {IoQuake3, "a /* ; */b", "0@1/0/0:a /* ; *|9@1/0/0:b"},
        {IoQuake3, "\"/*\";x", "0@1/0/0:\"/*\"|5@1/0/0:x"},  // no comment inside quotes
        // CR LF ends a line once, and the command buffer sees an empty command between.
        {Quake3, "a\r\nb\rc", "0@1/0/0:a|2@1/0/0:|3@2/3/3:b|5@3/5/5:c"},
        {Quake3, "a\0b;c"s, "0@1/0/0:a\0b"s + "|4@1/0/0:c"},
        {Quake3, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToHex(c.file));
        EXPECT_EQ(Split(c.target, c.file), c.commands);
        for (std::size_t chunk = 1; chunk <= 4; ++chunk) {
            EXPECT_EQ(Split(c.target, c.file, chunk), c.commands) << chunk;
        }
    }
}

// A command longer than the engine's line is cut there, the byte after the cut is dropped and the
// rest runs as a command of its own, outside the quotes and comments the first one was in; in
// Quake3e the rest does not run.
TEST(CommandSplitter, cutsALongCommandAndRunsTheRest) {
    const std::string head(MaxConfigLineBytes, 'a');
    EXPECT_EQ(Split(TargetGame::IoQuake3, head + "b;c\n", 100),
              "0@1/0/0:" + head + "|1024@1/0/0:|1025@1/0/0:c");
    EXPECT_EQ(Split(TargetGame::IoQuake3, "\"" + head + "x;y"),
              "0@1/0/0:\"" + head.substr(1) + "|1024@1/0/0:x|1026@1/0/0:y");
    // Quake3e runs the cut and skips the rest of the command, its quotes still counted.
    EXPECT_EQ(Split(TargetGame::Quake3e, head + "b;c\n", 100), "0@1/0/0:" + head + "|1025@1/0/0:c");
    EXPECT_EQ(Split(TargetGame::Quake3e, "\"" + head + "x;y"), "0@1/0/0:\"" + head.substr(1));
    EXPECT_EQ(Split(TargetGame::Quake3e, head + "// b;c\nd"),
              "0@1/0/0:" + head + "|1030@2/1030/1030:d");
}

TEST(CommandSplitter, saysWhereALineAtTheEndRuns) {
    const struct {
        TargetGame target;
        std::string file;
        std::uint64_t openEnd;
    } cases[] = {
        {TargetGame::IoQuake3, "a\nb", 3},
        {TargetGame::IoQuake3, "a\n/* b\nc", 2},  // the comment would swallow it
        {TargetGame::Quake3, "a\n/* b\nc", 8},    // 1.32's comments end with their command
        {TargetGame::IoQuake3, "a\n/* b */\n", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToHex(c.file));
        std::uint64_t openEnd = 0;
        Split(c.target, c.file, 0, &openEnd);
        EXPECT_EQ(openEnd, c.openEnd);
    }
}

TEST(HostnameSettingOf, findsEveryFormThatSetsTheServerName) {
    using enum TargetGame;
    const struct {
        TargetGame target;
        std::string command;
        std::optional<HostnameSetting> setting;
    } cases[] = {
        {Quake3, "set sv_hostname \"My Server\"", HostnameSetting{16, 27, "My Server"}},
        {IoQuake3, "  SETA SV_HOSTNAME \"x\" // ours", HostnameSetting{19, 22, "x"}},
        {OpenArena, "sets Sv_HostName x", HostnameSetting{17, 18, "x"}},
        {Q3Test, "setu sv_hostname \"x\"", HostnameSetting{17, 20, "x"}},
        {IoQuake3, "set \"sv_hostname\" \"x\"", HostnameSetting{18, 21, "x"}},
        {IoQuake3, "set sv_hostname \"unclosed", HostnameSetting{16, 25, "unclosed"}},
        // Every word of the value, joined by blanks, for set in every engine; ioquake3 does so
        // for seta too, which 1.32 refuses with more than one word.
        {Quake3, "set sv_hostname two  words", HostnameSetting{16, 26, "two words"}},
        {IoQuake3, "seta sv_hostname two  words", HostnameSetting{17, 27, "two words"}},
        {Quake3, "seta sv_hostname two words", std::nullopt},
        // The cvar's own command: 1.32 takes its first word, ioquake3 every word.
        {Quake3, "sv_hostname \"bare\"", HostnameSetting{12, 18, "bare"}},
        {Quake3, "sv_hostname a b", HostnameSetting{12, 15, "a"}},
        {IoQuake3, "sv_hostname a b", HostnameSetting{12, 15, "a b"}},
        {IoQuake3, "set sv_hostname", std::nullopt},  // prints it
        {IoQuake3, "sv_hostname", std::nullopt},
        {IoQuake3, "set sv_hostnames x", std::nullopt},
        {IoQuake3, "seta name x", std::nullopt},
        {IoQuake3, "// set sv_hostname x", std::nullopt},
        {IoQuake3, "echo sv_hostname x", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(TargetKey(c.target)) + ": " + c.command);
        EXPECT_EQ(HostnameSettingOf(c.target, c.command), c.setting);
    }
}

TEST(StartsMap, knowsTheCommandsThatStartAGame) {
    const struct {
        const char* command;
        bool starts;
    } cases[] = {
        {"map oa_dm1", true}, {"  DEVMAP q3dm17", true}, {"spmap x", true},    {"spdevmap x", true},
        {"vstr d1", true},    {"\"map\" x", true},       {"mapname x", false}, {"set map x", false},
        {"// map x", false},  {"map_restart", false},    {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartsMap(c.command), c.starts) << c.command;
    }
}

// Debian's openarena starts ioquake3 with "+set com_homepath .openarena" among others.
TEST(StartupValue, readsTheCommandLinesSetsAsEachEngineDoes) {
    const StartupReading id132{false, false};
    const StartupReading ioq3{false, true};
    const StartupReading quake3e{true, true};
    const struct {
        std::vector<std::string> argv;
        std::string cvar;
        StartupReading reading;
        std::optional<std::string> value;
    } cases[] = {
        {{"ioquake3", "+set", "com_basegame", "baseoa", "+set", "com_homepath", ".openarena"},
         "com_homepath",
         ioq3,
         ".openarena"},
        {{"ioquake3", "+set", "fs_homepath", "/a", "+set", "fs_homepath", "/b"},
         "fs_homepath",
         ioq3,
         "/b"},  // the last wins
        {{"ioquake3", "+set", "FS_HomePath", "/a"}, "fs_homepath", ioq3, "/a"},
        {{"ioquake3", "+SET", "fs_homepath", "/a"}, "fs_homepath", ioq3, std::nullopt},
        {{"quake3e", "+SET", "fs_homepath", "/a"}, "fs_homepath", quake3e, "/a"},
        {{"ioquake3", "+set", "fs_homepath", "/my games"}, "fs_homepath", ioq3, "/my games"},
        // One argument holding blanks is quoted whole, its '+' inside the quotes.
        {{"ioquake3", "+set fs_homepath /x"}, "fs_homepath", ioq3, std::nullopt},
        {{"ioquake3", "+set", "fs_homepath", "/x", "y"}, "fs_homepath", ioq3, "/x y"},
        {{"quake3", "+set", "fs_homepath", "/x", "y"}, "fs_homepath", id132, "/x"},
        {{"ioquake3", "+seta", "fs_homepath", "/a"}, "fs_homepath", ioq3, std::nullopt},
        {{"ioquake3", "set", "fs_homepath", "/a"}, "fs_homepath", ioq3, "/a"},  // before any +
        {{"ioquake3", "+set", "fs_game", "a+b"}, "fs_game", ioq3, "a"},         // a '+' cuts
        {{"ioquake3", "+set", "fs_game", "\"a+b\""}, "fs_game", ioq3, "a+b"},
        {{"ioquake3", "+connect", "h"}, "fs_homepath", ioq3, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argv.back());
        EXPECT_EQ(StartupValue(StartupCommands(c.argv), c.cvar, c.reading), c.value);
    }
    // The line holds 1023 bytes, and 32 commands at most.
    std::vector<std::string> many{"ioquake3"};
    for (int i = 0; i < 40; ++i) {
        many.push_back("+set");
        many.push_back("v" + std::to_string(i));
        many.push_back("1");
    }
    EXPECT_EQ(StartupCommands(many).size(), 32u);
    EXPECT_EQ(StartupValue(StartupCommands(many), "v30", ioq3), "1");
    EXPECT_EQ(StartupValue(StartupCommands(many), "v31", ioq3), std::nullopt);
    const std::vector<std::string> longLine{"ioquake3", std::string(1020, 'x'), "+set", "a", "1"};
    EXPECT_EQ(StartupValue(StartupCommands(longLine), "a", ioq3), std::nullopt);
}

}  // namespace
}  // namespace chromlet
