// A running server's answer to "getstatus": its settings and its players, as the server writes
// them (SVC_Status, code/server/sv_main.c) and a client reads them (CL_ServerStatusResponse,
// code/client/cl_main.c). The reply comes from the network: anything may arrive, and reading it
// never trusts it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace chromlet {

/// The port a server listens on unless told otherwise (PORT_SERVER, code/qcommon/qcommon.h).
inline constexpr std::uint16_t DefaultServerPort = 27960;

/// The most a server echoes of a challenge (SVC_Status ignores a request with a longer one).
inline constexpr std::size_t MaxChallenge = 128;

/// The request: four bytes 0xFF, which mark a packet outside any connection, and "getstatus",
/// with the challenge the server echoes after a blank where one is given (a word of letters and
/// digits, MaxChallenge at most).
std::string StatusRequest(std::string_view challenge);

/// One player of a status reply.
struct StatusPlayer {
    long score = 0;
    long ping = 0;
    std::string name;  ///< the server's copy of the player's name, without its quotes

    friend bool operator==(const StatusPlayer&, const StatusPlayer&) = default;
};

/// A status reply as read.
struct ServerStatus {
    /// The server's settings (its serverinfo string "\key\value..."), in order.
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<StatusPlayer> players;
    /// Player lines not in the form the server writes them ("score ping \"name\""), left out.
    std::size_t unreadLines = 0;

    /// The value of the first setting `key`, compared without regard to case as Info_ValueForKey
    /// does; nullopt where there is none.
    std::optional<std::string_view> Setting(std::string_view key) const;
};

/// Reads a reply packet: four bytes 0xFF, a first line whose first word is "statusResponse" (in
/// any case), the settings' line, then one line for each player up to an empty line or the end.
/// A line ends at LF or at a zero byte, as MSG_ReadStringLine reads it. A player's score and ping
/// are the whole numbers a line starts with (held within the range of a long), the name what
/// follows the second blank, its quotes taken off. nullopt for a packet that is no status reply.
/// The bytes are kept as they came; what a game makes of them is the game's rules' to say.
std::optional<ServerStatus> ParseStatusReply(std::string_view packet);

}  // namespace chromlet
