// Before the configuration file is written: a running game rewrites it when it quits, and the
// names just written would be lost.
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QMessageBox;
class QWidget;

namespace chromlet::ui {

/// The names of the game processes running now that would rewrite `configPath` when they quit.
using RunningGamesFinder = std::function<std::vector<std::string>(const QString& configPath)>;

/// The live games of the user who owns `configPath` whose home holds it, from the system's
/// process list.
std::vector<std::string> RunningGamesNow(const QString& configPath);

/// Shows `box`, a question about writing the configuration file, with the buttons "Write anyway"
/// and Cancel; Cancel, which writes nothing, is what Enter and Escape choose. True when the user
/// chose to write anyway.
bool AskToWriteAnyway(QMessageBox& box);

/// When a game that would rewrite `configPath` is running, asks whether to write anyway, saying
/// that the game will overwrite the file when it quits. True when nothing runs or the user chose
/// to write anyway; false when the user cancelled.
bool ConfirmWriteWhileGameRuns(QWidget* parent, const QString& configPath,
                               const RunningGamesFinder& runningGames = RunningGamesNow);

}  // namespace chromlet::ui
