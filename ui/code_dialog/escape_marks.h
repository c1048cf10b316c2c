// A configuration line's colour escapes are control characters, which a text box draws as
// blanks. This overlay draws a mark over each, leaving the text itself exactly as it is.
#pragma once

#include <QTextLayout>
#include <QWidget>

#include <utility>

class QLineEdit;

namespace chromlet::ui {

class EscapeMarks : public QWidget {
    Q_OBJECT

  public:
    /// Covers `box` and follows its text, scrolling and cursor.
    explicit EscapeMarks(QLineEdit* box);

    /// The colour of the marks.
    static QColor MarkColor() { return QColor(90, 140, 210); }
    /// Where the character at `position` of the box's text stands, in the box's coordinates.
    QRect CharacterRect(int position) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void LayOut() const;
    int LineOf(int position) const;
    std::pair<qreal, qreal> Extent(int line, int position) const;
    qreal Origin() const;

    QLineEdit* box_;
    // The box's text laid out as the box lays it out, in lines that start at the colour escapes,
    // each placed where the one before it ends: every position is then measured within its own
    // short line, so that placing all escapes takes time linear in the text. The layout is kept
    // until the text or the font changes.
    mutable QTextLayout layout_;
    mutable QString laidOut_;
    mutable QFont laidOutFont_;
    mutable bool valid_ = false;
};

}  // namespace chromlet::ui
