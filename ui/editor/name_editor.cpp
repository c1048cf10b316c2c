#include "ui/editor/name_editor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

#include "config/left_out_note.h"
#include "core/char_rules.h"
#include "core/config_limits.h"
#include "core/html_text.h"
#include "core/memory_styled_text.h"
#include "core/styled_clip.h"
#include "ui/common/latin1.h"
#include "ui/common/packed_color.h"
#include "ui/common/ui_font.h"
#include "ui/editor/clipboard_watch.h"
#include "ui/editor/note_bubble.h"

namespace chromlet::ui {

namespace {

// How long a note stays at the caret: long enough to read it, a sentence of two taking longer.
int NoteMilliseconds(const QString& note) {
    return std::clamp(2000 + 60 * static_cast<int>(note.size()), 5000, 15000);
}

std::u16string_view Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The keys QTextEdit turns into text, by its own rule (QInputControl::isAcceptableInput). Tab
// is not among them: it moves the focus.
bool WouldInsert(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return false;
    }
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format) {
        return true;
    }
    if (event.modifiers() == Qt::ControlModifier ||
        event.modifiers() == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return c.isPrint() || c.category() == QChar::Other_PrivateUse || c == u'\t' ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

// How the font flag looks: the alternative font is slanted and underlined with dots.
void SetFontFlagFormat(QTextCharFormat& format, bool q3Font) {
    format.setProperty(NameEditor::Q3FontProperty, q3Font);
    format.setFontItalic(!q3Font);
    format.setFontUnderline(!q3Font);
    format.setUnderlineStyle(q3Font ? QTextCharFormat::NoUnderline : QTextCharFormat::DotLine);
}

QTextCharFormat FormatOf(CharStyle style) {
    QTextCharFormat format;
    format.setForeground(ToQColor(style.Color));
    SetFontFlagFormat(format, style.Q3Font);
    return format;
}

}  // namespace

NameEditor::NameEditor(QWidget* parent)
    : QTextEdit(parent), clipboard_(ClipboardWatch::ForApplication()) {
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
        ApplyMarks();
        emit StyledTextChanged();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, &NameEditor::RestartCaretBlink);
    // Whatever changes how the text is laid out (text, styles, marks, font) changes its shadow.
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::update, this,
            [this] { layersValid_ = false; });
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

// What is left of a name's MaxNameChars once the selection is replaced.
std::size_t NameEditor::Room() const {
    const std::size_t kept = Length() - GetSelection().length;
    return kept < MaxNameChars ? MaxNameChars - kept : 0;
}

void NameEditor::SetNameLine(TargetGame target, std::string_view lineStart,
                             const StyledText* encodedBefore) {
    lineStart_ = lineStart;
    encodedBefore_ = encodedBefore;
    if (target != target_) {
        target_ = target;
        ApplyMarks();
        viewport()->update();
    }
}

NameLine NameEditor::Line() const {
    NameLine line{target_, lineStart_, {}};
    if (encodedBefore_) {
        MemoryStyledText before = MemoryStyledText::CopyOf(*encodedBefore_);
        BuildCode(target_, before, line.digitBefore);
    }
    return line;
}

std::size_t NameEditor::FitToLine(const StyledText& insert, Selection replaced,
                                  LeftOut& leftOut) const {
    const std::size_t fits = FittingLength(Line(), *this, replaced, insert);
    if (fits < insert.Length()) {
        leftOut.lineFull = true;
    }
    return fits;
}

QString NameEditor::ReplaceStyledText(const StyledText& text) {
    LeftOut leftOut;
    MemoryStyledText accepted = AcceptStyled(text, MaxNameChars, leftOut);
    const std::size_t fits = FitToLine(accepted, {0, Length()}, leftOut);
    accepted = accepted.Prefix(fits);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    InsertRuns(cursor, accepted);
    cursor.endEditBlock();
    SetSelection({0, 0});
    return leftOut.Any() ? LeftOutNote(leftOut, LineBreaks::LeftOut) : QString();
}

