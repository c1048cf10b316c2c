// Where each game keeps its configuration, for the folder the file chooser opens in.
#pragma once

#include <string>
#include <vector>

#include "core/target_game.h"

namespace chromlet {

/// The user's folders as the platform reports them; empty strings where unknown.
struct PlatformDirs {
    std::string home;           ///< $HOME (or the user profile on Windows)
    std::string xdgConfigHome;  ///< $XDG_CONFIG_HOME; empty when unset
    std::string appData;        ///< %APPDATA% on Windows
    enum class Os { Linux, Windows, MacOs } os = Os::Linux;
};

/// The folders the chooser may open in, the most likely first; the caller opens the first that
/// exists. Paths are written with the platform's separators. Candidates that would need an
/// unknown folder (an empty home, say) are left out.
std::vector<std::string> ConfigFolderCandidates(TargetGame target, const PlatformDirs& dirs);

}  // namespace chromlet
