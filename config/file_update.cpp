#include "config/file_update.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

#include <cerrno>
#include <cstring>
#include <future>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "config/device_stream.h"
#include "config/new_file.h"
#include "config/passes/chunk_io.h"
#include "config/passes/fault_seam.h"
#include "config/regular_file.h"
#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// A second copy of the program waits this long for the lock, then gives up. An update of even a
// huge file takes well under a second.
constexpr int LockWaitMs = 1000;
// A lock older than this is taken to be left over from a program that hung or was killed on
// another machine; one whose process has died is taken over at once.
constexpr int StaleLockMs = 30000;

// The size of one read when the file is read again to compare it.
constexpr qint64 RecheckChunkSize = 256 * 1024;

// Files made beside the configuration file are named after it with up to this many bytes more:
// the replacement's ".XXXXXX" and the side copy's "_" and six letters.
constexpr qsizetype LongestSuffix = 7;

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

// Whether this user may put a new file in the place of `target`. The replacement would not be
// theirs to make where they may not write the file (another user's); a read-only file of their
// own they may write anyway when asked to, as they could make it writable themselves.
bool MayReplace(const QString& target, const struct stat& status, bool writeReadOnly) {
    if (faccessat(AT_FDCWD, QFile::encodeName(target).constData(), W_OK, AT_EACCESS) == 0) {
        return true;
    }
    return writeReadOnly && (status.st_mode & S_IWUSR) == 0 && status.st_uid == geteuid();
}

// Takes the lock, or fails saying what holds it or stands in its way and what to do.
bool TakeLock(UpdateResult& result, QLockFile& lock) {
    const QString lockPath = lock.fileName();
    if (const int injected = InjectedFault(UpdateStep::LockConfig)) {
        return Fail(result, UpdateStep::LockConfig, lockPath, SystemReason(injected), injected);
    }
    lock.setStaleLockTime(StaleLockMs);
    if (lock.tryLock(LockWaitMs)) {
        return true;
    }
    if (lock.error() == QLockFile::PermissionError) {
        return Fail(result, UpdateStep::LockConfig, lockPath, SystemReason(EACCES), EACCES);
    }
    const QString shown = QDir::toNativeSeparators(lockPath);
    const QString config = QFileInfo(result.configPath).fileName();
    struct stat status {};
    qint64 pid = 0;
    QString host;
    QString app;
    QString why;
    if (lock.error() != QLockFile::LockFailedError) {
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "Could not create the lock file %1.")
                  .arg(shown);
    } else if (lstat(QFile::encodeName(lockPath).constData(), &status) != 0) {
        // The other update finished between the attempt and this look.
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "Another copy of the program is updating %1. Try again "
                                          "when it has finished.")
                  .arg(config);
    } else if (S_ISDIR(status.st_mode)) {
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "A folder %1 stands where the update's lock file goes. "
                                          "Remove it, then try again.")
                  .arg(shown);
    } else if (S_ISLNK(status.st_mode)) {
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "A link %1 stands where the update's lock file goes. "
                                          "Remove it, then try again.")
                  .arg(shown);
    } else if (lock.getLockInfo(&pid, &host, &app) && pid > 0) {
        //: %1 is a process number, %2 the file's name.
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "Another copy of the program (process %1) is updating "
                                          "%2. Try again when it has finished.")
                  .arg(QString::number(pid), config);
    } else {
        why = QCoreApplication::translate("chromlet::ConfigUpdater",
                                          "%1 is no lock file this program can read. If no other "
                                          "copy of the program is running, remove it, then try "
                                          "again.")
                  .arg(shown);
    }
    return Fail(result, UpdateStep::LockConfig, lockPath, why);
}

// Takes what a pass writes and compares it with a file's bytes from its start, read with pread,
// which moves no file position that a pass on the same file might use. A write that differs
// fails, so the pass stops at the first difference.
class Comparison final : public ByteSink {
  public:
    explicit Comparison(int fd) : fd_(fd) {}

    bool Differs() const { return differs_; }
    /// After the last write: whether the file holds nothing beyond what was compared.
    bool AtFileEnd() const {
        char byte = 0;
        return pread(fd_, &byte, 1, offset_) == 0;
    }

