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
};

/// $HOME and $XDG_CONFIG_HOME of this program.
HomeDirs CurrentHomeDirs();

/// The folders where `target`'s engines keep q3config.cfg, in the order an engine prefers them.
/// Folders under an unknown base (an empty home, say) are left out.
std::vector<std::string> ConfigFolderCandidates(TargetGame target, const HomeDirs& dirs);

/// The first of the candidates that is a folder on this machine; else the home folder (empty
/// when that is unknown).
std::string ConfigFolderFor(TargetGame target, const HomeDirs& dirs = CurrentHomeDirs());

}  // namespace chromlet
