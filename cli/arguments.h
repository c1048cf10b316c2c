// What chromlet-name was asked to do: the command, its arguments and options, read from the
// command line as the bytes they are.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

#include "core/game_places.h"
#include "core/share_text.h"
#include "core/target_game.h"

namespace chromlet::cli {

/// The exit status, as git and GNU tools use them.
enum ExitStatus : int {
    Done = 0,
    Failed = 1,      ///< a file could not be read or written, the server did not answer
    Usage = 2,       ///< the command line is wrong, or a name on it holds no name
    NotAllowed = 3,  ///< a write that needs leave: a read-only file, a running game
};

enum class Command { Show, Code, Write, Server, Status, Picture, Export };

/// --color=auto|always|never.
enum class ColorMode { Auto, Always, Never };

struct Invocation {
    Command command = Command::Show;
    TargetGame target = TargetGame::Q3Test;
    ColorMode color = ColorMode::Auto;
    bool json = false;
    QByteArray operand;  ///< NAME for show and code, FILE for write and server, HOST for status
    std::optional<QByteArray> name;      ///< write --name
    std::optional<QByteArray> server;    ///< write --server
    std::optional<QByteArray> hostname;  ///< server --hostname
    bool writeReadOnly = false;
    bool evenIfRunning = false;
    std::chrono::milliseconds timeout{3000};
    // picture and export
    QString output;                          ///< picture -o: the PNG file, "-" for standard output
    int scale = 2;                           ///< picture --scale
    bool transparent = false;                ///< picture --transparent
    std::optional<GamePlace> place;          ///< picture --place
    bool note = false;                       ///< picture --note
    QString gameFolder;                      ///< picture --game-folder
    ShareFormat format = ShareFormat::Html;  ///< export --format
    bool asWritten = false;                  ///< --as-written
    bool asServer = false;                   ///< --as-server
};

/// The outcome of reading the command line: what to do, or the status to end with after
/// `output` (on standard output: --help, --version) or `error` (on standard error).
struct ParsedArguments {
    std::optional<Invocation> invocation;
    int status = Done;
    QString output;
    QString error;
};

/// Reads the command line. Without --game the game is the one the window remembers (its settings
/// key game/target), else the test release.
ParsedArguments ParseArguments(int argc, char** argv);

/// The program's name in its messages.
inline constexpr char ProgramName[] = "chromlet-name";

}  // namespace chromlet::cli
