// chromlet-name as a user and a script meet it: what it prints, byte for byte, on which stream,
// with which exit status, and every refusal.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>

#include <gtest/gtest.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <signal.h>
#include <sys/stat.h>

#include "cli_test_support.h"
#include "config/config_test_support.h"
#include "hex.h"
#include "test_charset.h"

namespace chromlet::test {
namespace {

const std::string Oob = "\xFF\xFF\xFF\xFF";

QStringList Args(std::initializer_list<const char*> words) {
    QStringList list;
    for (const char* word : words) {
        list << QString::fromUtf8(word);
    }
    return list;
}

std::string Usage(const std::string& message) {
    return "chromlet-name: " + message + "\nTry 'chromlet-name --help'.\n";
}

TEST(CommandLine, answersAndRefusesAsDocumented) {
    const struct {
        QStringList args;
        int status;
        std::string says;  // standard output for status 0, standard error otherwise
    } cases[] = {
        {Args({"--version"}), 0, "chromlet-name (Chromlet) " CHROMLET_VERSION "\n"},
        {Args({"-v"}), 0, "chromlet-name (Chromlet) " CHROMLET_VERSION "\n"},
        {{}, 2, Usage("no command given")},
        {Args({"dance"}), 2, Usage("'dance' is no command")},
        {Args({"--bogus", "show", "x"}), 2, Usage("Unknown option 'bogus'.")},
        {Args({"show"}), 2, Usage("show needs a NAME")},
        {Args({"status"}), 2, Usage("status needs a HOST")},
        {Args({"code", "a", "b"}), 2, Usage("unexpected argument 'b'")},
        {Args({"--json", "code", "a"}), 2, Usage("--json does not go with code")},
        {Args({"write", "f", "--hostname", "a"}), 2, Usage("--hostname does not go with write")},
        {Args({"server", "f", "--even-if-running", "--hostname", "a"}), 2,
         Usage("--even-if-running does not go with server")},
        {Args({"--game", "quake4", "show", "a"}), 2,
         Usage("unknown game 'quake4': one of q3test, quake3, ioquake3, openarena, quake3e")},
        {Args({"--color=rainbow", "show", "a"}), 2,
         Usage("--color takes auto, always or never, not 'rainbow'")},
        {Args({"--timeout", "0", "status", "h"}), 2,
         Usage("--timeout takes a number of seconds up to 3600, not '0'")},
        {Args({"--game"}), 2, Usage("Missing value after '--game'.")},
        {Args({"write", "f"}), 2, Usage("write needs --name NAME, --server NAME or both")},
        {Args({"server", "f"}), 2, Usage("server needs --hostname NAME")},
        {Args({"status", "host:99999"}), 2,
         "chromlet-name: 'host:99999' is no server address: give HOST, HOST:PORT or "
         "[IPv6]:PORT, the port 1 to 65535\n"},
        {Args({"picture", "a"}), 2, Usage("picture needs -o FILE.png (- for standard output)")},
        {Args({"picture", "a", "-o", "a.png", "--scale", "3"}), 2,
         Usage("--scale takes 1, 2 or 4, not '3'")},
        {Args({"picture", "a", "-o", "a.png", "--place", "lobby"}), 2,
         Usage("unknown place 'lobby': one of scoreboard, chat, console, crosshair, "
               "frag-message, settings-field, departure, server-browser")},
        {Args({"export", "a"}), 2, Usage("export needs --format html, bbcode, ansi or discord")},
        {Args({"export", "--format", "rtf", "a"}), 2,
         Usage("unknown format 'rtf': one of html, bbcode, ansi, discord")},
        {Args({"export", "--format", "html", "--scale", "2", "a"}), 2,
         Usage("--scale does not go with export")},
        {Args({"code", "--", "-x"}), 0,
         "\x1b"
         "7-x\x1b"
         "7"},
    };
    CliEnvironment cli;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Ran ran = cli.Run(c.args);
        EXPECT_EQ(ran.status, c.status);
        EXPECT_EQ(ToHex(c.status == 0 ? ran.out : ran.err), ToHex(c.says));
        EXPECT_EQ(c.status == 0 ? ran.err : ran.out, "");
    }
}

TEST(CommandLine, namesEveryCommandInItsHelp) {
    const Ran ran = CliEnvironment().Run(Args({"--help"}));
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.err, "");
    EXPECT_TRUE(ran.out.starts_with("Usage: chromlet-name [OPTIONS] COMMAND [ARGUMENTS]\n"));
    const char* const parts[] = {"  show NAME",
                                 "  code NAME",
                                 "  write FILE [--name NAME] [--server NAME]",
                                 "  server FILE --hostname NAME",
                                 "  status HOST[:PORT]",
                                 "  picture NAME -o FILE.png",
                                 "  export --format FORMAT NAME",
                                 "--scale N",
                                 "--transparent",
                                 "--place PLACE",
                                 "--game-folder DIR",
                                 "--note",
                                 "--as-server",
                                 "--as-written",
                                 "--game GAME",
                                 "--color=WHEN",
                                 "--json",
                                 "--write-read-only",
                                 "--even-if-running",
                                 "--timeout SECONDS",
                                 "NO_COLOR",
                                 "\\{Alt\\}",
                                 "Exit status: 0 done; 1 failed"};
    for (const char* part : parts) {
        EXPECT_NE(ran.out.find(part), std::string::npos) << part;
    }
}

