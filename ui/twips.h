// Window layouts are measured in twips: 1440 to the inch, 15 to the pixel at 96 dpi. Qt scales
// the pixels for high-dpi screens itself.
#pragma once

#include <QRect>

namespace chromlet::ui {

constexpr int twips(int n) {
    return n >= 0 ? (n + 7) / 15 : -((-n + 7) / 15);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace chromlet::ui
