#include "ui/editor/note_bubble.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QTimerEvent>
#include <QToolTip>

#include <algorithm>

namespace chromlet::ui {

NoteBubble::NoteBubble(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget),
      owner_(owner) {
    setObjectName(QStringLiteral("NoteBubble"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void NoteBubble::Show(const QString& note, QPoint globalPos, int msecs) {
    setText(note);
    const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // As wide as the text wants, up to half the screen; wrapped there.
    const int widest = available.isValid() ? std::max(200, available.width() / 2) : 600;
    const int chrome = width() - contentsRect().width() + 2 * margin();
    const int textWidth =
        fontMetrics().boundingRect(QRect(0, 0, widest - chrome, 100000), Qt::TextWordWrap, note).width();
    const int boxWidth = textWidth + chrome + 1;
    resize(boxWidth, heightForWidth(boxWidth));
    QRect box(globalPos, size());
    if (available.isValid()) {
        box.moveRight(std::min(box.right(), available.right()));
        box.moveLeft(std::max(box.left(), available.left()));
        box.moveBottom(std::min(box.bottom(), available.bottom()));
    }
    move(box.topLeft());
    if (!isVisible()) {
        qApp->installEventFilter(this);
    }
    show();
    timer_.start(msecs, this);
}

bool NoteBubble::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::ApplicationDeactivate:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Hide:
        case QEvent::Close:
            if (owner_ && watched == owner_->window()) {
                hide();
            }
            break;
        default:
            break;
    }
    return false;
}

void NoteBubble::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) {
        hide();
        return;
    }
    QLabel::timerEvent(event);
}

void NoteBubble::hideEvent(QHideEvent* event) {
    timer_.stop();
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}

}  // namespace chromlet::ui