// The bytes between the quotes, nothing more; what was left out on standard error.
TEST(Code, writesTheLinesBytesAndNotesWhatWasLeftOut) {
    const std::string cut = "A name's configuration line holds at most 1,023 bytes";
    const struct {
        QStringList args;
        int status;
        std::string out;  // hex
        std::string err;  // a part of it; empty: nothing
    } cases[] = {
        {Args({"--game", "q3test", "code", "^1Pl^7ayer"}), 0, "1B 31 50 6C 1B 37 61 79 65 72 1B 37",
         ""},
        {Args({"--game", "quake3", "code", "^1Pl^7ayer"}), 0, ToHex("^1Pl^7ayer^7"), ""},
        {Args({"--game", "ioquake3", "code", "seta name \"^2G\"\r\n"}), 0, ToHex("^2G^7"), ""},
        {Args({"--game", "ioquake3", "code", "/name ^3Y"}), 0, ToHex("^3Y^7"), ""},
        {Args({"--game", "q3test", "code", "\\{Ab\\}c"}), 0, "1B 37 C1 E2 63 1B 37", ""},
        {Args({"--game", "quake3", "code", "é"}), 0, "5E 37 E9 5E 37", ""},
        {Args({"--game", "quake3", "code", "€uro"}), 0, ToHex("^7uro^7"),
         "chromlet-name: NAME: € is not a character the game can show; it was left out.\n"},
        {Args({"--game", "quake3", "code", "a\"b"}), 0, ToHex("^7ab^7"), "double quote"},
        {Args({"--game", "quake3", "code", "a\tb"}), 0, ToHex("^7ab^7"), "TAB is a control"},
        {{"--game", "quake3", "code", QString(1100, 'x')},
         0,
         ToHex("^7" + std::string(1000, 'x') + "^7"),
         cut},
        {Args({"code", ""}), 2, "", "chromlet-name: NAME: it holds no name"},
        {Args({"code", "seta cl_run \"1\""}), 2, "", "it holds no name"},
        {Args({"code", "\\{a"}), 2, "",
         "chromlet-name: NAME: its alternative-font marks do not match"},
    };
    CliEnvironment cli;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').left(80).toStdString());
        const Ran ran = cli.Run(c.args);
        EXPECT_EQ(ran.status, c.status);
        EXPECT_EQ(ToHex(ran.out), c.out);
        if (c.err.empty()) {
            EXPECT_EQ(ran.err, "");
        } else {
            EXPECT_NE(ran.err.find(c.err), std::string::npos) << ran.err;
        }
    }
}

// An argument that is no UTF-8 is the game's bytes as they are.
TEST(Code, takesAnArgumentThatIsNoUtf8AsTheGamesBytes) {
    const Ran ran = CliEnvironment().Shell(
        QStringLiteral("\"$N\" --game quake3 code \"$(printf '\\351\\341')\""));
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ToHex(ran.out), "5E 37 E9 E1 5E 37");
}

