// The control-code dialog: the two configuration lines, and the button that writes them into
// the game's configuration file.
#pragma once

#include <QDialog>
#include <QPalette>
#include <QTimer>

#include <string>

#include "core/target_game.h"
#include "ui/code_dialog/game_running_check.h"
#include "ui/common/file_chooser.h"

class QLineEdit;
class QPushButton;

namespace chromlet {
struct UpdateResult;
}

namespace chromlet::ui {

class Dialog : public QDialog {
    Q_OBJECT

  public:
    explicit Dialog(FileChooser chooser = DefaultFileChooser, QWidget* parent = nullptr);

    /// The lines as byte strings; every byte 0 to 255 survives the round trip through the boxes.
    void SetText1(const std::string& line);
    void SetText2(const std::string& line);
    std::string Text1() const;
    std::string Text2() const;

    /// What the file chooser opens with next; after a choice, it starts from that file.
    const ChooserSettings& cmd() const { return cmd_; }
    /// After a successful update: which file was written and where its old contents are;
    /// empty otherwise.
    const QString& ConfirmationNote() const { return confirmationNote_; }
    /// How the dialog finds the running games that would rewrite the chosen file before it
    /// writes; the system's process list unless set.
    void SetRunningGamesFinder(RunningGamesFinder finder) { runningGames_ = std::move(finder); }
    /// The game the lines are written for, which decides how the file's lines end.
    void SetTarget(TargetGame target) { target_ = target; }

  signals:
    /// The two lines were written into `path`.
    void LinesWritten(const QString& path, const std::string& nameLine,
                      const std::string& serverLine);

  private:
    void ShowLineLength(QLineEdit* box);
    void Command1_Click();
    void OKButton_Click();
    void Confirm(const UpdateResult& result);
    void ShowFailure(const UpdateResult& result, const QString& title);
    bool AskToWriteReadOnly(const UpdateResult& refusal);
    void EndConfirmation();

    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QString updateCaption_;
    QPalette normalPalette_;
    QTimer confirmation_;
    QString confirmationNote_;
    FileChooser chooser_;
    ChooserSettings cmd_;
    RunningGamesFinder runningGames_ = RunningGamesNow;
    TargetGame target_ = TargetGame::Q3Test;
};

}  // namespace chromlet::ui
