// A note beside an editor that a closing menu or file chooser does not take away.
#pragma once

#include <QBasicTimer>
#include <QLabel>
#include <QPointer>

namespace chromlet::ui {

/// A short note beside a widget, drawn as a tool tip is. Unlike QToolTip it outlives what follows
/// an action chosen from a menu or run after a file chooser: the menu closing, the focus coming
/// back, the window becoming active again. It goes when its time is up, at the next key or click,
/// when the application loses the focus, or when its widget's window moves or hides.
class NoteBubble : public QLabel {
    Q_OBJECT

  public:
    explicit NoteBubble(QWidget* owner);

    /// Shows `note` with its top left at `globalPos`, kept on the owner's screen, for `msecs`.
    void Show(const QString& note, QPoint globalPos, int msecs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QPointer<QWidget> owner_;
    QBasicTimer timer_;
};

}  // namespace chromlet::ui
