#include "core/styled_clip.h"

#include <algorithm>
#include <vector>

namespace chromlet {

namespace {

constexpr std::size_t BytesPerChar = 5;

}  // namespace

std::string StyledClipOf(const StyledText& text, std::size_t start, std::size_t length) {
    const std::string chars = text.Text().substr(start, length);
    std::string clip;
    clip.reserve(chars.size() * BytesPerChar);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const CharStyle style = text.StyleAt(start + i);
        clip.push_back(chars[i]);
        clip.push_back(static_cast<char>(RedOf(style.Color)));
        clip.push_back(static_cast<char>(GreenOf(style.Color)));
        clip.push_back(static_cast<char>(BlueOf(style.Color)));
        clip.push_back(style.Q3Font ? '\1' : '\0');
    }
    return clip;
}

std::optional<MemoryStyledText> ReadStyledClip(std::string_view data, std::size_t maxChars,
                                               bool& cut) {
    if (data.empty() || data.size() % BytesPerChar != 0) {
        return std::nullopt;
    }
    const std::size_t count = std::min(data.size() / BytesPerChar, maxChars);
    cut = count < data.size() / BytesPerChar;
    std::string chars;
    std::vector<CharStyle> styles;
    chars.reserve(count);
    styles.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = [&](std::size_t k) {
            return static_cast<unsigned char>(data[i * BytesPerChar + k]);
        };
        chars.push_back(static_cast<char>(byte(0)));
        styles.push_back({PackColor(byte(1), byte(2), byte(3)), byte(4) != 0});
    }
    return MemoryStyledText(std::move(chars), std::move(styles));
}

}  // namespace chromlet
