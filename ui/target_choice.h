// The game the names are made for: its menu caption and the remembered choice. Where that game
// keeps its configuration is system/config_folder.h's to say.
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

}  // namespace chromlet::ui
