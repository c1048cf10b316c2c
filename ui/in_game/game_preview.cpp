#include "ui/in_game/game_preview.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "core/char_rules.h"
#include "core/color_code.h"
#include "ui/common/latin1.h"
#include "ui/common/packed_color.h"
#include "ui/common/ui_font.h"
#include "ui/in_game/charset_painter.h"
#include "ui/in_game/game_words.h"

namespace chromlet::ui {

namespace {

constexpr int MarginX = 6;
constexpr int MarginY = 4;

QFont RowFont(bool q3Font) {
    QFont font = UiFont(10, true);
    font.setItalic(!q3Font);
    return font;
}

QFont NoteFont() {
    QFont font = UiFont(7.5);
    font.setItalic(true);
    return font;
}

}  // namespace

std::vector<PreviewRow> PreviewRowsFor(const NamesReport& names) {
    const TargetGame target = names.target;
    const NameReport& player = names.player;
    const ServerReport& server = names.server;
    std::vector<PreviewRow> rows;
    rows.push_back({QString(), DecodeCode(target, player.code)});
    if (!player.changes.empty()) {
        rows.push_back({KeptNote(names), DecodeCode(target, player.cleaned)});
    }
    rows.push_back({QString(), DecodeCode(target, server.code)});
    if (server.dots > 0) {
        rows.push_back({ArrivedNote(), DecodeCode(target, server.arrived)});
    }
    if (server.Has(NameChange::RefusedCharacter)) {
        rows.push_back({RefusedServerNameNote(), MemoryStyledText()});
    } else if (!server.browserView.empty()) {
        rows.push_back({BrowserNote(names), DecodeCode(target, server.browserView)});
    }
    return rows;
}

GamePreview::GamePreview(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::PointingHandCursor);
    for (auto& advances : advances_) {
        advances.fill(-1);
    }
    setToolTip(
        tr("How the game shows your name and your server name, and what it makes of them. "
           "Slanted, underlined characters are in the alternative font. Click to see both names "
           "in each place of the game."));
}

void GamePreview::SetRows(std::vector<PreviewRow> rows) {
    rows_ = std::move(rows);
    // A screen reader reads what the preview shows: each note and each name, as text.
    QStringList shown;
    for (const PreviewRow& row : rows_) {
        for (const QString& part : {row.note, FromLatin1(row.text.Text())}) {
            if (!part.isEmpty()) {
                shown << part;
            }
        }
    }
    setAccessibleDescription(shown.join(QLatin1Char('\n')));
    Relayout();
    viewport()->update();
}

void GamePreview::SetCharset(std::shared_ptr<const GameCharset> charset) {
    charset_ = std::move(charset);
    Relayout();
    viewport()->update();
}

void GamePreview::SetFooter(const QString& footer) {
    if (footer == footer_) {
        return;
    }
    footer_ = footer;
    Relayout();
    viewport()->update();
}

void GamePreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void GamePreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        viewport()->rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

// Lays the rows out at the full width; only when they do not fit the height is the scroll bar
// shown and the layout made again beside it. Deciding from the whole contents rectangle, not
// the viewport, keeps the decision from flipping when the bar appears.
void GamePreview::Relayout() {
    const QRect area = contentsRect();
    lines_ = LayOut(area.width());
    const bool scrolls = contentBounds_.bottom() + MarginY > area.height();
    if (scrolls) {
        lines_ = LayOut(area.width() - verticalScrollBar()->sizeHint().width());
    }
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int overflow = contentBounds_.bottom() + MarginY - area.height();
    verticalScrollBar()->setRange(0, std::max(0, overflow));
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(charset_ ? CharsetCell + 2
                                                : QFontMetrics(RowFont(true)).lineSpacing());
}

int GamePreview::NameAdvance(unsigned char c, bool q3Font) const {
    if (charset_) {
        return CharsetCell;
    }
    const int font = q3Font ? 0 : 1;
    int& advance = advances_[font][c];
    if (advance < 0) {
        if (!metrics_[font]) {
            metrics_[font].emplace(RowFont(q3Font));
        }
        advance = metrics_[font]->horizontalAdvance(QChar(c));
    }
    return advance;
}

// Every character goes on the current line while it fits; the first one that does not starts a
// new line, so a long name wraps instead of being cut. The lines only say where each one starts
// and ends: a name of a thousand characters costs one table look-up a character here, and only
// the lines in view are drawn.
std::vector<GamePreview::Line> GamePreview::LayOut(int width) {
    std::vector<Line> lines;
    contentBounds_ = QRect();
    const int right = width - MarginX;
    int top = MarginY;
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const PreviewRow& preview = rows_[static_cast<std::size_t>(row)];
        if (!preview.note.isEmpty()) {
            top = LayOutNote(lines, preview.note, row, top, right);
            if (preview.text.Length() == 0) {
                continue;  // a note standing alone
            }
        }
        top = LayOutName(lines, preview.text, row, top, right);
    }
    if (!footer_.isEmpty()) {
        LayOutNote(lines, footer_, -1, top, right);
    }
    return lines;
}

