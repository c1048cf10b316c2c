#include "config/new_file.h"

#include <cerrno>

#include <unistd.h>

#include "config/passes/fault_seam.h"
#include "config/regular_file.h"

namespace chromlet {

NewFile::NewFile(const QString& templatePath, const QString& finalPath, UpdateStep createStep,
                 UpdateStep publishStep)
    : file_(templatePath), finalPath_(finalPath), publishStep_(publishStep) {
    if (const int injected = InjectedFault(createStep)) {
        Fail(injected);
        return;
    }
    errno = 0;
    if (!file_.open()) {
        Fail(errno != 0 ? errno : EIO);
        return;
    }
    if (!device_.open(file_.handle(), QIODevice::ReadWrite | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle)) {
        reason_ = device_.errorString();
        errorNumber_ = EIO;
    }
}

bool NewFile::Fail(int error) {
    errorNumber_ = error;
    reason_ = SystemReason(error);
    return false;
}

void NewFile::TakeOwnerAndMode(const struct stat& original, mode_t modeBits) {
    const int fd = Descriptor();
    if (fchown(fd, original.st_uid, original.st_gid) != 0) {
        // Not allowed to give the file away: keep at least the group where that is allowed;
        // whether it was is checked below.
        [[maybe_unused]] const int groupKept = fchown(fd, static_cast<uid_t>(-1), original.st_gid);
    }
    // The mode comes after the owner, since a change of owner clears set-id bits.
    mode_t mode = original.st_mode & modeBits;
    struct stat now {};
    if (fstat(fd, &now) != 0 || now.st_gid != original.st_gid) {
        mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);  // the group bits were for another group
    }
    (void)fchmod(fd, mode);
}

bool NewFile::Rewind(UpdateStep step) {
    if (const int injected = InjectedFault(step)) {
        return Fail(injected);
    }
    errno = 0;
    return device_.seek(0) || Fail(errno != 0 ? errno : EIO);
}

bool NewFile::Sync(UpdateStep step) {
    if (const int injected = InjectedFault(step)) {
        return Fail(injected);
    }
    return fdatasync(Descriptor()) == 0 || Fail(errno);
}

bool NewFile::Publish() {
    if (const int injected = InjectedFault(publishStep_)) {
        return Fail(injected);
    }
    // The file may have no name yet (Qt makes it without one where the system can); asking for
    // it gives it one, under which it is renamed.
    errno = 0;
    const QString name = file_.fileName();
    if (name.isEmpty()) {
        return Fail(errno != 0 ? errno : EIO);
    }
    if (rename(QFile::encodeName(name).constData(), QFile::encodeName(finalPath_).constData()) !=
        0) {
        return Fail(errno);
    }
    // Its temporary name is gone: nothing must be removed under it later.
    file_.setAutoRemove(false);
    return true;
}

}  // namespace chromlet
