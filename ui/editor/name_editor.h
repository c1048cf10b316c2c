// The name editor: a one-line rich-text editor whose document is the styled name text itself.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QTextEdit>

#include <vector>

#include "core/name_fit.h"
#include "core/name_input.h"
#include "core/styled_clip.h"
#include "core/styled_text.h"

namespace chromlet::ui {

class ClipboardWatch;
class NoteBubble;

/// Every character's colour is its foreground; the font flag is a user property of its format,
/// shown as italic with a dotted underline for the alternative font. Style changes go through
/// QTextCursor, so they undo together with typing. Only what a name may hold gets in (ISO
/// 8859-1 without line breaks, double quotes and control characters, no more than its
/// configuration line holds for the game to read it whole), and whatever is refused, cut or
/// changed on the way in is said in a short note at the caret. Every character is drawn over a
/// black shadow, as the game draws it.
class NameEditor : public QTextEdit, public StyledText {
    Q_OBJECT

  public:
    /// The format property that holds the font flag (true: standard font). A character without
    /// it is in the standard font.
    static constexpr int Q3FontProperty = QTextFormat::UserProperty + 1;
    /// The clipboard format that carries characters with their colours and font flags, so that
    /// a styled part copied from one editor pastes with its styles into either.
    static QString StyledMimeType() { return QLatin1String(StyledClipMimeType); }
    /// The selection's colour, focused or not: a style button takes the focus when clicked and
    /// acts on the selection, so the user must still see what is selected.
    static QColor SelectionColor() { return QColor(40, 70, 160); }
    /// The line under the characters the game will not show as typed.
    static QColor MarkColor() { return QColor(230, 230, 230); }

    explicit NameEditor(QWidget* parent = nullptr);

    std::string Text() const override;
    std::size_t Length() const override;
    Selection GetSelection() const override;
    void SetSelection(Selection selection) override;
    CharStyle StyleAt(std::size_t position) const override;
    void SetSelectionColor(PackedColor color) override;
    void SetSelectionQ3Font(bool q3Font) override;

    /// Replaces the whole text and its styles in one undoable step, leaving the caret at 0 and
    /// nothing selected. Characters a name cannot hold are left out, and so is what does not fit
    /// its configuration line; the note that says so is returned, not shown (empty when nothing
    /// was left out), so that a caller that fills both editors can say it once.
    QString ReplaceStyledText(const StyledText& text);
    /// Puts `text` with its styles at the caret, in place of the selection, in one undoable step;
    /// characters a name cannot hold and what does not fit are left out. One note says what was
    /// left out here, together with `leftOut` (what the caller left out on the way) and `first`
    /// (a sentence of the caller's own), unless all three are empty.
    void InsertStyledText(const StyledText& text, const LeftOut& leftOut = {},
                          const QString& first = {});
    /// Gives every character the style at its position in `styles` (one per character), in one
    /// undoable step, without moving the caret or the selection. Only runs that change are
    /// touched, each with one format merge.
    void SetStyles(const std::vector<CharStyle>& styles);
    /// Whether the character at `position` carries a mark, and so a tool tip of its own: what
    /// the game does with it (MarkOf), where that is not what the editor shows.
    bool IsMarked(std::size_t position) const;
    /// The configuration line the name goes into: its game and its start, and the editor
    /// encoded before this one in a show-code run (null for none), whose digit this one carries
    /// on with. Nothing gets in that would make the line longer than the game reads whole, and
    /// the characters the game does not show as typed are marked.
    void SetNameLine(TargetGame target, std::string_view lineStart,
                     const StyledText* encodedBefore = nullptr);
    /// The line as it stands, with the digit the editor encoded before leaves.
    NameLine Line() const;

    /// Actions the context menu offers below the standard ones.
    void SetContextActions(QList<QAction*> actions) { contextActions_ = std::move(actions); }

    /// The note for a clipboard whose owner does not answer.
    static QString NoAnswerNote();

    /// Where pastes from the clipboard are read; the application's clipboard unless set.
    void SetClipboardWatch(ClipboardWatch* watch) { clipboard_ = watch; }
    ClipboardWatch* Clipboard() const { return clipboard_; }
    /// Whether Paste may find something on the clipboard, without asking it.
    bool MayPaste() const;

    /// Shows a short note at the caret, never a box; a menu closing or a file chooser ending
    /// after it does not take it away.
    void ShowNote(const QString& note);
    /// The note on the screen now; null before the first.
    const NoteBubble* Note() const { return note_; }
    /// The last note the editor showed; empty before any.
    const QString& LastNote() const { return lastNote_; }

    QSize sizeHint() const override;

  signals:
    /// The text or any character's style changed (typing, pasting, undo, a style button).
    void StyledTextChanged();
    /// Something typed or pasted was refused or changed; `note` says what and why.
    void InputNoted(const QString& note);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    /// What a string becomes on its way into a name, and what the user is told about it.
    struct Insertable {
        QString text;
        QString note;  ///< empty when nothing was refused, changed or cut
    };
    Insertable InsertableText(const QString& text, LineBreaks lineBreaks,
                              LeftOut leftOut = {}) const;
    std::size_t Room() const;
    /// How much of `insert`, put in place of the selection, the configuration line has room for;
    /// notes in `leftOut` when that is not all of it.
    std::size_t FitToLine(const StyledText& insert, Selection replaced, LeftOut& leftOut) const;
    CharStyle StyleOf(const QTextCharFormat& format) const;
    const std::vector<CharStyle>& Styles() const;
    void StartWithInitialStyle();
    /// Puts typed text in place of the selection, and shows its note.
    void TypeText(const Insertable& in);
    void InsertRuns(QTextCursor& cursor, const MemoryStyledText& text);
    void ApplyMarks();
    void RestartCaretBlink();
    void DrawLayers();
    void PaintCaret(QPainter& painter) const;
    QRect CharacterRect(int position) const;

    // Every character's style, read from the document's fragments in one sweep the first time
    // a style is asked for after a change. Reading styles one by one through a cursor would
    // lay out the line for each character.
    mutable std::vector<CharStyle> styles_;
    mutable bool stylesValid_ = false;
    QString lastNote_;
    NoteBubble* note_ = nullptr;
    QList<QAction*> contextActions_;
    // Qt draws the caret by inverting the pixels under it, which on the mid-grey background
    // gives mid-grey; the editor draws its own and blinks it itself.
    QBasicTimer caretBlink_;
    bool caretShown_ = false;
    TargetGame target_ = TargetGame::Q3Test;
    std::string_view lineStart_ = NameLineStart;
    const StyledText* encodedBefore_ = nullptr;
    ClipboardWatch* clipboard_;
    // The text as last drawn, and its shadow: the caret's blink and a new selection repaint the
    // editor without a change to the text, and need not draw it again.
    QImage text_;
    QImage shadow_;
    QPoint layersScrolled_;
    bool layersValid_ = false;
    bool dragging_ = false;  // a drop would land in the editor, which Qt marks as it draws
};

}  // namespace chromlet::ui
