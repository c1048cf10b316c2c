// chromlet-name against the real engines, where Debian's ioquake3-server and openarena-server are
// installed, and skipped, saying so, where they are not: a dedicated server runs the server.cfg
// the program wrote, and the program's status reads back the name the server took. Each server
// listens on 127.0.0.1 only, in a home folder of its own, and is stopped by its process.
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "config/config_test_support.h"

namespace chromlet::test {
namespace {

const QString Ioq3ded = QStringLiteral("/usr/lib/ioquake3/ioq3ded");
const QString OpenArenaServer = QStringLiteral("/usr/games/openarena-server");
const QString OpenArenaData = QStringLiteral("/usr/lib/openarena-server");

struct Engine {
    const char* name;
    QString program;
    QStringList arguments;  // before the common ones
    const char* game;       // chromlet-name's --game
};

// A UDP port nobody uses on 127.0.0.1 just now.
int FreePort() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

class RealServer : public ::testing::TestWithParam<Engine> {
  protected:
    void SetUp() override {
        if (!QFileInfo(GetParam().program).isExecutable() ||
            !QFileInfo(OpenArenaData + "/baseoa").isDir()) {
            GTEST_SKIP() << "needs Debian's ioquake3-server and openarena-server ("
                         << GetParam().program.toStdString() << ", " << OpenArenaData.toStdString()
                         << "/baseoa)";
        }
        ASSERT_TRUE(QDir().mkpath(cli_.Path(QStringLiteral("server/baseoa"))));
    }
    void TearDown() override {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(10000)) {
                server_.kill();
                server_.waitForFinished();
            }
        }
    }

    QString ServerCfg() const { return cli_.Path(QStringLiteral("server/baseoa/server.cfg")); }

    // Starts the server on server.cfg and asks it with chromlet-name until it answers.
    QJsonObject Status() {
        const int port = FreePort();
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardInputFile(QProcess::nullDevice());
        server_.start(GetParam().program, QStringList(GetParam().arguments)
                                              << "+set"
                                              << "fs_homepath"
                                              << cli_.Path(QStringLiteral("server")) << "+set"
                                              << "dedicated"
                                              << "1"
                                              << "+set"
                                              << "net_ip"
                                              << "127.0.0.1"
                                              << "+set"
                                              << "net_port" << QString::number(port) << "+set"
                                              << "net_enabled"
                                              << "1"
                                              << "+set"
                                              << "ttycon"
                                              << "0"
                                              << "+exec"
                                              << "server.cfg");
        EXPECT_TRUE(server_.waitForStarted());
        const QStringList ask = {QStringLiteral("--json"), QStringLiteral("--game"),
                                 QString::fromLatin1(GetParam().game), QStringLiteral("status"),
                                 QStringLiteral("127.0.0.1:%1").arg(port)};
        // Loading the map takes the server a few seconds; each question waits three.
        for (int attempt = 0; attempt < 30 && server_.state() == QProcess::Running; ++attempt) {
            const Ran ran = cli_.Run(ask);
            if (ran.status == 0) {
                return QJsonDocument::fromJson(QByteArray::fromStdString(ran.out)).object();
            }
        }
        ADD_FAILURE() << "the server did not answer:\n" << server_.readAll().toStdString();
        return {};
    }

    // What chromlet-name writes for `name`, as the server gets it.
    QString Code(const char* name) {
        const Ran ran = cli_.Run({QStringLiteral("--game"), QString::fromLatin1(GetParam().game),
                                  QStringLiteral("code"), QString::fromUtf8(name)});
        EXPECT_EQ(ran.status, 0) << ran.err;
        return QString::fromLatin1(ran.out.data(), static_cast<qsizetype>(ran.out.size()));
    }

    Ran SetName(const char* name) {
        return cli_.Run({QStringLiteral("--game"), QString::fromLatin1(GetParam().game),
                         QStringLiteral("server"), ServerCfg(), QStringLiteral("--hostname"),
                         QString::fromUtf8(name)});
    }

    CliEnvironment cli_;
    QProcess server_;
};

// The last of the commands that set it gets the name, in its own form; the engine takes that one.
TEST_P(RealServer, takesTheNameFromTheLineTheProgramReplaced) {
    WriteBytes(ServerCfg(),
               "// a test server\nseta sv_hostname \"first\"\n"
               "  SV_HOSTNAME \"second\" // the one that counts\n"
               "set g_gametype 0; set bot_enable 0\nmap aggressor\n");
    const char* name = "^1Chromlet ^3check";
    ASSERT_EQ(SetName(name).status, 0);
    EXPECT_NE(ReadBytes(ServerCfg()).find("\n  SV_HOSTNAME \"^1Chromlet ^3check^7\" // the one"),
              std::string::npos);
    const QJsonObject status = Status();
    EXPECT_EQ(status["hostname"].toString(), Code(name));
    EXPECT_EQ(status["settings"].toObject()["mapname"].toString(), "aggressor");
}

// Without one, the new line goes before the map, where the server has it when it starts.
TEST_P(RealServer, takesTheNameFromTheLineTheProgramPutIn) {
    WriteBytes(ServerCfg(), "set bot_enable 0\r\nmap aggressor\r\n");
    const char* name = "^2Put ^7in";
    ASSERT_EQ(SetName(name).status, 0);
    EXPECT_EQ(ReadBytes(ServerCfg()),
              "set bot_enable 0\r\nset sv_hostname \"^2Put ^7in^7\"\r\nmap aggressor\r\n");
    EXPECT_EQ(Status()["hostname"].toString(), Code(name));
}

INSTANTIATE_TEST_SUITE_P(
    Engines, RealServer,
    ::testing::Values(
        // ioquake3's dedicated server over OpenArena's data and game module.
        Engine{"ioq3ded",
               Ioq3ded,
               {"+set", "fs_basepath", OpenArenaData, "+set", "com_basegame", "baseoa"},
               "ioquake3"},
        Engine{"openarena_server", OpenArenaServer, {}, "openarena"}),
    [](const ::testing::TestParamInfo<Engine>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chromlet::test
