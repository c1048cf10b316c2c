// Gives the page's tests their expected bytes from the desktop's own core. One case a line on
// standard input, its answer a line on standard output, every byte string in hex:
//   N target playerText playerSteps serverText serverSteps   ->  nameLine serverLine
//   C target before nameLine serverLine                     ->  fault side config
// Steps are start:length:c:paletteIndex or start:length:f:0|1, joined by commas, "-" for none.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "config/passes/update_passes.h"
#include "core/color_code.h"
#include "core/config_limits.h"
#include "core/memory_styled_text.h"
#include "core/styled_text.h"

namespace {

using namespace chromlet;

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(Digits[c >> 4]);
        out.push_back(Digits[c & 15]);
    }
    return out.empty() ? "-" : out;
}

// The name as the page's editor holds it after typing it over the start name and clicking the
// style buttons on each selection in turn.
MemoryStyledText Styled(const std::string& hex, const std::string& steps) {
    MemoryStyledText text(FromHex(hex == "-" ? "" : hex),
                          CharStyle{PackedOf(PaletteColor::White), true});
    std::istringstream list(steps == "-" ? "" : steps);
    std::string step;
    while (std::getline(list, step, ',')) {
        std::istringstream parts(step);
        std::string start, length, op, value;
        std::getline(parts, start, ':');
        std::getline(parts, length, ':');
        std::getline(parts, op, ':');
        std::getline(parts, value, ':');
        text.SetSelection({std::stoul(start), std::stoul(length)});
        if (op == "c") {
            ApplyColor(text, ColorPalette.at(std::stoul(value)).packed);
        } else {
            SetFontFlag(text, value == "1");
        }
    }
    return text;
}

TargetGame Target(int id) {
    return AllTargets.at(static_cast<std::size_t>(id));
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string kind;
        int target = 0;
        in >> kind >> target;
        if (kind == "N") {
            std::string playerText, playerSteps, serverText, serverSteps;
            in >> playerText >> playerSteps >> serverText >> serverSteps;
            MemoryStyledText player = Styled(playerText, playerSteps);
            MemoryStyledText server = Styled(serverText, serverSteps);
            const SetaLines lines = BuildShowCodeLines(Target(target), player, server);
            std::cout << Hex(lines.name) << ' ' << Hex(lines.server) << '\n';
        } else if (kind == "C") {
            std::string before, name, server;
            in >> before >> name >> server;
            const auto bytes = [](const std::string& hex) {
                return FromHex(hex == "-" ? "" : hex);
            };
            const RewrittenText rewritten =
                RewriteText(Target(target), bytes(before), bytes(name), bytes(server));
            const std::size_t zero = rewritten.config.find('\0');
            const FileFault fault = CheckConfigFile(
                Target(target), rewritten.config.size(),
                zero == std::string::npos ? std::nullopt : std::optional<std::uintmax_t>(zero));
            std::cout << static_cast<int>(fault) << ' ' << Hex(rewritten.side) << ' '
                      << Hex(rewritten.config) << '\n';
        } else {
            std::cerr << "web_cases: unknown case " << kind << '\n';
            return 1;
        }
    }
    return 0;
}
