#include "core/caret_code.h"

#include <vector>

#include "core/color_decode.h"

namespace chromlet {

namespace {

// The C library's isalnum in the "C" locale, which the engines run in.
constexpr bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool IsColorCodeAt(TargetGame target, std::string_view code, std::size_t pos) {
    if (pos + 1 >= code.size()) {
        return false;
    }
    const char next = code[pos + 1];
    switch (target) {
        case TargetGame::Q3Test:
            return code[pos] == ColorEscape && PaletteEntryForDigit(next) != nullptr;
        case TargetGame::Quake3:
            // Any character but a second caret and the end of the string.
            return code[pos] == CaretEscape && next != CaretEscape && next != '\0';
        case TargetGame::IoQuake3:
            return code[pos] == CaretEscape && IsAsciiLetterOrDigit(next);
    }
    return false;
}

PaletteColor ColorOfCodeChar(char c) {
    return static_cast<PaletteColor>((static_cast<unsigned char>(c) - '0') & 7u);
}

MemoryStyledText DecodeCode(TargetGame target, std::string_view code) {
    if (CodeFormOf(target) == CodeForm::Escape) {
        return DecodeColorCode(code);
    }
    std::string text;
    std::vector<CharStyle> styles;
    text.reserve(code.size());
    styles.reserve(code.size());
    PackedColor color = PackedOf(PaletteColor::White);

    for (std::size_t i = 0; i < code.size(); ++i) {
        if (IsColorCodeAt(target, code, i)) {
            color = PackedOf(ColorOfCodeChar(code[i + 1]));
            ++i;
            continue;
        }
        const auto byte = static_cast<unsigned char>(code[i]);
        const bool alternative = byte >= 128;
        text.push_back(static_cast<char>(alternative ? byte - 128 : byte));
        styles.push_back({color, !alternative});
    }
    return MemoryStyledText(std::move(text), std::move(styles));
}

std::optional<std::string> CodeOfSetaLine(TargetGame target, std::string_view line) {
    if (CodeFormOf(target) == CodeForm::Escape) {
        return CodeOfSetaLine(line);
    }
    const std::size_t first = line.find('"');
    const std::size_t last = line.rfind('"');
    if (first == std::string_view::npos || last == first) {
        return std::nullopt;
    }
    std::string_view code = line.substr(first + 1, last - first - 1);
    const char closing[] = {CaretEscape, Palette(PaletteColor::White).digit};
    if (code.ends_with(std::string_view(closing, 2))) {
        code.remove_suffix(2);
    }
    return std::string(code);
}

}  // namespace chromlet
