// Asking a running server a question over UDP, as a player's game asks servers for the server
// list: one packet out, one packet back.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace chromlet {

/// Where a server listens.
struct ServerAddress {
    std::string host;
    std::uint16_t port = 0;

    friend bool operator==(const ServerAddress&, const ServerAddress&) = default;
};

/// Reads "HOST", "HOST:PORT", "[IPv6]" or "[IPv6]:PORT"; an IPv6 address without brackets
/// ("::1") is a host without a port. nullopt for an empty host or a port that is not 1 to 65535.
std::optional<ServerAddress> ParseServerAddress(std::string_view text, std::uint16_t defaultPort);

/// The outcome of QueryServer.
struct QueryAnswer {
    enum class Failure {
        None,
        Resolve,   ///< the host name names no address
        Refused,   ///< every address said that nothing listens on the port
        Network,   ///< no socket could be made or used
        NoAnswer,  ///< nothing acceptable came back in time
    } failure = Failure::None;
    std::string reply;   ///< the packet taken
    std::string from;    ///< the address it came from, as numbers ("127.0.0.1:27960")
    std::string reason;  ///< for Resolve and Network: the system's words

    bool Ok() const { return failure == Failure::None; }
};

/// Sends `request` to every address the host names, and again each second, and waits up to
/// `timeout` for a packet from one of them that `accept` takes; packets from anywhere else never
/// reach it. A server answers a few queries a second from one address, and a lost packet is sent
/// again, so that a short loss does not end the query.
QueryAnswer QueryServer(const ServerAddress& address, std::string_view request,
                        std::chrono::milliseconds timeout,
                        const std::function<bool(std::string_view)>& accept);

}  // namespace chromlet
