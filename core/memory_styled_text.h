// A StyledText held in memory: the model without any window.
#pragma once

#include <string>
#include <vector>

#include "core/styled_text.h"

namespace chromlet {

class MemoryStyledText final : public StyledText {
  public:
    MemoryStyledText() = default;
    /// `text` with every character in `style`, nothing selected, the caret at 0.
    explicit MemoryStyledText(std::string text, CharStyle style = {});
    /// `text` with one style per character; `styles` must be as long as `text`.
    MemoryStyledText(std::string text, std::vector<CharStyle> styles);

    /// A copy of any StyledText (text, styles and selection) that leaves the original untouched.
    static MemoryStyledText CopyOf(const StyledText& other);

    std::string Text() const override { return text_; }
    std::size_t Length() const override { return text_.size(); }
    Selection GetSelection() const override { return selection_; }
    void SetSelection(Selection selection) override;
    CharStyle StyleAt(std::size_t position) const override { return styles_.at(position); }
    void SetSelectionColor(PackedColor color) override;
    void SetSelectionQ3Font(bool q3Font) override;

    const std::vector<CharStyle>& Styles() const { return styles_; }
    /// The first `count` characters with their styles (all of them for a larger count), nothing
    /// selected.
    MemoryStyledText Prefix(std::size_t count) const;

  private:
    std::string text_;
    std::vector<CharStyle> styles_;
    Selection selection_;
};

}  // namespace chromlet
