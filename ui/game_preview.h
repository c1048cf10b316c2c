// A live preview of both names as the game draws their colour code.
#pragma once

#include <QFrame>

#include <string>

#include "core/memory_styled_text.h"

namespace chromlet::ui {

/// Draws the two configuration lines' names on a dark, console-like background: escapes and
/// digits switch the colour, characters of 128 or more are drawn 128 lower in the alternative
/// style (italic, dotted underline), exactly as the code reads back.
class GamePreview : public QFrame {
    Q_OBJECT

  public:
    explicit GamePreview(QWidget* parent = nullptr);

    /// Shows the names of a player-name line and a server-name line (whole "seta" lines).
    void SetLines(const std::string& nameLine, const std::string& serverLine);

    /// What each row shows: 0 the player name, 1 the server name.
    const MemoryStyledText& Row(int row) const { return rows_[row]; }

    static QColor BackgroundColor() { return QColor(20, 20, 26); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    MemoryStyledText rows_[2];
};

}  // namespace chromlet::ui
