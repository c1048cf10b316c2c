#include "config/config_updater.h"

#include <QCoreApplication>

#include "config/file_update.h"
#include "config/update_passes.h"
#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

UpdateResult CheckNewLines(const std::string& nameLine, const std::string& serverLine) {
    UpdateResult result;
    // A line break would split a new line in two, and the second half would survive every later
    // update, since it no longer starts like a name or server-name line.
    if (!IsConfigLine(nameLine) || !IsConfigLine(serverLine)) {
        Fail(result, UpdateStep::CheckLines, QString(),
             !IsConfigLine(nameLine)
                 ? QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The name line holds a line break.")
                 : QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The server-name line holds a line break."));
        return result;
    }
    // The engine would cut a longer line and run the rest of it as console commands.
    if (!IsLineReadWhole(nameLine) || !IsLineReadWhole(serverLine)) {
        const bool name = !IsLineReadWhole(nameLine);
        const QString text =
            name ? QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The name line has %L1 bytes, but the game reads "
                                               "at most %L2 bytes of a line and runs the rest of "
                                               "it as console commands.")
                 : QCoreApplication::translate("chromlet::ConfigUpdater",
                                               "The server-name line has %L1 bytes, but the game "
                                               "reads at most %L2 bytes of a line and runs the "
                                               "rest of it as console commands.");
        Fail(result, UpdateStep::CheckLineLength, QString(),
             text.arg((name ? nameLine : serverLine).size()).arg(MaxConfigLineBytes));
        return result;
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
