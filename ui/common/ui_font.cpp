#include "ui/common/ui_font.h"

#include <QStringList>

namespace chromlet::ui {

namespace {
const char* const Family = "MS Sans Serif";
}

QFont UiFont(qreal pointSize, bool bold) {
    static const bool substituted = [] {
        QFont::insertSubstitutions(Family, {"Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                            "Arial", "Helvetica", "Nimbus Sans", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont font(Family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace chromlet::ui