// Without --game, the game the window remembers, and the test release where it remembers none
// this version knows.
TEST(Code, takesTheGameTheWindowRemembers) {
    const struct {
        const char* stored;  // nullptr: no settings file
        std::string out;
    } cases[] = {
        {nullptr,
         "\x1b"
         "1a\x1b"
         "7"},
        {"ioquake3", "^1a^7"},
        {"quake5",
         "\x1b"
         "1a\x1b"
         "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        CliEnvironment cli;
        if (c.stored) {
            ASSERT_TRUE(QDir().mkpath(cli.Path(QStringLiteral("config/Chromlet"))));
            WriteBytes(cli.Path(QStringLiteral("config/Chromlet/Chromlet.conf")),
                       std::string("[game]\ntarget=") + c.stored + "\n");
        }
        const Ran ran = cli.Run(Args({"code", "^1a"}));
        EXPECT_EQ(ToHex(ran.out), ToHex(c.out));
    }
}

const char* const ShownIoq3 =
    "Player name (ioquake3)\n"
    "  code                    ^1Pl^7ayer^7\n"
    "  length                  12 bytes, 6 visible\n"
    "  limits\n"
    "    kept by the game      12 of 35\n"
    "    seen by others        12 of 31\n"
    "    settings field        12 of 20\n"
    "    settings string       12 of 1017\n"
    "    configuration line    12 of 1011\n"
    "  arrives as              ^1Pl^7ayer^7\n"
    "  the game keeps          ^1Pl^7ayer^7\n"
    "  others see              ^1Pl^7ayer^7\n"
    "  changes                 none\n"
    "  in the game\n"
    "    scoreboard               20   48   12 Player\n"
    "    chat                  Player: gg\n"
    "    console               Player connected\n"
    "    crosshair             Player\n"
    "    frag message          You fragged Player\n"
    "                          1st place with 20\n"
    "    settings field        Player\n"
    "    on leaving            Player disconnected\n"
    "\n"
    "Server name (ioquake3)\n"
    "  code                    ^1Pl^7ayer^7\n"
    "  length                  12 bytes, 6 visible\n"
    "  limits\n"
    "    in-game browser       6 of 20\n"
    "    ioquake3's list       12 of 79\n"
    "    settings string       12 of 1010\n"
    "    room by its settings  12 of 609\n"
    "    configuration line    12 of 1004\n"
    "  arrives as              ^1Pl^7ayer^7\n"
    "  browser view            PLAYER\n"
    "  changes                 none\n"
    "  in the game\n"
    "    server browser        PLAYER\n";

TEST(Show, printsWhatTheGameMakesOfTheName) {
    CliEnvironment cli;
    const Ran ran = cli.Run(Args({"--game", "ioquake3", "show", "^1Pl^7ayer"}));
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out, ShownIoq3);
    EXPECT_EQ(ran.err, "");

    // The scoreboard as the screen cuts it, the cleaning, and the limits gone over.
    const Ran longer =
        cli.Run(Args({"--game", "quake3", "show", "^1Pl^0ayer with a long name that is longer"}));
    for (const char* part : {"    kept by the game      44 of 35, over\n",
                             "  the game keeps          ^1Player with a long name that is l\n",
                             "  changes                 black taken out\n"
                             "                          cut to the length kept\n",
                             "    scoreboard               20   48   12 Player with a   (19 past "
                             "the screen's edge)\n",
                             "    server browser        PLAYER WITH A LON  (over the 20 it "
                             "keeps)\n"}) {
        EXPECT_NE(longer.out.find(part), std::string::npos) << part << longer.out;
    }
    // The test release's escapes show as what they are, the alternative font between its marks.
    const Ran test = cli.Run(Args({"--game", "q3test", "show", "^1A\\{b\\}"}));
    EXPECT_NE(test.out.find("  code                    \\x1B1A\u00E2\\x1B7\n"), std::string::npos)
        << test.out;
    EXPECT_NE(test.out.find("    crosshair             A\\{b\\}\n"), std::string::npos);
}

