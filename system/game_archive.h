// Reading a file of the game's data the way its engine finds it: loose in a data folder or
// inside one of the folder's .pk3 archives (zip files), through the folders in search order.
// Nothing is copied or kept: the bytes go to the caller.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace chromlet {

/// A file found in the game's data.
struct GameFile {
    std::string name;       ///< as asked for, "gfx/2d/bigchars.tga"
    std::string container;  ///< the .pk3 archive, or the folder, that holds it
    std::string bytes;
};

/// An archive, or a file in it, that could not be read and was passed over.
struct SkippedArchive {
    enum class Why {
        Unreadable,    ///< the file cannot be opened
        NotAnArchive,  ///< not a zip archive, or a damaged one
        Damaged,       ///< the file in it cannot be unpacked
        TooLarge,      ///< the file in it is larger than asked for
    };
    std::string path;
    Why why;
};

struct GameFileSearch {
    std::optional<GameFile> found;
    std::vector<SkippedArchive> skipped;
};

/// Looks for `names`, in the order given, through `folders` (lowest priority first, as
/// DataFolders::search has them): a name earlier in `names` found anywhere wins over any later
/// one, as the renderer tries one image format through the whole search path before the next.
/// In a folder its own loose file comes first, then its archives in the engine's order; names
/// inside archives are matched without regard to case. A file larger than `maxBytes` is passed
/// over.
GameFileSearch FindGameFile(const std::vector<std::string>& folders,
                            const std::vector<std::string>& names, std::size_t maxBytes);

}  // namespace chromlet
