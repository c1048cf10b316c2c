#include "core/caret_code.h"

#include "core/code_scan.h"
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
    return DecodeWith(code, [target](std::string_view c, std::size_t pos) -> CodeAt {
        if (!IsColorCodeAt(target, c, pos)) {
            return {};
        }
        return {2, PackedOf(ColorOfCodeChar(c[pos + 1]))};
    });
}

std::optional<std::string> CodeOfSetaLine(TargetGame target, std::string_view line) {
    if (CodeFormOf(target) == CodeForm::Escape) {
        return CodeOfSetaLine(line);
    }
    return QuotedCodeOf(line, CaretEscape);
}

}  // namespace chromlet
