// A live preview of both names as the game draws them, and of what the game makes of them.
#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <vector>

#include "core/memory_styled_text.h"
#include "core/name_rules.h"
#include "core/target_game.h"

namespace chromlet::ui {

/// One row of the preview: a note in the window's font above it (empty for none), then the
/// styled text in the game's colours.
struct PreviewRow {
    QString note;
    MemoryStyledText text;
};

/// The rows for both names: the player name, what the game keeps of it where that differs
/// (with the reasons), the server name, and the in-game browser's view of it where the target
/// has one.
std::vector<PreviewRow> PreviewRowsFor(TargetGame target, const NameReport& player,
                                       const ServerReport& server);

/// Draws its rows on a dark, console-like background with the game's drop shadow: characters in
/// the alternative font are slanted and underlined with dots. A row wider than the preview wraps;
/// rows that do not fit its height scroll, with a scroll bar as the sign that there is more.
class GamePreview : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit GamePreview(QWidget* parent = nullptr);

    void SetRows(std::vector<PreviewRow> rows);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const MemoryStyledText& Row(int row) const { return rows_.at(row).text; }
    const QString& Note(int row) const { return rows_.at(row).note; }

    /// The rectangle, in content coordinates, that holds everything drawn.
    QRect ContentBounds() const { return contentBounds_; }

    static QColor BackgroundColor() { return QColor(20, 20, 26); }
    static QColor NoteColor() { return QColor(150, 150, 160); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A piece of one row on one screen line: one style, drawn at `origin` (its baseline).
    struct Piece {
        QPoint origin;
        QString text;
        CharStyle style;
        bool isNote = false;
    };

    void Relayout();
    std::vector<Piece> LayOut(int width, QRect& bounds) const;
    void DrawPiece(QPainter& painter, const Piece& piece) const;

    std::vector<PreviewRow> rows_;
    std::vector<Piece> pieces_;
    QRect contentBounds_;
};

}  // namespace chromlet::ui
