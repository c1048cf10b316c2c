// The test release's lines of a configuration file, read whole by the game's rule: the plain
// model that the chunked readers are checked against.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chromlet::test {

/// A line ends at CR or at CR LF, an LF on its own is a byte of its line, and nothing after a
/// last line end makes a further line.
inline std::vector<std::string> GameLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool inLine = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            inLine = true;
            continue;
        }
        lines.push_back(line);
        line.clear();
        inLine = false;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
    }
    if (inLine) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace chromlet::test
