// Window layouts are measured in twips: 1440 to the inch, 15 to the pixel at 96 dpi. Qt scales
// the pixels for high-dpi screens itself.
#pragma once

#include <QRect>

namespace chromlet::ui {

constexpr int Twips(int n) {
    return n >= 0 ? (n + 7) / 15 : -((-n + 7) / 15);
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace chromlet::ui
