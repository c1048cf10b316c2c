#include "core/server_status.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "hex.h"

namespace chromlet {
namespace {

using namespace std::string_literals;
using test::FromHex;
using test::ToHex;

const std::string Oob = "\xFF\xFF\xFF\xFF";

TEST(StatusRequest, isAnOutOfBandGetstatus) {
    EXPECT_EQ(ToHex(StatusRequest("")), ToHex(Oob + "getstatus"));
    EXPECT_EQ(ToHex(StatusRequest("c0ffee")), ToHex(Oob + "getstatus c0ffee"));
    EXPECT_EQ(StatusRequest(std::string(200, 'x')).size(), 4 + 9 + 1 + MaxChallenge);
}

// Players as "score/ping/name" each, a '|' between.
std::string Described(const ServerStatus& status) {
    std::string out;
    for (const StatusPlayer& p : status.players) {
        out += (out.empty() ? "" : "|") + std::to_string(p.score) + "/" + std::to_string(p.ping) +
               "/" + p.name;
    }
    return out;
}

TEST(ParseStatusReply, readsWhatTheServerWrites) {
    const struct {
        const char* name;
        std::string packet;
        const char* hostname;  // nullptr: the reply is refused
        const char* players;
        std::size_t unread;
    } cases[] = {
        {"a server with two players",
         Oob + "statusResponse\n\\sv_hostname\\^1My ^7Srv\\mapname\\q3dm17\\challenge\\x\n"
               "20 48 \"^1Pl^7ayer\"\n-3 999 \"Bot\"\n",
         "^1My ^7Srv", "20/48/^1Pl^7ayer|-3/999/Bot", 0},
        {"no players", Oob + "statusResponse\n\\sv_hostname\\A\n", "A", "", 0},
        {"no line end after the settings", Oob + "statusResponse\n\\sv_hostname\\A", "A", "", 0},
        {"the command in any case, words after it", Oob + "STATUSRESPONSE x\n\\SV_HOSTNAME\\A\n",
         "A", "", 0},
        {"a name with blanks and quotes",
         Oob + "statusResponse\n\\sv_hostname\\A\n1 2 \"a \"b\"\"\n", "A", "1/2/a \"b\"", 0},
        {"an empty line ends the players",
         Oob + "statusResponse\n\\sv_hostname\\A\n1 2 \"a\"\n\n3 4 \"b\"\n", "A", "1/2/a", 0},
        {"a zero byte ends a line", Oob + "statusResponse\n\\sv_hostname\\A\0"s + "1 2 \"a\"\n",
         "A", "1/2/a", 0},
        {"lines not in the server's form",
         Oob + "statusResponse\n\\sv_hostname\\A\nx y z\n7\n1 2\n5 6 n\n", "A", "5/6/n", 3},
        {"no settings at all", Oob + "statusResponse", nullptr, "", 0},
        {"another reply", Oob + "infoResponse\n\\hostname\\A\n", nullptr, nullptr, 0},
        {"no out-of-band mark", "statusResponse\n\\sv_hostname\\A\n", nullptr, nullptr, 0},
        {"an empty packet", "", nullptr, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ServerStatus> status = ParseStatusReply(c.packet);
        ASSERT_EQ(status.has_value(), c.players != nullptr || c.hostname != nullptr)
            << ToHex(c.packet);
        if (!status) {
            continue;
        }
        const std::optional<std::string_view> hostname = status->Setting("sv_hostname");
        EXPECT_EQ(hostname.has_value(), c.hostname != nullptr);
        if (hostname && c.hostname) {
            EXPECT_EQ(*hostname, c.hostname);
        }
        if (c.players) {
            EXPECT_EQ(Described(*status), c.players);
        }
        EXPECT_EQ(status->unreadLines, c.unread);
    }
}

TEST(ParseStatusReply, holdsHugeNumbersAtTheEndsOfALong) {
    const std::optional<ServerStatus> status = ParseStatusReply(
        Oob + "statusResponse\n\\a\\b\n99999999999999999999999 -99999999999999999999999 \"n\"\n");
    ASSERT_TRUE(status);
    ASSERT_EQ(status->players.size(), 1u);
    EXPECT_EQ(status->players[0].score, std::numeric_limits<long>::max());
    EXPECT_EQ(status->players[0].ping, -std::numeric_limits<long>::max());
}

TEST(ParseStatusReply, readsTheSettingsAsTheClientDoes) {
    const std::optional<ServerStatus> status =
        ParseStatusReply(Oob + "statusResponse\nno_backslash\\1\\Key\\\\last\n");
    ASSERT_TRUE(status);
    ASSERT_EQ(status->settings.size(), 3u);
    EXPECT_EQ(status->settings[0], (std::pair<std::string, std::string>{"no_backslash", "1"}));
    EXPECT_EQ(status->Setting("key"), "");
    EXPECT_EQ(status->Setting("LAST"), "");
    EXPECT_FALSE(status->Setting("missing"));
}

}  // namespace
}  // namespace chromlet
