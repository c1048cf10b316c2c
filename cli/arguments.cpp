#include "cli/arguments.h"

#include <QCommandLineParser>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

#include "chromlet/product.h"

namespace chromlet::cli {

namespace {

// The key under which the window remembers its game (ui/target_choice.h).
constexpr char TargetSettingsKey[] = "game/target";

constexpr char HelpText[] =
    "Usage: chromlet-name [OPTIONS] COMMAND [ARGUMENTS]\n"
    "\n"
    "Coloured player and server names for Quake III Arena and the games on its engine, for\n"
    "server admins and scripts. Needs no display.\n"
    "\n"
    "Commands:\n"
    "  show NAME             what the game makes of NAME as a player name and as a server\n"
    "                        name: its counts and limits, and each place of the game\n"
    "  code NAME             the bytes of NAME's configuration line between its quotes, on\n"
    "                        standard output exactly (a line end follows on a terminal only)\n"
    "  write FILE [--name NAME] [--server NAME]\n"
    "                        write the names into a q3config.cfg; a name not given keeps the\n"
    "                        file's own line\n"
    "  server FILE --hostname NAME\n"
    "                        set the server name in a server's config (server.cfg)\n"
    "  status HOST[:PORT]    ask a running server for its name and its players (port 27960)\n"
    "  picture NAME -o FILE.png\n"
    "                        a PNG of NAME, or of a place of the game, drawn from the game's\n"
    "                        charset as the game draws it (FILE - for standard output)\n"
    "  export --format FORMAT NAME\n"
    "                        NAME for elsewhere: html, bbcode, ansi or discord\n"
    "\n"
    "Options:\n"
    "  --game GAME           q3test, quake3, ioquake3, openarena or quake3e (default: the\n"
    "                        game the window remembers, else q3test)\n"
    "  --color=WHEN          auto, always or never (auto: on a terminal, unless NO_COLOR is set)\n"
    "  --json                show and status: JSON for scripts\n"
    "  --write-read-only     write and server: write a read-only file too, which stays so\n"
    "  --even-if-running     write: write even while the game runs, which writes its\n"
    "                        q3config.cfg again when it quits\n"
    "  --timeout SECONDS     status: how long to wait for an answer (default 3)\n"
    "  --scale N             picture: 1, 2 or 4 pixels to a unit of the game's screen\n"
    "                        (default 2)\n"
    "  --transparent         picture: a transparent ground, not the game's dark one\n"
    "  --place PLACE         picture: the place of the game instead of the name alone:\n"
    "                        scoreboard, chat, console, crosshair, frag-message,\n"
    "                        settings-field, departure or server-browser\n"
    "  --game-folder DIR     picture: where the game is, when its charset is not found\n"
    "  --note                picture: say under it when it is not in the game's charset\n"
    "  --as-server           picture and export: NAME as a server name\n"
    "  --as-written          picture and export: NAME as written, not as the game keeps it\n"
    "  -h, --help            show this help\n"
    "  -v, --version         show the program's name and version\n"
    "\n"
    "NAME is a name in colour codes (^1Pl^7ayer, or the escape byte and a digit), a whole\n"
    "configuration line (seta name \"^1Pl^7ayer\") or a /name command, as UTF-8 text or as the\n"
    "game's bytes. \\{ and \\} mark text for the alternative font: \\{Alt\\}; colour codes go\n"
    "outside the marks. A NAME or FILE that starts with - goes after --.\n"
    "\n"
    "Exit status: 0 done; 1 failed (a file, the network); 2 a wrong command line, or a NAME\n"
    "that holds no name; 3 not written without leave: a read-only file (--write-read-only) or\n"
    "a running game (--even-if-running).\n";

// Each command takes one operand.
struct CommandName {
    const char* name;
    Command command;
    const char* operand;
};

constexpr CommandName Commands[] = {
    {"show", Command::Show, "NAME"},     {"code", Command::Code, "NAME"},
    {"write", Command::Write, "FILE"},   {"server", Command::Server, "FILE"},
    {"status", Command::Status, "HOST"}, {"picture", Command::Picture, "NAME"},
    {"export", Command::Export, "NAME"}};

// Which commands each option belongs to.
struct OptionUse {
    const char* option;
    std::initializer_list<Command> commands;
};

const OptionUse OptionUses[] = {
    {"json", {Command::Show, Command::Status}},
    {"name", {Command::Write}},
    {"server", {Command::Write}},
    {"hostname", {Command::Server}},
    {"write-read-only", {Command::Write, Command::Server}},
    {"even-if-running", {Command::Write}},
    {"timeout", {Command::Status}},
    {"output", {Command::Picture}},
    {"scale", {Command::Picture}},
    {"transparent", {Command::Picture}},
    {"place", {Command::Picture}},
    {"note", {Command::Picture}},
    {"game-folder", {Command::Picture}},
    {"format", {Command::Export}},
    {"as-server", {Command::Picture, Command::Export}},
    {"as-written", {Command::Picture, Command::Export}},
};

ParsedArguments Wrong(const QString& message) {
    ParsedArguments parsed;
    parsed.status = Usage;
    parsed.error = QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(ProgramName, message);
    return parsed;
}

TargetGame RememberedTarget() {
    const QString name = QString::fromUtf8(product::Name.data(), qsizetype(product::Name.size()));
    const QSettings settings(name, name);
    const QByteArray key = settings.value(TargetSettingsKey).toString().toUtf8();
    return TargetFromKey(std::string_view(key.constData(), std::size_t(key.size())))
        .value_or(TargetGame::Q3Test);
}

QString VersionText() {
    return QStringLiteral("%1 (%2) %3\n")
        .arg(ProgramName, QString::fromUtf8(product::Name.data(), qsizetype(product::Name.size())),
             QString::fromUtf8(product::Version.data(), qsizetype(product::Version.size())));
}

// The command and its one operand; what is wrong with them, else nothing.
std::optional<QString> ReadCommand(const QStringList& positional, Invocation& invocation,
                                   const CommandName*& command) {
    if (positional.isEmpty()) {
        return QStringLiteral("no command given");
    }
    command = nullptr;
    for (const CommandName& c : Commands) {
        if (positional.front() == QLatin1String(c.name)) {
            command = &c;
        }
    }
    if (!command) {
        return QStringLiteral("'%1' is no command").arg(positional.front());
    }
    invocation.command = command->command;
    if (positional.size() < 2) {
        return QStringLiteral("%1 needs a %2")
            .arg(QLatin1String(command->name), QLatin1String(command->operand));
    }
    if (positional.size() > 2) {
        return QStringLiteral("unexpected argument '%1'").arg(positional.at(2));
    }
    invocation.operand = positional.at(1).toLatin1();
    return std::nullopt;
}

std::optional<QString> ReadGame(const QCommandLineParser& parser, Invocation& invocation) {
    if (!parser.isSet(QStringLiteral("game"))) {
        invocation.target = RememberedTarget();
        return std::nullopt;
    }
    const QString value = parser.value(QStringLiteral("game"));
    const QByteArray key = value.toLatin1();
    const std::optional<TargetGame> target =
        TargetFromKey(std::string_view(key.constData(), std::size_t(key.size())));
    if (!target) {
        return QStringLiteral(
                   "unknown game '%1': one of q3test, quake3, ioquake3, openarena, quake3e")
            .arg(value);
    }
    invocation.target = *target;
    return std::nullopt;
}

std::optional<QString> ReadColor(const QCommandLineParser& parser, Invocation& invocation) {
    if (!parser.isSet(QStringLiteral("color"))) {
        return std::nullopt;
    }
    const QString when = parser.value(QStringLiteral("color"));
    if (when == QLatin1String("auto")) {
        invocation.color = ColorMode::Auto;
    } else if (when == QLatin1String("always")) {
        invocation.color = ColorMode::Always;
    } else if (when == QLatin1String("never")) {
        invocation.color = ColorMode::Never;
    } else {
        return QStringLiteral("--color takes auto, always or never, not '%1'").arg(when);
    }
    return std::nullopt;
}

std::optional<QString> ReadTimeout(const QCommandLineParser& parser, Invocation& invocation) {
    if (!parser.isSet(QStringLiteral("timeout"))) {
        return std::nullopt;
    }
    bool ok = false;
    const QString value = parser.value(QStringLiteral("timeout"));
    const double seconds = value.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > 3600) {
        return QStringLiteral("--timeout takes a number of seconds up to 3600, not '%1'")
            .arg(value);
    }
    invocation.timeout = std::chrono::milliseconds(std::llround(seconds * 1000));
    return std::nullopt;
}

// picture's and export's options.
std::optional<QString> ReadSharing(const QCommandLineParser& parser, Invocation& invocation) {
    if (parser.isSet(QStringLiteral("scale"))) {
        const QString value = parser.value(QStringLiteral("scale"));
        invocation.scale = value.toInt();
        if (value != QLatin1String("1") && value != QLatin1String("2") &&
            value != QLatin1String("4")) {
            return QStringLiteral("--scale takes 1, 2 or 4, not '%1'").arg(value);
        }
    }
    if (parser.isSet(QStringLiteral("place"))) {
        const QByteArray key = parser.value(QStringLiteral("place")).toLatin1();
        invocation.place = PlaceFromKey(std::string_view(key.constData(), std::size_t(key.size())));
        if (!invocation.place) {
            return QStringLiteral(
                       "unknown place '%1': one of scoreboard, chat, console, crosshair, "
                       "frag-message, settings-field, departure, server-browser")
                .arg(QString::fromLatin1(key));
        }
    }
    if (parser.isSet(QStringLiteral("format"))) {
        const QByteArray key = parser.value(QStringLiteral("format")).toLatin1();
        const auto format =
            ShareFormatFromKey(std::string_view(key.constData(), std::size_t(key.size())));
        if (!format) {
            return QStringLiteral("unknown format '%1': one of html, bbcode, ansi, discord")
                .arg(QString::fromLatin1(key));
        }
        invocation.format = *format;
    } else if (invocation.command == Command::Export) {
        return QStringLiteral("export needs --format html, bbcode, ansi or discord");
    }
    invocation.output = parser.value(QStringLiteral("output"));
    if (invocation.command == Command::Picture && invocation.output.isEmpty()) {
        return QStringLiteral("picture needs -o FILE.png (- for standard output)");
    }
    invocation.gameFolder = parser.value(QStringLiteral("game-folder"));
    invocation.transparent = parser.isSet(QStringLiteral("transparent"));
    invocation.note = parser.isSet(QStringLiteral("note"));
    invocation.asServer = parser.isSet(QStringLiteral("as-server"));
    invocation.asWritten = parser.isSet(QStringLiteral("as-written"));
    return std::nullopt;
}

// The names the options give, each as its bytes.
void ReadNames(const QCommandLineParser& parser, Invocation& invocation) {
    const auto bytes = [&](const char* option) -> std::optional<QByteArray> {
        if (!parser.isSet(QLatin1String(option))) {
            return std::nullopt;
        }
        return parser.value(QLatin1String(option)).toLatin1();
    };
    invocation.name = bytes("name");
    invocation.server = bytes("server");
    invocation.hostname = bytes("hostname");
}

// Every option; --help and --version are the first two.
QList<QCommandLineOption> Options() {
    return {QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, {}),
            QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, {}),
            QCommandLineOption(QStringLiteral("game"), {}, QStringLiteral("GAME")),
            QCommandLineOption(QStringLiteral("color"), {}, QStringLiteral("WHEN")),
            QCommandLineOption(QStringLiteral("json"), {}),
            QCommandLineOption(QStringLiteral("name"), {}, QStringLiteral("NAME")),
            QCommandLineOption(QStringLiteral("server"), {}, QStringLiteral("NAME")),
            QCommandLineOption(QStringLiteral("hostname"), {}, QStringLiteral("NAME")),
            QCommandLineOption(QStringLiteral("write-read-only"), {}),
            QCommandLineOption(QStringLiteral("even-if-running"), {}),
            QCommandLineOption(QStringLiteral("timeout"), {}, QStringLiteral("SECONDS")),
            QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, {},
                               QStringLiteral("FILE")),
            QCommandLineOption(QStringLiteral("scale"), {}, QStringLiteral("N")),
            QCommandLineOption(QStringLiteral("transparent"), {}),
            QCommandLineOption(QStringLiteral("place"), {}, QStringLiteral("PLACE")),
            QCommandLineOption(QStringLiteral("note"), {}),
            QCommandLineOption(QStringLiteral("game-folder"), {}, QStringLiteral("DIR")),
            QCommandLineOption(QStringLiteral("format"), {}, QStringLiteral("FORMAT")),
            QCommandLineOption(QStringLiteral("as-server"), {}),
            QCommandLineOption(QStringLiteral("as-written"), {})};
}

}  // namespace

