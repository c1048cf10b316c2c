#include "system/config_folder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace chromlet {

namespace {

enum class Base { Home, XdgConfig, XdgData };

struct Folder {
    Base base = Base::Home;
    std::string_view below;  // empty where a row has fewer folders
};

struct TargetFolders {
    TargetGame target;
    std::array<Folder, 3> folders;  // in the order an engine prefers them
};

// One row per target. id's 1.32 and Quake3e keep their files in ~/.q3a (Sys_DefaultHomePath in
// code/unix/unix_shared.c of both), and so does the test release. ioquake3 takes
// $XDG_CONFIG_HOME/Quake3 (~/.config/Quake3 without it) and keeps to ~/.q3a where only that
// exists (Sys_HomeConfigPath and Sys_ShouldUseLegacyHomePath in code/sys/sys_unix.c, HOMEPATH_NAME
// "Quake3" in its CMake build), since its sources of 2025 (ioquake3's issue 702); its releases
// before that, Debian 12's 1.36 among them, know ~/.q3a alone. OpenArena's engine
// (HOMEPATH_NAME_UNIX in code/qcommon/q_shared.h) and Debian's openarena, which runs ioquake3
// with com_homepath .openarena, keep theirs in ~/.openarena/baseoa.
constexpr TargetFolders FolderTable[] = {
    {TargetGame::Q3Test, {{{Base::Home, "/.q3a/baseq3"}}}},
    {TargetGame::Quake3, {{{Base::Home, "/.q3a/baseq3"}}}},
    {TargetGame::IoQuake3, {{{Base::XdgConfig, "/Quake3/baseq3"}, {Base::Home, "/.q3a/baseq3"}}}},
    {TargetGame::OpenArena, {{{Base::Home, "/.openarena/baseoa"}}}},
    {TargetGame::Quake3e, {{{Base::Home, "/.q3a/baseq3"}}}},
};

// A new target needs its row: the build stops until it has one.
constexpr bool OneRowPerTarget() {
    if (std::size(FolderTable) != AllTargets.size()) {
        return false;
    }
    for (std::size_t i = 0; i < AllTargets.size(); ++i) {
        if (FolderTable[i].target != AllTargets[i]) {
            return false;
        }
    }
    return true;
}
static_assert(OneRowPerTarget(), "FolderTable needs one row per target, in AllTargets' order");

// An XDG folder counts only as an absolute path, as the XDG rules say; a relative one would
// depend on the game's working folder. ~/.config and ~/.local/share stand in for them.
std::string BaseFolder(Base base, const HomeDirs& dirs) {
    if (base == Base::Home) {
        return dirs.home;
    }
    const bool config = base == Base::XdgConfig;
    const std::string& xdg = config ? dirs.xdgConfigHome : dirs.xdgDataHome;
    if (xdg.starts_with('/')) {
        return xdg;
    }
    return dirs.home.empty() ? std::string() : dirs.home + (config ? "/.config" : "/.local/share");
}

std::vector<std::string> Candidates(const TargetFolders* row, const HomeDirs& dirs) {
    std::vector<std::string> out;
    if (row == nullptr) {
        return out;
    }
    for (const Folder& folder : row->folders) {
        const std::string base = BaseFolder(folder.base, dirs);
        if (!folder.below.empty() && !base.empty()) {
            out.push_back(base + std::string(folder.below));
        }
    }
    return out;
}

const TargetFolders* RowOf(TargetGame target) {
    const auto row = std::find_if(std::begin(FolderTable), std::end(FolderTable),
                                  [&](const TargetFolders& r) { return r.target == target; });
    return row == std::end(FolderTable) ? nullptr : &*row;
}

// ioquake3's downloads go to its data home (Sys_HomeDataPath), ~/.q3a where it keeps to that.
constexpr TargetFolders IoQuake3Data{
    TargetGame::IoQuake3, {{{Base::XdgData, "/Quake3/baseq3"}, {Base::Home, "/.q3a/baseq3"}}}};

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

HomeDirs CurrentHomeDirs() {
    return {Environment("HOME"), Environment("XDG_CONFIG_HOME"), Environment("XDG_DATA_HOME")};
}

std::vector<std::string> ConfigFolderCandidates(TargetGame target, const HomeDirs& dirs) {
    return Candidates(RowOf(target), dirs);
}

std::vector<std::string> DataFolderCandidates(TargetGame target, const HomeDirs& dirs) {
    return Candidates(target == TargetGame::IoQuake3 ? &IoQuake3Data : RowOf(target), dirs);
}

std::string ConfigFolderFor(TargetGame target, const HomeDirs& dirs) {
    for (const std::string& folder : ConfigFolderCandidates(target, dirs)) {
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) {
            return folder;
        }
    }
    return dirs.home;
}

}  // namespace chromlet
