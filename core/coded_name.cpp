#include "core/coded_name.h"

#include <algorithm>

#include "core/char_rules.h"
#include "core/color_code.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool IsLineBreakByte(char c) {
    return IsLineBreakChar(static_cast<unsigned char>(c));
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Takes the next word (up to a blank) off the front of `s`, compared without regard to case.
std::string TakeWord(std::string_view& s) {
    std::size_t end = 0;
    while (end < s.size() && !IsBlank(s[end]) && s[end] != '"') {
        ++end;
    }
    std::string word;
    for (char c : s.substr(0, end)) {
        word.push_back(Lower(c));
    }
    s = Trimmed(s.substr(end));
    return word;
}

bool IsNameVariable(const std::string& word) {
    return word == "name" || word == "sv_hostname";
}

bool IsSetCommand(const std::string& word) {
    return word == "seta" || word == "set" || word == "sets" || word == "setu";
}

// The value after a variable: a quoted value as the engines read it, an unquoted one runs to the
// end of the line (a name typed without quotes is meant whole).
std::string_view ValueOf(std::string_view rest) {
    return !rest.empty() && rest.front() == '"' ? *QuotedValue(rest) : rest;
}

// The code inside a configuration line or a console command, or the whole line as a bare code.
// nullopt for a configuration line of some other setting.
std::optional<std::string_view> CodeOfLine(std::string_view line) {
    std::string_view rest = line;
    const bool slashed = !rest.empty() && (rest.front() == '/' || rest.front() == '\\');
    if (slashed) {
        rest.remove_prefix(1);
    }
    std::string_view afterFirst = rest;
    const std::string first = TakeWord(afterFirst);
    if (IsNameVariable(first)) {
        if (!afterFirst.empty()) {
            return ValueOf(afterFirst);
        }
        if (slashed) {
            return std::nullopt;  // a command without a value sets nothing
        }
    }
    if (IsSetCommand(first)) {
        std::string_view afterSecond = afterFirst;
        const std::string second = TakeWord(afterSecond);
        if (IsNameVariable(second)) {
            return ValueOf(afterSecond);
        }
        if (first == "seta") {
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace

std::optional<std::string_view> QuotedValue(std::string_view text) {
    const std::size_t open = text.find('"');
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(open + 1);
    return rest.substr(0, std::min(rest.find('"'), rest.size()));
}

std::optional<MemoryStyledText> ParseCodedName(TargetGame target, std::string_view pasted,
                                               ParseNotes* notes) {
    ParseNotes found;
    // The first line that holds anything; later lines are left out.
    std::string_view line;
    std::size_t pos = 0;
    while (pos < pasted.size()) {
        std::size_t end = pos;
        while (end < pasted.size() && !IsLineBreakByte(pasted[end])) {
            ++end;
        }
        const std::string_view candidate = Trimmed(pasted.substr(pos, end - pos));
        if (!line.empty()) {
            if (!candidate.empty()) {
                found.otherLines = true;
                break;
            }
        } else {
            line = candidate;
        }
        pos = end + 1;
    }

    std::optional<std::string_view> code = CodeOfLine(line);
    if (!code) {
        return std::nullopt;
    }
    if (code->size() > MaxPastedChars) {
        code = code->substr(0, MaxPastedChars);
        found.leftOut.cut = true;
    }
    MemoryStyledText name = AcceptStyled(DecodeAnyCode(target, *code), MaxNameChars, found.leftOut);
    if (notes) {
        *notes = found;
    }
    if (name.Length() == 0) {
        return std::nullopt;
    }
    return name;
}

// The alternative font is the upper half of the game's charset.
constexpr unsigned char AltFontBit = 0x80;

std::optional<std::string> ResolveAltFontMarks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool alternative = false;
    while (!text.empty()) {
        if (text.starts_with(AltFontStart) || text.starts_with(AltFontEnd)) {
            const bool start = text.starts_with(AltFontStart);
            if (start == alternative) {
                return std::nullopt;
            }
            alternative = start;
            text.remove_prefix(AltFontStart.size());
            continue;
        }
        const auto c = static_cast<unsigned char>(text.front());
        out.push_back(static_cast<char>(alternative ? c | AltFontBit : c));
        text.remove_prefix(1);
    }
    if (alternative) {
        return std::nullopt;
    }
    return out;
}

std::string WithAltFontMarks(std::string_view bytes) {
    std::string out;
    bool alternative = false;
    for (char c : bytes) {
        const bool high = (static_cast<unsigned char>(c) & AltFontBit) != 0;
        if (high != alternative) {
            out.append(high ? AltFontStart : AltFontEnd);
            alternative = high;
        }
        out.push_back(static_cast<char>(static_cast<unsigned char>(c) & ~AltFontBit));
    }
    if (alternative) {
        out.append(AltFontEnd);
    }
    return out;
}

std::optional<std::string> ConsoleCommand(TargetGame target, std::string_view command,
                                          std::string_view code) {
    if (CodeFormOf(target) != CodeForm::Caret || (command != "name" && command != "sv_hostname")) {
        return std::nullopt;
    }
    if (code.find_first_of("\"\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string line = "/";
    line.append(command);
    line.append(" \"");
    line.append(code);
    line.push_back(CaretEscape);
    line.push_back(Palette(PaletteColor::White).digit);
    line.push_back('"');
    if (line.size() > MaxConsoleLine || !IsLineReadWhole(line)) {
        return std::nullopt;
    }
    return line;
}

}  // namespace chromlet
