// The one-click styles and the ways a name comes in and goes out beyond the buttons: quick
// styles, tidying the codes, pasting a coded name, copying a console command, and the names
// written last. They act on the editor that has, or last had, the keyboard focus.
#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "core/name_fit.h"
#include "core/quick_styles.h"

class QAction;
class QMenu;

namespace chromlet::ui {

class ChosenGame;
class NameEditor;
struct RecentName;

class NameActions : public QObject {
    Q_OBJECT

  public:
    /// `player` and `server` are the two editors; their context menus get the actions too.
    /// Codes are read and written for the game `game` holds.
    NameActions(NameEditor* player, NameEditor* server, const ChosenGame* game,
                QObject* parent = nullptr);

    /// Rainbow, By word, Alternate, Random, Clear, then Tidy codes: for a Style menu.
    const QList<QAction*>& StyleActions() const { return styleActions_; }
    /// OpenArena's orange, there while OpenArena is chosen.
    QAction* OrangeAction() const { return orange_; }
    QAction* PasteCodedNameAction() const { return pasteCoded_; }
    QAction* CopyAsConsoleCommandAction() const { return copyCommand_; }
    /// The names written last for the current target; choosing one puts it into both editors.
    QMenu* RecentNamesMenu() const { return recentMenu_; }

    /// The editor the actions act on.
    NameEditor* CurrentEditor() const { return current_; }
    bool CurrentIsServer() const { return current_ == server_; }

    /// Keeps a pair of lines that was just written to a config, for the current target; false
    /// when the settings could not be saved.
    bool RememberWritten(const std::string& nameLine, const std::string& serverLine);

    void ApplyStyle(QuickStyle style);
    void Tidy();
    void PasteCodedName();
    void CopyAsConsoleCommand();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* AddStyleAction(const QString& text, const QKeySequence& shortcut,
                            const std::function<void()>& act);
    void FillRecentNamesMenu();
    void PutBack(const RecentName& recent);
    static QString TestReleaseConsoleNote();
    static QString StyleNote(const StyleBound& bound, bool fitted, std::size_t fullBytes);
    void UpdateCommandAction();

    NameEditor* player_;
    NameEditor* server_;
    NameEditor* current_;
    const ChosenGame* game_;
    QList<QAction*> styleActions_;
    QAction* orange_ = nullptr;
    QAction* pasteCoded_ = nullptr;
    QAction* copyCommand_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};

}  // namespace chromlet::ui
