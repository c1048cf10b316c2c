// Every way an update can fail, and the state it leaves both files in.
#include <gtest/gtest.h>

#include <functional>

#include "config/chunk_io.h"
#include "config_test_support.h"

namespace chromlet::test {
namespace {

const std::string SmallFile = Lines({{"seta name \"Old\"", "0A"}, {"seta a 1", "0D 0A"}});
const std::string OlderSide = "older copy\r\n";

// Just over three chunks, in lines with mixed ends.
std::string MultiChunkFile() {
    std::string bytes;
    for (int i = 0; bytes.size() < 3 * DefaultChunkSize + 100; ++i) {
        bytes += "seta setting_" + std::to_string(i) + " \"value\"" + (i % 3 ? "\r\n" : "\n");
    }
    return bytes;
}

// The side file a successful update of `before` writes.
std::string CompleteSide(const std::string& before) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), before);
    EXPECT_TRUE(Update(folder.Config()).Ok());
    return ReadBytes(folder.Side());
}

struct FailureCase {
    const char* name;
    UpdateStep step;     // the step that fails
    int nth;             // its call that the hook fails; 0 for a real failure
    bool big;            // the multi-chunk file instead of the small one
    SideFileState side;  // what the side file holds afterwards
    std::function<void(const ConfigFolder&)> arrange;  // what stands in the way, if anything
};

// Names the case in test output; without it gtest prints the struct's raw bytes, padding too.
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Failure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Failure, leavesTheConfigurationFileUnchanged) {
    const FailureCase& c = GetParam();
    ConfigFolder folder;
    const std::string before = c.big ? MultiChunkFile() : SmallFile;
    WriteBytes(folder.Config(), before);
    WriteBytes(folder.Side(), OlderSide);
    if (c.arrange) {
        c.arrange(folder);
    }
    const QStringList entries = folder.Entries();

    auto counter = std::make_shared<FaultCounter>();
    counter->failStep = c.step;
    counter->nth = c.nth;
    const UpdateResult result = Update(folder.Config(), CountingHook(counter));

    EXPECT_EQ(result.failedStep, c.step);
    EXPECT_EQ(result.sideFile, c.side);
    EXPECT_FALSE(result.reason.isEmpty());
    if (c.nth > 0) {
        EXPECT_EQ(result.reason, QStringLiteral("simulated failure"));
        EXPECT_EQ(counter->calls[c.step], c.nth) << "the update went on after the failure";
    }
    EXPECT_EQ(folder.Entries(), entries) << "a temporary file was left behind";
    if (QFileInfo(folder.Config()).isFile()) {
        EXPECT_EQ(ReadBytes(folder.Config()), before);
    }

    // Never a partial copy: the previous one stays until a complete one takes its place.
    if (c.side == SideFileState::CompleteCopy) {
        EXPECT_EQ(ReadBytes(folder.Side()), CompleteSide(before));
    } else if (QFileInfo(folder.Side()).isFile()) {
        EXPECT_EQ(ReadBytes(folder.Side()), OlderSide);
    }

    const QString message = DescribeFailure(result);
    EXPECT_TRUE(message.contains(result.reason));
    EXPECT_TRUE(message.contains(QStringLiteral("\"%1\" is unchanged").arg(folder.Config())) ||
                c.step == UpdateStep::CheckConfigUnchanged);
    EXPECT_EQ(message.contains(QStringLiteral("\"%1\" holds its old contents").arg(folder.Side())),
              c.side == SideFileState::CompleteCopy);
    EXPECT_EQ(message.contains(QStringLiteral("\"%1\" was left as it was").arg(folder.Side())),
              c.side == SideFileState::Untouched);
}

void MakeFolder(const QString& path) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
}

using S = UpdateStep;
using F = SideFileState;

