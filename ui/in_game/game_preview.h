// A live preview of both names as the game draws them, and of what the game makes of them.
#pragma once

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "core/game_places.h"
#include "core/memory_styled_text.h"
#include "core/name_rules.h"
#include "core/target_game.h"
#include "ui/common/packed_color.h"

namespace chromlet::ui {

class GameCharset;

/// One row of the preview: a note in the window's font above it (empty for none), then the
/// styled text in the game's colours.
struct PreviewRow {
    QString note;
    MemoryStyledText text;
};

/// The rows for both names: the player name, what the game keeps of it where that differs
/// (with the reasons), the server name, and the in-game browser's view of it where the target
/// has one.
std::vector<PreviewRow> PreviewRowsFor(const NamesReport& names);

/// Draws its rows on a dark, console-like background with the game's drop shadow: from the
/// game's own charset when it has one, else in a bold desktop font with characters in the
/// alternative font slanted and underlined with dots. A row wider than the preview wraps; rows
/// that do not fit its height scroll, with a scroll bar as the sign that there is more. Only
/// the lines in view are drawn, so a long name costs little.
class GamePreview : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit GamePreview(QWidget* parent = nullptr);

    void SetRows(std::vector<PreviewRow> rows);
    /// Draws from `charset`, or in the desktop's font for null.
    void SetCharset(std::shared_ptr<const GameCharset> charset);
    /// A note of ours after the rows (empty for none), such as where the charset was looked for.
    void SetFooter(const QString& footer);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const MemoryStyledText& Row(int row) const { return rows_.at(row).text; }
    const QString& Note(int row) const { return rows_.at(row).note; }
    const QString& Footer() const { return footer_; }
    bool DrawsFromCharset() const { return charset_ != nullptr; }

    /// The rectangle, in content coordinates, that holds everything drawn.
    QRect ContentBounds() const { return contentBounds_; }
    /// Where the first character of `row` is drawn, in content coordinates.
    QRectF FirstCharRect(int row) const;

    /// The side of a character cell of the game's charset here: 16 units of the game's screen
    /// at three quarters, which fits both names in the preview's four lines.
    static constexpr int CharsetCell = 12;

    static QColor BackgroundColor() { return ToQColor(ScreenGround); }
    static QColor NoteColor() { return QColor(150, 150, 160); }

  signals:
    /// A click on the preview: the window opens the In game window.
    void Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // One screen line: part of a note, or the characters [begin, end) of a row's text.
    struct Line {
        int top = 0;
        int row = -1;  // -1: the footer
        bool isNote = false;
        QString note;
        std::size_t begin = 0;
        std::size_t end = 0;
        int width = 0;

        static Line At(int top, int row, bool isNote) {
            Line line;
            line.top = top;
            line.row = row;
            line.isNote = isNote;
            return line;
        }
    };

    void Relayout();
    std::vector<Line> LayOut(int width);
    int LayOutNote(std::vector<Line>& lines, const QString& text, int row, int top, int right);
    int LayOutName(std::vector<Line>& lines, const MemoryStyledText& text, int row, int top,
                   int right);
    int NameAdvance(unsigned char c, bool q3Font) const;
    void DrawNameLine(QPainter& painter, const Line& line) const;

    std::vector<PreviewRow> rows_;
    QString footer_;
    std::shared_ptr<const GameCharset> charset_;
    std::vector<Line> lines_;
    QRect contentBounds_;
    // The desktop font's advance of each character, standard and alternative, measured the
    // first time the character is laid out; -1 until then.
    mutable std::array<std::array<int, 256>, 2> advances_;
    mutable std::optional<QFontMetrics> metrics_[2];
};

}  // namespace chromlet::ui
