// The server name written into a server's config: which command gets it, where a new line goes,
// what stays byte for byte, and what is refused.
#include "config/server_config.h"

#include <QLockFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "config/passes/chunk_io.h"
#include "config_test_support.h"

namespace chromlet::test {
namespace {

using enum TargetGame;

// What the tests write: colour codes and a byte over 127, which the file takes as it is.
const std::string Value = "^1N\xE9w^7";
const std::string Quoted = "\"" + Value + "\"";

QString ServerCfg(const ConfigFolder& folder) {
    return folder.Path(QStringLiteral("server.cfg"));
}

UpdateResult WriteName(const QString& path, TargetGame target = IoQuake3,
                       const std::string& value = Value, bool writeReadOnly = false) {
    return ServerConfigUpdater(path, value, {target, writeReadOnly});
}

TEST(ServerConfig, setsTheNameWhereTheEngineTakesIt) {
    const struct {
        const char* name;
        TargetGame target;
        std::string before;
        std::string after;
    } cases[] = {
        {"set, in place", IoQuake3,
         Lines({{"// my server", "0A"}, {"set sv_hostname \"Old\"", "0A"}, {"map q3dm1", "0A"}}),
         Lines({{"// my server", "0A"}, {"set sv_hostname " + Quoted, "0A"}, {"map q3dm1", "0A"}})},
        {"seta", IoQuake3, "seta sv_hostname \"Old\"\n", "seta sv_hostname " + Quoted + "\n"},
        {"sets", Quake3, "sets sv_hostname Old\n", "sets sv_hostname " + Quoted + "\n"},
        {"setu", Q3Test, "setu sv_hostname \"Old\"\r\n", "setu sv_hostname " + Quoted + "\r\n"},
        {"any case, blanks before", OpenArena, "  SETA Sv_Hostname \"Old\"\n",
         "  SETA Sv_Hostname " + Quoted + "\n"},
        {"the cvar's own command", IoQuake3, "sv_hostname \"Old\"\ng_gametype 0\n",
         "sv_hostname " + Quoted + "\ng_gametype 0\n"},
        {"every word of the value", IoQuake3, "set sv_hostname My  Old Server // c\n",
         "set sv_hostname " + Quoted + " // c\n"},
        {"one command of several", IoQuake3, "set g_gametype 0; set sv_hostname Old;map q3dm1\r",
         "set g_gametype 0; set sv_hostname " + Quoted + ";map q3dm1\r"},
        {"the last of several", IoQuake3,
         "set sv_hostname \"A\"\nseta sv_hostname \"B\"\nmap x\nsv_hostname \"C\"\n",
         "set sv_hostname \"A\"\nseta sv_hostname \"B\"\nmap x\nsv_hostname " + Quoted + "\n"},
        {"an open quote runs to the line end", IoQuake3, "set sv_hostname \"Old\n",
         "set sv_hostname " + Quoted + "\n"},
        {"the last line, without a line end", IoQuake3, "a 1\r\nset sv_hostname Old",
         "a 1\r\nset sv_hostname " + Quoted},
        // 1.32 breaks the comment at its ';' and runs the rest; ioquake3 keeps it a comment.
        {"1.32 runs what follows a ';' in a comment", Quake3,
         "// was; set sv_hostname \"Old\"\nmap x\n",
         "// was; set sv_hostname " + Quoted + "\nmap x\n"},
        {"ioquake3 does not", IoQuake3, "// was; set sv_hostname \"Old\"\nmap x\n",
         "// was; set sv_hostname \"Old\"\nset sv_hostname " + Quoted + "\nmap x\n"},
        // 1.32's seta takes one word of value only; this line sets nothing there.
        {"1.32's seta with two words", Quake3, "seta sv_hostname Old name\n",
         "seta sv_hostname Old name\nset sv_hostname " + Quoted + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(ServerCfg(folder), c.before);
        const UpdateResult result = WriteName(ServerCfg(folder), c.target);
        ASSERT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
        EXPECT_EQ(ToHex(ReadBytes(ServerCfg(folder))), ToHex(c.after));
        EXPECT_EQ(ToHex(ReadBytes(ServerCfg(folder) + "_")), ToHex(c.before));
    }
}

TEST(ServerConfig, putsANewLineBeforeTheMapOrAtTheEnd) {
    const std::string line = "set sv_hostname " + Quoted;
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"before map", "set g_gametype 0\nmap q3dm1\nmap q3dm2\n",
         "set g_gametype 0\n" + line + "\nmap q3dm1\nmap q3dm2\n"},
        {"before devmap", "a\r\nDEVMAP x\r\n", "a\r\n" + line + "\r\nDEVMAP x\r\n"},
        {"before spmap", "  spmap x\n", line + "\n  spmap x\n"},
        {"before vstr", "set d1 \"map a; set nextmap vstr d2\"\nvstr d1\n",
         "set d1 \"map a; set nextmap vstr d2\"\n" + line + "\nvstr d1\n"},
        {"before the line a map command shares", "set a 1; map x\n", line + "\nset a 1; map x\n"},
        {"at the end", "set a 1\rset b 2\r", "set a 1\rset b 2\r" + line + "\r"},
        {"at the end, after a line end of its own", "set a 1\nset b 2",
         "set a 1\nset b 2\n" + line + "\n"},
        {"the line end most lines have", "a\r\nb\r\nc\n", "a\r\nb\r\nc\n" + line + "\r\n"},
        {"an empty file", "", line + "\n"},
        {"a map in a comment is none", "// map x\n", "// map x\n" + line + "\n"},
        // A /* comment that runs across lines takes in the lines it covers.
        {"before the comment a map follows", "a\n/* old\n*/ map x\n",
         "a\n" + line + "\n/* old\n*/ map x\n"},
        {"before a comment that runs to the end", "a\n/* b\nc", "a\n" + line + "\n/* b\nc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(ServerCfg(folder), c.before);
        const UpdateResult result = WriteName(ServerCfg(folder));
        ASSERT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
        EXPECT_EQ(ToHex(ReadBytes(ServerCfg(folder))), ToHex(c.after));
    }
}

// The file streams through in chunks: a value that starts in one and ends in the next is replaced
// whole, and every other byte is kept.
TEST(ServerConfig, replacesAValueAcrossChunks) {
    for (const std::size_t before :
         {DefaultChunkSize - 20, DefaultChunkSize - 17, DefaultChunkSize + 3}) {
        SCOPED_TRACE(before);
        std::string filler;
        while (filler.size() < before) {
            filler +=
                "// " + std::string(std::min<std::size_t>(60, before - filler.size()), 'x') + "\n";
        }
        filler.resize(before);
        filler.back() = '\n';
        const std::string tail = "\n" + std::string(50000, 'y') + "\n";
        ConfigFolder folder;
        WriteBytes(ServerCfg(folder), filler + "set sv_hostname \"Old name\"" + tail);
        ASSERT_TRUE(WriteName(ServerCfg(folder)).Ok());
        EXPECT_EQ(ReadBytes(ServerCfg(folder)), filler + "set sv_hostname " + Quoted + tail);
    }
}

TEST(ServerConfig, refusesWhatTheGameWouldNotReadAsWritten) {
    const std::string longComment = " // " + std::string(1000, 'c');
    const struct {
        const char* name;
        TargetGame target;
        std::string before;
        std::string value;
        UpdateStep step;
        const char* reasonHas;
    } cases[] = {
        {"the line with the name would be too long", IoQuake3,
         "set sv_hostname \"Old\"" + longComment + "\n", Value, UpdateStep::CheckLineLength,
         "Line 1 of the file"},
        {"so would a new line", IoQuake3, "map x\n", std::string(1006, 'n'),
         UpdateStep::CheckLineLength, "bytes of a line"},
        {"a quote in the name", IoQuake3, "map x\n", "a\"b", UpdateStep::CheckLines, "quote"},
        {"a file too long for 1.32", Quake3,
         "set sv_hostname x\n// " + std::string(16365 - 22, 'f') + "\n", "longer",
         UpdateStep::CheckFile, "configuration file of at most"},
        {"a zero byte", IoQuake3, std::string("map x\n\0\n", 8), Value, UpdateStep::CheckFile,
         "zero byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(ServerCfg(folder), c.before);
        const UpdateResult result = WriteName(ServerCfg(folder), c.target, c.value);
        EXPECT_EQ(result.failedStep, c.step);
        EXPECT_TRUE(result.reason.contains(QLatin1String(c.reasonHas)))
            << result.reason.toStdString();
        EXPECT_EQ(ToHex(ReadBytes(ServerCfg(folder))), ToHex(c.before));
        EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("server.cfg")});
    }
}

// The refusals of the configuration file's update hold for a server's config too.
TEST(ServerConfig, refusesAsTheUpdaterDoes) {
    ConfigFolder folder;
    const QString path = ServerCfg(folder);
    const std::string before = "map x\n";
    WriteBytes(path, before);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0444), 0);
    EXPECT_TRUE(WriteName(path).IsReadOnlyRefusal());
    EXPECT_EQ(ReadBytes(path), before);
    ASSERT_TRUE(WriteName(path, IoQuake3, Value, true).Ok());
    EXPECT_EQ(ReadBytes(path), "set sv_hostname " + Quoted + "\nmap x\n");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);

    QLockFile lock(path + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.tryLock());
    EXPECT_EQ(WriteName(path, IoQuake3, Value, true).failedStep, UpdateStep::LockConfig);
    lock.unlock();

    EXPECT_EQ(WriteName(folder.Path(QStringLiteral("missing.cfg"))).failedStep,
              UpdateStep::OpenConfigForReading);
    ASSERT_TRUE(QDir().mkdir(folder.Path(QStringLiteral("folder.cfg"))));
    EXPECT_EQ(WriteName(folder.Path(QStringLiteral("folder.cfg"))).failedStep,
              UpdateStep::OpenConfigForReading);
    const UpdateResult failed = [&] {
        const ScopedFaultHook seam(FailNth(UpdateStep::ReplaceConfig, 1, ENOSPC));
        return WriteName(path, IoQuake3, "other", true);
    }();
    EXPECT_EQ(failed.failedStep, UpdateStep::ReplaceConfig);
    EXPECT_EQ(ReadBytes(path), "set sv_hostname " + Quoted + "\nmap x\n");
}

}  // namespace
}  // namespace chromlet::test
