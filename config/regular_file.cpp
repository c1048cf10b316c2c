#include "config/regular_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "config/passes/fault_seam.h"

namespace chromlet {

namespace {

// Empty for a regular file; otherwise why it cannot be read as one.
QString KindProblem(mode_t mode) {
    const char* kind = nullptr;
    if (S_ISREG(mode)) {
        return {};
    } else if (S_ISDIR(mode)) {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a folder");
    } else if (S_ISFIFO(mode)) {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a named pipe (FIFO)");
    } else if (S_ISCHR(mode)) {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a character device");
    } else if (S_ISBLK(mode)) {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a block device");
    } else if (S_ISSOCK(mode)) {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a socket");
    } else {
        kind = QT_TRANSLATE_NOOP("chromlet::RegularFile", "a special file");
    }
    return QCoreApplication::translate("chromlet::RegularFile", "it is %1, not a regular file")
        .arg(QCoreApplication::translate("chromlet::RegularFile", kind));
}

}  // namespace

QString PathProblem(const QString& path) {
    if (path.contains(QChar(0))) {
        return QCoreApplication::translate(
            "chromlet::RegularFile", "the path holds a NUL character, which no file name can hold");
    }
    return {};
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

RegularFile::RegularFile(const QString& path, UpdateStep step) {
    if (error_ = PathProblem(path); !error_.isEmpty()) {
        return;
    }
    const auto fail = [this](int error) {
        errorNumber_ = error;
        error_ = SystemReason(error);
    };
    if (const int injected = InjectedFault(step)) {
        fail(injected);
        return;
    }
    const QByteArray name = QFile::encodeName(path);
    // Refused before open(): opening a device can have effects of its own.
    struct stat before {};
    if (stat(name.constData(), &before) != 0) {
        fail(errno);
        return;
    }
    if (error_ = KindProblem(before.st_mode); !error_.isEmpty()) {
        return;
    }
    // O_NONBLOCK: should a named pipe have been swapped in since, open() returns at once.
    fd_ = open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        fail(errno);
        return;
    }
    if (fstat(fd_, &status_) != 0) {
        fail(errno);
    } else {
        error_ = KindProblem(status_.st_mode);
    }
    if (!error_.isEmpty()) {
        close(fd_);
        fd_ = -1;
    }
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

}  // namespace chromlet
