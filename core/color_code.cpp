#include "core/color_code.h"

#include <vector>

#include "core/char_rules.h"

namespace chromlet {

namespace {

// How one code form writes what the scan finds. The scan itself is the same for every form.
struct CodeWriter {
    char escape;  ///< the byte before a colour digit
    /// A colour outside the palette met before any palette colour: the escape form writes the
    /// escape without a digit. A bare caret would take the next character as its colour, so the
    /// caret form writes nothing there and the character keeps the game's starting white.
    bool bareEscape;
    /// A caret in the name would take the character after it as a colour. The caret form follows
    /// such a caret with the current colour's code, which the engines read as "no change".
    bool guardsLiteralEscape;
    /// OpenArena's game modules draw "^8" orange: its orange has a digit of its own there.
    bool writesOrange = false;

    std::optional<char> DigitOf(PackedColor color) const {
        if (writesOrange && color == OpenArenaOrange) {
            return OpenArenaOrangeDigit;
        }
        if (const PaletteEntry* entry = PaletteEntryOf(color)) {
            return entry->digit;
        }
        return std::nullopt;
    }
};

constexpr CodeWriter EscapeWriter{ColorEscape, true, false};
constexpr CodeWriter CaretWriter{CaretEscape, false, true};
constexpr CodeWriter OpenArenaWriter{CaretEscape, false, true, true};

const CodeWriter& WriterOf(TargetGame target) {
    if (RulesOf(target).colorCodes == ColorCodeRule::CaretDigitTo8) {
        return OpenArenaWriter;
    }
    return CodeFormOf(target) == CodeForm::Caret ? CaretWriter : EscapeWriter;
}

std::string ScanToCode(StyledText& text, CodeDigit& currentDigit, const CodeWriter& writer) {
    const std::string chars = text.Text();
    std::string code;
    code.reserve(chars.size() + chars.size() / 2 + 2);
    PackedColor lastColor = NoColorYet;
    bool afterLiteralEscape = false;

    for (std::size_t p = 0; p < chars.size(); ++p) {
        const CharStyle style = text.StyleAt(p);
        bool wroteCode = false;
        if (style.Color != lastColor) {
            lastColor = style.Color;
            // A colour outside the palette matches nothing and keeps the digit it finds.
            if (const std::optional<char> digit = writer.DigitOf(style.Color)) {
                currentDigit = *digit;
            }
            if (currentDigit) {
                code.push_back(writer.escape);
                code.push_back(*currentDigit);
                wroteCode = true;
            } else if (writer.bareEscape) {
                code.push_back(writer.escape);
            }
        }
        const auto out =
            static_cast<char>(GameByte(static_cast<unsigned char>(chars[p]), style.Q3Font));
        if (writer.guardsLiteralEscape) {
            // Two carets in a row are no code, so only a caret before anything else needs it.
            if (afterLiteralEscape && !wroteCode && out != writer.escape) {
                code.push_back(writer.escape);
                code.push_back(currentDigit.value_or(Palette(PaletteColor::White).digit));
            }
            afterLiteralEscape = out == writer.escape;
        }
        code.push_back(out);
    }

    if (!chars.empty()) {
        text.SetSelection({chars.size() - 1, 1});
    }
    return code;
}

// The value a line holds between its quotes: the code and the switch back to white.
std::string StoredValue(const CodeWriter& writer, std::string_view code) {
    std::string value;
    value.reserve(code.size() + 2);
    value.append(code);
    value.push_back(writer.escape);
    value.push_back(Palette(PaletteColor::White).digit);
    return value;
}

std::string SetaLineOf(std::string_view lineStart, std::string_view value) {
    std::string line;
    line.reserve(lineStart.size() + value.size() + 2);
    line.append(lineStart);
    line.push_back('"');
    line.append(value);
    line.push_back('"');
    return line;
}

// The escape form: the escape and a palette digit set that colour; an escape followed by
// anything else sets nothing and is dropped alone.
CodeRead EscapeCodeAt(std::string_view code, std::size_t pos) {
    if (code[pos] != ColorEscape) {
        return {};
    }
    if (pos + 1 < code.size()) {
        if (const PaletteEntry* entry = PaletteEntryForDigit(code[pos + 1])) {
            return {2, entry->packed};
        }
    }
    return {1, std::nullopt};
}

// Quake3e's engine's g_color_table (code/qcommon/q_math.c), as the renderer turns its floats
// into bytes (it truncates): '0' to '9', then CPMA's rainbow 'a' to 'x' and white and grey for
// 'y' and 'z'.
constexpr PackedColor Quake3eColors[36] = {
    PackColor(0, 0, 0),       PackColor(255, 0, 0),     PackColor(0, 255, 0),
    PackColor(255, 255, 0),   PackColor(0, 0, 255),     PackColor(0, 255, 255),
    PackColor(255, 0, 255),   PackColor(255, 255, 255), PackColor(255, 127, 0),
    PackColor(127, 127, 127), PackColor(255, 0, 0),     PackColor(255, 68, 0),
    PackColor(255, 127, 0),   PackColor(255, 186, 0),   PackColor(255, 255, 0),
    PackColor(186, 255, 0),   PackColor(127, 255, 0),   PackColor(68, 255, 0),
    PackColor(0, 255, 0),     PackColor(0, 255, 68),    PackColor(0, 255, 127),
    PackColor(0, 255, 186),   PackColor(0, 255, 255),   PackColor(0, 186, 255),
    PackColor(0, 127, 255),   PackColor(0, 68, 255),    PackColor(0, 0, 255),
    PackColor(68, 0, 255),    PackColor(127, 0, 255),   PackColor(186, 0, 255),
    PackColor(255, 0, 255),   PackColor(255, 0, 186),   PackColor(255, 0, 127),
    PackColor(255, 0, 68),    PackColor(255, 255, 255), PackColor(127, 127, 127),
};

// ColorIndexFromChar: digits, then letters in either case; anything else is white.
PackedColor Quake3eColorOf(char c) {
    if (c >= '0' && c <= '9') {
        return Quake3eColors[c - '0'];
    }
    const char upper = AsciiUpper(c);
    if (upper >= 'A' && upper <= 'Z') {
        return Quake3eColors[10 + (upper - 'A')];
    }
    return PackedOf(PaletteColor::White);
}

PackedColor ColorUnder(ColorCodeRule rule, char c) {
    if (rule == ColorCodeRule::CaretDigitTo8 && c == '8') {
        return OpenArenaOrange;
    }
    if (rule == ColorCodeRule::CaretAny36) {
        return Quake3eColorOf(c);
    }
    return PackedOf(ColorOfCodeChar(c));
}

CodeRead CaretCodeAt(ColorCodeRule rule, std::string_view code, std::size_t pos) {
    if (code[pos] != CaretEscape || pos + 1 >= code.size()) {
        return {};
    }
    const char next = code[pos + 1];
    bool isCode = false;
    switch (rule) {
        case ColorCodeRule::EscapeDigit:
            // Read only where a caret code comes from elsewhere: the form every engine agrees on.
            isCode = next >= '0' && next <= '9';
            break;
        case ColorCodeRule::CaretAny:
        case ColorCodeRule::CaretAny36:
            isCode = next != CaretEscape && next != '\0';
            break;
        case ColorCodeRule::CaretAlnum:
            isCode = IsAsciiLetterOrDigit(next);
            break;
        case ColorCodeRule::CaretDigitTo8:
            isCode = next >= '0' && next <= '8';
            break;
    }
    if (!isCode) {
        return {};
    }
    return {2, ColorUnder(rule, next)};
}

// Walks `code` from white and the standard font, skipping what `codeAt` reports as colour
// code; every other byte is a character, one of 128 or more the character 128 below it in the
// alternative font.
template <typename CodeAtFn>
MemoryStyledText DecodeWith(std::string_view code, CodeAtFn codeAt) {
    std::string text;
    std::vector<CharStyle> styles;
    text.reserve(code.size());
    styles.reserve(code.size());
    PackedColor color = PackedOf(PaletteColor::White);
    for (std::size_t i = 0; i < code.size();) {
        const CodeRead at = codeAt(code, i);
        if (at.length > 0) {
            if (at.color) {
                color = *at.color;
            }
            i += at.length;
            continue;
        }
        const NameChar drawn = CharOfByte(static_cast<unsigned char>(code[i]));
        text.push_back(static_cast<char>(drawn.code));
        styles.push_back(CharStyle{color, drawn.q3Font});
        ++i;
    }
    return MemoryStyledText(std::move(text), std::move(styles));
}

}  // namespace

std::string BuildColorCode(StyledText& text, CodeDigit& currentDigit) {
    return ScanToCode(text, currentDigit, EscapeWriter);
}

std::string BuildCode(TargetGame target, StyledText& text, CodeDigit& currentDigit) {
    return ScanToCode(text, currentDigit, WriterOf(target));
}

std::string BuildSetaLine(std::string_view lineStart, std::string_view code) {
    return SetaLineOf(lineStart, StoredValue(EscapeWriter, code));
}

std::string BuildSetaLine(TargetGame target, std::string_view lineStart, std::string_view code) {
    return SetaLineOf(lineStart, StoredValue(WriterOf(target), code));
}

SetaLines BuildShowCodeLines(TargetGame target, StyledText& playerName, StyledText& serverName) {
    CodeDigit digit;
    SetaLines lines;
    lines.name = BuildSetaLine(target, NameLineStart, BuildCode(target, playerName, digit));
    lines.server = BuildSetaLine(target, ServerLineStart, BuildCode(target, serverName, digit));
    return lines;
}

NameCodes EncodeNames(TargetGame target, const StyledText& playerName,
                      const StyledText& serverName) {
    MemoryStyledText player = MemoryStyledText::CopyOf(playerName);
    MemoryStyledText server = MemoryStyledText::CopyOf(serverName);
    const CodeWriter& writer = WriterOf(target);
    CodeDigit digit;
    NameCodes codes;
    codes.player = StoredValue(writer, ScanToCode(player, digit, writer));
    codes.server = StoredValue(writer, ScanToCode(server, digit, writer));
    return codes;
}

bool IsColorCodeAt(TargetGame target, std::string_view code, std::size_t pos) {
    return ReadCodeAt(target, code, pos).length == 2;
}

PaletteColor ColorOfCodeChar(char c) {
    return static_cast<PaletteColor>((static_cast<unsigned char>(c) - '0') & 7u);
}

PackedColor ColorOfCode(TargetGame target, char c) {
    return ColorUnder(RulesOf(target).colorCodes, c);
}

CodeRead ReadCodeAt(TargetGame target, std::string_view code, std::size_t pos) {
    return ReadCodeAt(RulesOf(target).colorCodes, code, pos);
}

CodeRead ReadCodeAt(ColorCodeRule rule, std::string_view code, std::size_t pos) {
    if (pos >= code.size()) {
        return {};
    }
    return rule == ColorCodeRule::EscapeDigit ? EscapeCodeAt(code, pos)
                                              : CaretCodeAt(rule, code, pos);
}

MemoryStyledText DecodeCode(TargetGame target, std::string_view code) {
    return DecodeWith(
        code, [target](std::string_view c, std::size_t pos) { return ReadCodeAt(target, c, pos); });
}

MemoryStyledText DecodeAnyCode(TargetGame target, std::string_view code) {
    const ColorCodeRule rule = RulesOf(target).colorCodes;
    return DecodeWith(code, [rule](std::string_view c, std::size_t pos) {
        const CodeRead escape = EscapeCodeAt(c, pos);
        return escape.length > 0 ? escape : CaretCodeAt(rule, c, pos);
    });
}

}  // namespace chromlet
