// The updater in a hostile folder, on files that are not regular files, and racing other programs.
#include <QLockFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "config_test_support.h"

namespace chromlet::test {
namespace {

const std::string Before = Lines({{"seta name \"Old\"", "0D 0A"}, {"seta a 1", "0D 0A"}});
const std::string After = Lines({{"seta a 1", "0D 0A"}}) + NewLines();
const std::string OlderSide = "older copy\r\n";
const std::string Other = "another file\n";

struct stat Lstat(const QString& path) {
    struct stat st {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

void Symlink(const QString& target, const QString& link) {
    QFile::remove(link);
    ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()),
              0);
}

// Runs `race` when the first operation of `step` comes, as another program would at that moment.
FaultHook RaceAt(UpdateStep step, int nth, std::function<void()> race) {
    auto counter = std::make_shared<FaultCounter>();
    counter->failStep = step;
    counter->nth = nth;
    counter->onFailure = std::move(race);
    return CountingHook(counter);
}

struct SideCase {
    const char* name;
    std::function<void(const ConfigFolder&)> arrange;  // what stands at the side file's path
    UpdateStep raceStep;                               // where `arrange` runs; None: beforehand
};

void PrintTo(const SideCase& c, std::ostream* os) {
    *os << c.name;
}

class SidePath : public ::testing::TestWithParam<SideCase> {};

// Whatever stands at the side file's name is replaced by a new file, never written through.
TEST_P(SidePath, isReplacedNeverWrittenThrough) {
    const SideCase& c = GetParam();
    ConfigFolder folder;
    WriteBytes(folder.Config(), Before);
    WriteBytes(folder.Path(QStringLiteral("other")), Other);
    FaultHook hook;
    if (c.raceStep == UpdateStep::None) {
        c.arrange(folder);
    } else {
        hook = RaceAt(c.raceStep, 1, [&] { c.arrange(folder); });
    }
    const UpdateResult result = Update(folder.Config(), hook);
    ASSERT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(After));
    EXPECT_EQ(ReadBytes(folder.Path(QStringLiteral("other"))), Other);
    EXPECT_TRUE(S_ISREG(Lstat(folder.Side()).st_mode));
    EXPECT_NE(Lstat(folder.Side()).st_ino, Lstat(folder.Config()).st_ino);
    EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(Before));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SidePath,
    ::testing::Values(
        SideCase{"hardLinkToTheConfig",
                 [](const ConfigFolder& f) {
                     ASSERT_EQ(link(QFile::encodeName(f.Config()).constData(),
                                    QFile::encodeName(f.Side()).constData()),
                               0);
                 },
                 UpdateStep::None},
        SideCase{"symlinkToTheConfig", [](const ConfigFolder& f) { Symlink(f.Config(), f.Side()); },
                 UpdateStep::None},
        SideCase{"symlinkToAnotherFile",
                 [](const ConfigFolder& f) { Symlink(f.Path(QStringLiteral("other")), f.Side()); },
                 UpdateStep::None},
        SideCase{"symlinkToAFullDevice",
                 [](const ConfigFolder& f) { Symlink(QStringLiteral("/dev/full"), f.Side()); },
                 UpdateStep::None},
        SideCase{"symlinkToTheConfigSwappedInAtCreation",
                 [](const ConfigFolder& f) { Symlink(f.Config(), f.Side()); },
                 UpdateStep::CreateSideFile}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpecialCase {
    const char* name;
    std::function<void(const QString&)> make;  // puts it at the config's path
    const char* kind;                          // what the message calls it
};

void PrintTo(const SpecialCase& c, std::ostream* os) {
    *os << c.name;
}

class SpecialFile : public ::testing::TestWithParam<SpecialCase> {};

// Never opened for reading, so nothing waits for a writer or reads for ever.
TEST_P(SpecialFile, isRefusedBeforeItIsOpened) {
    ConfigFolder folder;
    GetParam().make(folder.Config());
    const QStringList entries = folder.Entries();
    const UpdateResult result = Update(folder.Config());
    EXPECT_EQ(result.failedStep, UpdateStep::OpenConfigForReading);
    EXPECT_TRUE(result.reason.contains(QLatin1String(GetParam().kind)))
        << result.reason.toStdString();
    EXPECT_EQ(folder.Entries(), entries);
}

void MakeFifo(const QString& path) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpecialFile,
                         ::testing::Values(SpecialCase{"fifo", MakeFifo, "named pipe"},
                                           SpecialCase{"linkToZeroDevice",
                                                       [](const QString& p) {
                                                           Symlink(QStringLiteral("/dev/zero"), p);
                                                       },
                                                       "character device"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChangeCase {
    const char* name;
    UpdateStep at;  // the other program writes when the nth operation of this step comes
    int nth;
    std::function<std::string(const ConfigFolder&)> change;  // returns what it leaves there
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

// About 300 KiB of settings, so that the first pass reads more than once.
std::string ManyLines(char value) {
    std::string bytes;
    for (int i = 0; i < 6000; ++i) {
        bytes += "seta setting_" + std::to_string(i) + " \"" + std::string(30, value) + "\"\r\n";
    }
    return bytes;
}

void Overwrite(const QString& path, const std::string& bytes, bool keepTime) {
    struct stat st = Lstat(path);
    WriteBytes(path, bytes);
    if (keepTime) {
        const timespec times[2] = {st.st_atim, st.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
}

class OtherProgram : public ::testing::TestWithParam<ChangeCase> {};

// The game rewrites its config whenever a setting changes: its version wins, nothing is replaced.
TEST_P(OtherProgram, changingTheFileDuringTheUpdateStopsIt) {
    const ChangeCase& c = GetParam();
    ConfigFolder folder;
    WriteBytes(folder.Config(), ManyLines('a'));
    WriteBytes(folder.Side(), OlderSide);
    std::string theirs;
    const QStringList entries = folder.Entries();
    const UpdateResult result =
        Update(folder.Config(), RaceAt(c.at, c.nth, [&] { theirs = c.change(folder); }));
    ASSERT_FALSE(theirs.empty()) << "the other program never ran";
    EXPECT_EQ(result.failedStep, UpdateStep::CheckConfigUnchanged);
    EXPECT_EQ(ReadBytes(folder.Config()), theirs);
    EXPECT_EQ(ReadBytes(folder.Side()), OlderSide);
    EXPECT_EQ(folder.Entries(), entries);
    EXPECT_TRUE(DescribeFailure(result).contains(QLatin1String("Another program changed")))
        << DescribeFailure(result).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OtherProgram,
    ::testing::Values(
        ChangeCase{"rewritesItInPlaceDuringTheFirstPass", UpdateStep::ReadConfig, 2,
                   [](const ConfigFolder& f) {
                       Overwrite(f.Config(), ManyLines('b') + "seta more 1\r\n", false);
                       return ManyLines('b') + "seta more 1\r\n";
                   }},
        ChangeCase{"rewritesItKeepingSizeAndTime", UpdateStep::ReadConfig, 2,
                   [](const ConfigFolder& f) {
                       Overwrite(f.Config(), ManyLines('b'), true);
                       return ManyLines('b');
                   }},
        ChangeCase{"replacesItBetweenThePasses", UpdateStep::OpenSideForReading, 1,
                   [](const ConfigFolder& f) {
                       WriteBytes(f.Path(QStringLiteral("new")), "seta new 1\r\n");
                       EXPECT_EQ(
                           rename(QFile::encodeName(f.Path(QStringLiteral("new"))).constData(),
                                  QFile::encodeName(f.Config()).constData()),
                           0);
                       return std::string("seta new 1\r\n");
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// A second copy of the program, in a process of its own, holds the lock or died holding it.
TEST(Lock, keepsASecondUpdaterOutUntilItsHolderEnds) {
    for (const bool holderAlive : {true, false}) {
        SCOPED_TRACE(holderAlive ? "holder alive" : "holder died");
        ConfigFolder folder;
        WriteBytes(folder.Config(), Before);
        int ready[2];
        int release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(release[1]);
            QLockFile lock(folder.Config() + QStringLiteral(".lock"));
            char byte = lock.lock() ? 'y' : 'n';
            if (write(ready[1], &byte, 1) == 1 && holderAlive) {
                (void)read(release[0], &byte, 1);
                lock.unlock();
            }
            _exit(0);  // a dead holder leaves its lock file behind
        }
        close(release[0]);
        close(ready[1]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        ASSERT_EQ(byte, 'y');
        if (!holderAlive) {
            waitpid(child, nullptr, 0);
        }
        const UpdateResult result = Update(folder.Config());
        close(release[1]);
        if (holderAlive) {
            waitpid(child, nullptr, 0);
        }
        close(ready[0]);
        EXPECT_EQ(result.failedStep, holderAlive ? UpdateStep::LockConfig : UpdateStep::None)
            << DescribeFailure(result).toStdString();
        EXPECT_EQ(ReadBytes(folder.Config()), holderAlive ? Before : After);
        if (holderAlive) {
            EXPECT_TRUE(DescribeFailure(result).contains(QLatin1String("is updating")))
                << DescribeFailure(result).toStdString();
        }
    }
}

// Sets a limit on the size of files this process writes, so that a write stops short of its end
// the way it does on a full disk; restores the limit when it goes.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

struct OddCase {
    const char* name;
    std::function<QString(const ConfigFolder&)> path;  // the path to update, made ready
    rlim_t sizeLimit;                                  // 0 for none
    UpdateStep step;                                   // the step that fails
    const char* reasonHas;                             // what the reason says
};

void PrintTo(const OddCase& c, std::ostream* os) {
    *os << c.name;
}

class OddRequest : public ::testing::TestWithParam<OddCase> {};

TEST_P(OddRequest, failsSayingWhyAndChangesNothing) {
    const OddCase& c = GetParam();
    ConfigFolder folder;
    const QString path = c.path(folder);
    const QString real = path.left(path.indexOf(QChar(0)));
    const std::string before = ReadBytes(real);
    const QStringList entries = folder.Entries();
    UpdateResult result;
    {
        std::optional<FileSizeLimit> limit;
        if (c.sizeLimit > 0) {
            limit.emplace(c.sizeLimit);
        }
        result = Update(path);
    }
    EXPECT_EQ(result.failedStep, c.step) << DescribeFailure(result).toStdString();
    if (c.step == UpdateStep::None) {
        return;
    }
    EXPECT_TRUE(result.reason.contains(QLatin1String(c.reasonHas))) << result.reason.toStdString();
    EXPECT_EQ(ReadBytes(real), before);
    EXPECT_EQ(folder.Entries(), entries);
}

QString FileNamed(const ConfigFolder& folder, std::size_t length) {
    const QString path = folder.Path(QString(static_cast<qsizetype>(length), QLatin1Char('c')));
    WriteBytes(path, Before);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OddRequest,
    ::testing::Values(
        OddCase{"nulInThePath",
                [](const ConfigFolder& f) {
                    WriteBytes(f.Config(), Before);
                    return f.Config() + QChar(0) + QStringLiteral("x");
                },
                0, UpdateStep::CheckPath, "NUL"},
        OddCase{"longestNameThatWorks", [](const ConfigFolder& f) { return FileNamed(f, 248); }, 0,
                UpdateStep::None, ""},
        OddCase{"nameTooLong", [](const ConfigFolder& f) { return FileNamed(f, 249); }, 0,
                UpdateStep::CheckPath, "too long"},
        OddCase{"nameFarTooLong", [](const ConfigFolder& f) { return FileNamed(f, 254); }, 0,
                UpdateStep::CheckPath, "too long"},
        OddCase{"writeCutShortLikeOnAFullDisk",
                [](const ConfigFolder& f) {
                    WriteBytes(f.Config(), ManyLines('a'));
                    return f.Config();
                },
                100000, UpdateStep::WriteSideFile, "File too large"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace chromlet::test
