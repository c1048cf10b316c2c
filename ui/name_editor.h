// The name editor: a one-line rich-text editor whose document is the styled name text itself.
#pragma once

#include <QTextEdit>

#include <vector>

#include "core/styled_text.h"

namespace chromlet::ui {

/// Every character's colour is its foreground; the font flag is a user property of its format,
/// shown as italic with a dotted underline for the alternative font. Style changes go through
/// QTextCursor, so they undo together with typing. Only ISO 8859-1 characters and no line
/// breaks get in: each character must be one byte of a single configuration line.
class NameEditor : public QTextEdit, public StyledText {
    Q_OBJECT

  public:
    /// The format property that holds the font flag (true: standard font). A character without
    /// it is in the standard font.
    static constexpr int Q3FontProperty = QTextFormat::UserProperty + 1;

    explicit NameEditor(QWidget* parent = nullptr);

    std::string Text() const override;
    std::size_t Length() const override;
    Selection GetSelection() const override;
    void SetSelection(Selection selection) override;
    CharStyle StyleAt(std::size_t position) const override;
    void SetSelectionColor(PackedColor color) override;
    void SetSelectionQ3Font(bool q3Font) override;

    /// Replaces the whole text and its styles in one undoable step, leaving the caret at 0 and
    /// nothing selected. Characters the editor cannot hold (line breaks) are left out.
    void ReplaceStyledText(const StyledText& text);

    /// What a typed, pasted or dropped string becomes: line breaks and characters outside
    /// ISO 8859-1 are dropped.
    static QString InsertableText(const QString& text);

    QSize sizeHint() const override;

  signals:
    /// The text or any character's style changed (typing, pasting, undo, a style button).
    void styledTextChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    CharStyle StyleOf(const QTextCharFormat& format) const;
    const std::vector<CharStyle>& Styles() const;

    // Every character's style, read from the document's fragments in one sweep the first time
    // a style is asked for after a change. Reading styles one by one through a cursor would
    // lay out the line for each character.
    mutable std::vector<CharStyle> styles_;
    mutable bool stylesValid_ = false;
};

}  // namespace chromlet::ui