TEST(Show, givesScriptsJson) {
    const Ran ran =
        CliEnvironment().Run(Args({"--game", "ioquake3", "--json", "show", "^1Pl^7ayer"}));
    ASSERT_EQ(ran.status, 0);
    QJsonParseError error;
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(ran.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(root["game"].toString(), "ioquake3");
    const QJsonObject player = root["player"].toObject();
    EXPECT_EQ(player["code"].toString(), "^1Pl^7ayer^7");
    EXPECT_EQ(player["visible"].toInt(), 6);
    EXPECT_EQ(
        player["limits"].toArray().at(0).toObject(),
        (QJsonObject{{"kind", "kept-by-game"}, {"count", 12}, {"limit", 35}, {"over", false}}));
    const QJsonArray places = player["places"].toArray();
    ASSERT_EQ(places.size(), 7);
    EXPECT_EQ(places.at(6).toObject()["place"].toString(), "departure");
    EXPECT_EQ(places.at(0).toObject()["place"].toString(), "scoreboard");
    EXPECT_EQ(
        places.at(0).toObject()["lines"].toArray().at(0).toObject()["runs"].toArray(),
        (QJsonArray{
            QJsonObject{{"text", "   20   48   12 "}, {"color", "#ffffff"}, {"altFont", false}},
            QJsonObject{{"text", "Pl"}, {"color", "#ff0000"}, {"altFont", false}},
            QJsonObject{{"text", "ayer"}, {"color", "#ffffff"}, {"altFont", false}}}));
    const QJsonObject server = root["server"].toObject();
    EXPECT_EQ(server["browserView"].toString(), "PLAYER");
    EXPECT_EQ(server["places"].toArray().at(0).toObject()["place"].toString(), "server-browser");
}

// Colour where asked for, or on a terminal unless NO_COLOR says otherwise; a line end after the
// code on a terminal only.
TEST(Show, drawsInColourOnATerminal) {
    if (!CliEnvironment::HasTerminals()) {
        GTEST_SKIP() << "this machine gives no pseudo-terminal (/dev/ptmx)";
    }
    const std::string red = "\x1b[38;2;255;0;0mPl";
    const struct {
        const char* name;
        const char* noColor;  // nullptr: unset
        const char* term;
        bool terminal;
        const char* color;
        bool colours;
    } cases[] = {
        {"a terminal", nullptr, "xterm", true, nullptr, true},
        {"a pipe", nullptr, "xterm", false, nullptr, false},
        {"NO_COLOR", "1", "xterm", true, nullptr, false},
        {"NO_COLOR empty", "", "xterm", true, nullptr, true},
        {"a dumb terminal", nullptr, "dumb", true, nullptr, false},
        {"--color=always", "1", "dumb", false, "--color=always", true},
        {"--color=never", nullptr, "xterm", true, "--color=never", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CliEnvironment cli;
        if (c.noColor) {
            cli.Env().insert(QStringLiteral("NO_COLOR"), QString::fromLatin1(c.noColor));
        }
        cli.Env().insert(QStringLiteral("TERM"), QString::fromLatin1(c.term));
        QStringList args = Args({"--game", "ioquake3", "show", "^1Pl^7ayer \\{x\\}"});
        if (c.color) {
            args.prepend(QString::fromLatin1(c.color));
        }
        const Ran ran = c.terminal ? cli.OnTerminal(args) : cli.Run(args);
        EXPECT_EQ(ran.status, 0);
        EXPECT_EQ(ran.out.find(red) != std::string::npos, c.colours) << ran.out;
        EXPECT_EQ(ran.out.find('\x1b') != std::string::npos, c.colours);
        if (c.colours) {
            EXPECT_NE(ran.out.find("\x1b[48;2;20;20;26m\x1b[38;2;255;255;255m   20   48   12 "),
                      std::string::npos);
            EXPECT_NE(ran.out.find("\x1b[3;4mx\x1b[0m"),
                      std::string::npos);  // the alternative font
        }
    }
    CliEnvironment cli;
    EXPECT_EQ(cli.OnTerminal(Args({"--game", "quake3", "code", "^1a"})).out, "^1a^7\r\n");
}

// Writing q3config.cfg: the lines given replace theirs, the file's own line stays where a name
// is not given, and the refusals of the window hold, with leave to be given on the command line.
TEST(Write, updatesTheConfigurationFileAsTheWindowDoes) {
    const std::string before = "seta name \"Old\"\nseta a 1\nseta sv_hostname \"S\"\n";
    const struct {
        QStringList args;
        std::string after;
        std::string says;
    } cases[] = {
        {Args({"--game", "ioquake3", "write", "q3config.cfg", "--name", "^1N", "--server", "^4S"}),
         "seta a 1\nseta name \"^1N^7\"\nseta sv_hostname \"^4S^7\"\n",
         "chromlet-name: wrote both names into q3config.cfg; its old contents are in "
         "q3config.cfg_.\n"},
        {Args({"--game", "ioquake3", "write", "q3config.cfg", "--server", "^4S"}),
         "seta name \"Old\"\nseta a 1\nseta sv_hostname \"^4S^7\"\n",
         "chromlet-name: wrote the server name into q3config.cfg; its old contents are in "
         "q3config.cfg_.\n"},
        {Args({"--game", "q3test", "write", "q3config.cfg", "--name", "^1N"}),
         "seta a 1\n\r\nseta sv_hostname \"S\"\n\r\nseta name \"\x1b"
         "1N\x1b"
         "7\"\n\r\n",
         "chromlet-name: wrote the player name into q3config.cfg; its old contents are in "
         "q3config.cfg_.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        CliEnvironment cli;
        WriteBytes(cli.Path(QStringLiteral("q3config.cfg")), before);
        // A game this machine runs is the next test's business.
        QStringList args = QStringList(c.args) << QStringLiteral("--even-if-running");
        args.replace(args.indexOf(QStringLiteral("q3config.cfg")),
                     cli.Path(QStringLiteral("q3config.cfg")));
        const Ran ran = cli.Run(args);
        EXPECT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(ran.out, "");
        EXPECT_EQ(ran.err, c.says);
        EXPECT_EQ(ToHex(ReadBytes(cli.Path(QStringLiteral("q3config.cfg")))), ToHex(c.after));
        // The test release's copy has the line ends the game writes.
        if (!c.args.contains(QStringLiteral("q3test"))) {
            EXPECT_EQ(ReadBytes(cli.Path(QStringLiteral("q3config.cfg_"))), before);
        }
    }
}

TEST(Write, refusesWhatTheWindowWouldAskAbout) {
    CliEnvironment cli;
    const QString file = cli.Path(QStringLiteral("q3config.cfg"));
    const std::string before = "seta a 1\n";
    WriteBytes(file, before);
    const QStringList write = {QStringLiteral("--game"), QStringLiteral("ioquake3"),
                               QStringLiteral("write"),  file,
                               QStringLiteral("--name"), QStringLiteral("N")};
    // Whatever game this machine may run.
    const QStringList anyway = QStringList(write) << QStringLiteral("--even-if-running");

    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    Ran ran = cli.Run(anyway);
    EXPECT_EQ(ran.status, 3);
    EXPECT_EQ(ran.err,
              "chromlet-name: q3config.cfg is read-only, often on purpose, to keep the game from "
              "changing it; nothing was written. Give --write-read-only to write it anyway and "
              "leave it read-only.\n");
    EXPECT_EQ(ReadBytes(file), before);
    ran = cli.Run(QStringList(anyway) << QStringLiteral("--write-read-only"));
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ReadBytes(file), "seta a 1\nseta name \"^7N^7\"\n");

    // A game of the file's owner is running with its home where the file is: it would write the
    // file again when it quits.
    const QString game = cli.Path(QStringLiteral("ioquake3"));
    WriteBytes(game, "#!/bin/sh\nwhile :; do sleep 0.2; done\n");  // gone soon after it
    ASSERT_EQ(chmod(QFile::encodeName(game).constData(), 0755), 0);
    QProcess fakeGame;
    fakeGame.start(game, {QStringLiteral("+set"), QStringLiteral("fs_homepath"),
                          QFileInfo(file).absolutePath()});
    ASSERT_TRUE(fakeGame.waitForStarted());
    ran = cli.Run(QStringList(write) << QStringLiteral("--write-read-only"));
    EXPECT_EQ(ran.status, 3);
    EXPECT_TRUE(ran.err.starts_with("chromlet-name: the game is running (")) << ran.err;
    EXPECT_NE(ran.err.find("ioquake3"), std::string::npos) << ran.err;
    EXPECT_NE(ran.err.find("). It writes q3config.cfg again when it quits"), std::string::npos);
    EXPECT_EQ(ReadBytes(file), "seta a 1\nseta name \"^7N^7\"\n");
    ran = cli.Run(QStringList(anyway) << QStringLiteral("--write-read-only"));
    EXPECT_EQ(ran.status, 0) << ran.err;
    kill(static_cast<pid_t>(fakeGame.processId()), SIGKILL);
    fakeGame.waitForFinished();

    ran = cli.Run({QStringLiteral("write"), cli.Path(QStringLiteral("missing.cfg")),
                   QStringLiteral("--even-if-running"), QStringLiteral("--name"),
                   QStringLiteral("N")});
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(
        ran.err.find("Could not open " + cli.Path(QStringLiteral("missing.cfg")).toStdString()),
        std::string::npos)
        << ran.err;
    ran = cli.Run(Args({"write", "/", "--even-if-running", "--server", "N"}));
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.err.find("folder"), std::string::npos) << ran.err;
}

TEST(Server, setsTheServerNameWhereTheEngineTakesIt) {
    CliEnvironment cli;
    const QString file = cli.Path(QStringLiteral("server.cfg"));
    WriteBytes(file, "// my server\r\nsv_hostname \"Old\" // the name\r\nmap oa_dm1\r\n");
    Ran ran =
        cli.Run({QStringLiteral("--game"), QStringLiteral("openarena"), QStringLiteral("server"),
                 file, QStringLiteral("--hostname"), QStringLiteral("^1My ^7Arena")});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.err,
              "chromlet-name: set the server name in server.cfg; its old contents are in "
              "server.cfg_.\n");
    EXPECT_EQ(ReadBytes(file),
              "// my server\r\nsv_hostname \"^1My ^7Arena^7\" // the name\r\nmap oa_dm1\r\n");

    WriteBytes(file, "set sv_hostname \"Old\" // " + std::string(1000, 'c') + "\n");
    ran = cli.Run({QStringLiteral("--game"), QStringLiteral("openarena"), QStringLiteral("server"),
                   file, QStringLiteral("--hostname"), QStringLiteral("Newer")});
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.err,
              "chromlet-name: Line 1 of the file, which sets the server name, would have 1,031 "
              "bytes with the new name, but the game reads at most 1,023 bytes of a line and "
              "runs the rest of it as console commands. Nothing was written. Shorten the name, or "
              "use fewer colour changes: each one takes two bytes.\n");

    WriteBytes(file, "map x\n");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    ran = cli.Run(
        {QStringLiteral("server"), file, QStringLiteral("--hostname"), QStringLiteral("N")});
    EXPECT_EQ(ran.status, 3);
    EXPECT_EQ(ReadBytes(file), "map x\n");
}

