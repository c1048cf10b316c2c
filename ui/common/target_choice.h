// The game the names are made for: the one object that holds the choice, and its menu caption.
// Where that game keeps its configuration is system/config_folder.h's to say.
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include "core/target_game.h"

namespace chromlet::ui {

/// The chosen game. The window, the name actions, the file chooser and the preview all follow
/// this one object; the choice is remembered in the application's settings between runs.
class ChosenGame : public QObject {
    Q_OBJECT

  public:
    /// Starts with the game remembered in the settings.
    explicit ChosenGame(QObject* parent = nullptr);

    TargetGame Target() const { return target_; }
    /// Chooses `target`, remembers it and tells every follower, when it is a change.
    void SetTarget(TargetGame target);

  signals:
    void Changed(TargetGame target);
    /// The choice could not be remembered: the settings file cannot be written.
    void NotRemembered(const QString& settingsFile);

  private:
    TargetGame target_;
};

/// The Game menu's caption for a target, translated, with its access key marked by "&".
QString TargetMenuCaption(TargetGame target);
/// The same caption without its access key, to name the game in a text.
QString TargetName(TargetGame target);

/// The target remembered in `settings`; Q3Test when none is stored or the key is unknown.
TargetGame StoredTarget(const QSettings& settings);
void StoreTarget(QSettings& settings, TargetGame target);

}  // namespace chromlet::ui
