#include "ui/name_editor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolTip>

#include <algorithm>

#include "core/char_rules.h"
#include "core/memory_styled_text.h"
#include "ui/latin1.h"
#include "ui/packed_color.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

// How long a note about refused input stays at the caret.
constexpr int NoteMilliseconds = 5000;
// At most this many refused characters are named in a note.
constexpr int NamedCharacters = 3;

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
    setCursorWidth(0);  // the editor draws its own caret
    document()->setDocumentMargin(2);
    document()->setUndoRedoEnabled(true);

    QPalette pal = palette();
    const QColor grey(128, 128, 128);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, grey);
        pal.setColor(group, QPalette::Text, Qt::black);
        pal.setColor(group, QPalette::Highlight, SelectionColor());
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(pal);

    // contentsChange also reports format-only changes, which textChanged does not.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        stylesValid_ = false;
        emit StyledTextChanged();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, &NameEditor::RestartCaretBlink);
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
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    QStringList notes;
    InsertRuns(cursor, text, notes);
    cursor.endEditBlock();
    SetSelection({0, 0});
    if (!notes.isEmpty()) {
        ShowNote(notes.join(QLatin1Char('\n')));
    }
}

void NameEditor::InsertStyledText(const StyledText& text) {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QStringList notes;
    InsertRuns(cursor, text, notes);
    cursor.endEditBlock();
    setTextCursor(cursor);
    if (!notes.isEmpty()) {
        ShowNote(notes.join(QLatin1Char('\n')));
    }
}

// Replaces the cursor's selection with `text`, run by run, each in its own style.
void NameEditor::InsertRuns(QTextCursor& cursor, const StyledText& text, QStringList& notes) {
    cursor.removeSelectedText();
    const std::string chars = text.Text();
    for (const StyleRun& run : StyleRuns(text)) {
        QTextCharFormat format;
        format.setForeground(ToQColor(run.style.Color));
        SetFontFlagFormat(format, run.style.Q3Font);
        const Insertable in =
            InsertableText(FromLatin1(std::string_view(chars).substr(run.start, run.length)));
        if (!in.note.isEmpty() && !notes.contains(in.note)) {
            notes << in.note;
        }
        cursor.insertText(in.text, format);
    }
}

void NameEditor::SetStyles(const std::vector<CharStyle>& styles) {
    const std::size_t length = std::min(styles.size(), Length());
    const std::vector<CharStyle> current = Styles();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (std::size_t start = 0; start < length;) {
        std::size_t end = start + 1;
        while (end < length && styles[end] == styles[start]) {
            ++end;
        }
        if (!std::equal(styles.begin() + static_cast<std::ptrdiff_t>(start),
                        styles.begin() + static_cast<std::ptrdiff_t>(end),
                        current.begin() + static_cast<std::ptrdiff_t>(start))) {
            cursor.setPosition(static_cast<int>(start));
            cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setForeground(ToQColor(styles[start].Color));
            SetFontFlagFormat(format, styles[start].Q3Font);
            cursor.mergeCharFormat(format);
        }
        start = end;
    }
    cursor.endEditBlock();
}

void NameEditor::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (!contextActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(contextActions_);
    }
    menu->setToolTipsVisible(true);
    menu->exec(event->globalPos());
}

NameEditor::Insertable NameEditor::InsertableText(const QString& text, bool lineBreaksToSpaces) {
    Insertable result;
    result.text.reserve(text.size());
    QStringList notLatin1;
    bool quote = false;
    bool lineBreak = false;
    const QList<uint> chars = text.toUcs4();
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const auto c = static_cast<char32_t>(chars[i]);
        switch (CheckNameChar(c)) {
            case NameCharFault::None:
                result.text.append(QChar(static_cast<char16_t>(c)));
                break;
            case NameCharFault::LineBreak:
                lineBreak = true;
                // CR LF is one line break, and so one space.
                if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n') {
                    ++i;
                }
                if (lineBreaksToSpaces) {
                    result.text.append(QLatin1Char(' '));
                }
                break;
            case NameCharFault::DoubleQuote:
                quote = true;
                break;
            case NameCharFault::NotLatin1: {
                const QString shown = QString::fromUcs4(&c, 1);
                if (!notLatin1.contains(shown)) {
                    notLatin1.append(shown);
                }
                break;
            }
        }
    }

    QStringList notes;
    if (!notLatin1.isEmpty()) {
        const bool many = notLatin1.size() > 1;
        QStringList named = notLatin1.mid(0, NamedCharacters);
        if (notLatin1.size() > NamedCharacters) {
            named.append(QStringLiteral("\u2026"));
        }
        notes << (many ? tr("%1 are not characters the game can show; they were left out.")
                       : tr("%1 is not a character the game can show; it was left out."))
                     .arg(named.join(QStringLiteral(" ")));
    }
    if (quote) {
        notes << tr(
            "A name cannot hold a double quote (\"): it would end the name early in "
            "q3config.cfg. It was left out.");
    }
    if (lineBreak) {
        notes << (lineBreaksToSpaces ? tr("A name is one line: each line break became a space.")
                                     : tr("A name is one line: the line break was left out."));
    }
    result.note = notes.join(QLatin1Char('\n'));
    return result;
}

