#include "core/color_decode.h"

#include "core/code_scan.h"
#include "core/color_code.h"

namespace chromlet {

CodeAt EscapeCodeAt(std::string_view code, std::size_t pos) {
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

std::optional<std::string> QuotedCodeOf(std::string_view line, char escape) {
    const std::size_t first = line.find('"');
    const std::size_t last = line.rfind('"');
    if (first == std::string_view::npos || last == first) {
        return std::nullopt;
    }
    std::string_view code = line.substr(first + 1, last - first - 1);
    const char closing[] = {escape, Palette(PaletteColor::White).digit};
    if (code.ends_with(std::string_view(closing, 2))) {
        code.remove_suffix(2);
    }
    return std::string(code);
}

MemoryStyledText DecodeColorCode(std::string_view code) {
    return DecodeWith(code, EscapeCodeAt);
}

std::optional<std::string> CodeOfSetaLine(std::string_view line) {
    return QuotedCodeOf(line, ColorEscape);
}

}  // namespace chromlet
