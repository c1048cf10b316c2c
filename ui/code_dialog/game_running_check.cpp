#include "ui/code_dialog/game_running_check.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "system/game_process.h"

namespace chromlet::ui {

std::vector<std::string> RunningGamesNow(const QString& configPath) {
    return RunningGamesWriting(QFile::encodeName(configPath).toStdString());
}

bool AskToWriteAnyway(QMessageBox& box) {
    QPushButton* write =
        box.addButton(QCoreApplication::translate("chromlet::ui::GameRunningCheck", "Write anyway"),
                      QMessageBox::AcceptRole);
    write->setObjectName(QStringLiteral("WriteAnyway"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == write;
}

bool ConfirmWriteWhileGameRuns(QWidget* parent, const QString& configPath,
                               const RunningGamesFinder& runningGames) {
    const std::vector<std::string> games = runningGames(configPath);
    if (games.empty()) {
        return true;
    }
    QStringList names;
    for (const std::string& game : games) {
        const QString name =
            QString::fromLocal8Bit(game.data(), static_cast<qsizetype>(game.size()));
        if (!names.contains(name)) {
            names << name;
        }
    }
    QMessageBox box(
        QMessageBox::Warning,
        QCoreApplication::translate("chromlet::ui::GameRunningCheck", "The game is running"),
        QCoreApplication::translate("chromlet::ui::GameRunningCheck",
                                    "The game is running (%1). It writes q3config.cfg again when "
                                    "it quits, and the names written now would be lost then.")
            .arg(names.join(QStringLiteral(", "))),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("GameRunningQuestion"));
    box.setInformativeText(QCoreApplication::translate(
        "chromlet::ui::GameRunningCheck",
        "Quit the game first, or write now and set the names again in the game."));
    return AskToWriteAnyway(box);
}

}  // namespace chromlet::ui