    std::int64_t Write(const char* data, std::int64_t size) override {
        buffer_.resize(static_cast<std::size_t>(size));
        std::int64_t got = 0;
        while (got < size) {
            const ssize_t n = pread(fd_, buffer_.data() + got, static_cast<std::size_t>(size - got),
                                    offset_ + got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                error_ = SystemMessage(errno);
                return -1;
            }
            if (n == 0) {
                break;
            }
            got += n;
        }
        if (got < size || std::memcmp(buffer_.data(), data, static_cast<std::size_t>(size)) != 0) {
            differs_ = true;
            error_ = "differs";
            return -1;
        }
        offset_ += size;
        return size;
    }
    std::string Error() const override { return error_; }

  private:
    int fd_;
    off_t offset_ = 0;
    std::vector<char> buffer_;
    std::string error_;
    bool differs_ = false;
};

// Whether the configuration file still gives the side copy: read again from its start through
// `configFd`, passed through the first pass once more and compared with the copy. For the later
// engines that compares the file's bytes with what the first pass read. For the test release it
// compares normalised lines, so a change that normalising undoes (a CR that became CR LF) goes by;
// the update then writes what it would write for the file as it is now.
struct Recheck {
    bool same = false;
    QString error;  ///< why the comparison could not be made
};

Recheck CompareWithSide(int configFd, int sideFd, FirstPass firstPass) {
    QFile config;
    if (!config.open(configFd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle) ||
        !config.seek(0)) {
        return {false, config.errorString()};
    }
    Comparison side(sideFd);
    DeviceSource source(config);
    // Larger reads than the passes': nothing is written meanwhile, so fewer calls pay off.
    ChunkReader in(source, UpdateStep::None, RecheckChunkSize);
    ChunkWriter out(side, UpdateStep::None, RecheckChunkSize);
    const bool passed = firstPass(in, out) && out.Flush();
    if (in.Failed()) {
        return {false, FromSystem(in.Reason())};
    }
    if (!passed && !side.Differs()) {
        return {false, FromSystem(out.Reason())};
    }
    return {passed && side.AtFileEnd(), {}};
}

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// What changed about the configuration file since the first pass read it: nothing when `what` is
// empty. `error` is the system's error number where a look at the file failed.
struct Change {
    QString what;
    int error = 0;
};

// Whether the configuration file is still the one the first pass read. The game rewrites its file
// whenever a setting changes. `recheck` compared its bytes after the first pass; the change time,
// which no program can set back, covers the moments since: any write, rename or change of mode
// moves it.
Change WhatChanged(const QString& path, const RegularFile& config, const Recheck& recheck) {
    if (const int injected = InjectedFault(UpdateStep::CheckConfigUnchanged)) {
        return {SystemReason(injected), injected};
    }
    struct stat now {};
    if (stat(QFile::encodeName(path).constData(), &now) != 0) {
        const int error = errno;
        return {QCoreApplication::translate("chromlet::ConfigUpdater", "it is gone: %1")
                    .arg(SystemReason(error)),
                error};
    }
    const struct stat& then = config.Status();
    if (now.st_dev != then.st_dev || now.st_ino != then.st_ino) {
        return {QCoreApplication::translate("chromlet::ConfigUpdater",
                                            "another file has taken its place")};
    }
    // The bytes first: the same size and times can hide a rewrite within one tick of the clock.
    if (!recheck.error.isEmpty()) {
        return {recheck.error};
    }
    if (!recheck.same) {
        return {QCoreApplication::translate("chromlet::ConfigUpdater", "its contents changed")};
    }
    if (now.st_size != then.st_size || !SameTime(now.st_mtim, then.st_mtim) ||
        !SameTime(now.st_ctim, then.st_ctim)) {
        return {QCoreApplication::translate("chromlet::ConfigUpdater", "it was written to")};
    }
    return {};
}

// Whether the game reads the rewritten file whole at start-up; else fails saying why.
bool ReadWholeByTheGame(UpdateResult& result, TargetGame target, const struct stat& status,
                        const RewrittenSize& written) {
    result.oldBytes = static_cast<std::uint64_t>(status.st_size);
    result.newBytes = written.bytes;
    result.fileLimit = MaxConfigFileBytes(target);
    result.fileFault = CheckConfigFile(target, written.bytes, written.firstZero);
    switch (result.fileFault) {
        case FileFault::None:
            return true;
        case FileFault::TooLarge:
            //: %1 and %2 are numbers of bytes.
            return Fail(result, UpdateStep::CheckFile, result.configPath,
                        QCoreApplication::translate(
                            "chromlet::ConfigUpdater",
                            "with the new names it would hold %1 bytes, but the game reads a "
                            "configuration file of at most %2 bytes and ignores a longer one "
                            "entirely")
                            .arg(QLocale().toString(quint64(result.newBytes)))
                            .arg(QLocale().toString(quint64(result.fileLimit))));
        case FileFault::ZeroByte:
            return Fail(result, UpdateStep::CheckFile, result.configPath,
                        QCoreApplication::translate(
                            "chromlet::ConfigUpdater",
                            "it holds a zero byte at byte %1, where the game stops reading it, so "
                            "the game would never read the new names")
                            .arg(QLocale().toString(quint64(*written.firstZero + 1))));
    }
    return true;
}

