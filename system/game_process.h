// Finding a running game, which rewrites its configuration file when it quits.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace chromlet {

/// Whether a process name belongs to one of the games: q3test, quake3, ioquake3, quake3e,
/// openarena, each alone or with an architecture suffix after a dot or an underscore
/// (ioquake3.x86_64, quake3e.x64, openarena.i386, ...), in any case and with ".exe" allowed.
/// "quake3-notes" and "quake3.txt" are not games.
bool IsGameProcessName(std::string_view comm);

/// The names of the running game processes, one entry per process, read from <pid>/comm and the
/// base name of argv[0] in <pid>/cmdline. Never throws; empty where `procRoot` is missing or
/// unreadable.
std::vector<std::string> RunningGames(const std::filesystem::path& procRoot = "/proc");

}  // namespace chromlet
