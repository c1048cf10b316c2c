// Where each game keeps its data on this machine, and the order in which its engine searches it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/target_game.h"
#include "system/config_folder.h"

namespace chromlet {

/// The game's data folders on this machine.
struct DataFolders {
    /// The folders the engine searches, lowest priority first: the install folder, then the
    /// player's home folder, whose files win. Only folders that exist.
    std::vector<std::string> search;
    /// Every folder looked at, found or not, for a message when nothing is found there.
    std::vector<std::string> looked;
};

/// The charset's names, in the order the renderer tries them: a .tga anywhere before a .jpg.
inline const std::vector<std::string> CharsetFileNames{"gfx/2d/bigchars.tga",
                                                       "gfx/2d/bigchars.jpg"};
/// The game's own charset is a quarter of a megabyte; anything far larger is no charset.
inline constexpr std::size_t MaxCharsetBytes = 32u << 20;

/// The game data folder's name below an install or home folder: "baseq3", or "baseoa".
std::string_view GameDirName(TargetGame target);

/// The target's data folders: `chosenFolder` (the game's folder or the install folder above it)
/// in place of the install folders Chromlet knows, of which the first that holds a .pk3 file
/// is taken; then the first of the home folders that exists.
DataFolders DataFoldersFor(TargetGame target, const HomeDirs& dirs,
                           const std::string& chosenFolder = {});

/// The engines' order of archive names (paksort, FS_PathCmp in qcommon/files.c): letters
/// compared as capitals, '\' and ':' as '/', and bytes as the C compiler's signed char.
bool PakNameBefore(std::string_view a, std::string_view b);

/// The .pk3 files among `names` (file names, any case of the extension) in the order the engine
/// searches them: last in PakNameBefore's order first, so that later archives win.
std::vector<std::string> InSearchOrder(std::vector<std::string> names);

/// The folder's .pk3 files (regular files only) in InSearchOrder, with the folder before each.
std::vector<std::string> ArchivesBySearchOrder(const std::string& folder);

}  // namespace chromlet
