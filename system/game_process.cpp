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

std::vector<std::string> RunningGames(uid_t uid, const fs::path& procRoot) {
    std::vector<std::string> games;
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
                games.push_back(std::move(name));
            }
        }
    } catch (...) {
        // A folder that vanishes while it is read, or no memory: whatever was found so far is
        // the answer.
    }
    return games;
}

uid_t ConfigOwner(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_uid : ::geteuid();
}

}  // namespace chromlet
