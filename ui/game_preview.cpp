#include "ui/game_preview.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "core/color_code.h"
#include "ui/latin1.h"
#include "ui/packed_color.h"
#include "ui/ui_font.h"

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

// Why the game keeps something else than was written, as a few words each. `unnamed` is the
// stand-in name the target's game gives a player without one.
QString ChangeText(NameChange change, const QString& unnamed) {
    switch (change) {
        case NameChange::ArrivedAsDots:
            //: The game's network turns characters 128 to 255 (é, ü, the alternative font) and
            //: "%" into dots.
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "é, ü, % and the alternative font arrive as dots");
        case NameChange::ColorsRemoved:
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "no letter or digit outside black: colours removed");
        case NameChange::BlackRemoved:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "black removed");
        case NameChange::LeadingSpacesDropped:
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "leading spaces dropped");
        case NameChange::SpacesCollapsed:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "spaces cut to three");
        case NameChange::CutToLength:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "cut at %1 bytes")
                .arg(MaxNetName - 1);
        case NameChange::RefusedCharacter:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "\\, ; or \" refused");
        case NameChange::BecameUnnamedPlayer:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "no name left: %1")
                .arg(unnamed);
    }
    return {};
}

}  // namespace

std::vector<PreviewRow> PreviewRowsFor(TargetGame target, const NameReport& player,
                                       const ServerReport& server) {
    std::vector<PreviewRow> rows;
    rows.push_back({QString(), DecodeCode(target, player.code)});
    if (!player.changes.empty()) {
        const std::string_view unnamed = RulesOf(target).unnamed;
        QStringList reasons;
        for (NameChange change : player.changes) {
            reasons << ChangeText(change, FromLatin1(unnamed));
        }
        rows.push_back(
            {QCoreApplication::translate("chromlet::ui::GamePreview", "The game keeps (%1):")
                 .arg(reasons.join(QStringLiteral(", "))),
             DecodeCode(target, player.cleaned)});
    }
    rows.push_back({QString(), DecodeCode(target, server.code)});
    const auto serverChanged = [&](NameChange change) {
        return std::find(server.changes.begin(), server.changes.end(), change) !=
               server.changes.end();
    };
    if (server.dots > 0) {
        rows.push_back({QCoreApplication::translate(
                            "chromlet::ui::GamePreview",
                            "Other players' games receive (é, ü, % and the alternative "
                            "font arrive as dots):"),
                        DecodeCode(target, server.arrived)});
    }
    if (serverChanged(NameChange::RefusedCharacter)) {
        rows.push_back({QCoreApplication::translate(
                            "chromlet::ui::GamePreview",
                            "The server refuses this name (\\, ; or \"): the browser shows none."),
                        MemoryStyledText()});
    } else if (!server.browserView.empty()) {
        rows.push_back({serverChanged(NameChange::CutToLength)
                            ? QCoreApplication::translate("chromlet::ui::GamePreview",
                                                          "In the game's server browser (cut to %1 "
                                                          "characters):")
                                  .arg(RulesOf(target).browser.shownChars)
                            : QCoreApplication::translate("chromlet::ui::GamePreview",
                                                          "In the game's server browser:"),
                        DecodeCode(target, server.browserView)});
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
    setToolTip(
        tr("How the game shows your name and your server name, and what it makes of them. "
           "Slanted, underlined characters are in the alternative font."));
}

void GamePreview::SetRows(std::vector<PreviewRow> rows) {
    rows_ = std::move(rows);
    Relayout();
    viewport()->update();
}

void GamePreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

// Lays the rows out at the full width; only when they do not fit the height is the scroll bar
// shown and the layout made again beside it. Deciding from the whole contents rectangle, not
// the viewport, keeps the decision from flipping when the bar appears.
void GamePreview::Relayout() {
    const QRect area = contentsRect();
    pieces_ = LayOut(area.width(), contentBounds_);
    const bool scrolls = contentBounds_.bottom() + MarginY > area.height();
    const int visibleHeight = area.height();
    if (scrolls) {
        pieces_ = LayOut(area.width() - verticalScrollBar()->sizeHint().width(), contentBounds_);
    }
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int overflow = contentBounds_.bottom() + MarginY - visibleHeight;
    verticalScrollBar()->setRange(0, std::max(0, overflow));
    verticalScrollBar()->setPageStep(visibleHeight);
    verticalScrollBar()->setSingleStep(QFontMetrics(RowFont(true)).lineSpacing());
}

// Every character goes on the current line while it fits; the first one that does not starts a
// new line, so a long name wraps instead of being cut.
std::vector<GamePreview::Piece> GamePreview::LayOut(int width, QRect& bounds) const {
    std::vector<Piece> pieces;
    bounds = QRect();
    const int right = width - MarginX;
    int top = MarginY;

    const auto place = [&](const QString& text, CharStyle style, bool isNote, const QFont& font,
                           int& x, int& lineTop) {
        const QFontMetrics metrics(font);
        Piece piece{QPoint(x, lineTop + metrics.ascent()), QString(), style, isNote};
        const auto flush = [&] {
            if (!piece.text.isEmpty()) {
                const int w = metrics.horizontalAdvance(piece.text);
                bounds |= QRect(piece.origin.x(), lineTop, w + 1, metrics.height() + 1);
                pieces.push_back(piece);
            }
        };
        // A name breaks between any two characters, as its spaces are part of it; a note of ours
        // breaks after a space, and within a word only where the word alone is too wide.
        for (qsizetype i = 0; i < text.size();) {
            qsizetype end = i + 1;
            if (isNote) {
                while (end < text.size() && text[end - 1] != QLatin1Char(' ')) {
                    ++end;
                }
            }
            QString unit = text.mid(i, end - i);
            int advance = metrics.horizontalAdvance(unit);
            if (advance > right - MarginX) {
                unit = text.mid(i, 1);
                advance = metrics.horizontalAdvance(unit);
            }
            if (x + advance > right && x > MarginX) {
                flush();
                lineTop += metrics.lineSpacing();
                x = MarginX;
                piece = Piece{QPoint(x, lineTop + metrics.ascent()), QString(), style, isNote};
            }
            piece.text += unit;
            x += advance;
            i += unit.size();
        }
        flush();
    };

    for (const PreviewRow& row : rows_) {
        if (!row.note.isEmpty()) {
            int x = MarginX;
            place(row.note, CharStyle{ToPacked(NoteColor()), true}, true, NoteFont(), x, top);
            top += QFontMetrics(NoteFont()).lineSpacing();
        }
        if (!row.note.isEmpty() && row.text.Length() == 0) {
            continue;  // a note standing alone
        }
        const std::string chars = row.text.Text();
        int x = MarginX;
        for (const StyleRun& run : StyleRuns(row.text)) {
            place(FromLatin1(std::string_view(chars).substr(run.start, run.length)), run.style,
                  false, RowFont(run.style.Q3Font), x, top);
        }
        top += QFontMetrics(RowFont(true)).lineSpacing();
    }
    return pieces;
}

void GamePreview::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), BackgroundColor());
    painter.translate(0, -verticalScrollBar()->value());
    for (const Piece& piece : pieces_) {
        DrawPiece(painter, piece);
    }
}

// The game draws its text with a drop shadow one pixel below and to the right; notes are ours
// and plain.
void GamePreview::DrawPiece(QPainter& painter, const Piece& piece) const {
    const QFont font = piece.isNote ? NoteFont() : RowFont(piece.style.Q3Font);
    painter.setFont(font);
    if (!piece.isNote) {
        painter.setPen(Qt::black);
        painter.drawText(piece.origin + QPoint(1, 1), piece.text);
    }
    painter.setPen(ToQColor(piece.style.Color));
    painter.drawText(piece.origin, piece.text);
    if (!piece.isNote && !piece.style.Q3Font) {
        QPen dots = painter.pen();
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        const int width = QFontMetrics(font).horizontalAdvance(piece.text);
        const QPoint under = piece.origin + QPoint(0, 2);
        painter.drawLine(under, under + QPoint(width, 0));
    }
}

}  // namespace chromlet::ui
