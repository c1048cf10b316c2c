// Nothing is written that the game would not read as written: a line longer than 1,023 bytes, a
// file longer than the target's command buffer takes, a file with a zero byte. And the size the
// window predicts is the size the update writes.
#include <gtest/gtest.h>

#include <string>

#include "config/config_size.h"
#include "config_test_support.h"
#include "core/coded_name.h"

namespace chromlet::test {
namespace {

std::string NameLineOf(std::size_t bytes) {
    return "seta name \"" + std::string(bytes - 12, 'n') + "\"";
}

TEST(Limits, aLineLongerThanTheGameReadsIsRefusedBeforeAnyFileIsTouched) {
    const std::string server = "seta sv_hostname \"s\"";
    const struct {
        std::string name, server;
        UpdateStep step;
        const char* says;
    } cases[] = {
        {NameLineOf(1023), server, UpdateStep::None, ""},
        {NameLineOf(1024), server, UpdateStep::CheckLineLength,
         "The name line has 1,024 bytes, but the game reads at most 1,023 bytes of a line and "
         "runs the rest of it as console commands. Nothing was written. Shorten the name, or use "
         "fewer colour changes: each one takes two bytes."},
        {NameLineOf(20), "seta sv_hostname \"" + std::string(1005, 's') + "\"",
         UpdateStep::CheckLineLength, "The server-name line has 1,024 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.size());
        ConfigFolder folder;
        const std::string before = "seta a 1\n";
        WriteBytes(folder.Config(), before);
        const UpdateResult result =
            ConfigUpdater(folder.Config(), c.name, c.server, {TargetGame::IoQuake3});
        EXPECT_EQ(result.failedStep, c.step);
        EXPECT_EQ(CheckNewLines(c.name, c.server).failedStep, c.step);
        if (c.step == UpdateStep::None) {
            EXPECT_EQ(ReadBytes(folder.Config()), before + c.name + "\n" + c.server + "\n");
            continue;
        }
        EXPECT_TRUE(DescribeFailure(result).startsWith(QLatin1String(c.says)))
            << DescribeFailure(result).toStdString();
        EXPECT_EQ(ReadBytes(folder.Config()), before);
        EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("q3config.cfg")});
    }
}

// A file of `bytes` bytes after an update for `target`: settings lines ending in CR LF, which
// every target keeps as they are, then the two new lines.
std::string FileUpdatedTo(std::size_t bytes, TargetGame target) {
    const std::size_t newLines =
        NewName.size() + NewServer.size() + (CodeFormOf(target) == CodeForm::Escape ? 6 : 4);
    std::string file;
    while (file.size() + newLines + 60 < bytes) {
        file += "seta setting_" + std::to_string(file.size()) + " \"1\"\r\n";
    }
    const std::size_t rest = bytes - newLines - file.size();
    return file + "seta last \"" + std::string(rest - 14, 'x') + "\"\r\n";
}

// At start-up Cbuf_InsertText has room for strlen(file) + 1 bytes beside what else the buffer
// holds: 16,365 bytes in 1.32 and the test release ("exec autoexec.cfg\n" waits behind it),
// 131,071 in ioquake3 and OpenArena (nothing does).
TEST(Limits, aFileTheGameWouldNotReadWholeIsRefusedAndLeftAsItWas) {
    const struct {
        TargetGame target;
        std::size_t bytes;
        FileFault fault;
    } cases[] = {
        {TargetGame::Q3Test, 16365, FileFault::None},
        {TargetGame::Q3Test, 16366, FileFault::TooLarge},
        {TargetGame::Quake3, 16365, FileFault::None},
        {TargetGame::Quake3, 16366, FileFault::TooLarge},
        {TargetGame::IoQuake3, 131071, FileFault::None},
        {TargetGame::OpenArena, 131072, FileFault::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(TargetKey(c.target)) + " " + std::to_string(c.bytes));
        ConfigFolder folder;
        const std::string before = FileUpdatedTo(c.bytes, c.target);
        WriteBytes(folder.Config(), before);
        EXPECT_EQ(MeasureConfig(folder.Config(), c.target).After(NewName, NewServer), c.bytes);
        const UpdateResult result = Update(folder.Config(), {}, {c.target});
        EXPECT_EQ(result.fileFault, c.fault);
        if (c.fault == FileFault::None) {
            ASSERT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
            EXPECT_EQ(ReadBytes(folder.Config()).size(), c.bytes);
            continue;
        }
        EXPECT_EQ(result.failedStep, UpdateStep::CheckFile);
        EXPECT_EQ(result.newBytes, c.bytes);
        EXPECT_EQ(ReadBytes(folder.Config()), before);
        EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("q3config.cfg")});
        const QString message = DescribeFailure(result);
        EXPECT_TRUE(message.contains(QStringLiteral("it would hold %L1 bytes, but the game reads "
                                                    "a configuration file of at most %L2 bytes")
                                         .arg(c.bytes)
                                         .arg(c.bytes - 1)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String("Shorten the names"))) << message.toStdString();
    }
    // One already too long for the game says so.
    ConfigFolder folder;
    WriteBytes(folder.Config(), FileUpdatedTo(20000, TargetGame::Quake3));
    EXPECT_TRUE(DescribeFailure(Update(folder.Config(), {}, {TargetGame::Quake3}))
                    .contains(QLatin1String("so the game ignores it as it is")));
}

// FS_ReadFile's text ends at its first zero byte for Cbuf_InsertText, and the new lines come
// after it.
TEST(Limits, aFileWithAZeroByteIsRefused) {
    ConfigFolder folder;
    const std::string before = std::string("seta a \"1\"\r\nseta b \"\0\"\r\n", 24);
    WriteBytes(folder.Config(), before);
    const UpdateResult result = Update(folder.Config(), {}, {TargetGame::Quake3});
    EXPECT_EQ(result.fileFault, FileFault::ZeroByte);
    EXPECT_EQ(MeasureConfig(folder.Config(), TargetGame::Quake3).firstZero, 20u);
    EXPECT_TRUE(DescribeFailure(result).contains(QLatin1String("a zero byte at byte 21")))
        << DescribeFailure(result).toStdString();
    EXPECT_EQ(ReadBytes(folder.Config()), before);
}

// The window's prediction comes from the update's own passes: for files of every line end, open
// last lines and old name lines, it is the length the update writes.
TEST(Limits, theMeasuredSizeIsTheSizeTheUpdateWrites) {
    const std::string files[] = {
        "",
        "seta a 1\n\nseta name \"old\"\nseta b 2",
        "seta a 1\r\nseta sv_hostname \"x\"\r\n\r\n",
        "a\rb\n\rc\r\n\n\nseta name x",
    };
    for (const std::string& file : files) {
        for (const TargetGame target : AllTargets) {
            SCOPED_TRACE(ToHex(file) + " " + std::string(TargetKey(target)));
            ConfigFolder folder;
            WriteBytes(folder.Config(), file);
            const ConfigSize size = MeasureConfig(folder.Config(), target);
            ASSERT_TRUE(size.Ok());
            ASSERT_TRUE(Update(folder.Config(), {}, {target}).Ok());
            EXPECT_EQ(size.After(NewName, NewServer), ReadBytes(folder.Config()).size());
            EXPECT_EQ(
                size.AfterValues(QuotedValue(NewName).value(), QuotedValue(NewServer).value()),
                ReadBytes(folder.Config()).size());
        }
    }
    EXPECT_FALSE(
        MeasureConfig(QStringLiteral("/nonexistent/q3config.cfg"), TargetGame::Q3Test).Ok());
}

}  // namespace
}  // namespace chromlet::test
