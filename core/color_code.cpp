#include "core/color_code.h"

namespace chromlet {

namespace {

// The alternative font lives in the upper half of the game's character set. A character that is
// already up there cannot be raised any further; it is written with its own code rather than
// wrapped round to a low, unrelated character.
char RaisedForFont(unsigned char code, bool q3Font) {
    if (q3Font || code >= 128) {
        return static_cast<char>(code);
    }
    return static_cast<char>(code + 128);
}

}  // namespace

std::string BuildColorCode(StyledText& text, CodeDigit& currentDigit) {
    const std::string chars = text.Text();
    std::string code;
    code.reserve(chars.size() + chars.size() / 2 + 2);
    PackedColor lastColor = NoColorYet;

    for (std::size_t p = 0; p < chars.size(); ++p) {
        const CharStyle style = text.StyleAt(p);
        if (style.Color != lastColor) {
            lastColor = style.Color;
            // A colour outside the palette matches nothing and keeps the digit it finds.
            for (const PaletteEntry& entry : ColorPalette) {
                if (style.Color == entry.packed) {
                    currentDigit = entry.digit;
                }
            }
            code.push_back(ColorEscape);
            if (currentDigit) {
                code.push_back(*currentDigit);
            }
        }
        code.push_back(RaisedForFont(static_cast<unsigned char>(chars[p]), style.Q3Font));
    }

    if (!chars.empty()) {
        text.SetSelection({chars.size() - 1, 1});
    }
    return code;
}

std::string BuildSetaLine(std::string_view lineStart, std::string_view code) {
    std::string line;
    line.reserve(lineStart.size() + code.size() + 4);
    line.append(lineStart);
    line.push_back('"');
    line.append(code);
    line.push_back(ColorEscape);
    line.push_back(Palette(PaletteColor::White).digit);
    line.push_back('"');
    return line;
}

SetaLines BuildShowCodeLines(StyledText& playerName, StyledText& serverName) {
    CodeDigit digit;
    SetaLines lines;
    lines.name = BuildSetaLine(NameLineStart, BuildColorCode(playerName, digit));
    lines.server = BuildSetaLine(ServerLineStart, BuildColorCode(serverName, digit));
    return lines;
}

}  // namespace chromlet