// Whether this update may go ahead on `config` at all; the path the new files go beside (a
// symbolic link's target) in `target`.
bool MayUpdate(UpdateResult& result, const RegularFile& config, const UpdateOptions& options,
               QString& target) {
    const QString& path = result.configPath;
    const struct stat& status = config.Status();
    // A file its owner may not write is often made so on purpose, to keep the game from changing
    // it. The mode decides, not whether a write would fail: root may write any file.
    if ((status.st_mode & S_IWUSR) == 0 && !options.writeReadOnly) {
        return Fail(result, UpdateStep::ConfigReadOnly, path,
                    QCoreApplication::translate("chromlet::ConfigUpdater", "it is read-only"));
    }
    // The new file goes beside a symbolic link's target, and so does the lock, so that two links
    // to one file share it.
    target = QFileInfo(path).canonicalFilePath();
    if (const QString problem = NameTooLong(target); !problem.isEmpty()) {
        return Fail(result, UpdateStep::CheckPath, target, problem);
    }
    if (!MayReplace(target, status, options.writeReadOnly)) {
        return Fail(result, UpdateStep::OpenConfigForWriting, path, SystemReason(EACCES), EACCES);
    }
    // A folder at the side file's name could never be replaced: refused before anything is read.
    struct stat sideStatus {};
    if (lstat(QFile::encodeName(result.sidePath).constData(), &sideStatus) == 0 &&
        S_ISDIR(sideStatus.st_mode)) {
        return Fail(
            result, UpdateStep::CreateSideFile, result.sidePath,
            QCoreApplication::translate("chromlet::ConfigUpdater", "a folder has that name"),
            EISDIR);
    }
    return true;
}