void NameEditor::InsertStyledText(const StyledText& text, const LeftOut& leftOut,
                                  const QString& first) {
    LeftOut all = leftOut;
    MemoryStyledText accepted = AcceptStyled(text, Room(), all);
    const std::size_t fits = FitToLine(accepted, GetSelection(), all);
    accepted = accepted.Prefix(fits);
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    InsertRuns(cursor, accepted);
    cursor.endEditBlock();
    setTextCursor(cursor);
    QStringList notes;
    if (!first.isEmpty()) {
        notes << first;
    }
    if (all.Any()) {
        notes << LeftOutNote(all, LineBreaks::LeftOut);
    }
    if (!notes.isEmpty()) {
        ShowNote(notes.join(QLatin1Char('\n')));
    }
}

// Replaces the cursor's selection with `text`, run by run, each in its own style.
void NameEditor::InsertRuns(QTextCursor& cursor, const MemoryStyledText& text) {
    cursor.removeSelectedText();
    const std::string chars = text.Text();
    for (const StyleRun& run : StyleRuns(text)) {
        cursor.insertText(FromLatin1(std::string_view(chars).substr(run.start, run.length)),
                          FormatOf(run.style));
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
            cursor.mergeCharFormat(FormatOf(styles[start]));
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

NameEditor::Insertable NameEditor::InsertableText(const QString& text, LineBreaks lineBreaks,
                                                  LeftOut leftOut) const {
    Insertable result;
    std::string bytes = AcceptText(Utf16(text), lineBreaks, Room(), leftOut);
    // Typed and plain pasted text takes the style the cursor gives it.
    const MemoryStyledText insert(bytes, StyleOf(textCursor().charFormat()));
    bytes.resize(FitToLine(insert, GetSelection(), leftOut));
    result.text = FromLatin1(bytes);
    result.note = LeftOutNote(leftOut, lineBreaks);
    return result;
}

QString NameEditor::NoAnswerNote() {
    return tr(
        "The program that holds the clipboard does not answer, so nothing was pasted. Copy "
        "the text again, then paste.");
}

void NameEditor::ShowNote(const QString& note) {
    lastNote_ = note;
    if (!note_) {
        note_ = new NoteBubble(this);
    }
    const QRect caret = CharacterRect(textCursor().position());
    note_->Show(note, viewport()->mapToGlobal(caret.bottomLeft() + QPoint(0, 4)),
                NoteMilliseconds(note));
    emit InputNoted(note);
}

// A name typed into an emptied editor starts as every name does: white, standard font. Without
// this the empty line's own format, which has no colour, would make it black.
void NameEditor::StartWithInitialStyle() {
    if (!document()->isEmpty()) {
        return;
    }
    setCurrentCharFormat(FormatOf(TypingStyle(*this)));
}

void NameEditor::keyPressEvent(QKeyEvent* event) {
    RestartCaretBlink();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ShowNote(InsertableText(QStringLiteral("\n"), LineBreaks::LeftOut).note);
        event->ignore();
        return;
    }
    if (WouldInsert(*event)) {
        StartWithInitialStyle();
        const Insertable in = InsertableText(event->text(), LineBreaks::LeftOut);
        if (!in.note.isEmpty() || textCursor().hasSelection()) {
            event->accept();
            TypeText(in);
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

// Text typed over a selection takes the style of the selection's first character, as word
// processors do: a name typed over a whole old one starts from its beginning, not from its last
// character, which is what Qt would take. At a caret Qt's own choice is the same as TypingStyle.
void NameEditor::TypeText(const Insertable& in) {
    QTextCursor cursor = textCursor();
    if (!in.text.isEmpty() && cursor.hasSelection()) {
        cursor.insertText(in.text, FormatOf(TypingStyle(*this)));
        setTextCursor(cursor);
    } else if (!in.text.isEmpty()) {
        cursor.insertText(in.text);
    }
    if (!in.note.isEmpty()) {
        ShowNote(in.note);
    }
}

void NameEditor::inputMethodEvent(QInputMethodEvent* event) {
    const Insertable in = InsertableText(event->commitString(), LineBreaks::LeftOut);
    StartWithInitialStyle();
    if (textCursor().hasSelection() && event->preeditString().isEmpty() &&
        event->replacementLength() == 0 && !event->commitString().isEmpty()) {
        event->accept();
        TypeText(in);
        return;
    }
    if (in.note.isEmpty()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(in.text, event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&filtered);
    ShowNote(in.note);
}

bool NameEditor::MayPaste() const {
    return clipboard_->MayPaste();
}

// The clipboard's own data is judged by what the watch knows: asking another program's clipboard
// here would stall the context menu and the Edit menu for as long as that program takes.
bool NameEditor::canInsertFromMimeData(const QMimeData* source) const {
    return source == clipboard_->Data() ? clipboard_->MayPaste()
                                        : ClipboardWatch::HasPasteFormat(source->formats());
}

QMimeData* NameEditor::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    const Selection selection = GetSelection();
    const std::string styled = StyledClipOf(*this, selection.start, selection.length);
    mime->setData(StyledMimeType(),
                  QByteArray(styled.data(), static_cast<qsizetype>(styled.size())));
    // Bytes as they are: no-break spaces stay.
    mime->setText(FromLatin1(Text().substr(selection.start, selection.length)));
    return mime;
}

// Each format is asked for once at most, the formats once per change of the clipboard: another
// program's clipboard answers every question through that program.
void NameEditor::insertFromMimeData(const QMimeData* source) {
    const bool fromClipboard = source == clipboard_->Data();
    const QStringList formats = fromClipboard ? clipboard_->Formats() : source->formats();
    const auto read = [&](const QString& format) {
        return fromClipboard ? clipboard_->Read(format) : source->data(format);
    };
    LeftOut leftOut;
    bool damaged = false;
    const QString styledType = StyledMimeType();
    if (formats.contains(styledType)) {
        const QByteArray data = read(styledType);
        bool cut = false;
        const std::optional<MemoryStyledText> styled = ReadStyledClip(
            std::string_view(data.constData(), static_cast<std::size_t>(data.size())), MaxNameChars,
            cut);
        if (styled) {
            leftOut.cut = cut;
            InsertStyledText(*styled, leftOut);
            return;
        }
        damaged = true;  // not ours after all: fall back to the text
    }
    QString plain;
    if (formats.contains(QStringLiteral("text/plain")) ||
        formats.contains(QStringLiteral("text/uri-list"))) {
        plain = fromClipboard ? clipboard_->Text() : source->text();
    } else if (formats.contains(QStringLiteral("text/html"))) {
        bool unread = false;
        const std::u16string text =
            HtmlText(Utf16(fromClipboard ? clipboard_->Html() : source->html()), &unread);
        plain = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        leftOut.cut = unread;
    }
    if (fromClipboard && clipboard_->Silent()) {
        ShowNote(NoAnswerNote());
        return;
    }
    if (plain.isEmpty()) {
        ShowNote(damaged ? tr("The clipboard's coloured name is damaged and it holds no text; "
                              "nothing was pasted.")
                         : tr("The clipboard holds no text to paste."));
        return;
    }
    const Insertable in = InsertableText(plain, LineBreaks::BecomeSpaces, leftOut);
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

// The text is laid out once and drawn once, into a layer; a black copy of it goes one pixel
// right and down, under the text, as the game draws every character over its shadow so that each
// colour reads on any background. Where Qt must draw more than the text (a selection, the place
// a drop would land), it draws the text itself over the shadow.
void NameEditor::paintEvent(QPaintEvent* event) {
    DrawLayers();
    const bool qtDraws = textCursor().hasSelection() || dragging_;
    {
        QPainter painter(viewport());
        painter.setClipRect(event->rect());
        painter.drawImage(QPoint(1, 1), shadow_);
        if (!qtDraws) {
            painter.drawImage(QPoint(0, 0), text_);
        }
    }
    if (qtDraws) {
        QTextEdit::paintEvent(event);
    }
    if (caretShown_ && hasFocus()) {
        QPainter painter(viewport());
        PaintCaret(painter);
    }
}

void NameEditor::DrawLayers() {
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize size = viewport()->size() * ratio;
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    if (layersValid_ && text_.size() == size && text_.devicePixelRatio() == ratio &&
        layersScrolled_ == scrolled) {
        return;
    }
    text_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    text_.setDevicePixelRatio(ratio);
    text_.fill(Qt::transparent);
    {
        QPainter painter(&text_);
        painter.translate(-scrolled);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = palette();
        context.clip = QRectF(viewport()->rect().translated(scrolled));
        document()->documentLayout()->draw(&painter, context);
    }
    shadow_ = text_.copy();
    {
        QPainter painter(&shadow_);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(viewport()->rect(), Qt::black);
    }
    layersScrolled_ = scrolled;
    layersValid_ = true;
}

void NameEditor::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        layersValid_ = false;
    }
    QTextEdit::changeEvent(event);
}

void NameEditor::dragEnterEvent(QDragEnterEvent* event) {
    dragging_ = true;
    QTextEdit::dragEnterEvent(event);
}

void NameEditor::dragLeaveEvent(QDragLeaveEvent* event) {
    dragging_ = false;
    QTextEdit::dragLeaveEvent(event);
}

void NameEditor::dropEvent(QDropEvent* event) {
    dragging_ = false;
    QTextEdit::dropEvent(event);
}

// White with a dark edge: plain on the grey background and on every palette colour.
void NameEditor::PaintCaret(QPainter& painter) const {
    const QRect at = CharacterRect(textCursor().position());
    painter.fillRect(QRect(at.left() - 1, at.top(), 4, at.height()), QColor(16, 16, 16));
    painter.fillRect(QRect(at.left(), at.top() + 1, 2, at.height() - 2), Qt::white);
}

bool NameEditor::IsMarked(std::size_t position) const {
    return MarkOf(target_, static_cast<unsigned char>(Text()[position]),
                  StyleAt(position).Q3Font) != CharMark::None;
}

// A thin line under each marked character: in the test release the game draws characters 128 to
// 255 from its alternative font, whatever the editor shows for them; the later engines' network
// turns them into dots (the alternative font keeps its own dotted line, in the mark's colour).
// The lines are formats the text layout draws with the text, in the same pass, so that they cost
// no more than the text.
void NameEditor::ApplyMarks() {
    QTextCharFormat underlined;
    underlined.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    underlined.setUnderlineColor(MarkColor());
    QTextCharFormat dotted;
    dotted.setUnderlineColor(MarkColor());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout* layout = block.layout();
        if (!layout || !layout->preeditAreaText().isEmpty()) {
            continue;  // an input method is composing there and has formats of its own
        }
        QList<QTextLayout::FormatRange> marks;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool q3Font = StyleOf(fragment.charFormat()).Q3Font;
            const QTextCharFormat& mark = q3Font ? underlined : dotted;
            const QString text = fragment.text();
            const int start = fragment.position() - block.position();
            for (qsizetype k = 0; k < text.size(); ++k) {
                if (text[k].unicode() > 0xFF ||
                    MarkOf(target_, static_cast<uchar>(text[k].unicode()), q3Font) ==
                        CharMark::None) {
                    continue;
                }
                const int at = start + static_cast<int>(k);
                QTextLayout::FormatRange* last = marks.isEmpty() ? nullptr : &marks.last();
                if (last && last->start + last->length == at && last->format == mark) {
                    ++last->length;
                } else {
                    marks.append({at, 1, mark});
                }
            }
        }
        if (layout->formats() != marks) {
            layout->setFormats(marks);
            document()->markContentsDirty(block.position(), block.length());
        }
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
    if (MarkOf(target_, code, StyleAt(static_cast<std::size_t>(position)).Q3Font) ==
        CharMark::ArrivesAsDot) {
        QToolTip::showText(help->globalPos(),
                           tr("%1: the game's network turns it into a dot (.), which the game "
                              "and the other players get instead.")
                               .arg(QChar(static_cast<char16_t>(code))),
                           this);
        return true;
    }
    const NameChar glyph = CharOfByte(code);
    const QChar drawn(static_cast<char16_t>(glyph.code));
    const QString shown = drawn.isPrint() ? QStringLiteral("\u201C%1\u201D").arg(drawn)
                                          : tr("character %1").arg(glyph.code);
    QToolTip::showText(help->globalPos(),
                       tr("%1 (code %2): the game draws it from its alternative font, as %3.")
                           .arg(QChar(static_cast<char16_t>(code)))
                           .arg(code)
                           .arg(shown),
                       this);
    return true;
}

}  // namespace chromlet::ui
