#include <QCoreApplication>
#include <QDir>

#include "config/config_updater.h"

namespace chromlet {

namespace {

QString Quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// What went wrong with a file, with %1 the file and %2 the system's reason.
QString Headline(UpdateStep step) {
    switch (step) {
        case UpdateStep::None:
        case UpdateStep::CheckLines:
            break;
        case UpdateStep::OpenConfigForReading:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not open %1 for reading (%2).");
        case UpdateStep::CreateSideFile:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not create the copy %1 (%2).");
        case UpdateStep::ReadConfig:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not read %1 (%2).");
        case UpdateStep::WriteSideFile:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not write the copy %1 (%2).");
        case UpdateStep::OpenSideForReading:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not open the copy %1 for reading (%2).");
        case UpdateStep::OpenConfigForWriting:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not create the new file beside %1 (%2).");
        case UpdateStep::ReadSideFile:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not read the copy %1 (%2).");
        case UpdateStep::WriteConfig:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not write the new file beside %1 (%2).");
        case UpdateStep::ReplaceConfig:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "Could not replace %1 with the new file (%2).");
    }
    return QCoreApplication::translate("chromlet::ConfigUpdater", "Could not update %1 (%2).");
}

QString SideFileNote(const UpdateResult& result) {
    switch (result.sideFile) {
        case SideFileState::Untouched:
            break;
        case SideFileState::Incomplete:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               " The copy %1 is incomplete.")
                .arg(Quoted(result.sidePath));
        case SideFileState::CompleteCopy:
            return QCoreApplication::translate("chromlet::ConfigUpdater",
                                               " %1 holds its old contents.")
                .arg(Quoted(result.sidePath));
    }
    return {};
}

}  // namespace

QString DescribeFailure(const UpdateResult& result) {
    if (result.ok()) {
        return {};
    }
    QString message =
        result.failedStep == UpdateStep::CheckLines
            ? result.reason +
                  QCoreApplication::translate(
                      "chromlet::ConfigUpdater",
                      " A configuration line must be a single line; nothing was written.")
            : Headline(result.failedStep).arg(Quoted(result.failedFile), result.reason);
    // The file is replaced only once its new contents are complete, so no failure changes it.
    message += QCoreApplication::translate("chromlet::ConfigUpdater",
                                           " The configuration file %1 is unchanged.")
                   .arg(Quoted(result.configPath));
    return message + SideFileNote(result);
}

}  // namespace chromlet
