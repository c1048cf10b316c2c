// Finding a running game, which rewrites its configuration file when it quits.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace chromlet {

/// Whether a process name belongs to one of the games' clients: q3test, quake3, ioquake3,
/// quake3e, quake3e-vulkan, openarena (and a few build variants), each alone or with an
/// architecture suffix after a dot or an underscore (ioquake3.x86_64, quake3e.x64,
/// ioquake3.ppc64le, quake3e-vulkan.aarch64, ...), in any case, with ".exe" allowed (Windows
/// builds run under Wine). A name of exactly 15 bytes may be one the kernel cut short
/// ("ioquake3.ppc64l"). Dedicated servers ("ioq3ded", "quake3e.ded.x64") and "quake3.txt" are
/// not game clients.
bool IsGameProcessName(std::string_view name);

/// The names of the live game processes that user `uid` runs, one entry per process, read from
/// the process folders under `procRoot`: the name from the base name of argv[0] in
/// <pid>/cmdline, else from <pid>/comm. A zombie or dead process (state Z or X in <pid>/stat),
/// another user's process (the effective uid in <pid>/status) and a process whose files
/// cannot be read are left out: none of them can overwrite this user's file. Never throws;
/// empty where `procRoot` is missing or unreadable.
std::vector<std::string> RunningGames(uid_t uid, const std::filesystem::path& procRoot = "/proc");

/// The user whose configuration `path` is, and whose games would rewrite it: the file's owner,
/// or the effective user of this program where the file cannot be examined.
uid_t ConfigOwner(const std::filesystem::path& path);

/// What of a game process's environment decides where it keeps its files.
struct ProcessEnvironment {
    std::string home;           ///< $HOME
    std::string xdgConfigHome;  ///< $XDG_CONFIG_HOME
};

/// The folders the game process named `name`, started with `arguments` (argv, the program's
/// own first) in `workingFolder`, keeps its configuration in, each with its game folders below:
/// fs_homepath where the command line sets it, else the engine's own home from $HOME and
/// com_homepath. Empty where that cannot be known (the test release, a home without $HOME):
/// such a game may write any file.
std::vector<std::filesystem::path> GameHomes(std::string_view name,
                                             const std::vector<std::string>& arguments,
                                             const ProcessEnvironment& environment,
                                             const std::filesystem::path& workingFolder);

/// Whether a game with `homes` may write `config`: where it lies in one of them (links
/// followed), or where the homes are not known.
bool MayWrite(const std::vector<std::filesystem::path>& homes,
              const std::filesystem::path& config);

/// The names of the live game processes of `config`'s owner that may write `config` when they
/// quit (MayWrite), from their command lines, environments and working folders under `procRoot`.
std::vector<std::string> RunningGamesWriting(const std::filesystem::path& config,
                                             const std::filesystem::path& procRoot = "/proc");

}  // namespace chromlet
