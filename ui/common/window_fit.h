// Where a window of its own opens: within the screen it opens on, never past its edges.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace chromlet::ui {

/// What the window system adds around a window's client area at most: the title bar and the
/// frame. Before a window is first shown its real frame is not known.
inline constexpr QMargins FrameAllowance(8, 32, 8, 8);

/// `wanted` (a client area) made to fit `available` with its frame: no larger than there is room
/// for, no smaller than `minimum` where there is room for that, moved in from any edge it crosses.
QRect FittedGeometry(QRect wanted, QRect available, QSize minimum,
                     QMargins frame = FrameAllowance);

/// Fits `window` (a top-level widget, not yet shown) into the available area of the screen
/// `owner` is on. Unless it already has a place of its own (`placed`), it opens beside the
/// owner's window, on its right where there is room.
void FitOnScreen(QWidget* window, const QWidget* owner, bool placed);

}  // namespace chromlet::ui
