// Every way an update can fail, and the state it leaves both files in.
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "config/passes/chunk_io.h"
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

// The sentence a message ends with, on the state of both files: none before anything could be
// written, and the copy's state only where it is true.
const char* const NoState = "";
const char* const BothUnchanged = "q3config.cfg and q3config.cfg_ are unchanged.";
const char* const CopyMade = "q3config.cfg is unchanged; q3config.cfg_ now holds a copy of it.";
const char* const NothingWritten = "Nothing was written.";

struct FailureCase {
    const char* name;
    UpdateStep step;     // the step that fails
    int nth;             // its call that the hook fails; 0 for a real failure
    bool big;            // the multi-chunk file instead of the small one
    SideFileState side;  // what the side file holds afterwards
    const char* state;   // the last sentence of the message
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
        EXPECT_EQ(result.errorNumber, EIO);
        EXPECT_EQ(result.reason, QStringLiteral("Input/output error"));
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
    EXPECT_TRUE(message.contains(result.reason)) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QLatin1String(c.state))) << message.toStdString();
}

void MakeFolder(const QString& path) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
}

using S = UpdateStep;
using F = SideFileState;

const FailureCase FailureCases[] = {
    {"folderGivenAsTheFile", S::OpenConfigForReading, 0, false, F::Untouched, NoState,
     [](const ConfigFolder& f) { MakeFolder(f.Config()); }},
    {"folderWhereTheSideFileGoes", S::CreateSideFile, 0, false, F::Untouched, BothUnchanged,
     [](const ConfigFolder& f) { MakeFolder(f.Side()); }},
    {"openForReading", S::OpenConfigForReading, 1, false, F::Untouched, NoState, {}},
    {"createSideFile", S::CreateSideFile, 1, false, F::Untouched, BothUnchanged, {}},
    {"lock", S::LockConfig, 1, false, F::Untouched, NoState, {}},
    {"firstRead", S::ReadConfig, 1, false, F::Untouched, BothUnchanged, {}},
    {"laterRead", S::ReadConfig, 3, true, F::Untouched, BothUnchanged, {}},
    {"firstWriteOfSideFile", S::WriteSideFile, 1, false, F::Untouched, BothUnchanged, {}},
    {"laterWriteOfSideFile", S::WriteSideFile, 3, true, F::Untouched, BothUnchanged, {}},
    {"readBackSideFile", S::OpenSideForReading, 1, false, F::Untouched, BothUnchanged, {}},
    {"openReplacement", S::OpenConfigForWriting, 1, false, F::Untouched, BothUnchanged, {}},
    {"firstReadOfSideFile", S::ReadSideFile, 1, false, F::Untouched, BothUnchanged, {}},
    {"laterReadOfSideFile", S::ReadSideFile, 2, true, F::Untouched, BothUnchanged, {}},
    {"firstWriteOfReplacement", S::WriteConfig, 1, false, F::Untouched, BothUnchanged, {}},
    {"laterWriteOfReplacement", S::WriteConfig, 3, true, F::Untouched, BothUnchanged, {}},
    {"checkUnchanged", S::CheckConfigUnchanged, 1, false, F::Untouched, NothingWritten, {}},
    {"replaceSideFile", S::ReplaceSideFile, 1, false, F::Untouched, BothUnchanged, {}},
    {"syncOfReplacement", S::WriteConfig, 2, false, F::Untouched, BothUnchanged, {}},
    {"replace", S::ReplaceConfig, 1, false, F::CompleteCopy, CopyMade, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Failure, ::testing::ValuesIn(FailureCases),
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

// The whole message, in the cases the user meets most: what happened, what to do, and the state
// of each file only where it is true (a copy is mentioned only where there was one).
TEST(DescribeFailure, saysWhatHappenedWhatToDoAndOnlyTrueStates) {
    const struct {
        const char* name;
        bool sideBefore;  // a q3config.cfg_ stood there before
        mode_t mode;
        FaultHook faults;
        std::string nameLine;
        const char* message;
    } cases[] = {
        {"read-only",
         false,
         0444,
         {},
         NewName,
         "q3config.cfg is read-only, often on purpose, to keep the game from changing it. Write "
         "the names into it anyway and leave it read-only?"},
        {"full disk, no copy before", false, 0644, FailNth(UpdateStep::WriteConfig, 1, ENOSPC),
         NewName,
         "Could not write the new version of q3config.cfg (No space left on device). Free some "
         "space on the disk, then try again. q3config.cfg is unchanged."},
        {"full disk, a copy before", true, 0644, FailNth(UpdateStep::WriteSideFile, 1, ENOSPC),
         NewName,
         "Could not write the copy q3config.cfg_ (No space left on device). Free some space on "
         "the disk, then try again. q3config.cfg and q3config.cfg_ are unchanged."},
        {"no permission", true, 0644, FailNth(UpdateStep::OpenConfigForWriting, 1, EACCES), NewName,
         "Could not make the new version of q3config.cfg (Permission denied). Make sure you may "
         "change the file and the folder it is in, then try again. q3config.cfg and "
         "q3config.cfg_ are unchanged."},
        {"line break",
         false,
         0644,
         {},
         "seta name \"a\nb\"",
         "The name line holds a line break. A configuration line must be a single line; nothing "
         "was written."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(folder.Config(), SmallFile);
        ASSERT_EQ(chmod(QFile::encodeName(folder.Config()).constData(), c.mode), 0);
        if (c.sideBefore) {
            WriteBytes(folder.Side(), OlderSide);
        }
        const QStringList entries = folder.Entries();
        const ScopedFaultHook seam(c.faults);
        const UpdateResult result = ConfigUpdater(folder.Config(), c.nameLine, NewServer);
        EXPECT_EQ(DescribeFailure(result).toStdString(), c.message);
        EXPECT_EQ(folder.Entries(), entries);
        EXPECT_EQ(ReadBytes(folder.Config()), SmallFile);
    }
}

// A read-only file is often made so to keep the game from changing it: refused before anything is
// written (even for root, whom the mode does not stop), and written only when asked to, staying
// read-only with its owner and group.
TEST(ReadOnlyConfig, isRefusedUnlessWrittenAnywayAndStaysReadOnly) {
    const bool root = geteuid() == 0;
    for (const mode_t mode : {0444, 0400, 0464}) {
        SCOPED_TRACE(mode);
        ConfigFolder folder;
        WriteBytes(folder.Config(), SmallFile);
        const QByteArray path = QFile::encodeName(folder.Config());
        ASSERT_EQ(chmod(path.constData(), mode), 0);
        if (root) {
            ASSERT_EQ(chown(path.constData(), 4242, 4343), 0);
        }
        const UpdateResult refused = Update(folder.Config());
        EXPECT_TRUE(refused.IsReadOnlyRefusal());
        EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("q3config.cfg")});

        const UpdateResult written = Update(folder.Config(), {}, {TargetGame::Q3Test, true});
        ASSERT_TRUE(written.Ok()) << DescribeFailure(written).toStdString();
        EXPECT_EQ(ToHex(ReadBytes(folder.Config())),
                  ToHex(Lines({{"seta a 1", "0D 0A"}}) + NewLines()));
        EXPECT_EQ(ReadBytes(folder.Side()), CompleteSide(SmallFile));
        for (const QString& file : {folder.Config(), folder.Side()}) {
            struct stat st {};
            ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, mode) << file.toStdString();
            EXPECT_EQ(st.st_uid, root ? 4242u : geteuid()) << file.toStdString();
        }
    }
}

}  // namespace
}  // namespace chromlet::test