// First pass: the configuration file, left as it is, copied to the new side copy.
bool CopyToSide(UpdateResult& result, const RegularFile& config, NewFile& side,
                const FilePasses& passes) {
    const QString& path = result.configPath;
    QFile configFile;
    if (!configFile.open(config.Descriptor(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                         QFileDevice::DontCloseHandle)) {
        return Fail(result, UpdateStep::ReadConfig, path, configFile.errorString());
    }
    DeviceSource source(configFile);
    DeviceSink copy(side.Device());
    ChunkReader in(source, UpdateStep::ReadConfig);
    ChunkWriter out(copy, UpdateStep::WriteSideFile);
    const bool copied = passes.firstPass ? passes.firstPass(in, out) : passes.copy(in, out);
    if (!copied || !out.Flush()) {
        return in.Failed() ? Fail(result, UpdateStep::ReadConfig, path, FromSystem(in.Reason()),
                                  in.ErrorNumber())
                           : Fail(result, UpdateStep::WriteSideFile, result.sidePath,
                                  FromSystem(out.Reason()), out.ErrorNumber());
    }
    return true;
}

// Second pass: the configuration file rebuilt from the copy, rewound, into `replacement`. What
// it wrote, or nothing when it failed.
std::optional<RewrittenSize> RewriteFromSide(UpdateResult& result, NewFile& side,
                                             NewFile& replacement, const FilePasses& passes) {
    const QString& path = result.configPath;
    DeviceSource copy(side.Device());
    DeviceSink rewritten(replacement.Device());
    ChunkReader in(copy, UpdateStep::ReadSideFile);
    ChunkWriter out(rewritten, UpdateStep::WriteConfig);
    const bool accepted = passes.rewrite(result, in, out);
    if (in.Failed()) {
        Fail(result, UpdateStep::ReadSideFile, result.sidePath, FromSystem(in.Reason()),
             in.ErrorNumber());
        return std::nullopt;
    }
    if (!accepted) {
        return std::nullopt;
    }
    if (!out.Flush()) {
        Fail(result, UpdateStep::WriteConfig, path, FromSystem(out.Reason()), out.ErrorNumber());
        return std::nullopt;
    }
    return RewrittenSize{out.Written(), out.FirstZero()};
}

// The side copy first, then the configuration file, each put in place of the old.
bool Publish(UpdateResult& result, NewFile& side, NewFile& replacement) {
    if (!side.Publish()) {
        return Fail(result, UpdateStep::ReplaceSideFile, result.sidePath, side.Reason(),
                    side.ErrorNumber());
    }
    result.sideFile = SideFileState::CompleteCopy;
    if (!replacement.Publish()) {
        return Fail(result, UpdateStep::ReplaceConfig, result.configPath, replacement.Reason(),
                    replacement.ErrorNumber());
    }
    return true;
}

// Both passes, and the replacement of the side file and of the configuration file.
bool Update(UpdateResult& result, const UpdateOptions& options, const FilePasses& passes) {
    const QString& path = result.configPath;
    const RegularFile config(path, UpdateStep::OpenConfigForReading);
    if (!config.IsOpen()) {
        return Fail(result, UpdateStep::OpenConfigForReading, path, config.Error(),
                    config.ErrorNumber());
    }
    QString target;
    if (!MayUpdate(result, config, options, target)) {
        return false;
    }
    QLockFile lock(target + QStringLiteral(".lock"));
    if (!TakeLock(result, lock)) {
        return false;
    }
    const struct stat& status = config.Status();
    NewFile side(result.sidePath + QStringLiteral("XXXXXX"), result.sidePath,
                 UpdateStep::CreateSideFile, UpdateStep::ReplaceSideFile);
    if (!side.IsOpen()) {
        return Fail(result, UpdateStep::CreateSideFile, result.sidePath, side.Reason(),
                    side.ErrorNumber());
    }
    side.TakeOwnerAndMode(status, 0777);
    if (!CopyToSide(result, config, side, passes)) {
        return false;
    }
    // The configuration file is compared with the copy by a second thread while the second pass
    // runs on the other files: reading a large file once more would otherwise add a fifth to the
    // time. Leaving the function waits for it, before the copy it reads goes.
    std::future<Recheck> recheck = std::async(std::launch::async, CompareWithSide,
                                              config.Descriptor(), side.Descriptor(), passes.copy);
    // The copy is read back through its own descriptor, so that nothing put at the side file's
    // name since can come in.
    if (!side.Rewind(UpdateStep::OpenSideForReading)) {
        return Fail(result, UpdateStep::OpenSideForReading, result.sidePath, side.Reason(),
                    side.ErrorNumber());
    }
    NewFile replacement(target + QStringLiteral(".XXXXXX"), target,
                        UpdateStep::OpenConfigForWriting, UpdateStep::ReplaceConfig);
    if (!replacement.IsOpen()) {
        return Fail(result, UpdateStep::OpenConfigForWriting, path, replacement.Reason(),
                    replacement.ErrorNumber());
    }
    const std::optional<RewrittenSize> written = RewriteFromSide(result, side, replacement, passes);
    if (!written) {
        return false;
    }
    replacement.TakeOwnerAndMode(status, 07777);
    if (!replacement.Sync(UpdateStep::WriteConfig)) {
        return Fail(result, UpdateStep::WriteConfig, path, replacement.Reason(),
                    replacement.ErrorNumber());
    }
    // Returning before the replacement is published removes it; the side copy goes with it.
    if (const Change change = WhatChanged(path, config, recheck.get()); !change.what.isEmpty()) {
        return Fail(result, UpdateStep::CheckConfigUnchanged, path, change.what, change.error);
    }
    if (!options.writeUnreadFile && !ReadWholeByTheGame(result, options.target, status, *written)) {
        return false;
    }
    return Publish(result, side, replacement);
}

}  // namespace

bool Fail(UpdateResult& result, UpdateStep step, const QString& file, const QString& reason,
          int errorNumber) {
    result.failedStep = step;
    result.failedFile = file;
    result.reason = reason;
    result.errorNumber = errorNumber;
    return false;
}

UpdateResult UpdateFile(const QString& path, const UpdateOptions& options,
                        const FilePasses& passes) {
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
    struct stat sideStatus {};
    result.sideFileExisted =
        lstat(QFile::encodeName(result.sidePath).constData(), &sideStatus) == 0;

    if (passes.precheck && !passes.precheck(result)) {
        return result;
    }
    Update(result, options, passes);
    return result;
}

}  // namespace chromlet
