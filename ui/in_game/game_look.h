// The game's own look for the main window: the chosen game's charset for the preview, the In
// game window (opened from the Game menu or by a click on the preview) and the Game folder...
// question. The main window holds one and hands it the names' reports as they change.
#pragma once

#include <QList>
#include <QObject>

#include <memory>

#include "core/name_rules.h"

class QAction;
class QWidget;

namespace chromlet::ui {

class CharsetSource;
class GameCharset;
class ChosenGame;
class GamePreview;
class InGameWindow;

class GameLook : public QObject {
    Q_OBJECT

  public:
    /// `owner` is the main window: the In game window and the folder question belong to it.
    GameLook(const ChosenGame* game, GamePreview* preview, QWidget* owner);

    /// "In game" and "Game folder...", for the Game menu.
    QList<QAction*> MenuActions() const { return {showWindow_, chooseFolder_}; }

    /// The names as they are now, for the chosen game.
    void SetNames(std::shared_ptr<const NamesReport> names);

    std::shared_ptr<const NamesReport> Names() const { return names_; }
    CharsetSource* Charsets() const { return charsets_; }
    /// The chosen game's charset; null when none was found.
    std::shared_ptr<const GameCharset> Charset() const;
    /// The In game window; null until it was first opened.
    InGameWindow* Window() const { return window_; }
    void ShowWindow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplyCharsetSoon();
    void ApplyCharset();

    const ChosenGame* game_;
    GamePreview* preview_;
    QWidget* owner_;
    CharsetSource* charsets_;
    InGameWindow* window_ = nullptr;
    QAction* showWindow_;
    QAction* chooseFolder_;
    std::shared_ptr<const NamesReport> names_;
    bool applyPending_ = false;
};

}  // namespace chromlet::ui
