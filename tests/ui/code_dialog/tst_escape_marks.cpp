// The control-code boxes' escape marks stand exactly where the box draws each escape, however
// many escapes the line holds and whatever stands beside them.
#include <QLineEdit>
#include <QtTest>

#include "ui/code_dialog/escape_marks.h"

using namespace chromlet::ui;

class TestEscapeMarks : public QObject {
    Q_OBJECT

  private slots:
    // Where the box puts its cursor before each character is where that character starts; the
    // box is wide enough that it never scrolls. A tab stops at a multiple of its distance.
    void marksStandWhereTheBoxDrawsEachCharacter_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("escapes beside spaces, kerned letters and each other")
            << QStringLiteral(
                   "seta name \"\x1b"
                   "1AV\x1b"
                   "7 \x1b\x1b"
                   "3T \x1b"
                   "4Yo\x1b"
                   "5 \x1b"
                   "6\x1b"
                   "7WA\x01.\x1b")
                   .repeated(12);
        QTest::newRow("a tab") << QStringLiteral(
                                      "seta name \"\x1b"
                                      "1AV \x1b"
                                      "7\t\x1b"
                                      "2T")
                                      .repeated(12);
    }
    void marksStandWhereTheBoxDrawsEachCharacter() {
        QFETCH(QString, line);
        QWidget window;
        auto* box = new QLineEdit(&window);
        box->setGeometry(0, 0, 4000, 24);
        box->setText(line);
        auto* marks = new EscapeMarks(box);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<int> starts;
        for (int i = 0; i <= line.size(); ++i) {
            box->setCursorPosition(i);
            starts << box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() + 5;
        }
        box->setCursorPosition(0);
        for (int i = 0; i < line.size(); ++i) {
            const QRect at = marks->CharacterRect(i);
            QVERIFY2(std::abs(at.left() - starts[i]) <= 1 &&
                         std::abs(at.left() + at.width() - starts[i + 1]) <= 1,
                     qPrintable(QStringLiteral("%1: %2 %3, %4 %5")
                                    .arg(i)
                                    .arg(at.left())
                                    .arg(starts[i])
                                    .arg(at.left() + at.width())
                                    .arg(starts[i + 1])));
        }
    }
};

QTEST_MAIN(TestEscapeMarks)
#include "tst_escape_marks.moc"
