#include "cli/status.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <unistd.h>

#include <random>
#include <string>

#include "cli/terminal.h"
#include "core/game_places.h"
#include "core/name_rules.h"
#include "core/server_status.h"
#include "system/server_query.h"

namespace chromlet::cli {

namespace {

// A word the server echoes back, so that an answer to someone else's question is not taken.
std::string NewChallenge() {
    std::random_device random;
    return std::to_string(random()) + std::to_string(random());
}

// A name from the server as the chosen game gets it over the network and draws it.
std::vector<Glyph> Drawing(TargetGame target, std::string_view name) {
    return GlyphsOfCode(target, AsArrived(target, name));
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

std::string StatusText(TargetGame target, const ServerStatus& status, const std::string& from,
                       bool color) {
    const std::string hostname(status.Setting("sv_hostname").value_or(""));
    const ServerReport server = AnalyseServerName(target, hostname);
    std::string out = Drawn(Drawing(target, hostname), color) + "\n";
    out += "  address          " + from + "\n";
    if (target != TargetGame::Q3Test) {
        out +=
            "  in-game browser  " + Drawn(GlyphsOfCode(target, server.browserView), color) + "\n";
    }
    if (const std::optional<std::string_view> map = status.Setting("mapname")) {
        out += "  map              " + Readable(*map) + "\n";
    }
    out += "  players          " + std::to_string(status.players.size());
    if (const std::optional<std::string_view> most = status.Setting("sv_maxclients")) {
        out += " of " + Readable(*most);
    }
    out += "\n";
    if (!status.players.empty()) {
        out += "  score  ping  name\n";
        for (const StatusPlayer& player : status.players) {
            out += "  " + Padded(std::to_string(player.score), 5) + " " +
                   Padded(std::to_string(player.ping), 5) + "  " +
                   Drawn(Drawing(target, player.name), color) + "\n";
        }
    }
    return out;
}

QByteArray StatusJson(TargetGame target, const ServerStatus& status, const std::string& from) {
    QJsonObject settings;
    for (const auto& [key, value] : status.settings) {
        if (!settings.contains(Latin1(key))) {
            settings.insert(Latin1(key), Latin1(value));
        }
    }
    const std::string hostname(status.Setting("sv_hostname").value_or(""));
    QJsonArray players;
    for (const StatusPlayer& player : status.players) {
        players.append(QJsonObject{{"score", qint64(player.score)},
                                   {"ping", qint64(player.ping)},
                                   {"name", Latin1(player.name)},
                                   {"arrived", Latin1(AsArrived(target, player.name))}});
    }
    const QJsonObject root{
        {"game", Latin1(TargetKey(target))},
        {"address", QString::fromStdString(from)},
        {"hostname", Latin1(hostname)},
        {"browserView", Latin1(AnalyseServerName(target, hostname).browserView)},
        {"settings", settings},
        {"players", players},
        {"unreadLines", qint64(status.unreadLines)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace

int RunStatus(const Invocation& invocation) {
    const QString given = QString::fromUtf8(invocation.operand);
    const std::optional<ServerAddress> address =
        ParseServerAddress(invocation.operand.toStdString(), DefaultServerPort);
    if (!address) {
        Say(QStringLiteral("'%1' is no server address: give HOST, HOST:PORT or [IPv6]:PORT, the "
                           "port 1 to 65535")
                .arg(given));
        return Usage;
    }
    const std::string challenge = NewChallenge();
    const QueryAnswer answer = QueryServer(
        *address, StatusRequest(challenge), invocation.timeout, [&](std::string_view packet) {
            const std::optional<ServerStatus> status = ParseStatusReply(packet);
            const std::optional<std::string_view> echoed =
                status ? status->Setting("challenge") : std::nullopt;
            return status && (!echoed || *echoed == challenge);
        });
    const QString where =
        QStringLiteral("%1 port %2").arg(QString::fromStdString(address->host)).arg(address->port);
    switch (answer.failure) {
        case QueryAnswer::Failure::None:
            break;
        case QueryAnswer::Failure::Resolve:
            Say(QStringLiteral("cannot find the server %1: %2")
                    .arg(QString::fromStdString(address->host),
                         QString::fromLocal8Bit(answer.reason.c_str())));
            return Failed;
        case QueryAnswer::Failure::Refused:
            Say(QStringLiteral("nothing listens at %1: is the server running, and on that port?")
                    .arg(where));
            return Failed;
        case QueryAnswer::Failure::Network:
            Say(QStringLiteral("cannot ask %1: %2")
                    .arg(where, QString::fromLocal8Bit(answer.reason.c_str())));
            return Failed;
        case QueryAnswer::Failure::NoAnswer:
            Say(QStringLiteral("no answer from %1 within %2 s: the server may be down, on "
                               "another port, behind a firewall, or running a single-player "
                               "game, which answers no one")
                    .arg(where)
                    .arg(double(invocation.timeout.count()) / 1000.0));
            return Failed;
    }
    const ServerStatus status = *ParseStatusReply(answer.reply);
    if (status.unreadLines > 0) {
        Say(QStringLiteral("%1 line(s) of the answer were no player as the server writes one and "
                           "were left out")
                .arg(status.unreadLines));
    }
    if (invocation.json) {
        Print(StatusJson(invocation.target, status, answer.from).toStdString());
    } else {
        Print(StatusText(invocation.target, status, answer.from,
                         UsesColor(invocation.color, STDOUT_FILENO)));
    }
    return Done;
}

}  // namespace chromlet::cli
