// What a name and a configuration line may hold. The editors, the control-code dialog and the
// config updater all ask here, so that the three never disagree.
#pragma once

#include <cstddef>
#include <string_view>

namespace chromlet {

/// The most characters a name holds. No engine keeps more than about a thousand bytes of a value
/// (MAX_INFO_STRING is 1024, and Cvar_WriteVariables leaves out a longer value when the game
/// writes its config), so nothing longer is a name; every way into an editor cuts there.
inline constexpr std::size_t MaxNameChars = 1024;

/// Why a character cannot stand in a name; None when it can.
enum class NameCharFault {
    None,
    NotLatin1,    ///< outside ISO 8859-1: a name is one byte per character
    LineBreak,    ///< would split the configuration line
    DoubleQuote,  ///< would end the quoted value early; the rest would run as console commands
    Control,      ///< a control character (0 to 31, 127): every engine ends a value at 0, the
                  ///< test release reads 27 as a colour code, and the editors show none of them
};

/// The characters an editor treats as a line break: LF, VT, FF, CR, NEL, LS and PS.
constexpr bool IsLineBreakChar(char32_t c) {
    return c == U'\n' || c == U'\v' || c == U'\f' || c == U'\r' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

/// The C0 control characters and DEL. Characters 128 to 159 are not among them: no engine ends
/// or misreads those bytes (the test release draws them from its alternative font, the later
/// engines send a dot instead), so a name may hold them.
constexpr bool IsControlChar(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

/// Checks one character (a Unicode code point) for a name: ISO 8859-1, without line breaks,
/// without the double quote and without control characters.
constexpr NameCharFault CheckNameChar(char32_t c) {
    if (IsLineBreakChar(c)) {
        return NameCharFault::LineBreak;
    }
    if (c > 0xFF) {
        return NameCharFault::NotLatin1;
    }
    if (c == U'"') {
        return NameCharFault::DoubleQuote;
    }
    if (IsControlChar(c)) {
        return NameCharFault::Control;
    }
    return NameCharFault::None;
}

constexpr bool IsNameChar(char32_t c) {
    return CheckNameChar(c) == NameCharFault::None;
}

/// One character of a name: its code and its font flag.
struct NameChar {
    unsigned char code;
    bool q3Font;

    friend bool operator==(const NameChar&, const NameChar&) = default;
};

/// A character in the alternative font reaches the game as the byte 128 above it. Where a name
/// cannot hold the character itself (a control, the double quote, a line break, as a decoded
/// 80, A2 or 8A stands for), it holds the standard-font character of that byte, which reaches
/// the game as the same byte. Every other character stays as it is.
constexpr NameChar AsNameChar(NameChar c) {
    if (!c.q3Font && c.code < 0x80 && !IsNameChar(c.code)) {
        return {static_cast<unsigned char>(c.code + 0x80), true};
    }
    return c;
}

/// The byte the game gets for a character: its own code in the standard font, 128 above it in
/// the alternative font. A character already 128 or above cannot be raised further; it keeps its
/// own code rather than wrapping round to a low, unrelated one.
constexpr unsigned char GameByte(unsigned char code, bool q3Font) {
    return q3Font || code >= 0x80 ? code : static_cast<unsigned char>(code + 0x80);
}

/// The character the game draws for a byte: the byte itself in the standard font up to 127, the
/// character 128 below it in the alternative font from 128 on.
constexpr NameChar CharOfByte(unsigned char byte) {
    return byte >= 0x80 ? NameChar{static_cast<unsigned char>(byte - 0x80), false}
                        : NameChar{byte, true};
}

/// The most of a pasted text, a pasted HTML or a pasted code that is read; the rest is left
/// unread. Room for any name with its markup: a browser's HTML spends a few hundred characters
/// on each coloured letter.
inline constexpr std::size_t MaxPastedChars = std::size_t{1} << 20;

/// What an engine reads of a value: a C string ends at its first zero byte.
constexpr std::string_view AsCString(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

/// The C library's isalnum in the "C" locale, which the engines run in.
constexpr bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// The C library's toupper in the "C" locale: a to z become A to Z, every other byte stays.
constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Whether two texts are the same but for the case of ASCII letters, as the engines compare the
/// names of commands, cvars and info keys (Q_stricmp).
constexpr bool SameAsciiText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

/// A configuration line is one line of single bytes: any ISO 8859-1 character but CR and LF,
/// which would end it, and the control characters no name holds. The escape byte stays: the test
/// release's colour codes are made of it. Double quotes are the line's own business.
constexpr bool IsConfigLineChar(char32_t c) {
    return c <= 0xFF && c != U'\r' && c != U'\n' && (!IsControlChar(c) || c == 0x1B);
}

/// Whether `line` (bytes) can be written as one configuration line.
constexpr bool IsConfigLine(std::string_view line) {
    return line.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace chromlet
