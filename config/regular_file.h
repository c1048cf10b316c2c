// Opening a file for reading only when it is a regular file, and the checks on a path that come
// before anything is opened. A named pipe would block the program in open() until some writer
// comes, and a device like /dev/zero never ends; neither is a configuration file.
#pragma once

#include <QString>

#include <sys/stat.h>

#include "config/passes/update_step.h"

namespace chromlet {

/// Why `path` cannot name a file at all; empty when it can. A NUL would cut the name short at
/// the system's interface, so that another file than the one given would be opened.
QString PathProblem(const QString& path);

/// The system's message for the error number `error`.
QString SystemReason(int error);

/// A regular file (after symbolic links are followed), open for reading. The path is checked
/// before it is opened, and the open descriptor again, so that a file swapped in between the
/// two is caught as well. Closed on destruction.
class RegularFile {
  public:
    /// Opens `path`; in an update, `step` is the step this open belongs to (the fault seam asks
    /// for it first).
    explicit RegularFile(const QString& path, UpdateStep step = UpdateStep::None);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    /// Why the file is not open: the system's reason, or what kind of file it is.
    const QString& Error() const { return error_; }
    /// The system's error number for Error(); 0 when it is no system error (a folder, a pipe).
    int ErrorNumber() const { return errorNumber_; }
    int Descriptor() const { return fd_; }
    /// The open file's status as it was when it was opened.
    const struct stat& Status() const { return status_; }

  private:
    int fd_ = -1;
    struct stat status_ {};
    QString error_;
    int errorNumber_ = 0;
};

}  // namespace chromlet
