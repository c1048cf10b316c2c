#include "system/game_process.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

namespace chromlet {

namespace {

constexpr std::array<std::string_view, 5> GameNames{"q3test", "quake3", "ioquake3", "quake3e",
                                                    "openarena"};

// The architecture suffixes the engines' builds carry.
constexpr std::array<std::string_view, 14> Architectures{
    "x86",   "x86_64", "x64",     "i386", "i486",   "i586", "i686",
    "amd64", "arm64",  "aarch64", "arm",  "armv7l", "ppc",  "ppc64"};

// The kernel keeps only the first 15 bytes of a process name.
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

bool IsArchitecture(std::string_view suffix, bool mayBeCut) {
    return std::any_of(Architectures.begin(), Architectures.end(), [&](std::string_view arch) {
        return suffix == arch || (mayBeCut && !suffix.empty() && arch.size() > suffix.size() &&
                                  arch.substr(0, suffix.size()) == suffix);
    });
}

std::string BaseName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The whole file, or empty when it cannot be read.
std::string ReadSmallFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string content;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return content;
}

bool IsProcessFolder(const std::string& name) {
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IsGameProcessName(std::string_view comm) {
    std::string name = Lowered(comm);
    const bool mayBeCut = name.size() == CommLength;
    if (name.ends_with(".exe")) {
        name.resize(name.size() - 4);
    }
    for (std::string_view game : GameNames) {
        if (!std::string_view(name).starts_with(game)) {
            continue;
        }
        const std::string_view rest = std::string_view(name).substr(game.size());
        if (rest.empty()) {
            return true;
        }
        if ((rest[0] == '.' || rest[0] == '_') && IsArchitecture(rest.substr(1), mayBeCut)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> RunningGames(const std::filesystem::path& procRoot) {
    std::vector<std::string> games;
    try {
        std::error_code ec;
        std::filesystem::directory_iterator it(procRoot, ec);
        for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            const std::string pid = it->path().filename().string();
            if (!IsProcessFolder(pid)) {
                continue;
            }
            std::string comm = ReadSmallFile(it->path() / "comm");
            while (!comm.empty() && (comm.back() == '\n' || comm.back() == '\0')) {
                comm.pop_back();
            }
            const std::string cmdline = ReadSmallFile(it->path() / "cmdline");
            const std::string argv0 = BaseName(cmdline.substr(0, cmdline.find('\0')));
            // argv[0] carries the whole name where the kernel cut comm short.
            if (IsGameProcessName(argv0)) {
                games.push_back(argv0);
            } else if (IsGameProcessName(comm)) {
                games.push_back(comm);
            }
        }
    } catch (...) {
        // A process that ends while it is read, or a folder that vanishes: whatever was found
        // so far is the answer.
    }
    return games;
}

}  // namespace chromlet
