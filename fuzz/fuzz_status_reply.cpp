// A server's answer to getstatus, whatever arrives (ParseStatusReply): a reply is read without
// reading past it, every setting and every player comes out of the packet, and the request the
// program sends is read back by the same rules.
#include <cstdint>
#include <string>

#include "core/server_status.h"
#include "fuzz_check.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string packet(reinterpret_cast<const char*>(data), size);
    if (const std::optional<ServerStatus> status = ParseStatusReply(packet)) {
        std::size_t bytes = 0;
        for (const auto& [key, value] : status->settings) {
            bytes += key.size() + value.size();
        }
        for (const StatusPlayer& player : status->players) {
            bytes += player.name.size();
        }
        Check(bytes <= packet.size(), "nothing comes out that did not come in");
        Check(status->players.size() + status->unreadLines <= packet.size(), "one line a player");
        for (const auto& [key, value] : status->settings) {
            Check(status->Setting(key).has_value(), "every setting can be found");
        }
    }
    Check(!ParseStatusReply(StatusRequest(packet)), "a request is no reply");
    return 0;
}
