#include "core/styled_text.h"

namespace chromlet {

std::vector<StyleRun> StyleRuns(const StyledText& text) {
    std::vector<StyleRun> runs;
    const std::size_t length = text.Length();
    for (std::size_t i = 0; i < length; ++i) {
        const CharStyle style = text.StyleAt(i);
        if (!runs.empty() && runs.back().style == style) {
            ++runs.back().length;
        } else {
            runs.push_back({i, 1, style});
        }
    }
    return runs;
}

void InitialStyling(StyledText& text) {
    text.SetSelection({0, text.Length()});
    text.SetSelectionColor(PackedOf(PaletteColor::White));
    text.SetSelectionQ3Font(true);
    text.SetSelection({0, 0});
}

CharStyle TypingStyle(const StyledText& text) {
    const Selection selection = text.GetSelection();
    if (selection.length > 0) {
        return text.StyleAt(selection.start);
    }
    if (selection.start > 0) {
        return text.StyleAt(selection.start - 1);
    }
    if (text.Length() > 0) {
        return text.StyleAt(0);
    }
    return {PackedOf(PaletteColor::White), true};
}

void ApplyColor(StyledText& text, PackedColor color) {
    Selection sel = text.GetSelection();
    // Only the one character right before the selection is looked at, and only a plain space
    // counts: a tab or a non-breaking space is left alone.
    if (sel.start > 0 && static_cast<unsigned char>(text.Text()[sel.start - 1]) == 32) {
        sel = {sel.start - 1, sel.length + 1};
        text.SetSelection(sel);
    }
    text.SetSelectionColor(color);
}

void SetFontFlag(StyledText& text, bool q3Font) {
    text.SetSelectionQ3Font(q3Font);
}

bool IsUntouched(const StyledText& text, std::string_view startName) {
    if (text.Text() != startName) {
        return false;
    }
    for (std::size_t i = 0; i < text.Length(); ++i) {
        if (text.StyleAt(i) != CharStyle{PackedOf(PaletteColor::White), true}) {
            return false;
        }
    }
    return true;
}

}  // namespace chromlet
