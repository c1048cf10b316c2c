// A configuration line's colour escapes are control characters, which a text box draws as
// blanks. This overlay draws a mark over each, leaving the text itself exactly as it is.
#pragma once

#include <QWidget>

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
    QLineEdit* box_;
};

}  // namespace chromlet::ui
