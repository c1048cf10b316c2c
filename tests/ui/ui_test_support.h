// Helpers for the widget tests.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "core/styled_text.h"
#include "system/game_folders.h"
#include "ui/budget_view.h"
#include "ui/game_preview.h"
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
    bool Fired() const { return fired_; }

  private:
    QTimer timer_;
    std::function<void(QWidget*)> action_;
    QWidget* notThis_;
    bool fired_ = false;
};

/// A test run both ways of a yes-or-no: a column `column` and a row for each answer, `whenTrue`
/// and `whenFalse` the rows' tags.
inline void AddBothWays(const char* column, const char* whenTrue, const char* whenFalse) {
    QTest::addColumn<bool>(column);
    QTest::newRow(whenTrue) << true;
    QTest::newRow(whenFalse) << false;
}

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
    return ui::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

/// Whether a button's caption, without its access-key marker, fits inside it.
inline bool CaptionFits(const QPushButton* button) {
    return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8 <=
           button->width();
}

/// Checks one control of a layout table: its place, its kind, and the caption a button, label
/// or editor shows. Label rows with a null caption skip the caption.
inline void CheckLayoutControl(QWidget* w, const QString& kind, const QString& caption,
                               const QRect& twipsRect) {
    QVERIFY(w);
    QCOMPARE(w->geometry(), PixelsOf(twipsRect));
    if (kind == "button") {
        auto* b = qobject_cast<QPushButton*>(w);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        // Enter in a text box must never press a button; every caption fits in the font here.
        QVERIFY(!b->isDefault() && !b->autoDefault());
        QVERIFY2(CaptionFits(b), qPrintable(caption));
    } else if (kind == "text box") {
        QVERIFY(qobject_cast<QLineEdit*>(w));
    } else if (kind == "editor") {
        auto* e = qobject_cast<ui::NameEditor*>(w);
        QVERIFY(e);
        QCOMPARE(QString::fromLatin1(e->Text().c_str()), caption);
    } else if (kind.endsWith("label")) {
        auto* l = qobject_cast<QLabel*>(w);
        QVERIFY(l);
        QCOMPARE(l->font().bold(), kind == "bold label");
        QVERIFY(l->wordWrap());
        if (!caption.isNull()) {
            QCOMPARE(l->text(), caption);
        }
    } else if (kind == "preview") {
        QVERIFY(qobject_cast<ui::GamePreview*>(w));
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    } else if (kind == "budget") {
        QVERIFY(qobject_cast<ui::BudgetView*>(w));
    } else if (kind == "file budget") {
        QVERIFY(qobject_cast<ui::FileBudgetView*>(w));
    } else {
        auto* f = qobject_cast<QFrame*>(w);
        QVERIFY(f);
        QCOMPARE(f->frameShape(), kind == "hline" ? QFrame::HLine : QFrame::VLine);
    }
}

/// Sets an environment variable (or unsets it, for a null value) for its own lifetime, and puts
/// the old value back however the test ends.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedEnv() {
        if (wasSet_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    QByteArray old_;
    bool wasSet_;
};

/// Finds none of the games' data, so that a window under test never reads the machine's games.
inline DataFolders NoGameData(TargetGame, const std::string&) {
    return {{}, {"/no/game/data"}};
}

/// Replaces the editor's whole text, every character white and in the standard font.
inline void SetEditorText(ui::NameEditor* editor, const QString& text) {
    editor->setPlainText(text);
    InitialStyling(*editor);
}

}  // namespace chromlet::test
