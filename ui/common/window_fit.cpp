#include "ui/common/window_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace chromlet::ui {

QRect FittedGeometry(QRect wanted, QRect available, QSize minimum, QMargins frame) {
    const QRect room = available.marginsRemoved(frame);
    if (room.isEmpty()) {
        return wanted;
    }
    QSize size = wanted.size().boundedTo(room.size());
    size = size.expandedTo(minimum.boundedTo(room.size()));
    QRect box(wanted.topLeft(), size);
    box.moveRight(std::min(box.right(), room.right()));
    box.moveLeft(std::max(box.left(), room.left()));
    box.moveBottom(std::min(box.bottom(), room.bottom()));
    box.moveTop(std::max(box.top(), room.top()));
    return box;
}

void FitOnScreen(QWidget* window, const QWidget* owner, bool placed) {
    const QWidget* ownerWindow = owner ? owner->window() : nullptr;
    const QScreen* screen = ownerWindow ? ownerWindow->screen() : window->screen();
    if (!screen) {
        return;
    }
    QRect wanted = window->geometry();
    if (!placed && ownerWindow) {
        const QRect beside = ownerWindow->frameGeometry();
        wanted.moveTopLeft(beside.topRight() +
                           QPoint(FrameAllowance.left() + 1, FrameAllowance.top()));
        if (wanted.right() + FrameAllowance.right() > screen->availableGeometry().right()) {
            // No room on the right: over the owner, from its top left.
            wanted.moveTopLeft(beside.topLeft() +
                               QPoint(FrameAllowance.left(), FrameAllowance.top()));
        }
    }
    const QRect available = screen->availableGeometry();
    // A screen smaller than the window's least size, at a large scale: as much as there is.
    window->setMinimumSize(
        window->minimumSize().boundedTo(available.marginsRemoved(FrameAllowance).size()));
    window->setGeometry(FittedGeometry(wanted, available, window->minimumSize()));
}

}  // namespace chromlet::ui
