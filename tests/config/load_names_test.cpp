// Loading both names back: what is decoded, what the note says, and what the user is told when
// the names cannot be loaded.
#include "config/load_names.h"

#include <gtest/gtest.h>

#include "config/seta_reader.h"
#include "config_test_support.h"
#include "describe_styles.h"

namespace chromlet::test {
namespace {

const std::string Server =
    "seta sv_hostname \""
    "\x1b"
    "4S\xF2v\x1b"
    "7\"\r\n";

const char* const LeftOut =
    "Characters a name cannot hold (control characters such as NUL, double quotes, line breaks) "
    "were left out of the player name.";

LoadedNames Load(const std::string& file, TargetGame target = TargetGame::Q3Test) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), file);
    return LoadNames(folder.Config(), target);
}

TEST(LoadNames, decodesThePlayerNameLeavingOutWhatANameCannotHold) {
    const struct {
        const char* name;
        std::string value;   // of the player name line
        std::string player;  // DescribeStyles of the player name
        std::string note;
    } cases[] = {
        {"colours, alternative font",
         "\x1b"
         "1P\xEC\x1b"
         "7",
         "P1s l1a ", ""},
        // A quote ends the value, as the engines' tokenizer reads it.
        {"a quote ends the value", "a\"b", "a7s ", ""},
        // A quote or a line break in the alternative font is a byte no engine ends at (A2, 8A):
        // the name keeps it as that byte in the standard font, which the game gets alike.
        {"alternative quote and line feed",
         "a\xA2"
         "b\x8A"
         "c",
         "a7s \xA2"
         "7s b7s \x8A"
         "7s c7s ",
         ""},
        // NUL ends a value in every engine, and no other control character belongs in a name.
        {"NUL, VT, FF and DEL", std::string("a\0b\vc\fd\x7f", 8), "a7s b7s c7s d7s ", LeftOut},
        // 85 is a line break (NEL) to the editors.
        {"alternative font below 32, 85 among them", "\x81\x85\x9F",
         "\x81"
         "7s \x9F"
         "7s ",
         LeftOut},
        // "seta name \"", the escape and "7", the name, the escape and "7", "\"": 1,023 bytes.
        {"longest name", std::string(1007, 'x'), "", ""},
        {"cut where its line would be too long", std::string(1008, 'x'), "",
         "The player name was cut where its configuration line reaches 1,023 bytes, the most "
         "the game reads of a line."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedNames loaded = Load("seta name \"" + c.value + "\"\r\n" + Server);
        ASSERT_TRUE(loaded.Ok()) << DescribeLoadFailure(loaded).toStdString();
        if (c.value.size() >= 1007) {
            EXPECT_EQ(loaded.playerName.Text(), std::string(1007, 'x'));
        } else {
            EXPECT_EQ(DescribeStyles(loaded.playerName), c.player);
        }
        EXPECT_EQ(DescribeStyles(loaded.serverName), "S4s r4a v4s ");
        EXPECT_EQ(loaded.note.toStdString(), c.note);
    }
}

// Every target reads LF, CR LF and CR line ends and both code forms; the note says when the
// codes, or LF line ends alone, belong to the other kind of game.
TEST(LoadNames, readsEveryLineEndAndBothCodeFormsInEveryTarget) {
    const char* const ForLater =
        "This file was written for a later engine (its names use ^ colour codes).";
    const char* const ForTest =
        "This file was written for the 1999 test release (its names use escape colour codes).";
    const char* const LfAlone =
        "This file was written for a later engine (its lines end in LF alone).";
    const struct {
        const char* name;
        std::string player, server;
        std::string described;  // DescribeStyles of the player name
        CodeForm form;          // of the codes; the note comes where the target's form differs
        const char* note;
    } forms[] = {
        {"escape codes",
         "\x1b"
         "1P\x1b"
         "7l\x1b"
         "7",
         "\x1b"
         "4S",
         "P1s l7s ", CodeForm::Escape, ForTest},
        {"caret codes", "^1P^7l^7", "^4S", "P1s l7s ", CodeForm::Caret, ForLater},
    };
    for (const auto& f : forms) {
        for (const std::string end : {"\n", "\r\n", "\r"}) {
            for (const TargetGame target : AllTargets) {
                SCOPED_TRACE(f.name + ToHex(end) + std::string(TargetKey(target)));
                const LoadedNames loaded =
                    Load("// generated" + end + "seta name \"" + f.player + "\"" + end +
                             "seta sv_hostname \"" + f.server + "\"" + end,
                         target);
                ASSERT_TRUE(loaded.Ok()) << DescribeLoadFailure(loaded).toStdString();
                EXPECT_EQ(DescribeStyles(loaded.playerName), f.described);
                EXPECT_EQ(DescribeStyles(loaded.serverName), "S4s ");
                EXPECT_EQ(loaded.note.toStdString(), CodeFormOf(target) == f.form ? "" : f.note);
            }
        }
    }
    // Plain names tell nothing; LF line ends alone tell of a later engine, CR LF of neither.
    const struct {
        std::string file;
        TargetGame target;
        const char* note;
    } plain[] = {
        {"seta name \"a\"\nseta sv_hostname \"b\"\n", TargetGame::Q3Test, LfAlone},
        {"seta name \"a\"\nseta sv_hostname \"b\"\n", TargetGame::IoQuake3, ""},
        {"seta name \"a\"\r\nseta sv_hostname \"b\"\r\n", TargetGame::Q3Test, ""},
        {"seta name \"a\"\nseta sv_hostname \"b\"\r\n", TargetGame::Q3Test, ""},
        {"seta name \"a\"\nseta sv_hostname \"^1b\x1b"
         "1\"\n",
         TargetGame::Q3Test, LfAlone},
    };
    for (const auto& p : plain) {
        SCOPED_TRACE(ToHex(p.file));
        EXPECT_EQ(Load(p.file, p.target).note.toStdString(), p.note);
    }
}

// A server's config sets its name with whichever command its admin wrote; the name is what the
// engine takes, for the player name's line as the updater matches it.
TEST(LoadNames, readsTheServerNameAsTheEngineDoes) {
    const std::string player = "seta name \"P\"\n";
    const struct {
        const char* name;
        TargetGame target;
        std::string file;
        const char* server;  // DescribeStyles; nullptr: none found
    } cases[] = {
        {"set", TargetGame::IoQuake3, player + "set sv_hostname \"^1Ab\"\n", "A1s b1s "},
        {"sets, any case, blanks", TargetGame::Quake3, player + "  SETS SV_HOSTNAME ^2x\n", "x2s "},
        {"the cvar's own command, words joined", TargetGame::OpenArena,
         player + "sv_hostname My Srv\nmap oa_dm1\n", "M7s y7s  7s S7s r7s v7s "},
        {"the last one", TargetGame::IoQuake3,
         player + "set sv_hostname a\nseta sv_hostname \"b\" // not c\n", "b7s "},
        {"one of several commands", TargetGame::IoQuake3, player + "set a 1; setu sv_hostname z\n",
         "z7s "},
        {"a comment sets nothing", TargetGame::IoQuake3, player + "// set sv_hostname x\n",
         nullptr},
        {"but 1.32 runs what follows its ';'", TargetGame::Quake3,
         player + "// ; set sv_hostname x\n", "x7s "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedNames loaded = Load(c.file, c.target);
        EXPECT_EQ(loaded.server == NameLineState::Found, c.server != nullptr);
        if (c.server) {
            EXPECT_EQ(DescribeStyles(loaded.serverName), c.server);
        }
    }
}

TEST(LoadNames, saysWhatIsMissing) {
    const std::string tooLong = "seta name \"" + std::string(MaxSetaLineSize, 'x') + "\"\r\n";
    const struct {
        const char* name;
        std::string file;  // "<none>": no file at all
        std::string says;  // before " The names in the editors were left as they were."
    } cases[] = {
        {"no player name", Server, "\"%1\" holds no player name (a line seta name \"...\")."},
        {"neither", "seta name Old\r\n",
         "\"%1\" holds no player name (a line seta name \"...\") and no server name (a line "
         "such as set sv_hostname \"...\")."},
        {"too long", tooLong + Server,
         "\"%1\" holds no player name (a line seta name \"...\"). Its last seta name line is "
         "longer than 64 KiB, too long for a name."},
        {"unreadable", "<none>", "Could not read \"%1\" (No such file or directory)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        if (c.file != "<none>") {
            WriteBytes(folder.Config(), c.file);
        }
        const LoadedNames loaded = LoadNames(folder.Config());
        EXPECT_FALSE(loaded.Ok());
        EXPECT_EQ(DescribeLoadFailure(loaded).toStdString(),
                  QString::fromStdString(c.says).arg(folder.Config()).toStdString() +
                      " The names in the editors were left as they were.");
    }
}

}  // namespace
}  // namespace chromlet::test
