#include "ui/game_preview.h"

#include <QPainter>

#include "core/color_decode.h"
#include "ui/latin1.h"
#include "ui/packed_color.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

MemoryStyledText NameOf(const std::string& line) {
    const std::optional<std::string> code = CodeOfSetaLine(line);
    return code ? DecodeColorCode(*code) : MemoryStyledText();
}

QFont RowFont(bool q3Font) {
    QFont font = UiFont(10, true);
    font.setItalic(!q3Font);
    font.setUnderline(false);
    return font;
}

}  // namespace

GamePreview::GamePreview(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(
        tr("How the game shows your name (top) and your server name (bottom). Slanted, underlined "
           "characters are in the alternative font."));
}

void GamePreview::SetLines(const std::string& nameLine, const std::string& serverLine) {
    rows_[0] = NameOf(nameLine);
    rows_[1] = NameOf(serverLine);
    update();
}

void GamePreview::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), BackgroundColor());
        const QRect area = contentsRect().adjusted(6, 4, -6, -4);
        painter.setClipRect(area);
        const int rowHeight = area.height() / 2;

        for (int row = 0; row < 2; ++row) {
            const MemoryStyledText& text = rows_[row];
            const std::string chars = text.Text();
            QFontMetrics metrics(RowFont(true));
            const int baseline = area.top() + row * rowHeight +
                                 (rowHeight + metrics.ascent() - metrics.descent()) / 2;
            int x = area.left();
            // Draw runs of one style together, so kerning within a run stays natural.
            for (const StyleRun& r : StyleRuns(text)) {
                if (x >= area.right()) {
                    break;
                }
                const CharStyle style = r.style;
                const QString run = FromLatin1(std::string_view(chars).substr(r.start, r.length));
                const QFont font = RowFont(style.Q3Font);
                painter.setFont(font);
                const int width = QFontMetrics(font).horizontalAdvance(run);
                // The game draws its text with a drop shadow.
                painter.setPen(Qt::black);
                painter.drawText(x + 1, baseline + 1, run);
                painter.setPen(ToQColor(style.Color));
                painter.drawText(x, baseline, run);
                if (!style.Q3Font) {
                    QPen dots = painter.pen();
                    dots.setStyle(Qt::DotLine);
                    painter.setPen(dots);
                    painter.drawLine(x, baseline + 2, x + width, baseline + 2);
                }
                x += width;
            }
        }
    }
    QFrame::paintEvent(event);  // the frame on top
}

}  // namespace chromlet::ui
