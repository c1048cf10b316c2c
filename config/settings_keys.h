// What the program remembers between runs, in its settings (QSettings under the organisation and
// application names main() sets): each key once, for the window, the command line and the tests.
// Tests that write a settings file by hand keep the literal keys, so that a renamed key shows as a
// broken file the users have.
#pragma once

#include <string>
#include <string_view>

#include "core/target_game.h"

namespace chromlet::settings {

/// The chosen game, by its TargetKey.
inline constexpr char Target[] = "game/target";
/// The In game window's size and place.
inline constexpr char InGameWindowGeometry[] = "inGameWindow/geometry";
/// The folder a picture was last exported to.
inline constexpr char PictureFolder[] = "picture/folder";
/// Whether Copy as gives the names as written rather than as the game keeps them.
inline constexpr char ShareAsWritten[] = "share/asWritten";

/// A setting kept for each target: `group`, then the target's TargetKey.
inline std::string OfTarget(std::string_view group, TargetGame target) {
    return std::string(group) + "/" + std::string(TargetKey(target));
}

/// The game folder chosen for `target`.
inline std::string GameFolder(TargetGame target) {
    return OfTarget("gameFolder", target);
}

/// The one array of recent names, every game's, and the keys of each entry: the game by its
/// TargetKey, the two codes, and whether the pair was written (missing: it was).
inline constexpr char RecentNames[] = "recentNames/all";
inline constexpr char RecentGame[] = "game";
inline constexpr char RecentNameCode[] = "nameCode";
inline constexpr char RecentServerCode[] = "serverCode";
inline constexpr char RecentWritten[] = "written";
/// Earlier versions kept an array for each target; their entries held whole lines under the old
/// keys before they held codes. They are read where the one array is missing, and left as they
/// are.
inline std::string OldRecentNames(TargetGame target) {
    return OfTarget("recentNames", target);
}
inline constexpr char OldRecentNameLine[] = "name";
inline constexpr char OldRecentServerLine[] = "server";

}  // namespace chromlet::settings
