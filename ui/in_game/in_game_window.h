// The In game window: both names in each place of the game where players meet them, drawn and
// cut as that place does, on strips of the game's 640 x 480 screen scaled to the window.
#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

#include "core/game_places.h"
#include "core/name_rules.h"
#include "core/target_game.h"

class QLabel;
class QPainter;

namespace chromlet::ui {

class GameCharset;
struct CharsetState;

/// The places one under another: each its title, one line on what it cuts or changes, and the
/// strip of the game's screen it draws on.
class InGameView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit InGameView(QWidget* parent = nullptr);

    void SetPlaces(std::vector<PlaceView> places, QStringList titles, QStringList notes);
    void SetCharset(std::shared_ptr<const GameCharset> charset);

    int PlaceCount() const { return static_cast<int>(places_.size()); }
    const PlaceView& Place(int place) const { return places_.at(place); }
    const QString& Note(int place) const { return notes_.at(place); }
    bool DrawsFromCharset() const { return charset_ != nullptr; }

    /// Pixels per unit of the game's screen.
    qreal Scale() const { return scale_; }
    /// Where a glyph is drawn, in the viewport's coordinates.
    QRectF GlyphRect(int place, int line, int glyph) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Band {
        QRect text;    // title and note, in content coordinates
        QRectF strip;  // the screen strip, in content coordinates
        int top = 0;   // the strip's top on the game's screen
    };

    void Relayout();
    void DrawPlace(QPainter& painter, const Band& band, const PlaceView& place) const;

    std::vector<PlaceView> places_;
    QStringList titles_;
    QStringList notes_;
    std::vector<Band> bands_;
    std::shared_ptr<const GameCharset> charset_;
    qreal scale_ = 1;
};

/// The window. It follows every change of the names while it is open; it remembers its size and
/// place; Esc and Ctrl+W close it.
class InGameWindow : public QWidget {
    Q_OBJECT

  public:
    explicit InGameWindow(QWidget* parent = nullptr);
    ~InGameWindow() override;

    /// Both names; the window keeps the very report the main window made, not a copy.
    void SetNames(std::shared_ptr<const NamesReport> names);
    void SetCharset(const CharsetState& state);

    /// Shows the window, raised, within the screen `owner` is on: where it was last if that is
    /// still on the screen, beside the owner's window the first time.
    void ShowBeside(const QWidget* owner);

    InGameView* View() const { return view_; }
    QString Status() const;
    QString Problems() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Refresh();

    QLabel* status_ = nullptr;
    QLabel* problems_ = nullptr;
    InGameView* view_ = nullptr;
    std::shared_ptr<const NamesReport> names_;
    bool stale_ = true;
    bool placed_ = false;
};

}  // namespace chromlet::ui