void NameEditor::ShowNote(const QString& note) {
    lastNote_ = note;
    const QRect caret = CharacterRect(textCursor().position());
    QToolTip::showText(viewport()->mapToGlobal(caret.bottomLeft() + QPoint(0, 4)), note, this, {},
                       NoteMilliseconds);
    emit InputNoted(note);
}

// A name typed into an emptied editor starts as every name does: white, standard font. Without
// this the empty line's own format, which has no colour, would make it black.
void NameEditor::StartWithInitialStyle() {
    if (!document()->isEmpty()) {
        return;
    }
    QTextCharFormat format;
    format.setForeground(ToQColor(PackedOf(PaletteColor::White)));
    SetFontFlagFormat(format, true);
    setCurrentCharFormat(format);
}

void NameEditor::keyPressEvent(QKeyEvent* event) {
    RestartCaretBlink();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ShowNote(InsertableText(QStringLiteral("\n"), false).note);
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        StartWithInitialStyle();
        const Insertable in = InsertableText(text, false);
        if (!in.note.isEmpty()) {
            event->accept();
            if (!in.text.isEmpty()) {
                textCursor().insertText(in.text);
            }
            ShowNote(in.note);
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void NameEditor::inputMethodEvent(QInputMethodEvent* event) {
    const Insertable in = InsertableText(event->commitString(), false);
    StartWithInitialStyle();
    if (in.note.isEmpty()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(in.text, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&filtered);
    ShowNote(in.note);
}

bool NameEditor::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasFormat(QLatin1String(StyledMimeType)) || source->hasText() ||
           source->hasHtml();
}

// Five bytes a character: the character's byte, red, green, blue, and 1 for the standard font.
QMimeData* NameEditor::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    const QTextCursor cursor = textCursor();
    const auto start = static_cast<std::size_t>(cursor.selectionStart());
    const auto end = static_cast<std::size_t>(cursor.selectionEnd());
    const std::string chars = Text().substr(start, end - start);
    QByteArray styled;
    styled.reserve(static_cast<qsizetype>(chars.size() * 5));
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const CharStyle style = StyleAt(start + i);
        for (unsigned byte :
             {static_cast<unsigned>(static_cast<unsigned char>(chars[i])), RedOf(style.Color),
              GreenOf(style.Color), BlueOf(style.Color), style.Q3Font ? 1u : 0u}) {
            styled.append(static_cast<char>(byte));
        }
    }
    mime->setData(QLatin1String(StyledMimeType), styled);
    mime->setText(FromLatin1(chars));  // bytes as they are: no-break spaces stay
    return mime;
}

bool NameEditor::InsertStyledMime(const QMimeData* source) {
    const QByteArray styled = source->data(QLatin1String(StyledMimeType));
    if (styled.isEmpty() || styled.size() % 5 != 0) {
        return false;  // not ours, or damaged: fall back to the plain text
    }
    std::string chars;
    std::vector<CharStyle> styles;
    for (qsizetype i = 0; i < styled.size(); i += 5) {
        const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(styled[i + k]); };
        chars.push_back(static_cast<char>(byte(0)));
        styles.push_back({PackColor(byte(1), byte(2), byte(3)), byte(4) != 0});
    }
    InsertStyledText(MemoryStyledText(chars, styles));
    return true;
}

void NameEditor::insertFromMimeData(const QMimeData* source) {
    if (source->hasFormat(QLatin1String(StyledMimeType)) && InsertStyledMime(source)) {
        return;
    }
    // A clipboard that holds only HTML still has text in it.
    const QString plain = source->hasText() ? source->text()
                          : source->hasHtml()
                              ? QTextDocumentFragment::fromHtml(source->html()).toRawText()
                              : QString();
    const Insertable in = InsertableText(plain);
    if (!in.text.isEmpty()) {
        StartWithInitialStyle();
        QTextCursor cursor = textCursor();
        cursor.insertText(in.text);
        setTextCursor(cursor);
    }
    if (!in.note.isEmpty()) {
        ShowNote(in.note);
    }
}

