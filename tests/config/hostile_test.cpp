// The updater in a hostile folder, on files that are not regular files, and racing other programs.
#include <QLockFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "config_test_support.h"

namespace chromlet::test {
namespace {

const std::string Before = Lines({{"seta name \"Old\"", "0D 0A"}, {"seta a 1", "0D 0A"}});
const std::string After = Lines({{"seta a 1", "0D 0A"}}) + NewLines();
const std::string OlderSide = "older copy\r\n";

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

struct stat Lstat(const QString& path) {
    struct stat st {};
    EXPECT_EQ(lstat(Native(path).constData(), &st), 0) << path.toStdString();
    return st;
}

void Symlink(const QString& target, const QString& link) {
    QFile::remove(link);
    ASSERT_EQ(symlink(Native(target).constData(), Native(link).constData()), 0);
}

// Runs `race` when the nth operation of `step` comes, as another program would at that moment.
FaultHook RaceAt(UpdateStep step, int nth, std::function<void()> race) {
    auto counter = std::make_shared<FaultCounter>();
    counter->failStep = step;
    counter->nth = nth;
    counter->onFailure = std::move(race);
    return CountingHook(counter);
}

// About 300 KiB of settings, so that the first pass reads more than once.
std::string ManyLines(char value) {
    std::string bytes;
    for (int i = 0; i < 6000; ++i) {
        bytes += "seta setting_" + std::to_string(i) + " \"" + std::string(30, value) + "\"\r\n";
    }
    return bytes;
}

// Whatever stands at the side file's name is replaced by a new file, never written through.
TEST(SidePath, isReplacedNeverWrittenThrough) {
    using Arrange = std::function<void(const ConfigFolder&)>;
    const struct {
        const char* name;
        Arrange arrange;      // what stands at the side file's path
        UpdateStep raceStep;  // when `arrange` runs; None: before the update
    } cases[] = {
        {"hard link to the config",
         [](const ConfigFolder& f) {
             ASSERT_EQ(link(Native(f.Config()).constData(), Native(f.Side()).constData()), 0);
         },
         UpdateStep::None},
        {"symlink to the config", [](const ConfigFolder& f) { Symlink(f.Config(), f.Side()); },
         UpdateStep::None},
        {"symlink to another file",
         [](const ConfigFolder& f) { Symlink(f.Path(QStringLiteral("other")), f.Side()); },
         UpdateStep::None},
        {"symlink to a full device",
         [](const ConfigFolder& f) { Symlink(QStringLiteral("/dev/full"), f.Side()); },
         UpdateStep::None},
        {"symlink to the config swapped in at creation",
         [](const ConfigFolder& f) { Symlink(f.Config(), f.Side()); }, UpdateStep::CreateSideFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(folder.Config(), Before);
        WriteBytes(folder.Path(QStringLiteral("other")), OlderSide);
        FaultHook hook;
        if (c.raceStep == UpdateStep::None) {
            c.arrange(folder);
        } else {
            hook = RaceAt(c.raceStep, 1, [&] { c.arrange(folder); });
        }
        const UpdateResult result = Update(folder.Config(), hook);
        EXPECT_TRUE(result.Ok()) << DescribeFailure(result).toStdString();
        EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(After));
        EXPECT_EQ(ReadBytes(folder.Path(QStringLiteral("other"))), OlderSide);
        EXPECT_TRUE(S_ISREG(Lstat(folder.Side()).st_mode));
        EXPECT_NE(Lstat(folder.Side()).st_ino, Lstat(folder.Config()).st_ino);
        EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(Before));
    }
}

// The config itself mounted at the side file's name cannot be replaced: refused, unchanged.
TEST(SidePath, mountPointIsRefused) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), Before);
    WriteBytes(folder.Side(), OlderSide);
    if (mount(Native(folder.Config()).constData(), Native(folder.Side()).constData(), nullptr,
              MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    }
    const QStringList entries = folder.Entries();
    const UpdateResult result = Update(folder.Config());
    EXPECT_EQ(umount(Native(folder.Side()).constData()), 0);
    EXPECT_EQ(result.failedStep, UpdateStep::ReplaceSideFile);
    EXPECT_EQ(ReadBytes(folder.Config()), Before);
    EXPECT_EQ(ReadBytes(folder.Side()), OlderSide);
    EXPECT_EQ(folder.Entries(), entries);
}

