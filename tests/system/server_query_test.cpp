#include "system/server_query.h"

#include <gtest/gtest.h>

namespace chromlet {
namespace {

TEST(ParseServerAddress, readsHostAndPort) {
    const struct {
        const char* text;
        std::optional<ServerAddress> address;
    } cases[] = {
        {"example.org", ServerAddress{"example.org", 27960}},
        {"127.0.0.1:27961", ServerAddress{"127.0.0.1", 27961}},
        {"[::1]:5", ServerAddress{"::1", 5}},
        {"[::1]", ServerAddress{"::1", 27960}},
        {"::1", ServerAddress{"::1", 27960}},  // a bare IPv6 address has no port
        {"host:65535", ServerAddress{"host", 65535}},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:", std::nullopt},
        {"host:x1", std::nullopt},
        {"host:1x", std::nullopt},
        {":27960", std::nullopt},
        {"", std::nullopt},
        {"[::1", std::nullopt},
        {"[::1]x", std::nullopt},
        {"[]:1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseServerAddress(c.text, 27960), c.address) << c.text;
    }
}

}  // namespace
}  // namespace chromlet
