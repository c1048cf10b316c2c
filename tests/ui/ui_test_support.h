// Helpers for the widget tests.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "core/styled_text.h"
#include "ui/name_editor.h"
#include "ui/twips.h"

namespace chromlet::test {

/// Runs `action` from the event loop on the next modal window that shows up (a dialog's
/// exec() or a message box), once. Polls with a timer, so a test never sleeps; stops watching
/// when it goes out of scope, so a watch that found nothing cannot outlive its test.
class ModalWatcher {
  public:
    explicit ModalWatcher(std::function<void(QWidget*)> action, QWidget* notThis = nullptr)
        : action_(std::move(action)), notThis_(notThis) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != notThis_ && modal->isVisible()) {
                timer_.stop();
                fired_ = true;
                action_(modal);
            }
        });
        timer_.start();
    }
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    /// Whether a modal window showed up.
    bool fired() const { return fired_; }

  private:
    QTimer timer_;
    std::function<void(QWidget*)> action_;
    QWidget* notThis_;
    bool fired_ = false;
};

/// The columns of a layout table test: a control's kind, its caption and its rectangle in twips.
inline void AddLayoutColumns() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twipsRect");
}

/// One control of a layout table, its name as the row's tag.
inline void AddLayoutRow(const char* name, const char* kind, const char* caption, int left, int top,
                         int width, int height) {
    QTest::newRow(name) << QString(kind) << QString(caption) << QRect(left, top, width, height);
}

/// Where a control given in twips stands on a 96 dpi screen, converted as the windows convert
/// it (the rounding itself is pinned by tst_form1's twipsRoundToTheNearestPixel).
inline QRect PixelsOf(const QRect& twips) {
    return ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

/// Whether a button's caption, without its access-key marker, fits inside it.
inline bool CaptionFits(const QPushButton* button) {
    return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8 <=
           button->width();
}

/// Replaces the editor's whole text, every character white and in the standard font.
inline void SetEditorText(ui::NameEditor* editor, const QString& text) {
    editor->setPlainText(text);
    InitialStyling(*editor);
}

}  // namespace chromlet::test