// Never opened for reading, so nothing waits for a writer or reads for ever.
TEST(SpecialFile, isRefusedBeforeItIsOpened) {
    const struct {
        const char* kind;  // what the message calls it
        std::function<void(const QString&)> make;
    } cases[] = {
        {"named pipe", [](const QString& p) { ASSERT_EQ(mkfifo(Native(p).constData(), 0644), 0); }},
        {"character device", [](const QString& p) { Symlink(QStringLiteral("/dev/zero"), p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ConfigFolder folder;
        c.make(folder.Config());
        const QStringList entries = folder.Entries();
        const UpdateResult result = Update(folder.Config());
        EXPECT_EQ(result.failedStep, UpdateStep::OpenConfigForReading);
        EXPECT_TRUE(result.reason.contains(QLatin1String(c.kind))) << result.reason.toStdString();
        EXPECT_EQ(folder.Entries(), entries);
    }
}

void Overwrite(const QString& path, const std::string& bytes, bool keepTime) {
    const struct stat st = Lstat(path);
    WriteBytes(path, bytes);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_TRUE(!keepTime || utimensat(AT_FDCWD, Native(path).constData(), times, 0) == 0);
}

// The game rewrites its config whenever a setting changes: its version wins, nothing is replaced.
TEST(OtherProgram, changingTheFileDuringTheUpdateStopsIt) {
    const std::string theirs = ManyLines('b');
    const struct {
        const char* name;
        UpdateStep at;  // the other program writes when the nth operation of this step comes
        int nth;
        std::string tail;  // after `theirs` in what the other program writes
        std::function<void(const ConfigFolder&, const std::string&)> change;
        const char* reason;  // how the updater saw it
    } cases[] = {
        {"rewrites it in place during the first pass", UpdateStep::ReadConfig, 2, "x\r\n",
         [](const ConfigFolder& f, const std::string& b) { Overwrite(f.Config(), b, false); },
         "its contents changed"},
        {"rewrites it keeping size and time", UpdateStep::ReadConfig, 2, "",
         [](const ConfigFolder& f, const std::string& b) { Overwrite(f.Config(), b, true); },
         "its contents changed"},
        {"replaces it between the passes", UpdateStep::OpenSideForReading, 1, "x\r\n",
         [](const ConfigFolder& f, const std::string& b) {
             WriteBytes(f.Path(QStringLiteral("new")), b);
             ASSERT_EQ(rename(Native(f.Path(QStringLiteral("new"))).constData(),
                              Native(f.Config()).constData()),
                       0);
         },
         "another file has taken its place"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each kind of game compares the file with the copy by its own first pass.
        for (const TargetGame target : {TargetGame::Q3Test, TargetGame::IoQuake3}) {
            ConfigFolder folder;
            WriteBytes(folder.Config(), ManyLines('a'));
            WriteBytes(folder.Side(), OlderSide);
            const QStringList entries = folder.Entries();
            const UpdateResult result =
                Update(folder.Config(),
                       RaceAt(c.at, c.nth, [&] { c.change(folder, theirs + c.tail); }), {target});
            EXPECT_EQ(result.failedStep, UpdateStep::CheckConfigUnchanged);
            EXPECT_EQ(result.reason, QLatin1String(c.reason));
            EXPECT_EQ(ReadBytes(folder.Config()), theirs + c.tail);
            EXPECT_EQ(ReadBytes(folder.Side()), OlderSide);
            EXPECT_EQ(folder.Entries(), entries);
            EXPECT_TRUE(DescribeFailure(result).contains(QLatin1String("Another program changed")))
                << DescribeFailure(result).toStdString();
        }
    }
}

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
                if (read(release[0], &byte, 1) >= 0) {
                    lock.unlock();
                }
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
        waitpid(child, nullptr, 0);
        close(ready[0]);
        EXPECT_EQ(result.failedStep, holderAlive ? UpdateStep::LockConfig : UpdateStep::None);
        EXPECT_EQ(ReadBytes(folder.Config()), holderAlive ? Before : After);
        EXPECT_EQ(DescribeFailure(result),
                  holderAlive ? QStringLiteral("Another copy of the program (process %1) is "
                                               "updating q3config.cfg. Try again when it has "
                                               "finished.")
                                    .arg(child)
                              : QString());
    }
}

// Something that is no lock stands at the lock file's name: retrying would never help, so the
// message says what is there and what to do.
TEST(Lock, saysWhatStandsInItsPlace) {
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        const char* message;  // %1: the lock file's path
    } cases[] = {
        {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); },
         "A folder %1 stands where the update's lock file goes. Remove it, then try again."},
        {"link", [](const QString& p) { Symlink(QStringLiteral("elsewhere"), p); },
         "A link %1 stands where the update's lock file goes. Remove it, then try again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        WriteBytes(folder.Config(), Before);
        const QString lock = folder.Config() + QStringLiteral(".lock");
        c.make(lock);
        const QStringList entries = folder.Entries();
        const UpdateResult result = Update(folder.Config());
        EXPECT_EQ(result.failedStep, UpdateStep::LockConfig);
        EXPECT_EQ(DescribeFailure(result), QString::fromUtf8(c.message).arg(lock));
        EXPECT_EQ(ReadBytes(folder.Config()), Before);
        EXPECT_EQ(folder.Entries(), entries);
    }
}

