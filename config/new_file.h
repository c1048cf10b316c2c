// The new files an update makes: the side copy and the replacement of the configuration file.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryFile>

#include <sys/stat.h>

#include "config/passes/update_step.h"

namespace chromlet {

/// A file that takes `finalPath`'s place only once it is complete. It is created in finalPath's
/// folder under a name no other file has, so that nothing standing at a name (a file, a link to
/// another file) is ever opened or written through, readable and writable by its owner only.
/// Publish() renames it over finalPath, replacing whatever stands there; until then it is removed
/// when this object goes, so a failure leaves no half file behind.
class NewFile {
  public:
    /// Creates the file from `templatePath`, whose "XXXXXX" at the end is made unique. The create
    /// is an operation of `createStep`, the rename in Publish() one of `publishStep`.
    NewFile(const QString& templatePath, const QString& finalPath, UpdateStep createStep,
            UpdateStep publishStep);
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    bool IsOpen() const { return device_.isOpen(); }
    /// The open file, unbuffered: the passes read and write in whole chunks of their own.
    QFile& Device() { return device_; }
    int Descriptor() const { return file_.handle(); }

    /// Gives the file the owner and group of `original` and the bits `modeBits` of its mode, as
    /// far as the system lets it; the mode never allows more than the original's does, even when
    /// the group cannot be kept.
    void TakeOwnerAndMode(const struct stat& original, mode_t modeBits);
    /// Goes back to the start of the file to read it; an operation of `step`. False if that failed.
    bool Rewind(UpdateStep step);
    /// Writes the file's data through to the disk, an operation of `step`; false if that failed.
    bool Sync(UpdateStep step);
    /// Renames the complete file to finalPath; false if that failed.
    bool Publish();

    /// Why the last operation failed: the system's message and error number.
    const QString& Reason() const { return reason_; }
    int ErrorNumber() const { return errorNumber_; }

  private:
    bool Fail(int error);

    QTemporaryFile file_;
    QFile device_;
    QString finalPath_;
    UpdateStep publishStep_;
    QString reason_;
    int errorNumber_ = 0;
};

}  // namespace chromlet
