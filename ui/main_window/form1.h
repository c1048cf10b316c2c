// The main window: the two name editors with their style buttons, "Show code" and "Exit",
// the instructions and the credits; above them a menu bar, and in the free space of the right
// half a live preview of both names as the chosen game shows them, their budget against the
// game's limits and a button that loads the names back from a configuration file.
#pragma once

#include <QHash>
#include <QList>
#include <QUrl>
#include <QWidget>

#include <functional>

#include "config/config_size.h"
#include "core/target_game.h"
#include "ui/code_dialog/game_running_check.h"
#include "ui/common/file_chooser.h"

class QAction;
class QActionGroup;
class QMenuBar;
class QPushButton;

namespace chromlet::ui {

class BudgetView;
class FileBudgetView;
class ChosenGame;
class GameLook;
class GamePreview;
class NameActions;
class ShareActions;
class NameEditor;

/// Opens a web address; false when no browser could be started.
using UrlOpener = std::function<bool(const QUrl& url)>;

/// The program's opener, QDesktopServices::openUrl.
bool DefaultUrlOpener(const QUrl& url);

class Form1 : public QWidget {
    Q_OBJECT

  public:
    /// `chooser` is handed to every control-code dialog this window opens. The target game is
    /// the one remembered in the application's settings.
    explicit Form1(FileChooser chooser = DefaultFileChooser, QWidget* parent = nullptr);

    NameEditor* rtb() const { return rtb_; }
    NameEditor* rtb2() const { return rtb2_; }

    /// The window below the menu bar, which holds every control at its place in the layout.
    QWidget* ClientArea() const { return clientArea_; }

    /// The chosen game, which the encoder, the preview, the budget, the name actions and the
    /// chooser's folder follow; it is remembered for the next run.
    ChosenGame* Game() const { return game_; }
    TargetGame Target() const;
    void SetTarget(TargetGame target);

    /// How the credits' web address is opened (a test gives one that fails).
    void SetUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }
    /// How every control-code dialog this window opens finds the running games before it
    /// writes; the system's process list unless set (tests give one that finds nothing).
    void SetRunningGamesFinder(RunningGamesFinder finder) { runningGames_ = std::move(finder); }

  protected:
    /// Exit, Alt+E and the close box end the program at once; names that were never written are
    /// kept first in Recent names, so that a slip of the key loses nothing.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct StyleButton;

    void SetUpWindow();
    void CreateControls();
    void FindControls();
    void SetUpCredits();
    void ConnectButtons();
    void CreateMenuBar();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateStyleMenu();
    void CreateGameMenu();
    void CreateHelpMenu();
    void SetTabOrder();

    void Form_Load();
    void StyleButton_Click(const StyleButton& button);
    void Command9_Click();
    void Command10_Click();
    void Command23_Click();
    void UpdatePreview();
    void MeasureConfigFile();
    void ChoseConfigFile(const QString& path);
    void FollowTarget(TargetGame target);
    void ShowTargetChecked(TargetGame target);
    void UpdateEditActions();
    void ShowAbout();
    void OpenCreditsLink(const QString& link);
    void ShowLinkFailure(const QUrl& url);
    void ShowSettingsNotSaved(const QString& settingsFile);
    void SetUpAccessibility();
    void DescribeForScreenReaders(const StyleButton& button, QPushButton* widget);
    NameEditor* EditTarget() const;

    QWidget* clientArea_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    NameEditor* rtb_ = nullptr;
    NameEditor* rtb2_ = nullptr;
    GamePreview* preview_ = nullptr;
    BudgetView* budget_ = nullptr;
    FileBudgetView* fileBudget_ = nullptr;
    QActionGroup* targetActions_ = nullptr;
    ChosenGame* game_ = nullptr;
    NameActions* actions_ = nullptr;
    GameLook* look_ = nullptr;     // the game's charset, the In game window
    ShareActions* share_ = nullptr;
    QList<QAction*> editActions_;  // the Edit menu's own commands, in their table's order
    FileChooser chooser_;
    ChooserSettings loadChooser_;
    UrlOpener urlOpener_ = DefaultUrlOpener;
    bool settingsWarningShown_ = false;
    RunningGamesFinder runningGames_ = RunningGamesNow;
    // The configuration file chosen last for each game, and the one the budget measures.
    QHash<TargetGame, QString> chosenConfig_;
    QString configPath_;
    ConfigSize configSize_;
};

}  // namespace chromlet::ui