// Limits the size of the files this process writes, so that a write stops short of its end the
// way it does on a full disk; restores the limit when it goes.
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

TEST(OddRequest, failsSayingWhyAndChangesNothing) {
    const struct {
        const char* name;
        std::size_t nameLength;  // of the file's name; 0 for q3config.cfg
        QString pathEnd;         // appended to the path given
        rlim_t sizeLimit;        // 0 for none
        UpdateStep step;         // the step that fails
        const char* reasonHas;   // what the reason says
    } cases[] = {
        {"NUL in the path", 0, QChar(0) + QStringLiteral("x"), 0, UpdateStep::CheckPath, "NUL"},
        {"longest name that works", 248, {}, 0, UpdateStep::None, ""},
        {"name too long", 249, {}, 0, UpdateStep::CheckPath, "too long"},
        {"name far too long", 254, {}, 0, UpdateStep::CheckPath, "too long"},
        {"write cut short as on a full disk",
         0,
         {},
         100000,
         UpdateStep::WriteSideFile,
         "File too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigFolder folder;
        const QString file =
            c.nameLength == 0
                ? folder.Config()
                : folder.Path(QString(static_cast<qsizetype>(c.nameLength), QLatin1Char('c')));
        // Large enough for the cut write; within what the game reads where the update works.
        const std::string before = c.sizeLimit > 0 ? ManyLines('a') : "seta a 1\r\n";
        WriteBytes(file, before);
        const QStringList entries = folder.Entries();
        UpdateResult result;
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0) {
                limit.emplace(c.sizeLimit);
            }
            result = Update(file + c.pathEnd);
        }
        EXPECT_EQ(result.failedStep, c.step) << DescribeFailure(result).toStdString();
        EXPECT_TRUE(result.reason.contains(QLatin1String(c.reasonHas)))
            << result.reason.toStdString();
        if (c.step != UpdateStep::None) {
            EXPECT_FALSE(DescribeFailure(result).contains(QChar(0)));
            EXPECT_EQ(ReadBytes(file), before);
            EXPECT_EQ(folder.Entries(), entries);
        }
    }
}

}  // namespace
}  // namespace chromlet::test
