// The one-click styles and the ways a name comes in and goes out beyond the buttons: quick
// styles, tidying the codes, pasting a coded name, copying a console command, and the names
// written last. They act on the editor that has, or last had, the keyboard focus.
#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "core/quick_styles.h"
#include "core/target_game.h"

class QAction;
class QMenu;

namespace chromlet::ui {

class NameEditor;

/// Runs `restyle` on a copy of the editor's text and gives the editor the resulting styles in
/// one undoable step. Moving the editor's own selection once per run of colour would lay its
/// line out again each time, which takes a second for a long name.
void RestyleThroughCopy(NameEditor& editor, const std::function<void(StyledText&)>& restyle);

class NameActions : public QObject {
    Q_OBJECT

  public:
    /// `player` and `server` are the two editors; their context menus get the actions too.
    NameActions(NameEditor* player, NameEditor* server, QObject* parent = nullptr);

    /// The game the codes are read and written for.
    void SetTarget(TargetGame target);

    /// Rainbow, By word, Alternate, Random, Clear, then Tidy codes: for a Style menu.
    const QList<QAction*>& StyleActions() const { return styleActions_; }
    QAction* PasteCodedNameAction() const { return pasteCoded_; }
    QAction* CopyAsConsoleCommandAction() const { return copyCommand_; }
    /// The names written last for the current target; choosing one puts it into both editors.
    QMenu* RecentNamesMenu() const { return recentMenu_; }

    /// The editor the actions act on.
    NameEditor* CurrentEditor() const { return current_; }

    /// Keeps a pair of lines that was just written to a config, for the current target.
    void RememberWritten(const std::string& nameLine, const std::string& serverLine);

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
    void UpdateCommandAction();

    NameEditor* player_;
    NameEditor* server_;
    NameEditor* current_;
    TargetGame target_ = TargetGame::Q3Test;
    QList<QAction*> styleActions_;
    QAction* pasteCoded_ = nullptr;
    QAction* copyCommand_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};

}  // namespace chromlet::ui
