// Where each game keeps its configuration on this machine, for the folder the file chooser
// opens in.
#pragma once

#include <string>
#include <vector>

#include "core/target_game.h"

namespace chromlet {

/// The user's folders as the environment names them; empty where unset.
struct HomeDirs {
    std::string home;           ///< $HOME
    std::string xdgConfigHome;  ///< $XDG_CONFIG_HOME
    std::string xdgDataHome;    ///< $XDG_DATA_HOME
};

/// $HOME, $XDG_CONFIG_HOME and $XDG_DATA_HOME of this program.
HomeDirs CurrentHomeDirs();

/// The folders where `target`'s engines keep q3config.cfg, in the order an engine prefers them.
/// Folders under an unknown base (an empty home, say) are left out.
std::vector<std::string> ConfigFolderCandidates(TargetGame target, const HomeDirs& dirs);

/// The folders where `target`'s engines keep the archives they fetch (a server's maps), in the
/// order an engine prefers them: the configuration folders, but for ioquake3 since 2025, which
/// keeps them in $XDG_DATA_HOME/Quake3 (~/.local/share/Quake3 without it).
std::vector<std::string> DataFolderCandidates(TargetGame target, const HomeDirs& dirs);

/// The first of the candidates that is a folder on this machine; else the home folder (empty
/// when that is unknown).
std::string ConfigFolderFor(TargetGame target, const HomeDirs& dirs = CurrentHomeDirs());

}  // namespace chromlet
