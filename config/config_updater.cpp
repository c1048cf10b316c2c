#include "config/config_updater.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdint>
#include <future>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "config/chunk_io.h"
#include "config/filter_pass.h"
#include "config/line_end_pass.h"
#include "config/regular_file.h"
#include "core/char_rules.h"

namespace chromlet {

namespace {

// Never text mode: every byte, CR and LF included, must reach the passes as it is on disk. The
// passes read and write in whole chunks of their own, so Qt's buffer would only copy twice.
constexpr QIODevice::OpenMode WriteMode =
    QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered;

// The new lines end like lines that came from a file with LF line ends.
constexpr std::string_view NewLineEnd = "\n\r\n";

// A second copy of the program waits this long for the lock, then gives up. An update of even a
// huge file takes well under a second.
constexpr int LockWaitMs = 1000;
// A lock older than this is taken to be left over from a program that hung or was killed on
// another machine; one whose process has died is taken over at once.
constexpr int StaleLockMs = 30000;

// The size of one read when the file is read again to compare it.
constexpr qint64 RecheckChunkSize = 256 * 1024;

// Files made beside the configuration file are named after it with up to this many bytes more:
// QSaveFile's ".XXXXXX" and the side copy's "_" and six letters.
constexpr qsizetype LongestSuffix = 7;

bool Fail(UpdateResult& result, UpdateStep step, const QString& file, const QString& reason) {
    result.failedStep = step;
    result.failedFile = file;
    result.reason = reason;
    return false;
}

bool Simulated(UpdateResult& result, UpdateStep step, const QString& file,
               const FaultHook& faults) {
    return FaultInjected(faults, step) && !Fail(result, step, file, SimulatedFailureReason());
}

// Why the files named after `path` cannot be made in its folder; empty when they can.
QString NameTooLong(const QString& path) {
    const QFileInfo info(path);
    const qsizetype length = QFile::encodeName(info.fileName()).size();
    long limit = pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    if (limit <= 0) {
        limit = 255;
    }
    if (length + LongestSuffix <= limit) {
        return {};
    }
    return QCoreApplication::translate(
               "chromlet::ConfigUpdater",
               "the file name is too long: it has %1 bytes, and the update makes files named "
               "after it with up to %2 bytes more, where this file system allows %3")
        .arg(length)
        .arg(LongestSuffix)
        .arg(limit);
}

QString LockProblem(QLockFile& lock) {
    switch (lock.error()) {
        case QLockFile::NoError:
            break;
        case QLockFile::LockFailedError: {
            qint64 pid = 0;
            QString host;
            QString app;
            lock.getLockInfo(&pid, &host, &app);
            return QCoreApplication::translate(
                       "chromlet::ConfigUpdater",
                       "another copy of the program, process %1, is updating it; try again when "
                       "it has finished")
                .arg(pid);
        }
        case QLockFile::PermissionError:
            return QCoreApplication::translate(
                       "chromlet::ConfigUpdater",
                       "the lock file %1 cannot be created: permission denied")
                .arg(lock.fileName());
        case QLockFile::UnknownError:
            break;
    }
    return QCoreApplication::translate("chromlet::ConfigUpdater",
                                       "the lock file %1 cannot be created")
        .arg(lock.fileName());
}

// Gives a new file the owner, group and the `modeBits` of the mode of the file it stands for, as
// far as the system lets it; the mode never allows more than the original's does, even when the
// group cannot be kept. The mode comes after the owner, since a change of owner clears set-id bits.
void TakeOwnerAndMode(int fd, const struct stat& original, mode_t modeBits) {
    if (fchown(fd, original.st_uid, original.st_gid) != 0) {
        // Not allowed to give the file away: keep at least the group where that is allowed;
        // whether it was is checked below.
        [[maybe_unused]] const int groupKept = fchown(fd, static_cast<uid_t>(-1), original.st_gid);
    }
    mode_t mode = original.st_mode & modeBits;
    struct stat now {};
    if (fstat(fd, &now) != 0 || now.st_gid != original.st_gid) {
        mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);  // the group bits were for another group
    }
    (void)fchmod(fd, mode);
}

// The new side copy: a file created under a name of its own beside the side file, which takes
// the side file's name only in Publish(). Removed on destruction unless published.
class SideCopy {
  public:
    SideCopy(const QString& sidePath, const struct stat& config) : sidePath_(sidePath) {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            tempPath_ = sidePath + RandomSuffix();
            fd_ = open(QFile::encodeName(tempPath_).constData(),
                       O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
        if (fd_ < 0) {
            error_ = SystemReason(errno);
            return;
        }
        TakeOwnerAndMode(fd_, config, 0777);
        if (!file_.open(fd_, QIODevice::ReadWrite | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle)) {
            error_ = file_.errorString();
        }
    }
    ~SideCopy() {
        file_.close();
        if (fd_ >= 0) {
            close(fd_);
            if (!published_) {
                unlink(QFile::encodeName(tempPath_).constData());
            }
        }
    }
    SideCopy(const SideCopy&) = delete;
    SideCopy& operator=(const SideCopy&) = delete;

    const QString& Error() const { return error_; }
    QFile& File() { return file_; }

    /// Gives the complete copy the side file's name; false with Error() if not.
    bool Publish() {
        if (rename(QFile::encodeName(tempPath_).constData(),
                   QFile::encodeName(sidePath_).constData()) != 0) {
            error_ = SystemReason(errno);
            return false;
        }
        published_ = true;
        return true;
    }

  private:
    static QString RandomSuffix() {
        static constexpr char Letters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        QString suffix;
        for (int i = 0; i < 6; ++i) {
            suffix += QLatin1Char(Letters[QRandomGenerator::global()->bounded(62)]);
        }
        return suffix;
    }

    QString sidePath_;
    QString tempPath_;
    int fd_ = -1;
    QFile file_;
    QString error_;
    bool published_ = false;
};

// The checksum of the configuration file's bytes as they stand now, read through `fd` from the
// start; or why they could not be read.
struct ContentSum {
    std::uint64_t value = 0;
    QString error;
};

ContentSum SumFile(int fd) {
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle) ||
        !file.seek(0)) {
        return {0, file.errorString()};
    }
    // Larger reads than the passes': nothing is written meanwhile, so fewer calls pay off.
    ChunkReader in(file, RecheckChunkSize);
    ContentHash sum;
    in.HashInto(sum);
    while (!in.Next().empty()) {
    }
    if (in.Failed()) {
        return {0, in.Reason()};
    }
    return {sum.Value(), {}};
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the configuration file is still the one the first pass read, byte for byte; empty if
// it is, otherwise what changed. The game rewrites its file whenever a setting changes.
// `current` is the sum of its bytes taken after the first pass. The change time, which no
// program can set back, covers the moments since: any write, rename or change of mode moves it.
QString WhatChanged(const QString& path, const RegularFile& config, const ContentHash& read,
                    const ContentSum& current) {
    struct stat now {};
    if (stat(QFile::encodeName(path).constData(), &now) != 0) {
        return QCoreApplication::translate("chromlet::ConfigUpdater", "it is gone: %1")
            .arg(SystemReason(errno));
    }
    const struct stat& then = config.Status();
    if (now.st_dev != then.st_dev || now.st_ino != then.st_ino) {
        return QCoreApplication::translate("chromlet::ConfigUpdater",
                                           "another file has taken its place");
    }
    // The bytes first: the same size and times can hide a rewrite within one tick of the clock.
    if (!current.error.isEmpty()) {
        return current.error;
    }
    if (current.value != read.Value()) {
        return QCoreApplication::translate("chromlet::ConfigUpdater", "its contents changed");
    }
    if (now.st_size != then.st_size || !SameTime(now.st_mtim, then.st_mtim) ||
        !SameTime(now.st_ctim, then.st_ctim)) {
        return QCoreApplication::translate("chromlet::ConfigUpdater", "it was written to");
    }
    return {};
}

// Both passes, and the replacement of the side file and of the configuration file.
bool Update(UpdateResult& result, const std::string& nameLine, const std::string& serverLine,
            const FaultHook& faults) {
    const QString& path = result.configPath;
    if (Simulated(result, UpdateStep::OpenConfigForReading, path, faults)) {
        return false;
    }
    const RegularFile config(path);
    if (!config.IsOpen()) {
        return Fail(result, UpdateStep::OpenConfigForReading, path, config.Error());
    }
    // QSaveFile writes beside a symbolic link's target; the lock goes there too, so that two
    // links to one file share it.
    const QString target = QFileInfo(path).canonicalFilePath();
    if (const QString problem = NameTooLong(target); !problem.isEmpty()) {
        return Fail(result, UpdateStep::CheckPath, target, problem);
    }

    QLockFile lock(target + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (Simulated(result, UpdateStep::LockConfig, path, faults)) {
        return false;
    }
    if (!lock.tryLock(LockWaitMs)) {
        return Fail(result, UpdateStep::LockConfig, path, LockProblem(lock));
    }

    // First pass: the configuration file, left as it is, copied to a new side copy. A folder
    // at the side file's name could never be replaced: refused before anything is read.
    struct stat sideStatus {};
    if (lstat(QFile::encodeName(result.sidePath).constData(), &sideStatus) == 0 &&
        S_ISDIR(sideStatus.st_mode)) {
        return Fail(
            result, UpdateStep::CreateSideFile, result.sidePath,
            QCoreApplication::translate("chromlet::ConfigUpdater", "a folder has that name"));
    }
    if (Simulated(result, UpdateStep::CreateSideFile, result.sidePath, faults)) {
        return false;
    }
    SideCopy side(result.sidePath, config.Status());
    if (!side.Error().isEmpty()) {
        return Fail(result, UpdateStep::CreateSideFile, result.sidePath, side.Error());
    }
    QFile configFile;
    if (!configFile.open(config.Descriptor(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                         QFileDevice::DontCloseHandle)) {
        return Fail(result, UpdateStep::ReadConfig, path, configFile.errorString());
    }
    ContentHash read;
    {
        ChunkReader in(configFile, UpdateStep::ReadConfig, faults);
        in.HashInto(read);
        ChunkWriter out(side.File(), UpdateStep::WriteSideFile, faults);
        if (!NormaliseLineEnds(in, out) || !out.Flush()) {
            return in.Failed()
                       ? Fail(result, UpdateStep::ReadConfig, path, in.Reason())
                       : Fail(result, UpdateStep::WriteSideFile, result.sidePath, out.Reason());
        }
    }

    // The configuration file is summed again by a second thread while the second pass runs on
    // the other files: reading a large file once more would otherwise add a fifth to the time.
    // Leaving the function waits for it.
    std::future<ContentSum> currentSum =
        std::async(std::launch::async, SumFile, config.Descriptor());

    // Second pass: the configuration file rebuilt from the copy, read back through the copy's
    // own descriptor, so that nothing put at the side file's name since can come in. QSaveFile
    // writes a temporary file beside the configuration file (beside a symbolic link's target,
    // with the same permissions) and renames it over the file only in commit().
    if (Simulated(result, UpdateStep::OpenSideForReading, result.sidePath, faults)) {
        return false;
    }
    if (!side.File().seek(0)) {
        return Fail(result, UpdateStep::OpenSideForReading, result.sidePath,
                    side.File().errorString());
    }
    if (Simulated(result, UpdateStep::OpenConfigForWriting, path, faults)) {
        return false;
    }
    QSaveFile replacement(path);
    if (!replacement.open(WriteMode)) {
        return Fail(result, UpdateStep::OpenConfigForWriting, path, replacement.errorString());
    }
    ChunkReader in(side.File(), UpdateStep::ReadSideFile, faults);
    ChunkWriter out(replacement, UpdateStep::WriteConfig, faults);
    if (CopyWithoutOldLines(in, out)) {
        out.Write(nameLine);
        out.Write(NewLineEnd);
        out.Write(serverLine);
        out.Write(NewLineEnd);
    }
    if (in.Failed()) {
        return Fail(result, UpdateStep::ReadSideFile, result.sidePath, in.Reason());
    }
    if (!out.Flush()) {
        return Fail(result, UpdateStep::WriteConfig, path, out.Reason());
    }

    // Returning without commit() discards the temporary file; the side copy goes with it.
    if (Simulated(result, UpdateStep::CheckConfigUnchanged, path, faults)) {
        return false;
    }
    if (const QString changed = WhatChanged(path, config, read, currentSum.get());
        !changed.isEmpty()) {
        return Fail(result, UpdateStep::CheckConfigUnchanged, path, changed);
    }
    if (Simulated(result, UpdateStep::ReplaceSideFile, result.sidePath, faults)) {
        return false;
    }
    if (!side.Publish()) {
        return Fail(result, UpdateStep::ReplaceSideFile, result.sidePath, side.Error());
    }
    result.sideFile = SideFileState::CompleteCopy;

    TakeOwnerAndMode(replacement.handle(), config.Status(), 07777);
    if (Simulated(result, UpdateStep::ReplaceConfig, path, faults)) {
        return false;
    }
    if (!replacement.commit()) {
        return Fail(result, UpdateStep::ReplaceConfig, path, replacement.errorString());
    }
    return true;
}

}  // namespace

UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const FaultHook& faults) {
    UpdateResult result;
    result.configPath = path;
    result.sidePath = path + QLatin1Char('_');

    // Refused before anything is opened: a NUL would make the system open another file.
    QString problem = PathProblem(path);
    if (problem.isEmpty() && !path.isEmpty()) {
        problem = NameTooLong(path);
    }
    if (!problem.isEmpty()) {
        Fail(result, UpdateStep::CheckPath, path, problem);
        return result;
    }

    // A line break would split a new line in two, and the second half would survive every later
    // update, since it no longer starts like a name or server-name line.
    if (!IsConfigLine(nameLine) || !IsConfigLine(serverLine)) {
        Fail(result, UpdateStep::CheckLines, QString(),
             !IsConfigLine(nameLine)
                 ? QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The name line holds a line break.")
                 : QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The server-name line holds a line break."));
        return result;
    }

    Update(result, nameLine, serverLine, faults);
    return result;
}

}  // namespace chromlet
