#include "system/game_process.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

#include "core/config_commands.h"

namespace chromlet {

namespace {

namespace fs = std::filesystem;

// The clients' names as their builds make them. ioquake3's Makefile: CLIENTBIN (ioquake3),
// ioquake3_opengl2 where the renderer is linked in, ioquake3-smp in older builds; Quake3e's
// Makefile: CNAME (quake3e), which its release builds set to quake3e-vulkan for the Vulkan
// client; id's own Linux builds: quake3 and quake3-smp; OpenArena's engine: openarena.
constexpr std::array<std::string_view, 9> GameNames{
    "q3test",           "quake3",  "quake3-smp",     "ioquake3", "ioquake3-smp",
    "ioquake3_opengl2", "quake3e", "quake3e-vulkan", "openarena"};

// The architecture suffixes of those builds. ioquake3's Makefile appends ".$(ARCH)", ARCH being
// `uname -m` with i?86 made x86, arm* arm, amd64 and x64 x86_64, powerpc ppc, powerpc64 ppc64 and
// axp alpha, so any machine name Linux reports can follow (older builds kept i386 and armv7l);
// its macOS scripts (make-macosx.sh, make-macosx-ub2.sh) add arm64. Quake3e's Makefile appends
// .x64 on x86_64, .arm, .aarch64, and .x86_64 or .aarch64 on macOS; its Windows builds .x64
// and .arm64.
constexpr std::array<std::string_view, 25> Architectures{
    "x86",   "x86_64",  "x64",     "i386",  "arm",    "armv7l",   "aarch64",     "arm64", "ppc",
    "ppc64", "ppc64le", "riscv64", "s390x", "mips",   "mips64",   "loongarch64", "alpha", "axp",
    "sparc", "sparc64", "ia64",    "m68k",  "parisc", "parisc64", "sh4"};

// The kernel keeps only the first 15 bytes of a process name in comm.
constexpr std::size_t CommLength = 15;

std::string Lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// Whether `name` is `full`, or its start where the kernel cut the name short.
bool Matches(std::string_view name, const std::string& full, bool mayBeCut) {
    return name == full || (mayBeCut && full.size() > name.size() && full.starts_with(name));
}

// The whole file, or empty when it cannot be read.
std::string ReadSmallFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsProcessFolder(const std::string& name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// argv[0] carries the whole name where the kernel cut comm short; comm stands in where the
// command line is gone (a process that has exited) or was never set.
std::string GameNameOf(const fs::path& process) {
    const std::string cmdline = ReadSmallFile(process / "cmdline");
    const std::string argv0 = cmdline.substr(0, cmdline.find('\0'));
    const std::string base = argv0.substr(argv0.find_last_of('/') + 1);
    if (IsGameProcessName(base)) {
        return base;
    }
    std::string comm = ReadSmallFile(process / "comm");
    while (!comm.empty() && (comm.back() == '\n' || comm.back() == '\0')) {
        comm.pop_back();
    }
    return IsGameProcessName(comm) ? comm : std::string();
}

// The state letter follows the name in parentheses, and the name itself may hold ") ".
bool IsLive(const std::string& stat) {
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size()) {
        return false;  // gone while it was read
    }
    const char state = stat[close + 2];
    return state != 'Z' && state != 'X' && state != 'x';
}

// "Uid:" lists the real, effective, saved and file-system uid; the effective one is whose files
// the process writes.
std::optional<uid_t> EffectiveUid(const std::string& status) {
    const std::size_t line = status.starts_with("Uid:") ? 0 : status.find("\nUid:");
    if (line == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(status.substr(status.find(':', line) + 1));
    uid_t real = 0;
    uid_t effective = 0;
    if (!(fields >> real >> effective)) {
        return std::nullopt;
    }
    return effective;
}

}  // namespace

bool IsGameProcessName(std::string_view processName) {
    const std::string name = Lowered(processName);
    const bool mayBeCut = name.size() == CommLength;
    for (std::string_view game : GameNames) {
        if (!name.starts_with(game) && !(mayBeCut && game.starts_with(name))) {
            continue;
        }
        // Windows builds keep their ".exe" where they run under Wine.
        for (std::string_view exe : {"", ".exe"}) {
            const std::string bare = std::string(game) + std::string(exe);
            if (Matches(name, bare, mayBeCut)) {
                return true;
            }
            for (char separator : {'.', '_'}) {
                for (std::string_view arch : Architectures) {
                    const std::string full =
                        std::string(game) + separator + std::string(arch) + std::string(exe);
                    if (Matches(name, full, mayBeCut)) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

namespace {

// Calls `found` with the folder and the name of each live game process that user `uid` runs.
template <typename Found>
void ForEachLiveGame(uid_t uid, const fs::path& procRoot, const Found& found) {
    try {
        std::error_code ec;
        fs::directory_iterator it(procRoot, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const fs::path& process = it->path();
            if (!IsProcessFolder(process.filename().string())) {
                continue;
            }
            // The name first: most processes end the question there, before two more reads.
            std::string name = GameNameOf(process);
            if (!name.empty() && IsLive(ReadSmallFile(process / "stat")) &&
                EffectiveUid(ReadSmallFile(process / "status")) == uid) {
                found(process, std::move(name));
            }
        }
    } catch (...) {
        // A folder that vanishes while it is read, or no memory: whatever was found so far is
        // the answer.
    }
}

// A file of NUL-separated strings, as cmdline and environ are.
std::vector<std::string> NulSeparated(const std::string& bytes) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        items.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

ProcessEnvironment EnvironmentOf(const fs::path& process) {
    ProcessEnvironment environment;
    for (const std::string& entry : NulSeparated(ReadSmallFile(process / "environ"))) {
        if (entry.starts_with("HOME=")) {
            environment.home = entry.substr(5);
        } else if (entry.starts_with("XDG_CONFIG_HOME=")) {
            environment.xdgConfigHome = entry.substr(16);
        }
    }
    return environment;
}

// Whose engine a game's program is, by its name.
enum class Engine { Unknown, Id132, Quake3e, IoQuake3, OpenArena };

Engine EngineOf(std::string_view name) {
    const std::string lowered = Lowered(name);
    if (lowered.starts_with("quake3e")) {
        return Engine::Quake3e;
    }
    if (lowered.starts_with("ioquake3")) {
        return Engine::IoQuake3;
    }
    if (lowered.starts_with("openarena")) {
        return Engine::OpenArena;
    }
    if (lowered.starts_with("quake3")) {
        return Engine::Id132;
    }
    return Engine::Unknown;  // the test release, whose code is not public
}

// Whether `path` is `folder` or lies below it.
bool IsWithin(const fs::path& path, const fs::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty() && std::next(f) == folder.end()) {
            return true;  // a trailing separator
        }
        if (p == path.end() || *p != *f) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> RunningGames(uid_t uid, const fs::path& procRoot) {
    std::vector<std::string> games;
    ForEachLiveGame(uid, procRoot,
                    [&](const fs::path&, std::string name) { games.push_back(std::move(name)); });
    return games;
}

// Where each engine keeps its files: Sys_DefaultHomePath, code/unix/unix_shared.c in id's 1.32
// and Quake3e ($HOME/.q3a), code/sys/sys_unix.c in ioquake3 ($HOME and com_homepath, .q3a where
// that is empty; since 2025 also $XDG_CONFIG_HOME, else ~/.config, and com_homepath or Quake3,
// which it prefers once that folder exists) and in OpenArena's engine (.openarena). fs_homepath
// on the command line comes before all of them (FS_Startup, code/qcommon/files.c).
std::vector<fs::path> GameHomes(std::string_view name, const std::vector<std::string>& arguments,
                                const ProcessEnvironment& environment,
                                const fs::path& workingFolder) {
    const Engine engine = EngineOf(name);
    if (engine == Engine::Unknown) {
        return {};
    }
    const StartupReading reading{engine == Engine::Quake3e, engine != Engine::Id132};
    const std::vector<std::string> commands = StartupCommands(arguments);
    const auto set = [&](std::string_view cvar) {
        return StartupValue(commands, cvar, reading).value_or(std::string());
    };
    const auto placed = [&](const fs::path& folder) {
        return folder.is_absolute() || workingFolder.empty() ? folder : workingFolder / folder;
    };
    // ioquake3 since 2025 keeps its configs under fs_homeconfigpath, its data under
    // fs_homedatapath; fs_homepath was the one home of every engine before.
    std::vector<fs::path> given;
    const bool configPath = engine == Engine::IoQuake3;
    for (const std::string_view cvar : {"fs_homepath", "fs_homeconfigpath"}) {
        const fs::path folder = set(cvar);
        if (folder.empty() || (cvar == "fs_homeconfigpath" && !configPath)) {
            continue;
        }
        if (folder.is_relative() && workingFolder.empty()) {
            return {};  // relative to a folder not known
        }
        given.push_back(placed(folder));
    }
    if (!given.empty()) {
        return given;
    }
    if (environment.home.empty()) {
        return {};
    }
    const fs::path home = environment.home;
    const std::string homeName = engine == Engine::Id132 ? std::string() : set("com_homepath");
    switch (engine) {
        case Engine::Id132:
            return {home / ".q3a"};
        case Engine::Quake3e:
            return homeName.empty() ? std::vector<fs::path>{home / ".q3a"}
                                    : std::vector<fs::path>{home / ".q3a", home / homeName};
        case Engine::IoQuake3: {
            const fs::path config = environment.xdgConfigHome.empty()
                                        ? home / ".config"
                                        : placed(environment.xdgConfigHome);
            return {home / (homeName.empty() ? ".q3a" : homeName),
                    config / (homeName.empty() ? "Quake3" : homeName)};
        }
        case Engine::OpenArena:
            return {home / (homeName.empty() ? ".openarena" : homeName)};
        case Engine::Unknown:
            break;
    }
    return {};
}

bool MayWrite(const std::vector<fs::path>& homes, const fs::path& config) {
    if (homes.empty()) {
        return true;
    }
    std::error_code ec;
    const fs::path file = fs::weakly_canonical(config, ec);
    for (const fs::path& home : homes) {
        std::error_code homeError;
        const fs::path folder = fs::weakly_canonical(home, homeError);
        if (ec || homeError || IsWithin(file, folder)) {
            return true;  // a path that cannot be resolved is not known to be elsewhere
        }
    }
    return false;
}

std::vector<std::string> RunningGamesWriting(const fs::path& config, const fs::path& procRoot) {
    std::vector<std::string> games;
    ForEachLiveGame(ConfigOwner(config), procRoot, [&](const fs::path& process, std::string name) {
        std::error_code ec;
        const fs::path workingFolder = fs::read_symlink(process / "cwd", ec);
        const std::vector<fs::path> homes =
            GameHomes(name, NulSeparated(ReadSmallFile(process / "cmdline")),
                      EnvironmentOf(process), ec ? fs::path() : workingFolder);
        if (MayWrite(homes, config)) {
            games.push_back(std::move(name));
        }
    });
    return games;
}

uid_t ConfigOwner(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_uid : ::geteuid();
}

}  // namespace chromlet