// A status reply as a server writes it, echoing the challenge the request carries.
std::string Reply(const std::string& request, const std::string& players,
                  std::string challenge = "<echo>") {
    if (challenge == "<echo>") {
        const std::size_t blank = request.find(' ');
        challenge = blank == std::string::npos ? "" : request.substr(blank + 1);
    }
    return Oob + "statusResponse\n\\sv_hostname\\^1My ^8Srv\\mapname\\aggressor\\sv_maxclients\\8" +
           "\\challenge\\" + challenge + "\n" + players;
}

const std::string Players = "20 48 \"^1Pl^7ayer\"\n3 999 \"B\xE9t\"\n";

TEST(Status, printsTheServersNameAndPlayers) {
    UdpResponder server([](const std::string& request) {
        return std::vector<std::string>{Reply(request, Players)};
    });
    CliEnvironment cli;
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.Port());
    const Ran ran = cli.Run(
        {QStringLiteral("--game"), QStringLiteral("openarena"), QStringLiteral("status"), address});
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.err, "");
    EXPECT_EQ(ran.out,
              "My Srv\n"
              "  address          " +
                  address.toStdString() +
                  "\n"
                  "  in-game browser  MY SRV\n"
                  "  map              aggressor\n"
                  "  players          2 of 8\n"
                  "  score  ping  name\n"
                  "     20    48  Player\n"
                  "      3   999  B.t\n");
    const std::string request = server.LastRequest();
    EXPECT_TRUE(request.starts_with(Oob + "getstatus ")) << ToHex(request);
    EXPECT_GT(request.size(), Oob.size() + 10);

    // OpenArena's game draws ^8 orange; ioquake3's, with the engine's eight colours, black.
    for (const auto& [game, eight] :
         {std::pair{"openarena", "\x1b[38;2;255;109;0mSrv"}, {"ioquake3", "\x1b[38;2;0;0;0mSrv"}}) {
        const Ran colour = cli.Run({QStringLiteral("--color=always"), QStringLiteral("--game"),
                                    QString::fromLatin1(game), QStringLiteral("status"), address});
        EXPECT_NE(colour.out.find(eight), std::string::npos) << game << colour.out;
    }

    const Ran json = cli.Run({QStringLiteral("--json"), QStringLiteral("--game"),
                              QStringLiteral("ioquake3"), QStringLiteral("status"), address});
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(root["hostname"].toString(), "^1My ^8Srv");
    EXPECT_EQ(root["settings"].toObject()["mapname"].toString(), "aggressor");
    EXPECT_EQ(root["players"].toArray().at(1).toObject(),
              (QJsonObject{{"score", 3}, {"ping", 999}, {"name", "B\u00E9t"}, {"arrived", "B.t"}}));
}

