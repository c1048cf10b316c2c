// Byte strings written as hex in tests. Colour codes hold the escape byte and alternative-font
// bytes of 128 and above, which a string literal hides or garbles; as hex every byte of an
// expectation is visible, and a failing comparison shows exactly which byte differs.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace chromlet::test {

/// "73 65 1B" -> the bytes 0x73 0x65 0x1B. Blanks between bytes are optional.
inline std::string FromHex(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9') {
            v = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            v = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            v = c - 'a' + 10;
        } else if (c == ' ') {
            continue;
        } else {
            throw std::invalid_argument("FromHex: not a hex digit");
        }
        if (high < 0) {
            high = v;
        } else {
            bytes.push_back(static_cast<char>(high * 16 + v));
            high = -1;
        }
    }
    if (high >= 0) {
        throw std::invalid_argument("FromHex: odd number of digits");
    }
    return bytes;
}

/// The bytes as "73 65 1B", for readable failure messages.
inline std::string ToHex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(c));
        if (!out.empty()) {
            out.push_back(' ');
        }
        out += buf;
    }
    return out;
}

}  // namespace chromlet::test
