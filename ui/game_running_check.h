// Before the configuration file is written: a running game rewrites it when it quits, and the
// names just written would be lost.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace chromlet::ui {

/// The names of the game processes running now.
using RunningGamesFinder = std::function<std::vector<std::string>()>;

/// The running games found through the system's process list.
std::vector<std::string> RunningGamesNow();

/// When a game is running, asks whether to write anyway, saying that the game will overwrite
/// the file when it quits. True when nothing runs or the user chose to write anyway; false when
/// the user cancelled.
bool ConfirmWriteWhileGameRuns(QWidget* parent,
                               const RunningGamesFinder& runningGames = RunningGamesNow);

}  // namespace chromlet::ui