// A note of ours breaks after a space, and within a word only where the word alone is too wide.
int GamePreview::LayOutNote(std::vector<Line>& lines, const QString& text, int row, int top,
                            int right) {
    const QFontMetrics metrics(NoteFont());
    Line line = Line::At(top, row, true);
    int x = MarginX;
    const auto flush = [&] {
        if (!line.note.isEmpty()) {
            line.width = x - MarginX;
            contentBounds_ |= QRect(MarginX, line.top, line.width + 1, metrics.height() + 1);
            lines.push_back(line);
        }
    };
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i + 1;
        while (end < text.size() && text[end - 1] != QLatin1Char(' ')) {
            ++end;
        }
        QString unit = text.mid(i, end - i);
        int advance = metrics.horizontalAdvance(unit);
        if (advance > right - MarginX) {
            unit = text.mid(i, 1);
            advance = metrics.horizontalAdvance(unit);
        }
        if (x + advance > right && x > MarginX) {
            flush();
            top += metrics.lineSpacing();
            x = MarginX;
            line = Line::At(top, row, true);
        }
        line.note += unit;
        x += advance;
        i += unit.size();
    }
    flush();
    return top + metrics.lineSpacing();
}

int GamePreview::LayOutName(std::vector<Line>& lines, const MemoryStyledText& text, int row,
                            int top, int right) {
    const int nameHeight = charset_ ? CharsetCell + 2 : QFontMetrics(RowFont(true)).lineSpacing();
    const int nameBoxHeight = charset_ ? CharsetCell + 2 : QFontMetrics(RowFont(true)).height() + 1;
    const std::string& chars = text.Text();
    const std::vector<CharStyle>& styles = text.Styles();
    Line line = Line::At(top, row, false);
    int x = MarginX;
    const auto flush = [&](std::size_t end) {
        line.end = end;
        line.width = x - MarginX;
        if (line.end > line.begin) {
            contentBounds_ |= QRect(MarginX, line.top, line.width + 1, nameBoxHeight);
        }
        lines.push_back(line);
    };
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const int advance = NameAdvance(static_cast<unsigned char>(chars[i]), styles[i].Q3Font);
        if (x + advance > right && x > MarginX) {
            flush(i);
            top += nameHeight;
            line = Line::At(top, row, false);
            line.begin = i;
            x = MarginX;
        }
        x += advance;
    }
    flush(chars.size());
    return top + nameHeight;
}

QRectF GamePreview::FirstCharRect(int row) const {
    for (const Line& line : lines_) {
        if (line.row == row && !line.isNote && line.end > line.begin) {
            const MemoryStyledText& text = rows_[static_cast<std::size_t>(row)].text;
            const CharStyle style = text.StyleAt(line.begin);
            const int height = charset_ ? CharsetCell : QFontMetrics(RowFont(true)).height();
            return QRectF(
                MarginX, line.top,
                NameAdvance(static_cast<unsigned char>(text.Text()[line.begin]), style.Q3Font),
                height);
        }
    }
    return {};
}

void GamePreview::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), BackgroundColor());
    const int scroll = verticalScrollBar()->value();
    painter.translate(0, -scroll);
    const int tallest = std::max(CharsetCell + 2, QFontMetrics(RowFont(true)).lineSpacing());
    const auto first = std::lower_bound(lines_.begin(), lines_.end(), scroll - tallest,
                                        [](const Line& line, int top) { return line.top < top; });
    const QFontMetrics noteMetrics(NoteFont());
    for (auto line = first; line != lines_.end() && line->top < scroll + viewport()->height();
         ++line) {
        if (line->isNote) {
            painter.setFont(NoteFont());
            painter.setPen(NoteColor());
            painter.drawText(QPoint(MarginX, line->top + noteMetrics.ascent()), line->note);
        } else {
            DrawNameLine(painter, *line);
        }
    }
}

// From the charset as the game draws it, its shadow two units of sixteen below and to the
// right; in the desktop's font with a shadow one pixel below and to the right, and the
// alternative font underlined with dots.
void GamePreview::DrawNameLine(QPainter& painter, const Line& line) const {
    const MemoryStyledText& text = rows_[static_cast<std::size_t>(line.row)].text;
    const std::string chars = text.Text();
    const std::vector<CharStyle>& styles = text.Styles();
    if (charset_) {
        std::vector<Glyph> glyphs;
        glyphs.reserve(line.end - line.begin);
        for (std::size_t i = line.begin; i < line.end; ++i) {
            const auto c = static_cast<unsigned char>(chars[i]);
            glyphs.push_back({GameByte(c, styles[i].Q3Font), styles[i].Color});
        }
        DrawGlyphs(painter, charset_.get(), QPointF(MarginX, line.top), glyphs,
                   GlyphLook{QSizeF(CharsetCell, CharsetCell),
                             CharsetCell * qreal(ShadowOffset) / BigChar.width, 255});
        return;
    }
    int x = MarginX;
    for (std::size_t start = line.begin; start < line.end;) {
        std::size_t end = start + 1;
        while (end < line.end && styles[end] == styles[start]) {
            ++end;
        }
        const CharStyle style = styles[start];
        const QFont font = RowFont(style.Q3Font);
        const QString piece = FromLatin1(std::string_view(chars).substr(start, end - start));
        const QPoint origin(x, line.top + QFontMetrics(font).ascent());
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(origin + QPoint(1, 1), piece);
        painter.setPen(ToQColor(style.Color));
        painter.drawText(origin, piece);
        int width = 0;
        for (std::size_t i = start; i < end; ++i) {
            width += NameAdvance(static_cast<unsigned char>(chars[i]), style.Q3Font);
        }
        if (!style.Q3Font) {
            QPen dots = painter.pen();
            dots.setStyle(Qt::DotLine);
            painter.setPen(dots);
            const QPoint under = origin + QPoint(0, 2);
            painter.drawLine(under, under + QPoint(width, 0));
        }
        x += width;
        start = end;
    }
}

}  // namespace chromlet::ui
