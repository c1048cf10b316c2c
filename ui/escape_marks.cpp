#include "ui/escape_marks.h"

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

// The box tells where its cursor stands; every other position follows from the text's layout
// in the box's font, measured from there.
QRect EscapeMarks::CharacterRect(int position) const {
    QTextLayout layout(DisplayedText(box_->text()), box_->font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        return {};
    }
    // The cursor rectangle reaches 5 pixels to the left of the cursor itself.
    const QRect cursor = box_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal origin = cursor.left() + 5 - line.cursorToX(box_->cursorPosition());
    const qreal left = origin + line.cursorToX(position);
    const qreal right = origin + line.cursorToX(position + 1);
    return QRectF(left, cursor.top(), right - left, cursor.height()).toAlignedRect();
}

void EscapeMarks::paintEvent(QPaintEvent*) {
    const QString text = box_->text();
    if (!text.contains(QChar(ColorEscape))) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(box_->contentsRect().adjusted(2, 1, -2, -1));
    const int ascent = box_->fontMetrics().ascent();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QChar(ColorEscape)) {
            continue;
        }
        const QRect at = CharacterRect(static_cast<int>(i));
        // A slim bar as tall as a capital letter, in the space the box leaves for the escape.
        const int top = at.top() + (at.height() - ascent) / 2 + 1;
        painter.fillRect(QRect(at.left(), top, std::max(at.width(), 2), ascent - 1), MarkColor());
    }
}

}  // namespace chromlet::ui