// Only the answer to this question, from the address asked, is taken.
TEST(Status, takesOnlyTheAnswerToItsQuestion) {
    UdpResponder server([](const std::string& request) {
        return std::vector<std::string>{"junk", Oob + "infoResponse\n\\hostname\\x\n",
                                        Reply(request, Players, "someone-elses"),
                                        Reply(request, "7 1 \"late\"\nnot a player\n")};
    });
    const Ran ran = CliEnvironment().Run({QStringLiteral("--json"), QStringLiteral("status"),
                                          QStringLiteral("127.0.0.1:%1").arg(server.Port())});
    EXPECT_EQ(ran.status, 0) << ran.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(ran.out)).object();
    EXPECT_EQ(root["players"].toArray(),
              (QJsonArray{
                  QJsonObject{{"score", 7}, {"ping", 1}, {"name", "late"}, {"arrived", "late"}}}));
    EXPECT_EQ(root["unreadLines"].toInt(), 1);
    EXPECT_EQ(ran.err,
              "chromlet-name: 1 line(s) of the answer were no player as the server writes one "
              "and were left out\n");
}

TEST(Status, saysWhenNobodyAnswers) {
    CliEnvironment cli;
    {
        UdpResponder silent([](const std::string&) { return std::vector<std::string>{}; });
        const Ran ran =
            cli.Run({QStringLiteral("--timeout"), QStringLiteral("1.5"), QStringLiteral("status"),
                     QStringLiteral("127.0.0.1:%1").arg(silent.Port())});
        EXPECT_EQ(ran.status, 1);
        EXPECT_EQ(ran.err, QStringLiteral("chromlet-name: no answer from 127.0.0.1 port %1 "
                                          "within 1.5 s: the server may be down, on another port, "
                                          "behind a firewall, or running a single-player game, "
                                          "which answers no one\n")
                               .arg(silent.Port())
                               .toStdString());
        EXPECT_GE(silent.Requests(), 2) << "asked again after a second";
    }
    {
        UdpResponder elsewhere(
            [](const std::string& request) { return std::vector<std::string>{Reply(request, "")}; },
            true);
        const Ran ran =
            cli.Run({QStringLiteral("--timeout"), QStringLiteral("0.5"), QStringLiteral("status"),
                     QStringLiteral("127.0.0.1:%1").arg(elsewhere.Port())});
        EXPECT_EQ(ran.status, 1) << "an answer from another port is no answer";
    }
    int closedPort = 0;
    {
        UdpResponder gone([](const std::string&) { return std::vector<std::string>{}; });
        closedPort = gone.Port();
    }
    const Ran ran =
        cli.Run({QStringLiteral("status"), QStringLiteral("127.0.0.1:%1").arg(closedPort)});
    EXPECT_EQ(ran.status, 1);
    EXPECT_EQ(ran.err, QStringLiteral("chromlet-name: nothing listens at 127.0.0.1 port %1: is the "
                                      "server running, and on that port?\n")
                           .arg(closedPort)
                           .toStdString());
    const Ran unknown = cli.Run(Args({"status", "no-such-host.invalid"}));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(
        unknown.err.starts_with("chromlet-name: cannot find the server no-such-host.invalid: "))
        << unknown.err;
}