INSTANTIATE_TEST_SUITE_P(
    Cases, Failure,
    ::testing::Values(
        FailureCase{"folderGivenAsTheFile", S::OpenConfigForReading, 0, false, F::Untouched,
                    [](const ConfigFolder& f) { MakeFolder(f.Config()); }},
        FailureCase{"folderWhereTheSideFileGoes", S::CreateSideFile, 0, false, F::Untouched,
                    [](const ConfigFolder& f) { MakeFolder(f.Side()); }},
        FailureCase{"openForReading", S::OpenConfigForReading, 1, false, F::Untouched, {}},
        FailureCase{"createSideFile", S::CreateSideFile, 1, false, F::Untouched, {}},
        FailureCase{"lock", S::LockConfig, 1, false, F::Untouched, {}},
        FailureCase{"firstRead", S::ReadConfig, 1, false, F::Untouched, {}},
        FailureCase{"laterRead", S::ReadConfig, 3, true, F::Untouched, {}},
        FailureCase{"firstWriteOfSideFile", S::WriteSideFile, 1, false, F::Untouched, {}},
        FailureCase{"laterWriteOfSideFile", S::WriteSideFile, 3, true, F::Untouched, {}},
        FailureCase{"readBackSideFile", S::OpenSideForReading, 1, false, F::Untouched, {}},
        FailureCase{"openReplacement", S::OpenConfigForWriting, 1, false, F::Untouched, {}},
        FailureCase{"firstReadOfSideFile", S::ReadSideFile, 1, false, F::Untouched, {}},
        FailureCase{"laterReadOfSideFile", S::ReadSideFile, 2, true, F::Untouched, {}},
        FailureCase{"firstWriteOfReplacement", S::WriteConfig, 1, false, F::Untouched, {}},
        FailureCase{"laterWriteOfReplacement", S::WriteConfig, 3, true, F::Untouched, {}},
        FailureCase{"checkUnchanged", S::CheckConfigUnchanged, 1, false, F::Untouched, {}},
        FailureCase{"replaceSideFile", S::ReplaceSideFile, 1, false, F::Untouched, {}},
        FailureCase{"replace", S::ReplaceConfig, 1, false, F::CompleteCopy, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Failure, missingFileOrFolderCreatesNothing) {
    ConfigFolder folder;
    for (const QString& path :
         {folder.Config(), folder.Path(QStringLiteral("no such folder/q3config.cfg"))}) {
        const UpdateResult result = Update(path);
        EXPECT_EQ(result.failedStep, UpdateStep::OpenConfigForReading);
        EXPECT_EQ(result.failedFile, path);
        EXPECT_EQ(result.sideFile, SideFileState::Untouched);
        EXPECT_TRUE(DescribeFailure(result).contains(path));
        EXPECT_EQ(folder.Entries(), QStringList{});
    }
}

TEST(Failure, emptyPathFailsAtTheFirstOpen) {
    ConfigFolder folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.Path(QStringLiteral("."))));
    const UpdateResult result = Update(QString());
    QDir::setCurrent(previous);
    EXPECT_EQ(result.failedStep, UpdateStep::OpenConfigForReading);
    EXPECT_EQ(result.sidePath, QStringLiteral("_"));
    EXPECT_EQ(folder.Entries(), QStringList{});
}

// The replacement is complete but cannot take the file's place: a folder has taken it.
TEST(Failure, realRenameFailureReportsTheSystemsReasonAndCleansUp) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), SmallFile);
    auto counter = std::make_shared<FaultCounter>();
    counter->failStep = UpdateStep::ReplaceConfig;
    counter->nth = 1;
    counter->onFailure = [&] {
        MakeFolder(folder.Config());
        WriteBytes(folder.Config() + QStringLiteral("/inside"), "x");
    };
    const UpdateResult result = Update(folder.Config(), CountingHook(counter));
    EXPECT_EQ(result.failedStep, UpdateStep::ReplaceConfig);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_NE(result.reason, QStringLiteral("simulated failure"));
    EXPECT_EQ(result.sideFile, SideFileState::CompleteCopy);
    EXPECT_EQ(folder.Entries(),
              (QStringList{QStringLiteral("q3config.cfg"), QStringLiteral("q3config.cfg_")}));
}

TEST(DescribeFailure, namesTheStepTheFileTheReasonAndBothFiles) {
    UpdateResult result;
    EXPECT_EQ(DescribeFailure(result), QString());
    result.configPath = QStringLiteral("/games/q3/q3config.cfg");
    result.sidePath = QStringLiteral("/games/q3/q3config.cfg_");
    struct Case {
        UpdateStep step;
        bool failedOnConfig;  // else no file is named as the one that failed
        const char* reason;
        SideFileState sideFile;
        const char* message;
    };
    const Case cases[] = {
        {UpdateStep::WriteConfig, true, "No space left on device", SideFileState::CompleteCopy,
         "Could not write the new file beside \"/games/q3/q3config.cfg\" (No space left on "
         "device). The configuration file \"/games/q3/q3config.cfg\" is unchanged. "
         "\"/games/q3/q3config.cfg_\" holds its old contents."},
        {UpdateStep::CheckLines, false, "The name line holds a line break.",
         SideFileState::Untouched,
         "The name line holds a line break. A configuration line must be a single line; "
         "nothing was written. The configuration file \"/games/q3/q3config.cfg\" is "
         "unchanged. The copy \"/games/q3/q3config.cfg_\" was left as it was."},
        {UpdateStep::CheckConfigUnchanged, true, "its contents changed", SideFileState::Untouched,
         "Another program changed \"/games/q3/q3config.cfg\" during the update (its contents "
         "changed). This is usually the game, which rewrites the file whenever a setting "
         "changes: close it and try again. Nothing was replaced: "
         "\"/games/q3/q3config.cfg\" holds what the other program wrote. The copy "
         "\"/games/q3/q3config.cfg_\" was left as it was."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        result.failedStep = c.step;
        result.failedFile = c.failedOnConfig ? result.configPath : QString();
        result.reason = QString::fromUtf8(c.reason);
        result.sideFile = c.sideFile;
        EXPECT_EQ(DescribeFailure(result).toStdString(), c.message);
    }
}

}  // namespace
}  // namespace chromlet::test
