#include "config/config_updater.h"

#include <QCoreApplication>

#include "config/file_update.h"
#include "config/passes/update_passes.h"
#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

UpdateResult CheckNewLines(const std::string& nameLine, const std::string& serverLine) {
    UpdateResult result;
    const NewLinesCheck check = CheckNewLineBytes(nameLine, serverLine);
    switch (check.fault) {
        case LineFault::None:
            break;
        // A line break would split a new line in two, and the second half would survive every
        // later update, since it no longer starts like a name or server-name line.
        case LineFault::LineBreak:
            Fail(result, UpdateStep::CheckLines, QString(),
                 check.serverLine
                     ? QCoreApplication::translate("chromlet::ConfigUpdater",
                                                   "The server-name line holds a line break.")
                     : QCoreApplication::translate("chromlet::ConfigUpdater",
                                                   "The name line holds a line break."));
            break;
        // The engine would cut a longer line and run the rest of it as console commands.
        case LineFault::TooLong:
            Fail(result, UpdateStep::CheckLineLength, QString(),
                 (check.serverLine
                      ? QCoreApplication::translate(
                            "chromlet::ConfigUpdater",
                            "The server-name line has %L1 bytes, but the game reads at most %L2 "
                            "bytes of a line and runs the rest of it as console commands.")
                      : QCoreApplication::translate(
                            "chromlet::ConfigUpdater",
                            "The name line has %L1 bytes, but the game reads at most %L2 bytes of "
                            "a line and runs the rest of it as console commands."))
                     .arg(check.bytes)
                     .arg(MaxConfigLineBytes));
            break;
    }
    return result;
}

UpdateResult ConfigUpdater(const QString& path, const std::string& nameLine,
                           const std::string& serverLine, const UpdateOptions& options) {
    return ConfigUpdater(path, NewNameLines{nameLine, serverLine}, options);
}

UpdateResult ConfigUpdater(const QString& path, const NewNameLines& lines,
                           const UpdateOptions& options) {
    FilePasses passes;
    passes.precheck = [&](UpdateResult& result) {
        const UpdateResult refused =
            CheckNewLines(lines.name.value_or(std::string()), lines.server.value_or(std::string()));
        result.failedStep = refused.failedStep;
        result.reason = refused.reason;
        return refused.Ok();
    };
    passes.copy = FirstPassOf(options.target);
    passes.rewrite = [&](UpdateResult&, ChunkReader& in, ChunkWriter& out) {
        Rewrite(options.target, in, out, lines.name, lines.server);
        return true;
    };
    return UpdateFile(path, options, passes);
}

}  // namespace chromlet