// The text forms, exactly; a name the game cleans as it keeps it unless asked for as written.
TEST(Export, printsTheNameForElsewhere) {
    const struct {
        QStringList args;
        std::string out;
    } cases[] = {
        {Args({"--game", "ioquake3", "export", "--format", "bbcode", "^1A%"}),
         "[color=#ff0000]A.[/color]"},
        {Args({"--game", "ioquake3", "export", "--format", "bbcode", "--as-written", "^1A%"}),
         "[color=#ff0000]A%[/color]"},
        {Args({"--game", "openarena", "export", "--format", "discord", "--as-server", "^8Srv"}),
         "```ansi\n\x1b[0;33mSrv\x1b[0m\n```"},
        {Args({"--game", "quake3", "export", "--format", "ansi", "^1A"}),
         "\x1b[48;2;20;20;26m\x1b[38;2;255;0;0mA\x1b[0m"},
    };
    CliEnvironment cli;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Ran ran = cli.Run(c.args);
        EXPECT_EQ(ran.status, 0);
        EXPECT_EQ(ToHex(ran.out), ToHex(c.out));
        EXPECT_EQ(ran.err, "");
    }
}

// The PNG's size from its header: width and height after the signature and IHDR's length and type.
QSize PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return {};
    }
    const auto word = [&](std::size_t at) {
        return int(static_cast<unsigned char>(png[at])) << 24 |
               int(static_cast<unsigned char>(png[at + 1])) << 16 |
               int(static_cast<unsigned char>(png[at + 2])) << 8 |
               int(static_cast<unsigned char>(png[at + 3]));
    };
    return {word(16), word(20)};
}

