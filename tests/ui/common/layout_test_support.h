// The layout table tests of the windows: each control of a table where it must stand, of its
// kind, with its caption.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QTest>

#include <QTextEdit>

#include "ui/common/twips.h"

namespace chromlet::test {

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
        // The rooms above this one make the window's own kinds; they are known here by name.
        QVERIFY(w->inherits("chromlet::ui::NameEditor"));
        QCOMPARE(qobject_cast<QTextEdit*>(w)->toPlainText(), caption);
    } else if (kind.endsWith("label")) {
        auto* l = qobject_cast<QLabel*>(w);
        QVERIFY(l);
        QCOMPARE(l->font().bold(), kind == "bold label");
        QVERIFY(l->wordWrap());
        if (!caption.isNull()) {
            QCOMPARE(l->text(), caption);
        }
    } else if (kind == "preview") {
        QVERIFY(w->inherits("chromlet::ui::GamePreview"));
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    } else if (kind == "budget") {
        QVERIFY(w->inherits("chromlet::ui::BudgetView"));
    } else if (kind == "file budget") {
        QVERIFY(w->inherits("chromlet::ui::FileBudgetView"));
    } else {
        auto* f = qobject_cast<QFrame*>(w);
        QVERIFY(f);
        QCOMPARE(f->frameShape(), kind == "hline" ? QFrame::HLine : QFrame::VLine);
    }
}

}  // namespace chromlet::test
