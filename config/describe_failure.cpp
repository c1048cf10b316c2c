#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cerrno>

#include "config/config_updater.h"

namespace chromlet {

namespace {

// A path as the user's system writes it. A NUL, which a path given through the interface may
// hold, is shown as \0: in a message box it would end the text.
QString Shown(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QChar(0), QStringLiteral("\\0"));
    return shown;
}

QString NameOf(const QString& path) {
    return Shown(QFileInfo(path).fileName());
}

QString FolderOf(const QString& path) {
    return Shown(QFileInfo(path).absolutePath());
}

// What went wrong, with %1 the file (by its name) and %2 the reason. A step missing here says
// only that the file could not be updated.
struct StepHeadline {
    UpdateStep step;
    const char* text;
};
constexpr StepHeadline Headlines[] = {
    {UpdateStep::CheckPath,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not update %1: %2.")},
    {UpdateStep::CheckFile,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not update %1: %2.")},
    {UpdateStep::OpenConfigForReading,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not open %1 (%2).")},
    {UpdateStep::LockConfig,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not create the lock file %1 (%2).")},
    {UpdateStep::CreateSideFile,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not create the copy %1 (%2).")},
    {UpdateStep::ReadConfig,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not read %1 (%2).")},
    {UpdateStep::WriteSideFile,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not write the copy %1 (%2).")},
    {UpdateStep::OpenSideForReading,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not read back the copy %1 (%2).")},
    {UpdateStep::ReadSideFile,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not read back the copy %1 (%2).")},
    {UpdateStep::OpenConfigForWriting,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not make the new version of %1 (%2).")},
    {UpdateStep::WriteConfig,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not write the new version of %1 (%2).")},
    {UpdateStep::ReplaceSideFile,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not save the copy %1 (%2).")},
    {UpdateStep::CheckConfigUnchanged,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure",
                       "Another program changed %1 during the update (%2).")},
    {UpdateStep::ReplaceConfig,
     QT_TRANSLATE_NOOP("chromlet::DescribeFailure",
                       "Could not replace %1 with its new version (%2).")},
};

QString Headline(UpdateStep step) {
    const char* text = QT_TRANSLATE_NOOP("chromlet::DescribeFailure", "Could not update %1 (%2).");
    for (const StepHeadline& headline : Headlines) {
        if (headline.step == step) {
            text = headline.text;
            break;
        }
    }
    return QCoreApplication::translate("chromlet::DescribeFailure", text);
}

// What to do about a file the game would not read whole.
QString FileAdvice(const UpdateResult& result) {
    if (result.fileFault == FileFault::ZeroByte) {
        return QCoreApplication::translate(
            "chromlet::DescribeFailure",
            "Remove the zero byte (the game never writes one), then try again.");
    }
    if (result.oldBytes > result.fileLimit) {
        //: %1 is a number of bytes.
        return QCoreApplication::translate(
                   "chromlet::DescribeFailure",
                   "It holds %1 bytes already, so the game ignores it as it is: remove lines it "
                   "does not need (old binds and aliases), then try again.")
            .arg(QLocale().toString(quint64(result.oldBytes)));
    }
    return QCoreApplication::translate(
        "chromlet::DescribeFailure",
        "Shorten the names or use fewer colour changes, or remove lines the file does not need "
        "(old binds and aliases), then try again.");
}

// What to do about it; empty where there is nothing the user can do but try again.
QString Advice(const UpdateResult& result) {
    if (result.failedStep == UpdateStep::CheckLineLength) {
        return QCoreApplication::translate(
            "chromlet::DescribeFailure",
            "Shorten the name, or use fewer colour changes: each one takes two bytes.");
    }
    if (result.failedStep == UpdateStep::CheckFile) {
        return FileAdvice(result);
    }
    if (result.failedStep == UpdateStep::CheckConfigUnchanged) {
        return QCoreApplication::translate(
            "chromlet::DescribeFailure",
            "This is usually the game, which rewrites the file whenever a setting changes: close "
            "it and try again.");
    }
    switch (result.errorNumber) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Free some space on the disk, then try again.");
        case EACCES:
        case EPERM:
        case EROFS:
            if (result.failedStep == UpdateStep::OpenConfigForWriting) {
                return QCoreApplication::translate(
                    "chromlet::DescribeFailure",
                    "Make sure you may change the file and the folder it is in, then try again.");
            }
            //: %1 is a folder.
            return QCoreApplication::translate(
                       "chromlet::DescribeFailure",
                       "Make sure you may write in the folder %1, then try again.")
                .arg(FolderOf(result.failedFile));
        case EISDIR:
            //: %1 is the folder's full path.
            return QCoreApplication::translate("chromlet::DescribeFailure",
                                               "Rename or remove the folder %1, then try again.")
                .arg(Shown(result.failedFile));
        case ENOENT:
            if (result.failedStep == UpdateStep::OpenConfigForReading) {
                return QCoreApplication::translate(
                    "chromlet::DescribeFailure",
                    "Check that it is still there, then choose it again.");
            }
            break;
        default:
            break;
    }
    return {};
}

// The state both files are in, where it is not plain from what failed: nothing is written before
// the lock is taken, and the file is replaced last, so that it is unchanged after every failure.
QString FileState(const UpdateResult& result) {
    const QString config = NameOf(result.configPath);
    const QString side = NameOf(result.sidePath);
    switch (result.failedStep) {
        case UpdateStep::None:
        case UpdateStep::CheckPath:
        case UpdateStep::CheckLines:
        case UpdateStep::CheckLineLength:
        case UpdateStep::OpenConfigForReading:
        case UpdateStep::ConfigReadOnly:
        case UpdateStep::LockConfig:
            return {};
        case UpdateStep::CheckConfigUnchanged:
            return QCoreApplication::translate("chromlet::DescribeFailure", "Nothing was written.");
        default:
            break;
    }
    if (result.sideFile == SideFileState::CompleteCopy) {
        //: %1 is the configuration file, %2 its copy.
        return QCoreApplication::translate("chromlet::DescribeFailure",
                                           "%1 is unchanged; %2 now holds a copy of it.")
            .arg(config, side);
    }
    if (result.sideFileExisted) {
        return QCoreApplication::translate("chromlet::DescribeFailure", "%1 and %2 are unchanged.")
            .arg(config, side);
    }
    return QCoreApplication::translate("chromlet::DescribeFailure", "%1 is unchanged.").arg(config);
}

}  // namespace

QString DescribeFailure(const UpdateResult& result) {
    QStringList sentences;
    switch (result.failedStep) {
        case UpdateStep::None:
            return {};
        case UpdateStep::CheckLines:
            //: %1 says which line holds the line break.
            sentences << QCoreApplication::translate(
                             "chromlet::DescribeFailure",
                             "%1 A configuration line must be a single line; nothing was written.")
                             .arg(result.reason);
            break;
        case UpdateStep::CheckLineLength:
            sentences << result.reason
                      << QCoreApplication::translate("chromlet::DescribeFailure",
                                                     "Nothing was written.");
            break;
        case UpdateStep::ConfigReadOnly:
            //: The question of a box whose buttons write the file anyway or cancel.
            sentences << QCoreApplication::translate(
                             "chromlet::DescribeFailure",
                             "%1 is read-only, often on purpose, to keep the game from changing "
                             "it. Write the names into it anyway and leave it read-only?")
                             .arg(NameOf(result.configPath));
            break;
        case UpdateStep::LockConfig:
            if (result.errorNumber == 0) {
                sentences << result.reason;  // the updater's own description of what is there
                break;
            }
            [[fallthrough]];
        default:
            // The path itself helps where the file could not be opened: it may be in another
            // folder than the user thinks. Elsewhere the name says enough.
            sentences << Headline(result.failedStep)
                             .arg(result.failedStep == UpdateStep::OpenConfigForReading
                                      ? Shown(result.failedFile)
                                      : NameOf(result.failedFile),
                                  result.reason);
            break;
    }
    sentences << Advice(result) << FileState(result);
    sentences.removeAll(QString());
    return sentences.join(QLatin1Char(' '));
}

}  // namespace chromlet
