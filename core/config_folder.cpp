#include "core/config_folder.h"

namespace chromlet {

namespace {

using Os = PlatformDirs::Os;

// `base` followed by `rest`, or nothing when the base folder is unknown.
void AddUnder(std::vector<std::string>& out, const std::string& base, std::string_view rest) {
    if (!base.empty()) {
        out.push_back(base + std::string(rest));
    }
}

// $XDG_CONFIG_HOME counts only as an absolute path; otherwise ~/.config stands in for it.
std::string ConfigHome(const PlatformDirs& dirs) {
    if (!dirs.xdgConfigHome.empty() && dirs.xdgConfigHome.front() == '/') {
        return dirs.xdgConfigHome;
    }
    return dirs.home.empty() ? std::string() : dirs.home + "/.config";
}

constexpr std::string_view MacFolder = "/Library/Application Support/Quake3/baseq3";

// Outside Windows the test release and the original engine keep the config in one folder under
// the home folder.
void AddHomeFolder(std::vector<std::string>& out, const PlatformDirs& dirs) {
    AddUnder(out, dirs.home, dirs.os == Os::MacOs ? MacFolder : "/.q3a/baseq3");
}

}  // namespace

std::vector<std::string> ConfigFolderCandidates(TargetGame target, const PlatformDirs& dirs) {
    std::vector<std::string> out;
    switch (target) {
        case TargetGame::Q3Test:
            if (dirs.os == Os::Windows) {
                out.push_back("c:\\q3test");
            } else {
                AddHomeFolder(out, dirs);
            }
            break;
        case TargetGame::Quake3:
            // 1.32 and Quake3e on Windows keep the config in the install folder.
            if (dirs.os == Os::Windows) {
                out.push_back("C:\\Program Files (x86)\\Quake III Arena\\baseq3");
                out.push_back("C:\\Program Files\\Quake III Arena\\baseq3");
                out.push_back(
                    "C:\\Program Files (x86)\\Steam\\steamapps\\common\\Quake 3 Arena\\baseq3");
            } else {
                AddHomeFolder(out, dirs);
            }
            break;
        case TargetGame::IoQuake3:
            if (dirs.os == Os::Windows) {
                AddUnder(out, dirs.appData, "\\Quake3\\baseq3");
            } else if (dirs.os == Os::MacOs) {
                AddUnder(out, dirs.home, MacFolder);
            } else {
                // Newer builds use the XDG folder and fall back to the old one where only that
                // exists: the caller's "first that exists" gives exactly that.
                AddUnder(out, ConfigHome(dirs), "/Quake3/baseq3");
                AddUnder(out, dirs.home, "/.q3a/baseq3");
            }
            break;
        case TargetGame::OpenArena:
            if (dirs.os == Os::Windows) {
                AddUnder(out, dirs.appData, "\\OpenArena\\baseoa");
            } else if (dirs.os == Os::MacOs) {
                AddUnder(out, dirs.home, "/Library/Application Support/OpenArena/baseoa");
            } else {
                AddUnder(out, dirs.home, "/.openarena/baseoa");
            }
            break;
    }
    return out;
}

}  // namespace chromlet
