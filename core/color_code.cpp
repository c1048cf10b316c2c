#include "core/color_code.h"

#include "core/caret_code.h"

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
};

constexpr CodeWriter EscapeWriter{ColorEscape, true, false};
constexpr CodeWriter CaretWriter{CaretEscape, false, true};

constexpr const CodeWriter& WriterOf(CodeForm form) {
    return form == CodeForm::Caret ? CaretWriter : EscapeWriter;
}

// The alternative font lives in the upper half of the game's character set. A character that is
// already up there cannot be raised any further; it is written with its own code rather than
// wrapped round to a low, unrelated character.
char RaisedForFont(unsigned char code, bool q3Font) {
    if (q3Font || code >= 128) {
        return static_cast<char>(code);
    }
    return static_cast<char>(code + 128);
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
            if (const PaletteEntry* entry = PaletteEntryOf(style.Color)) {
                currentDigit = entry->digit;
            }
            if (currentDigit) {
                code.push_back(writer.escape);
                code.push_back(*currentDigit);
                wroteCode = true;
            } else if (writer.bareEscape) {
                code.push_back(writer.escape);
            }
        }
        const char out = RaisedForFont(static_cast<unsigned char>(chars[p]), style.Q3Font);
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

std::string SetaLineWith(const CodeWriter& writer, std::string_view lineStart,
                         std::string_view code) {
    std::string line;
    line.reserve(lineStart.size() + code.size() + 4);
    line.append(lineStart);
    line.push_back('"');
    line.append(code);
    line.push_back(writer.escape);
    line.push_back(Palette(PaletteColor::White).digit);
    line.push_back('"');
    return line;
}

SetaLines ShowCodeLinesWith(const CodeWriter& writer, StyledText& playerName,
                            StyledText& serverName) {
    CodeDigit digit;
    SetaLines lines;
    lines.name = SetaLineWith(writer, NameLineStart, ScanToCode(playerName, digit, writer));
    lines.server = SetaLineWith(writer, ServerLineStart, ScanToCode(serverName, digit, writer));
    return lines;
}

}  // namespace

std::string BuildColorCode(StyledText& text, CodeDigit& currentDigit) {
    return ScanToCode(text, currentDigit, EscapeWriter);
}

std::string BuildCaretCode(StyledText& text, CodeDigit& currentDigit) {
    return ScanToCode(text, currentDigit, CaretWriter);
}

std::string BuildCode(TargetGame target, StyledText& text, CodeDigit& currentDigit) {
    return ScanToCode(text, currentDigit, WriterOf(CodeFormOf(target)));
}

std::string BuildSetaLine(std::string_view lineStart, std::string_view code) {
    return SetaLineWith(EscapeWriter, lineStart, code);
}

std::string BuildSetaLine(TargetGame target, std::string_view lineStart, std::string_view code) {
    return SetaLineWith(WriterOf(CodeFormOf(target)), lineStart, code);
}

SetaLines BuildShowCodeLines(StyledText& playerName, StyledText& serverName) {
    return ShowCodeLinesWith(EscapeWriter, playerName, serverName);
}

SetaLines BuildShowCodeLines(TargetGame target, StyledText& playerName, StyledText& serverName) {
    return ShowCodeLinesWith(WriterOf(CodeFormOf(target)), playerName, serverName);
}

}  // namespace chromlet
