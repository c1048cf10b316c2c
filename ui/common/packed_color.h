// Palette colours travel as packed numbers; Qt paints with QColor. The two meet here only.
#pragma once

#include <QColor>

#include "core/styled_text.h"

namespace chromlet::ui {

inline QColor ToQColor(PackedColor c) {
    return QColor(static_cast<int>(RedOf(c)), static_cast<int>(GreenOf(c)),
                  static_cast<int>(BlueOf(c)));
}

inline PackedColor ToPacked(const QColor& c) {
    return PackColor(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()),
                     static_cast<unsigned>(c.blue()));
}

}  // namespace chromlet::ui
