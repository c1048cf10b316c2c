#include "core/color_decode.h"

#include <vector>

#include "core/color_code.h"

namespace chromlet {

MemoryStyledText DecodeColorCode(std::string_view code) {
    std::string text;
    std::vector<CharStyle> styles;
    text.reserve(code.size());
    styles.reserve(code.size());
    PackedColor color = PackedOf(PaletteColor::White);

    for (std::size_t i = 0; i < code.size(); ++i) {
        const auto byte = static_cast<unsigned char>(code[i]);
        if (code[i] == ColorEscape) {
            if (i + 1 < code.size()) {
                if (const PaletteEntry* entry = PaletteEntryForDigit(code[i + 1])) {
                    color = entry->packed;
                    ++i;
                }
            }
            continue;
        }
        const bool alternative = byte >= 128;
        text.push_back(static_cast<char>(alternative ? byte - 128 : byte));
        styles.push_back({color, !alternative});
    }
    return MemoryStyledText(std::move(text), std::move(styles));
}

std::optional<std::string> CodeOfSetaLine(std::string_view line) {
    const std::size_t first = line.find('"');
    const std::size_t last = line.rfind('"');
    if (first == std::string_view::npos || last == first) {
        return std::nullopt;
    }
    std::string_view code = line.substr(first + 1, last - first - 1);
    const char closing[] = {ColorEscape, Palette(PaletteColor::White).digit};
    if (code.ends_with(std::string_view(closing, 2))) {
        code.remove_suffix(2);
    }
    return std::string(code);
}

}  // namespace chromlet