// The rectangle of the character at `position` (its left edge and height for the end of the
// text), in viewport coordinates.
QRect NameEditor::CharacterRect(int position) const {
    const QTextBlock block = document()->findBlock(position);
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) {
        return cursorRect();
    }
    const int inBlock = position - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid()) {
        return cursorRect();
    }
    const QPointF origin =
        layout->position() - QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const qreal left = line.cursorToX(inBlock);
    const qreal right = inBlock < block.length() - 1 ? line.cursorToX(inBlock + 1) : left;
    return QRectF(origin.x() + left, origin.y() + line.y(), right - left, line.height())
        .toAlignedRect();
}

void NameEditor::RestartCaretBlink() {
    caretShown_ = hasFocus();
    const int flash = QApplication::cursorFlashTime();
    if (caretShown_ && flash > 0) {
        caretBlink_.start(flash / 2, this);
    } else {
        caretBlink_.stop();
    }
    viewport()->update();
}

void NameEditor::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    RestartCaretBlink();
}

void NameEditor::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    RestartCaretBlink();
}

void NameEditor::timerEvent(QTimerEvent* event) {
    if (event->timerId() == caretBlink_.timerId()) {
        caretShown_ = !caretShown_;
        viewport()->update();
        return;
    }
    QTextEdit::timerEvent(event);
}

void NameEditor::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    PaintHighCharacterMarks(painter);
    if (caretShown_ && hasFocus()) {
        PaintCaret(painter);
    }
}

// White with a dark edge: plain on the grey background and on every palette colour.
void NameEditor::PaintCaret(QPainter& painter) const {
    const QRect at = CharacterRect(textCursor().position());
    painter.fillRect(QRect(at.left() - 1, at.top(), 4, at.height()), QColor(16, 16, 16));
    painter.fillRect(QRect(at.left(), at.top() + 1, 2, at.height() - 2), Qt::white);
}

void NameEditor::SetArrivesAsDots(bool arrivesAsDots) {
    if (arrivesAsDots != arrivesAsDots_) {
        arrivesAsDots_ = arrivesAsDots;
        viewport()->update();
    }
}

bool NameEditor::IsMarked(std::size_t position) const {
    return Marks(static_cast<unsigned char>(Text()[position]), StyleAt(position).Q3Font);
}

bool NameEditor::Marks(unsigned char code, bool q3Font) const {
    if (arrivesAsDots_) {
        return code >= 0x80 || code == '%' || !q3Font;
    }
    return code >= 0x80 && q3Font;
}

// A thin line under each marked character: in the test release the game draws characters 128 to
// 255 from its alternative font, whatever the editor shows for them; the later engines' network
// turns them into dots (the alternative font's own dotted line stays).
void NameEditor::PaintHighCharacterMarks(QPainter& painter) const {
    const std::string chars = Text();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (!Marks(static_cast<unsigned char>(chars[i]), StyleAt(i).Q3Font)) {
            continue;
        }
        const QRect at = CharacterRect(static_cast<int>(i));
        painter.fillRect(QRect(at.left(), at.bottom() - 1, std::max(at.width(), 2), 1),
                         QColor(230, 230, 230));
    }
}

bool NameEditor::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QTextEdit::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint inViewport = viewport()->mapFrom(this, help->pos()) +
                              QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int position = document()->documentLayout()->hitTest(inViewport, Qt::ExactHit);
    const std::string chars = Text();
    if (position < 0 || static_cast<std::size_t>(position) >= chars.size() ||
        !IsMarked(static_cast<std::size_t>(position))) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const auto code = static_cast<unsigned char>(chars[static_cast<std::size_t>(position)]);
    if (arrivesAsDots_) {
        QToolTip::showText(help->globalPos(),
                           tr("%1: the game's network turns it into a dot (.), which the game "
                              "and the other players get instead.")
                               .arg(QChar(static_cast<char16_t>(code))),
                           this);
        return true;
    }
    const QChar drawn(static_cast<char16_t>(code - 0x80));
    const QString shown = drawn.isPrint() ? QStringLiteral("\u201C%1\u201D").arg(drawn)
                                          : tr("character %1").arg(code - 0x80);
    QToolTip::showText(help->globalPos(),
                       tr("%1 (code %2): the game draws it from its alternative font, as %3.")
                           .arg(QChar(static_cast<char16_t>(code)))
                           .arg(code)
                           .arg(shown),
                       this);
    return true;
}

}  // namespace chromlet::ui