std::string Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Pictures from the game's charset, or the stand-in without it (the pixels are read back with
// Qt's own reader by the window's tests, against the window's own picture).
TEST(Picture, drawsTheNameFromTheGamesCharsetOrSaysItCannot) {
    CliEnvironment cli;
    const QString game = cli.Path("game");
    ASSERT_TRUE(QDir().mkpath(game + "/baseq3"));
    QuaZip zip(game + "/baseq3/pak0.pk3");
    ASSERT_TRUE(zip.open(QuaZip::mdCreate));
    QuaZipFile tga(&zip);
    ASSERT_TRUE(tga.open(QIODevice::WriteOnly, QuaZipNewInfo("gfx/2d/bigchars.tga")));
    tga.write(TestCharsetTga());
    tga.close();
    zip.close();
    const QByteArray folder = game.toUtf8();
    const QString png = cli.Path("name.png");
    const QByteArray out = png.toUtf8();
    Ran ran = cli.Run(Args({"--game", "quake3", "picture", "^1A", "-o", out.constData(), "--scale",
                            "1", "--game-folder", folder.constData()}));
    ASSERT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(ran.err, "");
    EXPECT_EQ(PngSize(Read(png)), QSize(16 + 2 + 8, 16 + 2 + 8));
    // A place across the screen's width, to standard output.
    ran = cli.Run(Args({"--game", "quake3", "picture", "^1A", "-o", "-", "--place", "console",
                        "--scale", "4", "--game-folder", folder.constData()}));
    ASSERT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(PngSize(ran.out).width(), 640 * 4);
    // Without the game's data: the stand-in, said on standard error, and a note under it asked.
    ran = cli.Run(Args({"--game", "quake3", "picture", "A", "-o", out.constData()}));
    EXPECT_EQ(ran.status, 0);
    EXPECT_NE(ran.err.find("no charset of the game found in "), std::string::npos) << ran.err;
    const int plain = PngSize(Read(png)).height();
    ran = cli.Run(Args({"--game", "quake3", "picture", "A", "--note", "-o", out.constData()}));
    EXPECT_EQ(PngSize(Read(png)).height(), plain + (16 + 4) * 2);  // one line of small characters
    // A file that cannot be written is said so.
    ran = cli.Run(Args({"picture", "A", "-o", cli.Path("no/such/a.png").toUtf8().constData()}));
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.err.find("could not be written"), std::string::npos) << ran.err;
}

}  // namespace
}  // namespace chromlet::test
