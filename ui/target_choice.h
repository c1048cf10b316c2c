// The game the names are made for: its menu caption, the remembered choice and the folder where
// that game keeps its configuration.
#pragma once

#include <QSettings>
#include <QString>

#include "core/target_game.h"

namespace chromlet::ui {

/// The settings key under which the chosen game is remembered between runs.
inline constexpr char TargetSettingsKey[] = "game/target";

/// The Game menu's caption for a target, translated, with its access key marked by "&".
QString TargetMenuCaption(TargetGame target);

/// The target remembered in `settings`; Q3Test when none is stored or the key is unknown.
TargetGame StoredTarget(const QSettings& settings);
void StoreTarget(QSettings& settings, TargetGame target);

/// The folder the file chooser opens in for the target: the first of the target's usual
/// configuration folders that exists on this machine, else the home folder, in native
/// separators.
QString ConfigFolderFor(TargetGame target);

}  // namespace chromlet::ui
