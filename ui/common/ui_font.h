// The font every caption is drawn in.
#pragma once

#include <QFont>

namespace chromlet::ui {

/// "MS Sans Serif" at the given size, or, where the machine lacks it, the closest sans-serif
/// face it has (Liberation Sans and Arial share its widths closely enough that every caption
/// still fits its button).
QFont UiFont(qreal pointSize = 8.25, bool bold = false);

}  // namespace chromlet::ui
