#include "config/config_updater.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string_view>

#include "config/chunk_io.h"
#include "config/filter_pass.h"
#include "config/line_end_pass.h"

namespace chromlet {

namespace {

// Never text mode: every byte, CR and LF included, must reach the passes as it is on disk. The
// passes read and write in whole chunks of their own, so Qt's buffer would only copy twice.
constexpr QIODevice::OpenMode ReadMode = QIODevice::ReadOnly | QIODevice::Unbuffered;
constexpr QIODevice::OpenMode WriteMode =
    QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered;

// The new lines end like lines that came from a file with LF line ends.
constexpr std::string_view NewLineEnd = "\n\r\n";

bool HoldsLineBreak(const std::string& line) {
    return line.find_first_of("\r\n") != std::string::npos;
}

bool Fail(UpdateResult& result, UpdateStep step, const QString& file, const QString& reason) {
    result.failedStep = step;
    result.failedFile = file;
    result.reason = reason;
    return false;
}

bool Open(QFileDevice& file, QIODevice::OpenMode mode, UpdateStep step, const FaultHook& faults,
          UpdateResult& result) {
    if (FaultInjected(faults, step)) {
        return Fail(result, step, file.fileName(), SimulatedFailureReason());
    }
    if (!file.open(mode)) {
        return Fail(result, step, file.fileName(), file.errorString());
    }
    return true;
}

// The first pass: the configuration file, left as it is, copied to the side file.
bool WriteSideFile(UpdateResult& result, const FaultHook& faults) {
    QFile config(result.configPath);
    if (!Open(config, ReadMode, UpdateStep::OpenConfigForReading, faults, result)) {
        return false;
    }
    // A side file that is the configuration file itself, through a link, would be emptied
    // before a byte of it was read.
    const QFileInfo sideInfo(result.sidePath);
    if (sideInfo.exists() &&
        sideInfo.canonicalFilePath() == QFileInfo(result.configPath).canonicalFilePath()) {
        return Fail(result, UpdateStep::CreateSideFile, result.sidePath,
                    QCoreApplication::translate("chromlet::ConfigUpdater",
                                                "it leads to the configuration file itself"));
    }
    QFile side(result.sidePath);
    if (!Open(side, WriteMode, UpdateStep::CreateSideFile, faults, result)) {
        return false;
    }
    result.sideFile = SideFileState::Incomplete;

    ChunkReader in(config, UpdateStep::ReadConfig, faults);
    ChunkWriter out(side, UpdateStep::WriteSideFile, faults);
    if (!NormaliseLineEnds(in, out) || !out.Flush()) {
        return in.failed() ? Fail(result, UpdateStep::ReadConfig, config.fileName(), in.reason())
                           : Fail(result, UpdateStep::WriteSideFile, side.fileName(), out.reason());
    }
    // The copy counts as complete only once the system has taken all of it.
    side.close();
    if (side.error() != QFileDevice::NoError) {
        return Fail(result, UpdateStep::WriteSideFile, side.fileName(), side.errorString());
    }
    result.sideFile = SideFileState::CompleteCopy;
    return true;
}

// The second pass: the configuration file rebuilt from the side file. QSaveFile writes a
// temporary file beside it (beside a symbolic link's target, with the same permissions) and
// renames it over the file only in commit(), so a failure on the way leaves the file as it was.
bool RewriteConfig(UpdateResult& result, const std::string& nameLine, const std::string& serverLine,
                   const FaultHook& faults) {
    QFile side(result.sidePath);
    if (!Open(side, ReadMode, UpdateStep::OpenSideForReading, faults, result)) {
        return false;
    }
    QSaveFile config(result.configPath);
    if (!Open(config, WriteMode, UpdateStep::OpenConfigForWriting, faults, result)) {
        return false;
    }

    ChunkReader in(side, UpdateStep::ReadSideFile, faults);
    ChunkWriter out(config, UpdateStep::WriteConfig, faults);
    if (CopyWithoutOldLines(in, out)) {
        out.Write(nameLine);
        out.Write(NewLineEnd);
        out.Write(serverLine);
        out.Write(NewLineEnd);
    }
    if (in.failed()) {
        return Fail(result, UpdateStep::ReadSideFile, side.fileName(), in.reason());
    }
    if (!out.Flush()) {
        return Fail(result, UpdateStep::WriteConfig, config.fileName(), out.reason());
    }
    // Returning without commit() discards the temporary file.
    if (FaultInjected(faults, UpdateStep::ReplaceConfig)) {
        return Fail(result, UpdateStep::ReplaceConfig, config.fileName(), SimulatedFailureReason());
    }
    if (!config.commit()) {
        return Fail(result, UpdateStep::ReplaceConfig, config.fileName(), config.errorString());
    }
    return true;
}

}  // namespace

UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const FaultHook& faults) {
    UpdateResult result;
    result.configPath = path;
    result.sidePath = path + QLatin1Char('_');

    // A line break would split a new line in two, and the second half would survive every later
    // update, since it no longer starts like a name or server-name line.
    if (HoldsLineBreak(nameLine) || HoldsLineBreak(serverLine)) {
        const QString why =
            HoldsLineBreak(nameLine)
                ? QCoreApplication::translate("chromlet::ConfigUpdater",
                                              "The name line holds a line break.")
                : QCoreApplication::translate("chromlet::ConfigUpdater",
                                              "The server-name line holds a line break.");
        Fail(result, UpdateStep::CheckLines, QString(), why);
        return result;
    }

    if (WriteSideFile(result, faults)) {
        RewriteConfig(result, nameLine, serverLine, faults);
    }
    return result;
}

}  // namespace chromlet
