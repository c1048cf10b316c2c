#include "cli/writing.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "cli/show.h"
#include "cli/terminal.h"
#include "config/config_updater.h"
#include "config/server_config.h"
#include "core/color_code.h"
#include "system/game_process.h"

namespace chromlet::cli {

namespace {

// The window asks before it writes a read-only file; here leave is given on the command line.
int Outcome(const UpdateResult& result, const QString& wrote) {
    const QString file = QFileInfo(result.configPath).fileName();
    if (result.Ok()) {
        Say(QStringLiteral("%1; its old contents are in %2.")
                .arg(wrote, QFileInfo(result.sidePath).fileName()));
        return Done;
    }
    if (result.IsReadOnlyRefusal()) {
        Say(QStringLiteral(
                "%1 is read-only, often on purpose, to keep the game from changing it; nothing "
                "was written. Give --write-read-only to write it anyway and leave it read-only.")
                .arg(file));
        return NotAllowed;
    }
    Say(DescribeFailure(result));
    return Failed;
}

QString PathOf(const QByteArray& operand) {
    return QFile::decodeName(operand);
}

}  // namespace

int RunWrite(const Invocation& invocation) {
    const TargetGame target = invocation.target;
    std::optional<MemoryStyledText> player;
    std::optional<MemoryStyledText> server;
    if (invocation.name) {
        player = NameOrRefusal(*invocation.name, {target, NameLineStart}, "--name");
        if (!player) {
            return Usage;
        }
    }
    if (invocation.server) {
        // The server name carries on with the digit the player name's code ends with, as in a
        // show-code run.
        NameLine line{target, ServerLineStart};
        if (player) {
            MemoryStyledText copy = *player;
            BuildCode(target, copy, line.digitBefore);
        }
        server = NameOrRefusal(*invocation.server, line, "--server");
        if (!server) {
            return Usage;
        }
    }

    const QString path = PathOf(invocation.operand);
    // A running game writes its q3config.cfg again when it quits, over the names written now.
    if (!invocation.evenIfRunning) {
        const std::vector<std::string> games =
            RunningGamesWriting(invocation.operand.toStdString());
        if (!games.empty()) {
            QStringList names;
            for (const std::string& game : games) {
                if (const QString name = QString::fromLocal8Bit(game.c_str());
                    !names.contains(name)) {
                    names << name;
                }
            }
            Say(QStringLiteral(
                    "the game is running (%1). It writes %2 again when it quits, and the names "
                    "written now would be lost then; nothing was written. Quit the game first, "
                    "or give --even-if-running and set the names again in the game.")
                    .arg(names.join(QStringLiteral(", ")), QFileInfo(path).fileName()));
            return NotAllowed;
        }
    }

    CodeDigit digit;
    NewNameLines lines;
    if (player) {
        MemoryStyledText copy = *player;
        lines.name = BuildSetaLine(target, NameLineStart, BuildCode(target, copy, digit));
    }
    if (server) {
        MemoryStyledText copy = *server;
        lines.server = BuildSetaLine(target, ServerLineStart, BuildCode(target, copy, digit));
    }
    const UpdateResult result = ConfigUpdater(path, lines, {target, invocation.writeReadOnly});
    return Outcome(result, QStringLiteral("wrote %1 into %2")
                               .arg(player && server ? QStringLiteral("both names")
                                    : player         ? QStringLiteral("the player name")
                                                     : QStringLiteral("the server name"),
                                    QFileInfo(path).fileName()));
}

int RunServer(const Invocation& invocation) {
    const TargetGame target = invocation.target;
    const std::optional<MemoryStyledText> name =
        NameOrRefusal(*invocation.hostname, {target, ServerLineStart}, "--hostname");
    if (!name) {
        return Usage;
    }
    const QString path = PathOf(invocation.operand);
    const UpdateResult result =
        ServerConfigUpdater(path, EncodeNames(target, MemoryStyledText(), *name).server,
                            {target, invocation.writeReadOnly});
    return Outcome(result,
                   QStringLiteral("set the server name in %1").arg(QFileInfo(path).fileName()));
}

}  // namespace chromlet::cli
