#include "core/memory_styled_text.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace chromlet {

MemoryStyledText::MemoryStyledText(std::string text, CharStyle style)
    : text_(std::move(text)), styles_(text_.size(), style) {}

MemoryStyledText::MemoryStyledText(std::string text, std::vector<CharStyle> styles)
    : text_(std::move(text)), styles_(std::move(styles)) {
    if (styles_.size() != text_.size()) {
        throw std::invalid_argument("MemoryStyledText: one style per character is needed");
    }
}

MemoryStyledText MemoryStyledText::CopyOf(const StyledText& other) {
    std::string text = other.Text();
    std::vector<CharStyle> styles;
    styles.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        styles.push_back(other.StyleAt(i));
    }
    MemoryStyledText copy(std::move(text), std::move(styles));
    copy.SetSelection(other.GetSelection());
    return copy;
}

MemoryStyledText MemoryStyledText::Prefix(std::size_t count) const {
    const std::size_t kept = std::min(count, text_.size());
    return MemoryStyledText(
        text_.substr(0, kept),
        std::vector<CharStyle>(styles_.begin(),
                               styles_.begin() + static_cast<std::ptrdiff_t>(kept)));
}

void MemoryStyledText::SetSelection(Selection selection) {
    const std::size_t start = std::min(selection.start, text_.size());
    selection_ = {start, std::min(selection.length, text_.size() - start)};
}

void MemoryStyledText::SetSelectionColor(PackedColor color) {
    for (std::size_t i = 0; i < selection_.length; ++i) {
        styles_[selection_.start + i].Color = color;
    }
}

void MemoryStyledText::SetSelectionQ3Font(bool q3Font) {
    for (std::size_t i = 0; i < selection_.length; ++i) {
        styles_[selection_.start + i].Q3Font = q3Font;
    }
}

}  // namespace chromlet
