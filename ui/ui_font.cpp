#include "ui/ui_font.h"

#include <QStringList>

namespace chromlet::ui {

namespace {
const char* const kFamily = "MS Sans Serif";
}

QFont UiFont(qreal pointSize, bool bold) {
    static const bool substituted = [] {
        QFont::insertSubstitutions(kFamily, {"Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                             "Arial", "Helvetica", "Nimbus Sans", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont font(kFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace chromlet::ui
