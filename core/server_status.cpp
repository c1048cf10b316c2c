#include "core/server_status.h"

#include <limits>

#include "core/char_rules.h"
#include "core/config_commands.h"

namespace chromlet {

namespace {

constexpr std::string_view OutOfBand = "\xFF\xFF\xFF\xFF";

// The next line of `rest`, which loses it and its end.
std::string_view NextLine(std::string_view& rest) {
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\n' && rest[end] != '\0') {
        ++end;
    }
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return line;
}

// sscanf's "%d" as far as it goes: blanks, a sign, digits; held at the ends of a long. Empty
// when no digit comes.
std::optional<long> TakeNumber(std::string_view& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    const bool negative = i < s.size() && s[i] == '-';
    i += i < s.size() && (s[i] == '-' || s[i] == '+') ? 1 : 0;
    if (i >= s.size() || s[i] < '0' || s[i] > '9') {
        return std::nullopt;
    }
    constexpr long Max = std::numeric_limits<long>::max();
    long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        const int digit = s[i] - '0';
        value = value > (Max - digit) / 10 ? Max : value * 10 + digit;
    }
    s.remove_prefix(i);
    return negative ? -value : value;
}

std::optional<StatusPlayer> ReadPlayer(std::string_view line) {
    std::string_view numbers = line;
    const std::optional<long> score = TakeNumber(numbers);
    const std::optional<long> ping = score ? TakeNumber(numbers) : std::nullopt;
    const std::size_t first = line.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
    if (!ping || second == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view name = line.substr(second + 1);
    if (!name.empty() && name.front() == '"') {
        name.remove_prefix(1);
        if (!name.empty() && name.back() == '"') {
            name.remove_suffix(1);
        }
    }
    return StatusPlayer{*score, *ping, std::string(name)};
}

// "\key\value\key\value", the first backslash optional, as the client reads it.
std::vector<std::pair<std::string, std::string>> ReadSettings(std::string_view info) {
    std::vector<std::pair<std::string, std::string>> settings;
    if (!info.empty() && info.front() == '\\') {
        info.remove_prefix(1);
    }
    while (!info.empty()) {
        const std::size_t keyEnd = std::min(info.find('\\'), info.size());
        std::string key(info.substr(0, keyEnd));
        info.remove_prefix(std::min(keyEnd + 1, info.size()));
        const std::size_t valueEnd = std::min(info.find('\\'), info.size());
        settings.emplace_back(std::move(key), std::string(info.substr(0, valueEnd)));
        info.remove_prefix(std::min(valueEnd + 1, info.size()));
    }
    return settings;
}

}  // namespace

std::string StatusRequest(std::string_view challenge) {
    std::string request(OutOfBand);
    request += "getstatus";
    if (!challenge.empty()) {
        request += ' ';
        request.append(challenge.substr(0, MaxChallenge));
    }
    return request;
}

std::optional<std::string_view> ServerStatus::Setting(std::string_view key) const {
    for (const auto& [name, value] : settings) {
        if (SameAsciiText(name, key)) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<ServerStatus> ParseStatusReply(std::string_view packet) {
    if (!packet.starts_with(OutOfBand)) {
        return std::nullopt;
    }
    std::string_view rest = packet.substr(OutOfBand.size());
    const std::vector<CommandWord> words = CommandWords(NextLine(rest));
    if (words.empty() || !SameAsciiText(words.front().text, "statusResponse")) {
        return std::nullopt;
    }
    ServerStatus status;
    status.settings = ReadSettings(NextLine(rest));
    while (!rest.empty()) {
        const std::string_view line = NextLine(rest);
        if (line.empty()) {
            break;
        }
        if (std::optional<StatusPlayer> player = ReadPlayer(line)) {
            status.players.push_back(std::move(*player));
        } else {
            ++status.unreadLines;
        }
    }
    return status;
}

}  // namespace chromlet
