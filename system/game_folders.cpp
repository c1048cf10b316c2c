#include "system/game_folders.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "core/char_rules.h"

namespace chromlet {

namespace {

namespace fs = std::filesystem;

struct TargetInstalls {
    TargetGame target;
    std::string_view gameDir;
    std::array<std::string_view, 3> folders;  // empty where a row has fewer
};

// Where the games' data is installed. The test release's place is not known: its players point
// Chromlet at it. id's Linux installer used /usr/local/games/quake3; Debian's
// game-data-packager puts the data of Quake III Arena in /usr/share/games/quake3, and its
// ioquake3 keeps its own modules in /usr/lib/ioquake3. Debian's OpenArena starts its engine
// with fs_basepath /usr/lib/openarena, whose archives link to /usr/share/games/openarena.
constexpr TargetInstalls InstallTable[] = {
    {TargetGame::Q3Test, "baseq3", {}},
    {TargetGame::Quake3, "baseq3", {"/usr/local/games/quake3", "/usr/share/games/quake3"}},
    {TargetGame::IoQuake3,
     "baseq3",
     {"/usr/lib/ioquake3", "/usr/share/games/quake3", "/usr/local/games/quake3"}},
    {TargetGame::OpenArena, "baseoa", {"/usr/lib/openarena", "/usr/share/games/openarena"}},
    {TargetGame::Quake3e, "baseq3", {"/usr/local/games/quake3", "/usr/share/games/quake3"}},
};
static_assert(std::size(InstallTable) == AllTargets.size());

const TargetInstalls& InstallsOf(TargetGame target) {
    return *std::find_if(std::begin(InstallTable), std::end(InstallTable),
                         [target](const TargetInstalls& row) { return row.target == target; });
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool HasExtensionPk3(std::string_view name) {
    constexpr std::string_view Extension = ".PK3";
    return name.size() >= Extension.size() &&
           std::equal(Extension.begin(), Extension.end(), name.end() - Extension.size(),
                      [](char ext, char c) { return ext == AsciiUpper(c); });
}

int PathChar(char c) {
    const int v = static_cast<signed char>(AsciiUpper(c));
    return v == '\\' || v == ':' ? '/' : v;
}

}  // namespace

std::string_view GameDirName(TargetGame target) {
    return InstallsOf(target).gameDir;
}

DataFolders DataFoldersFor(TargetGame target, const HomeDirs& dirs,
                           const std::string& chosenFolder) {
    const TargetInstalls& installs = InstallsOf(target);
    std::string below = "/";
    below += installs.gameDir;
    DataFolders out;
    std::vector<std::string> candidates;
    if (!chosenFolder.empty()) {
        // The game's own folder, or the install folder above it.
        candidates.push_back(IsFolder(chosenFolder + below) ? chosenFolder + below : chosenFolder);
    } else {
        for (std::string_view folder : installs.folders) {
            if (!folder.empty()) {
                candidates.push_back(std::string(folder) + below);
            }
        }
    }
    for (const std::string& folder : candidates) {
        out.looked.push_back(folder);
        if (out.search.empty() && !ArchivesBySearchOrder(folder).empty()) {
            out.search.push_back(folder);
        }
    }
    for (const std::string& folder : DataFolderCandidates(target, dirs)) {
        out.looked.push_back(folder);
        if (IsFolder(folder)) {
            if (std::find(out.search.begin(), out.search.end(), folder) == out.search.end()) {
                out.search.push_back(folder);
            }
            break;
        }
    }
    return out;
}

bool PakNameBefore(std::string_view a, std::string_view b) {
    for (std::size_t i = 0;; ++i) {
        const int ca = i < a.size() ? PathChar(a[i]) : 0;
        const int cb = i < b.size() ? PathChar(b[i]) : 0;
        if (ca != cb) {
            return ca < cb;
        }
        if (ca == 0) {
            return false;
        }
    }
}

std::vector<std::string> InSearchOrder(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) { return !HasExtensionPk3(name); });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return PakNameBefore(b, a); });
    return names;
}

std::vector<std::string> ArchivesBySearchOrder(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        // The engine lists folders apart; anything else that is not a plain file (a named pipe
        // would block the reader) is no archive either.
        std::error_code typeError;
        if (it->is_regular_file(typeError)) {
            found.push_back(it->path().filename().string());
        }
    }
    std::vector<std::string> names = InSearchOrder(std::move(found));
    for (std::string& name : names) {
        name = folder + "/" + name;
    }
    return names;
}

}  // namespace chromlet
