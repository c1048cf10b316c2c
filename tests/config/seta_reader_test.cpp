#include "config/seta_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>

#include "config/config_updater.h"
#include "config/load_names.h"
#include "config_test_support.h"
#include "core/color_code.h"
#include "describe_styles.h"

namespace chromlet {
namespace {

using test::ConfigFolder;
using test::ReadBytes;
using test::WriteBytes;

TEST(ReadSetaLines, findsTheLastNameAndServerLines) {
    struct Case {
        const char* name;
        std::string file;
        std::optional<std::string> nameLine;
        std::optional<std::string> serverLine;
    };
    const Case cases[] = {
        {"CR LF", "seta name \"a\"\r\nseta sv_hostname \"b\"\r\n", "seta name \"a\"",
         "seta sv_hostname \"b\""},
        {"the last of several wins", "seta name \"1\"\rseta name \"2\"\rx\r", "seta name \"2\"",
         std::nullopt},
        {"LF, CR LF and CR each end a line", "seta name \"a\"\n\r\nseta sv_hostname \"b\"\r",
         "seta name \"a\"", "seta sv_hostname \"b\""},
        {"LF-only file", "seta name \"a\"\nseta sv_hostname \"b\"\n", "seta name \"a\"",
         "seta sv_hostname \"b\""},
        {"no line end at the end", "x\r\nseta sv_hostname \"b\"", std::nullopt,
         "seta sv_hostname \"b\""},
        {"case and leading blanks count", "Seta name \"a\"\r\n seta name \"b\"\r\n", std::nullopt,
         std::nullopt},
        {"a short line that matches", "seta name\r\n", "seta name", std::nullopt},
        {"near misses", "seta nam\r\nseta sv_hostnam\r\n", std::nullopt, std::nullopt},
        {"other cvars that start alike",
         "seta name \"a\"\rseta namecolor \"3\"\rseta name_b 1\r"
         "seta sv_hostname\t\"b\"\rseta sv_hostnames \"2\"\r",
         "seta name \"a\"", "seta sv_hostname\t\"b\""},
        {"empty file", "", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(folder.Config(), c.file);
        const StoredSetaLines found = ReadSetaLines(folder.Config());
        EXPECT_TRUE(found.Readable());
        EXPECT_EQ(found.nameLine, c.nameLine);
        EXPECT_EQ(found.serverLine, c.serverLine);
    }
}

// Nothing that is not a regular file is opened: a named pipe would wait for a writer for ever
// and a device like /dev/zero never ends.
TEST(ReadSetaLines, saysWhyAFileCannotBeRead) {
    ConfigFolder folder;
    const QString fifo = folder.Path(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkdir(folder.Path(QStringLiteral("folder"))));
    const struct {
        QString path;
        const char* reasonHas;
    } cases[] = {{folder.Config(), "No such file"},
                 {QString(), "No file name"},
                 {folder.Path(QStringLiteral("folder")), "folder"},
                 {fifo, "named pipe"},
                 {QStringLiteral("/dev/zero"), "character device"},
                 {folder.Config() + QChar(0), "NUL"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const StoredSetaLines found = ReadSetaLines(c.path);
        EXPECT_FALSE(found.Readable());
        EXPECT_TRUE(found.error.contains(QLatin1String(c.reasonHas))) << found.error.toStdString();
        EXPECT_FALSE(found.nameLine.has_value());
    }
}

// A name line is held up to MaxSetaLineSize bytes, across chunks; a longer one is only reported.
TEST(ReadSetaLines, holdsNameLinesUpToTheLimitAndReportsLongerOnes) {
    const std::string atLimit = "seta name \"" + std::string(MaxSetaLineSize - 12, 'x') + "\"";
    const std::string overLimit = atLimit + "y";
    const std::string server = "seta sv_hostname \"s\"";
    const struct {
        std::string file;
        bool tooLong;
    } cases[] = {{std::string(150000, 'y') + "\r" + atLimit + "\r\n" + server, false},
                 {atLimit + "\r" + overLimit + "\r" + server, true},
                 {overLimit + "\r" + atLimit + "\r" + server, false}};
    for (const auto& c : cases) {
        ConfigFolder folder;
        WriteBytes(folder.Config(), c.file);
        const StoredSetaLines found = ReadSetaLines(folder.Config());
        EXPECT_EQ(found.nameLineTooLong, c.tooLong);
        EXPECT_EQ(found.nameLine, c.tooLong ? std::nullopt : std::optional(atLimit));
        EXPECT_EQ(found.serverLine, server);
    }
}

using test::DescribeStyles;

MemoryStyledText RandomName(std::mt19937& rng, bool noCaret) {
    const std::size_t length = rng() % 20;
    std::string text;
    std::vector<CharStyle> styles;
    for (std::size_t i = 0; i < length; ++i) {
        // Spaces often, so that alternative-font spaces (A0) come up; no double quote, which a
        // name cannot hold.
        const char c = rng() % 4 == 0 ? ' ' : static_cast<char>(32 + rng() % 95);
        text.push_back(c == '"' || (noCaret && c == '^') ? '\'' : c);
        styles.push_back({ColorPalette[rng() % 8].packed, rng() % 2 == 0});
    }
    return MemoryStyledText(text, styles);
}

// Encoding for a target, updating a configuration file for it and loading the names back gives
// the same names, whatever line ends the file had.
TEST(RoundTrip, encodeUpdateAndLoadGiveTheSameNames) {
    const std::string endings[] = {"\r\n", "\n", "\r"};
    for (const TargetGame target : AllTargets) {
        SCOPED_TRACE(std::string(TargetKey(target)));
        std::mt19937 rng(20261207u + static_cast<unsigned>(target));
        ConfigFolder folder;
        for (int round = 0; round < 100; ++round) {
            if (round % 10 == 0) {
                std::string file;
                for (int line = 0; line < 5; ++line) {
                    file +=
                        "seta setting" + std::to_string(rng() % 100) + " 1" + endings[rng() % 3];
                }
                WriteBytes(folder.Config(), file);
            }
            // The loader reads a caret and a digit as a colour in every target, as Paste coded
            // name does; the test release shows them as they are, so such a name of its own
            // would not come back the same.
            const bool noCaret = CodeFormOf(target) == CodeForm::Escape;
            MemoryStyledText player = RandomName(rng, noCaret);
            MemoryStyledText server = RandomName(rng, noCaret);
            const std::string expectedPlayer = DescribeStyles(player);
            const std::string expectedServer = DescribeStyles(server);
            const SetaLines lines = BuildShowCodeLines(target, player, server);
            ASSERT_TRUE(ConfigUpdater(folder.Config(), lines.name, lines.server, {target}).Ok());

            const LoadedNames loaded = LoadNames(folder.Config(), target);
            ASSERT_TRUE(loaded.Ok()) << DescribeLoadFailure(loaded).toStdString();
            ASSERT_EQ(DescribeStyles(loaded.playerName), expectedPlayer) << "round " << round;
            ASSERT_EQ(DescribeStyles(loaded.serverName), expectedServer) << "round " << round;
            ASSERT_EQ(loaded.note, QString()) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace chromlet