ParsedArguments ParseArguments(int argc, char** argv) {
    // Each argument as its bytes, one character a byte, so that names and paths come through
    // whatever they hold; the options themselves are ASCII.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLatin1(argv[i]);
    }
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QList<QCommandLineOption> options = Options();
    const QCommandLineOption& help = options.at(0);
    const QCommandLineOption& version = options.at(1);
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        return Wrong(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        ParsedArguments parsed;
        parsed.output = parser.isSet(help) ? QString::fromLatin1(HelpText) : VersionText();
        return parsed;
    }

    Invocation invocation;
    const CommandName* command = nullptr;
    if (const auto wrong = ReadCommand(parser.positionalArguments(), invocation, command)) {
        return Wrong(*wrong);
    }
    for (const OptionUse& use : OptionUses) {
        if (parser.isSet(QLatin1String(use.option)) &&
            std::find(use.commands.begin(), use.commands.end(), invocation.command) ==
                use.commands.end()) {
            return Wrong(QStringLiteral("--%1 does not go with %2")
                             .arg(QLatin1String(use.option), QLatin1String(command->name)));
        }
    }
    for (const auto read : {ReadGame, ReadColor, ReadTimeout, ReadSharing}) {
        if (const auto wrong = read(parser, invocation)) {
            return Wrong(*wrong);
        }
    }
    invocation.json = parser.isSet(QStringLiteral("json"));
    invocation.writeReadOnly = parser.isSet(QStringLiteral("write-read-only"));
    invocation.evenIfRunning = parser.isSet(QStringLiteral("even-if-running"));
    ReadNames(parser, invocation);
    if (invocation.command == Command::Write && !invocation.name && !invocation.server) {
        return Wrong(QStringLiteral("write needs --name NAME, --server NAME or both"));
    }
    if (invocation.command == Command::Server && !invocation.hostname) {
        return Wrong(QStringLiteral("server needs --hostname NAME"));
    }
    ParsedArguments parsed;
    parsed.invocation = invocation;
    return parsed;
}

}  // namespace chromlet::cli
