#include "ui/code_dialog/escape_marks.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>

#include "core/color_code.h"

namespace chromlet::ui {

namespace {

// A text box shows every control character as a space; lay the text out the same way, so that
// positions match what it draws.
QString DisplayedText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 && c != u'\t') {
            c = QLatin1Char(' ');
        }
    }
    return shown;
}

}  // namespace

EscapeMarks::EscapeMarks(QLineEdit* box) : QWidget(box), box_(box) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(box->rect());
    box->installEventFilter(this);
    const auto repaint = [this] { update(); };
    connect(box, &QLineEdit::textChanged, this, repaint);
    connect(box, &QLineEdit::cursorPositionChanged, this, repaint);
    connect(box, &QLineEdit::selectionChanged, this, repaint);
    show();
}

bool EscapeMarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::Resize) {
        setGeometry(box_->rect());
    }
    return QWidget::eventFilter(watched, event);
}

// Each line is asked to end before the next escape; where the box's text has a space there, the
// line takes it along as trailing space and the escape ends it instead of starting the next one.
// Either way each position is measured in the line that holds it, and as lines only break the
// text where it is shaped anyway, the places are exactly those of one line. A tab stops at a
// multiple of its distance from the start of its line, so a text with a tab stays one line; its
// marks are then placed for the visible part only.
void EscapeMarks::LayOut() const {
    const QString text = box_->text();
    if (valid_ && text == laidOut_ && box_->font() == laidOutFont_) {
        return;
    }
    laidOut_ = text;
    laidOutFont_ = box_->font();
    valid_ = true;
    layout_.setText(DisplayedText(text));
    layout_.setFont(laidOutFont_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout_.setTextOption(option);
    const bool oneLine = text.contains(u'\t');
    layout_.beginLayout();
    qreal x = 0;
    for (int start = 0; start < text.size();) {
        const qsizetype escape = oneLine ? -1 : text.indexOf(QChar(ColorEscape), start + 1);
        QTextLine line = layout_.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setPosition(QPointF(x, 0));
        if (!oneLine) {  // a line of a given length counts a tab as more than one column
            line.setNumColumns(static_cast<int>(escape < 0 ? text.size() : escape) - start);
        }
        start += std::max(line.textLength(), 1);
        x = line.cursorToX(start);
    }
    layout_.endLayout();
}

int EscapeMarks::LineOf(int position) const {
    int line = 0;
    while (line + 1 < layout_.lineCount() && layout_.lineAt(line + 1).textStart() <= position) {
        ++line;
    }
    return line;
}

// The left and right edges of the character at `position` on the box's one line, from its start.
std::pair<qreal, qreal> EscapeMarks::Extent(int line, int position) const {
    const QTextLine at = layout_.lineAt(line);
    return {at.cursorToX(position), at.cursorToX(position + 1)};
}

// Where the box's one line starts, in the box's coordinates: the box tells where its cursor
// stands, and the cursor rectangle reaches 5 pixels to the left of the cursor itself.
qreal EscapeMarks::Origin() const {
    const QRect cursor = box_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int position = box_->cursorPosition();
    return cursor.left() + 5 -
           (layout_.lineCount() > 0 ? Extent(LineOf(position), position).first : 0);
}

QRect EscapeMarks::CharacterRect(int position) const {
    LayOut();
    if (layout_.lineCount() == 0) {
        return {};
    }
    const QRect cursor = box_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal origin = Origin();
    const auto [left, right] = Extent(LineOf(position), position);
    return QRectF(origin + left, cursor.top(), right - left, cursor.height()).toAlignedRect();
}

void EscapeMarks::paintEvent(QPaintEvent*) {
    const QString text = box_->text();
    if (!text.contains(QChar(ColorEscape))) {
        return;
    }
    LayOut();
    if (layout_.lineCount() == 0) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(box_->contentsRect().adjusted(2, 1, -2, -1));
    const int ascent = box_->fontMetrics().ascent();
    const QRect cursor = box_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal origin = Origin();
    // Escapes and lines both come in order, so each line is found once.
    const int firstVisible =
        layout_.lineCount() == 1 ? std::max(0, layout_.lineAt(0).xToCursor(-origin) - 1) : 0;
    int line = 0;
    for (qsizetype i = text.indexOf(QChar(ColorEscape), firstVisible); i >= 0;
         i = text.indexOf(QChar(ColorEscape), i + 1)) {
        while (line + 1 < layout_.lineCount() && layout_.lineAt(line + 1).textStart() <= i) {
            ++line;
        }
        const auto [left, right] = Extent(line, static_cast<int>(i));
        if (origin + left > width()) {
            break;  // the rest lies beyond the box's right edge
        }
        const QRect at =
            QRectF(origin + left, cursor.top(), right - left, cursor.height()).toAlignedRect();
        // A slim bar as tall as a capital letter, in the space the box leaves for the escape.
        const int top = at.top() + (at.height() - ascent) / 2 + 1;
        painter.fillRect(QRect(at.left(), top, std::max(at.width(), 2), ascent - 1), MarkColor());
    }
}

}  // namespace chromlet::ui
