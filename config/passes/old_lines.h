// Which lines are the player-name and server-name lines that an update replaces.
#pragma once

#include <algorithm>
#include <string_view>

namespace chromlet {

/// The starts of the lines an update replaces, matched exactly: case counts and leading blanks
/// are not skipped.
inline constexpr std::string_view OldNameLinePrefix = "seta name";
inline constexpr std::string_view OldServerLinePrefix = "seta sv_hostname";

/// How many of a line's first bytes decide whether it is an old line: a prefix and one more.
inline constexpr std::size_t OldLineHeadSize =
    std::max(OldNameLinePrefix.size(), OldServerLinePrefix.size()) + 1;

enum class OldLine { None, Name, Server };

/// What a line that starts with `head` is. `head` holds the line's first OldLineHeadSize bytes,
/// or all of it when it is shorter. A prefix counts only when the byte after it ends the word
/// the way the game's parser does: the line ends, a blank or control byte (code 32 or less)
/// follows, or the quote of the value. So "seta namecolor 3" and "seta sv_hostnames 2" are
/// other settings and stay.
constexpr OldLine OldLineOf(std::string_view head) {
    const auto endsWord = [head](std::size_t at) {
        return head.size() == at || static_cast<unsigned char>(head[at]) <= 32 || head[at] == '"';
    };
    if (head.starts_with(OldNameLinePrefix) && endsWord(OldNameLinePrefix.size())) {
        return OldLine::Name;
    }
    if (head.starts_with(OldServerLinePrefix) && endsWord(OldServerLinePrefix.size())) {
        return OldLine::Server;
    }
    return OldLine::None;
}

}  // namespace chromlet
