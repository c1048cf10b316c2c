#include "ui/name_editor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "ui/latin1.h"
#include "ui/packed_color.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator || c == QChar(0x0085) || c == u'\v' || c == u'\f';
}

// How the font flag looks: the alternative font is slanted and underlined with dots.
void SetFontFlagFormat(QTextCharFormat& format, bool q3Font) {
    format.setProperty(NameEditor::Q3FontProperty, q3Font);
    format.setFontItalic(!q3Font);
    format.setFontUnderline(!q3Font);
    format.setUnderlineStyle(q3Font ? QTextCharFormat::NoUnderline : QTextCharFormat::DotLine);
}

}  // namespace

NameEditor::NameEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(UiFont(8.5));
    document()->setDocumentMargin(2);
    document()->setUndoRedoEnabled(true);

    QPalette pal = palette();
    const QColor grey(128, 128, 128);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, grey);
        pal.setColor(group, QPalette::Text, Qt::black);
    }
    // A style button takes the focus when clicked and acts on the selection, so the user must
    // still see the selection while the editor is not focused.
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    // contentsChange also reports format-only changes, which textChanged does not.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        stylesValid_ = false;
        emit styledTextChanged();
    });
}

QSize NameEditor::sizeHint() const {
    const int line = fontMetrics().height() + 2 * static_cast<int>(document()->documentMargin());
    return {QTextEdit::sizeHint().width(), line + 2 * frameWidth()};
}

std::string NameEditor::Text() const {
    // toRawText keeps non-breaking spaces, which toPlainText would turn into spaces.
    return ToLatin1(document()->toRawText());
}

std::size_t NameEditor::Length() const {
    return static_cast<std::size_t>(std::max(0, document()->characterCount() - 1));
}

Selection NameEditor::GetSelection() const {
    const QTextCursor cursor = textCursor();
    const auto start = static_cast<std::size_t>(cursor.selectionStart());
    return {start, static_cast<std::size_t>(cursor.selectionEnd()) - start};
}

void NameEditor::SetSelection(Selection selection) {
    const std::size_t length = Length();
    const std::size_t start = std::min(selection.start, length);
    const std::size_t end = start + std::min(selection.length, length - start);
    QTextCursor cursor = textCursor();
    // Keep the direction the user selected in: the caret stays at the selection's front when
    // it was there.
    const bool backwards = cursor.position() < cursor.anchor();
    cursor.setPosition(static_cast<int>(backwards ? end : start));
    cursor.setPosition(static_cast<int>(backwards ? start : end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

CharStyle NameEditor::StyleOf(const QTextCharFormat& format) const {
    const QBrush foreground = format.foreground();
    const QColor color =
        foreground.style() == Qt::NoBrush ? palette().color(QPalette::Text) : foreground.color();
    const QVariant flag = format.property(Q3FontProperty);
    return {ToPacked(color), flag.isValid() ? flag.toBool() : true};
}

const std::vector<CharStyle>& NameEditor::Styles() const {
    if (!stylesValid_) {
        styles_.clear();
        styles_.reserve(Length());
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (block != document()->begin()) {
                styles_.push_back(StyleOf(block.charFormat()));  // the block separator
            }
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                styles_.insert(styles_.end(), static_cast<std::size_t>(fragment.length()),
                               StyleOf(fragment.charFormat()));
            }
        }
        stylesValid_ = true;
    }
    return styles_;
}

CharStyle NameEditor::StyleAt(std::size_t position) const {
    return Styles().at(position);
}

void NameEditor::SetSelectionColor(PackedColor color) {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        return;
    }
    QTextCharFormat format;
    format.setForeground(ToQColor(color));
    cursor.mergeCharFormat(format);
}

void NameEditor::SetSelectionQ3Font(bool q3Font) {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        return;
    }
    QTextCharFormat format;
    SetFontFlagFormat(format, q3Font);
    cursor.mergeCharFormat(format);
}

void NameEditor::ReplaceStyledText(const StyledText& text) {
    const std::string chars = text.Text();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    for (const StyleRun& run : StyleRuns(text)) {
        QTextCharFormat format;
        format.setForeground(ToQColor(run.style.Color));
        SetFontFlagFormat(format, run.style.Q3Font);
        cursor.insertText(
            InsertableText(FromLatin1(std::string_view(chars).substr(run.start, run.length))),
            format);
    }
    cursor.endEditBlock();
    SetSelection({0, 0});
}

QString NameEditor::InsertableText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (!IsLineBreak(c) && c.unicode() <= 0xFF) {
            result.append(c);
        }
    }
    return result;
}

void NameEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && InsertableText(text) != text) {
        event->accept();  // a character the name cannot hold: swallow it
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void NameEditor::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = InsertableText(event->commitString());
    if (commit == event->commitString()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&filtered);
}

bool NameEditor::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void NameEditor::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    const QString text = InsertableText(source->text());
    if (!text.isEmpty()) {
        QTextCursor cursor = textCursor();
        cursor.insertText(text);
        setTextCursor(cursor);
    }
}

}  // namespace chromlet::ui
