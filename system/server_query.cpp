#include "system/server_query.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <vector>

namespace chromlet {

namespace {

constexpr auto ResendEvery = std::chrono::milliseconds(1000);
// The largest datagram UDP carries.
constexpr std::size_t MaxDatagram = 65536;

// One socket for each address, connected to it, so that the system hands it only packets from
// there and tells it when nothing listens. A socket the system reported an error on is done with.
class Sockets {
  public:
    ~Sockets() {
        for (const pollfd& p : fds_) {
            close(p.fd < 0 ? -p.fd - 1 : p.fd);
        }
    }
    void Add(int fd, std::string shown) {
        fds_.push_back({fd, POLLIN, 0});
        shown_.push_back(std::move(shown));
        errors_.push_back(0);
    }
    std::vector<pollfd>& Fds() { return fds_; }
    const std::string& Shown(std::size_t i) const { return shown_[i]; }
    bool Empty() const { return fds_.empty(); }
    bool Done(std::size_t i) const { return errors_[i] != 0; }
    void Fail(std::size_t i, int error) {
        errors_[i] = error;
        fds_[i].fd = -fds_[i].fd - 1;  // poll passes over a negative descriptor
    }
    /// Every socket failed: the error of one that did not merely find the port closed, else
    /// ECONNREFUSED; 0 while one is still open.
    int Failure() const {
        int failure = ECONNREFUSED;
        for (int error : errors_) {
            if (error == 0) {
                return 0;
            }
            failure = error != ECONNREFUSED ? error : failure;
        }
        return failure;
    }

  private:
    std::vector<pollfd> fds_;
    std::vector<std::string> shown_;
    std::vector<int> errors_;
};

std::string Numeric(const sockaddr* address, socklen_t length) {
    char host[NI_MAXHOST] = {};
    char port[NI_MAXSERV] = {};
    if (getnameinfo(address, length, host, sizeof host, port, sizeof port,
                    NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
        return "?";
    }
    return address->sa_family == AF_INET6 ? "[" + std::string(host) + "]:" + port
                                          : std::string(host) + ":" + port;
}

}  // namespace

std::optional<ServerAddress> ParseServerAddress(std::string_view text, std::uint16_t defaultPort) {
    ServerAddress address{std::string(), defaultPort};
    std::string_view port;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        address.host = std::string(text.substr(1, close - 1));
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (!rest.starts_with(':')) {
                return std::nullopt;
            }
            port = rest.substr(1);
            if (port.empty()) {
                return std::nullopt;
            }
        }
    } else if (const std::size_t colon = text.find(':');
               colon != std::string_view::npos &&
               text.find(':', colon + 1) == std::string_view::npos) {
        address.host = std::string(text.substr(0, colon));
        port = text.substr(colon + 1);
        if (port.empty()) {
            return std::nullopt;
        }
    } else {
        address.host = std::string(text);
    }
    if (!port.empty()) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (error != std::errc() || end != port.data() + port.size() || value == 0 ||
            value > 65535) {
            return std::nullopt;
        }
        address.port = static_cast<std::uint16_t>(value);
    }
    if (address.host.empty() || address.port == 0) {
        return std::nullopt;
    }
    return address;
}

namespace {

// A connected socket for every address the host resolves to, so that only that address's
// packets arrive and a closed port can be told from silence; false, saying why, when none is.
bool ConnectAll(const ServerAddress& address, Sockets& sockets, QueryAnswer& answer) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (const int error = getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found);
        error != 0) {
        answer.failure = QueryAnswer::Failure::Resolve;
        answer.reason = error == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(error);
        return false;
    }
    int lastError = 0;
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            lastError = errno;
            continue;
        }
        if (connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            lastError = errno;
            close(fd);
            continue;
        }
        sockets.Add(fd, Numeric(a->ai_addr, a->ai_addrlen));
    }
    freeaddrinfo(found);
    if (sockets.Empty()) {
        answer.failure = QueryAnswer::Failure::Network;
        answer.reason = std::strerror(lastError);
        return false;
    }
    return true;
}

void SendToAll(Sockets& sockets, std::string_view request) {
    for (std::size_t i = 0; i < sockets.Fds().size(); ++i) {
        if (!sockets.Done(i) && send(sockets.Fds()[i].fd, request.data(), request.size(), 0) < 0 &&
            errno != EINTR && errno != EAGAIN) {
            sockets.Fail(i, errno);
        }
    }
}

// Reads what the ready sockets hold; true when a packet was accepted into `answer`.
bool TakeReply(Sockets& sockets, std::vector<char>& buffer,
               const std::function<bool(std::string_view)>& accept, QueryAnswer& answer) {
    for (std::size_t i = 0; i < sockets.Fds().size(); ++i) {
        if (sockets.Done(i) || (sockets.Fds()[i].revents & (POLLIN | POLLERR)) == 0) {
            continue;
        }
        const ssize_t got = recv(sockets.Fds()[i].fd, buffer.data(), buffer.size(), 0);
        if (got < 0) {
            if (errno != EINTR && errno != EAGAIN) {
                sockets.Fail(i, errno);
            }
            continue;
        }
        const std::string_view packet(buffer.data(), static_cast<std::size_t>(got));
        if (accept(packet)) {
            answer.reply = std::string(packet);
            answer.from = sockets.Shown(i);
            return true;
        }
    }
    return false;
}

}  // namespace

QueryAnswer QueryServer(const ServerAddress& address, std::string_view request,
                        std::chrono::milliseconds timeout,
                        const std::function<bool(std::string_view)>& accept) {
    QueryAnswer answer;
    Sockets sockets;
    if (!ConnectAll(address, sockets, answer)) {
        return answer;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    Clock::time_point nextSend = Clock::now();
    std::vector<char> buffer(MaxDatagram);
    while (true) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            answer.failure = QueryAnswer::Failure::NoAnswer;
            return answer;
        }
        if (now >= nextSend) {
            SendToAll(sockets, request);
            nextSend = now + ResendEvery;
        }
        if (const int failure = sockets.Failure()) {
            answer.failure = failure == ECONNREFUSED ? QueryAnswer::Failure::Refused
                                                     : QueryAnswer::Failure::Network;
            answer.reason = std::strerror(failure);
            return answer;
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::min(deadline, nextSend) - now);
        const int ready = poll(sockets.Fds().data(), sockets.Fds().size(),
                               static_cast<int>(std::max<long long>(wait.count(), 1)));
        if (ready < 0 && errno != EINTR) {
            answer.failure = QueryAnswer::Failure::Network;
            answer.reason = std::strerror(errno);
            return answer;
        }
        if (ready > 0 && TakeReply(sockets, buffer, accept, answer)) {
            return answer;
        }
    }
}

}  // namespace chromlet
