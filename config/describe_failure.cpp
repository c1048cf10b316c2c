#include <QCoreApplication>
#include <QDir>

#include "config/config_updater.h"

namespace chromlet {

namespace {

// A NUL, which a path given through the interface may hold, is shown as \0: in a message box it
// would end the text.
QString Quoted(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QChar(0), QStringLiteral("\\0"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// What went wrong with a file, with %1 the file and %2 the system's reason.
QString Headline(UpdateStep step) {
    switch (step) {
        case UpdateStep::None:
        case UpdateStep::CheckLines:
            break;
        case UpdateStep::CheckPath:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not update %1: %2.");
        case UpdateStep::OpenConfigForReading:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not open %1 for reading (%2).");
        case UpdateStep::LockConfig:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not update %1 now: %2.");
        case UpdateStep::CreateSideFile:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not create the copy %1 (%2).");
        case UpdateStep::ReadConfig:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not read %1 (%2).");
        case UpdateStep::WriteSideFile:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not write the copy %1 (%2).");
        case UpdateStep::OpenSideForReading:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not read back the copy %1 (%2).");
        case UpdateStep::OpenConfigForWriting:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not create the new file beside %1 (%2).");
        case UpdateStep::ReadSideFile:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not read the copy %1 (%2).");
        case UpdateStep::WriteConfig:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not write the new file beside %1 (%2).");
        case UpdateStep::CheckConfigUnchanged:
            return QCoreApplication::translate(
                "chromlet::DescribeFailure",
                "Another program changed %1 during the update (%2). This is usually the game, "
                "which rewrites the file whenever a setting changes: close it and try again.");
        case UpdateStep::ReplaceSideFile:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not put the copy in the place of %1 (%2).");
        case UpdateStep::ReplaceConfig:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Could not replace %1 with the new file (%2).");
    }
    return QCoreApplication::translate("chromlet::DescribeFailure", "Could not update %1 (%2).");
}

QString SideFileNote(const UpdateResult& result) {
    switch (result.sideFile) {
        case SideFileState::Untouched:
            break;
        case SideFileState::CompleteCopy:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               " %1 holds its old contents.")
                .arg(Quoted(result.sidePath));
    }
    return QCoreApplication::translate("chromlet::DescribeFailure",
                                       " The copy %1 was left as it was.")
        .arg(Quoted(result.sidePath));
}

}  // namespace

QString DescribeFailure(const UpdateResult& result) {
    if (result.Ok()) {
        return {};
    }
    QString message =
        result.failedStep == UpdateStep::CheckLines
            ? result.reason +
                  QCoreApplication::translate(
                      "chromlet::DescribeFailure",
                      " A configuration line must be a single line; nothing was written.")
            : Headline(result.failedStep).arg(Quoted(result.failedFile), result.reason);
    // The file is replaced only once its new contents are complete and it still is the file
    // that was read, so no failure changes it.
    message += result.failedStep == UpdateStep::CheckConfigUnchanged
                   ? QCoreApplication::translate(
                         "chromlet::DescribeFailure",
                         " Nothing was replaced: %1 holds what the other program wrote.")
                         .arg(Quoted(result.configPath))
                   : QCoreApplication::translate("chromlet::DescribeFailure",
                                                 " The configuration file %1 is unchanged.")
                         .arg(Quoted(result.configPath));
    return message + SideFileNote(result);
}

}  // namespace chromlet
