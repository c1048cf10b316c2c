#include "core/name_input.h"

#include <algorithm>
#include <vector>

#include "core/char_rules.h"

namespace chromlet {

namespace {

template <typename String, typename Char>
void NoteOnce(String& seen, Char c) {
    if (seen.size() <= NamedLeftOut && seen.find(c) == String::npos) {
        seen.push_back(c);
    }
}

constexpr bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void LeftOut::Add(const LeftOut& other) {
    for (char32_t c : other.notLatin1) {
        NoteOnce(notLatin1, c);
    }
    for (char c : other.controls) {
        NoteOnce(controls, c);
    }
    lineBreaks = lineBreaks || other.lineBreaks;
    quotes = quotes || other.quotes;
    cut = cut || other.cut;
    lineFull = lineFull || other.lineFull;
}

std::string AcceptText(std::u16string_view text, LineBreaks lineBreaks, std::size_t room,
                       LeftOut& leftOut) {
    if (text.size() > MaxPastedChars) {
        text = text.substr(0, MaxPastedChars);
        leftOut.cut = true;
    }
    std::string kept;
    kept.reserve(std::min(text.size(), room));
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = 0xFFFD;  // half a character: nothing a name could show either
        }
        char keep = 0;
        switch (CheckNameChar(c)) {
            case NameCharFault::None:
                keep = static_cast<char>(c);
                break;
            case NameCharFault::LineBreak:
                leftOut.lineBreaks = true;
                if (c == U'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                    ++i;
                }
                if (lineBreaks == LineBreaks::LeftOut) {
                    continue;
                }
                keep = ' ';
                break;
            case NameCharFault::DoubleQuote:
                leftOut.quotes = true;
                continue;
            case NameCharFault::Control:
                NoteOnce(leftOut.controls, static_cast<char>(c));
                continue;
            case NameCharFault::NotLatin1:
                NoteOnce(leftOut.notLatin1, c);
                continue;
        }
        if (kept.size() == room) {
            leftOut.cut = true;
            break;
        }
        kept.push_back(keep);
    }
    return kept;
}

MemoryStyledText AcceptStyled(const StyledText& text, std::size_t room, LeftOut& leftOut) {
    const std::string chars = text.Text();
    std::string kept;
    std::vector<CharStyle> styles;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        CharStyle style = text.StyleAt(i);
        const NameChar c = AsNameChar({static_cast<unsigned char>(chars[i]), style.Q3Font});
        switch (CheckNameChar(c.code)) {
            case NameCharFault::None:
            case NameCharFault::NotLatin1:  // a byte always is ISO 8859-1
                break;
            case NameCharFault::LineBreak:
                leftOut.lineBreaks = true;
                continue;
            case NameCharFault::DoubleQuote:
                leftOut.quotes = true;
                continue;
            case NameCharFault::Control:
                NoteOnce(leftOut.controls, static_cast<char>(c.code));
                continue;
        }
        if (kept.size() == room) {
            leftOut.cut = true;
            break;
        }
        kept.push_back(static_cast<char>(c.code));
        style.Q3Font = c.q3Font;
        styles.push_back(style);
    }
    return MemoryStyledText(std::move(kept), std::move(styles));
}

}  // namespace chromlet
