// The line and file limits held against the real engine: Debian's ioq3ded (package
// ioquake3-server) over OpenArena's data (openarena-server), which reads what the updater wrote.
// Skipped, saying so, where they are not installed. Each run is a dedicated server without
// network that executes a file and quits; its home is a fresh folder.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "config/config_updater.h"
#include "config_test_support.h"
#include "core/config_limits.h"

namespace chromlet::test {
namespace {

const QString Engine = QStringLiteral("/usr/lib/ioquake3/ioq3ded");
const QString Data = QStringLiteral("/usr/lib/openarena-server");

class RealEngine : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFileInfo(Engine).isExecutable() || !QFileInfo(Data + "/baseoa").isDir()) {
            GTEST_SKIP() << "needs Debian's ioquake3-server and openarena-server ("
                         << Engine.toStdString() << ", " << Data.toStdString() << "/baseoa)";
        }
        ASSERT_TRUE(QDir().mkpath(home_.filePath("baseoa")));
    }

    QString GameFile(const QString& name) const { return home_.filePath("baseoa/" + name); }

    /// What the engine prints when it starts, runs `commands` (each a "+" argument) and quits.
    std::string Run(const QStringList& commands) const {
        QStringList arguments{"+set", "fs_basepath", Data,         "+set", "com_basegame", "baseoa",
                              "+set", "fs_homepath", home_.path(), "+set", "net_enabled",  "0"};
        // One argument a word: the engine quotes an argument that holds a blank.
        for (const QString& command : commands) {
            const QStringList words = command.split(QLatin1Char(' '));
            arguments << "+" + words.front() << words.mid(1);
        }
        arguments << "+quit";
        QProcess engine;
        engine.setProcessChannelMode(QProcess::MergedChannels);
        engine.start(Engine, arguments);
        if (!engine.waitForFinished(30000)) {
            engine.kill();
            engine.waitForFinished();
            ADD_FAILURE() << "the engine did not quit";
        }
        return engine.readAll().toStdString();
    }

    QTemporaryDir home_;
};

std::string Shown(const std::string& value) {
    return "\"" + value + "^7\" default";
}

// A line of 1,023 bytes runs whole, a ';' inside its quotes included; at 1,024 bytes the engine
// drops the byte after the 1,023rd and runs the rest as a command of its own.
TEST_F(RealEngine, readsA1023ByteLineWholeAndRunsTheTailOfALongerOne) {
    const std::string tail = ";echo INJECTED_TAIL";
    const std::string whole = std::string(1023 - 12 - tail.size(), 'A') + tail;
    const std::string line = "seta name \"" + whole + "\"";
    ASSERT_EQ(line.size(), 1023u);
    WriteBytes(GameFile("whole.cfg"), "");
    ASSERT_TRUE(
        ConfigUpdater(GameFile("whole.cfg"), line, "seta sv_hostname \"s\"", {TargetGame::IoQuake3})
            .Ok());
    const std::string read = Run({"exec whole.cfg", "name"});
    EXPECT_NE(read.find("\"name\" is:\"" + whole), std::string::npos) << read;
    EXPECT_EQ(read.find("\nINJECTED_TAIL"), std::string::npos) << read;

    // With the ';' at byte 1,024, the one the engine drops, "echo" runs.
    const std::string longer = "seta name \"" + std::string(1012, 'A') + tail + "\"";
    EXPECT_EQ(CheckNewLines(longer, "seta sv_hostname \"s\"").failedStep,
              UpdateStep::CheckLineLength);
    WriteBytes(GameFile("long.cfg"), longer + "\n");
    QFile::remove(GameFile("q3config_server.cfg"));  // what the engine kept of the first run
    const std::string cut = Run({"exec long.cfg", "name"});
    EXPECT_NE(cut.find("\nINJECTED_TAIL"), std::string::npos) << cut;
}

// At start-up the dedicated server reads q3config_server.cfg with nothing behind it in its
// 128 KiB buffer; run from the command line, what follows in the buffer counts as well.
TEST_F(RealEngine, readsAFileUpToItsCommandBufferAndNoneOfALongerOne) {
    const auto fileOf = [](std::size_t bytes) {
        const std::string last = "seta sv_hostname \"marker\"\n";
        std::string file;
        // Comments fill it: settings would run into the engine's limit on their number.
        while (file.size() + last.size() + 40 < bytes) {
            file += "// filler " + std::to_string(file.size()) + "\n";
        }
        file += "// " + std::string(bytes - file.size() - last.size() - 4, 'p') + "\n";
        return file + last;
    };
    const std::size_t startup = MaxConfigFileBytes(TargetGame::IoQuake3);
    ASSERT_EQ(startup, 131071u);
    for (const std::size_t bytes : {startup, startup + 1}) {
        SCOPED_TRACE(bytes);
        const std::string file = fileOf(bytes);
        ASSERT_EQ(file.size(), bytes);
        WriteBytes(GameFile("q3config_server.cfg"), file);
        const std::string read = Run({"sv_hostname"});
        EXPECT_EQ(read.find(Shown("marker")) != std::string::npos, bytes == startup) << read;
        EXPECT_EQ(read.find("Cbuf_InsertText overflowed") != std::string::npos, bytes > startup);
    }
    // "exec autoexec.cfg", "sv_hostname" and "quit" wait behind it, each with the blank that
    // ends every argument of the engine's command line and a line end: 38 bytes.
    const std::size_t behind = MaxConfigFileBytes(TargetGame::IoQuake3, 38);
    for (const std::size_t bytes : {behind, behind + 1}) {
        SCOPED_TRACE(bytes);
        QFile::remove(GameFile("q3config_server.cfg"));  // the engine keeps what it read there
        WriteBytes(GameFile("big.cfg"), fileOf(bytes));
        const std::string read = Run({"exec big.cfg", "exec autoexec.cfg", "sv_hostname"});
        EXPECT_EQ(read.find(Shown("marker")) != std::string::npos, bytes == behind) << read;
    }
}

// The engine reads a file up to its first zero byte.
TEST_F(RealEngine, stopsReadingAFileAtItsFirstZeroByte) {
    const char bytes[] = "seta sv_hostname \"before\"\n\0\nseta sv_hostname \"after\"\n";
    WriteBytes(GameFile("zero.cfg"), std::string(bytes, sizeof bytes - 1));
    const std::string read = Run({"exec zero.cfg", "sv_hostname"});
    EXPECT_NE(read.find(Shown("before")), std::string::npos) << read;
}

}  // namespace
}  // namespace chromlet::test
