// The name editor as the styled text the encoder reads, and as an editor the user types in.
#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

#include "core/color_code.h"
#include "ui/name_editor.h"
#include "ui_test_support.h"

using namespace chromlet;
using namespace chromlet::ui;

namespace {

// Reaches the editor's paste and drop entry point, which the tests feed directly.
class PastableEditor : public NameEditor {
  public:
    using NameEditor::insertFromMimeData;
};

}  // namespace

class TestNameEditor : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QWidget> window;
    PastableEditor* editor = nullptr;
    QLineEdit* other = nullptr;

  private slots:
    void init() {
        window = std::make_unique<QWidget>();
        editor = new PastableEditor;
        editor->setParent(window.get());
        editor->setGeometry(7, 22, 204, 22);
        other = new QLineEdit(window.get());
        other->setGeometry(7, 60, 100, 22);
        chromlet::test::SetEditorText(editor, "Player");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        editor->setFocus();
    }
    void cleanup() { window.reset(); }

    void readsAndSetsStylesPerCharacter() {
        editor->SetSelection({1, 2});
        editor->SetSelectionColor(PackColor(255, 0, 0));
        editor->SetSelection({2, 3});
        editor->SetSelectionQ3Font(false);
        const CharStyle expected[] = {
            {0xFFFFFF, true},  {0x0000FF, true},  {0x0000FF, false},
            {0xFFFFFF, false}, {0xFFFFFF, false}, {0xFFFFFF, true},
        };
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(editor->StyleAt(i), expected[i]);
        }
        QCOMPARE(editor->GetSelection(), (Selection{2, 3}));
        // The alternative font is drawn visibly differently.
        QTextCursor c(editor->document());
        c.setPosition(4);
        QVERIFY(c.charFormat().fontItalic());
        c.setPosition(6);
        QVERIFY(!c.charFormat().fontItalic());
        // And the editor's code is what the model would give.
        CodeDigit digit;
        QCOMPARE(BuildColorCode(*editor, digit), std::string("\x1b"
                                                             "7P\x1b"
                                                             "1l\xE1\x1b"
                                                             "7\xF9\xE5r"));
        QCOMPARE(editor->GetSelection(), (Selection{5, 1}));
    }

    void emptySelectionChangesNoCharacter() {
        editor->SetSelection({3, 0});
        editor->SetSelectionColor(0);
        editor->SetSelectionQ3Font(false);
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(editor->StyleAt(i), (CharStyle{0xFFFFFF, true}));
        }
    }

    void keepsTheSelectionDirectionWhenExtended() {
        QTextCursor c = editor->textCursor();
        c.setPosition(5);
        c.setPosition(3, QTextCursor::KeepAnchor);  // selected from right to left
        editor->setTextCursor(c);
        editor->SetSelection({2, 3});
        QCOMPARE(editor->textCursor().position(), 2);
        QCOMPARE(editor->textCursor().anchor(), 5);
        editor->SetSelection({4, 99});
        QCOMPARE(editor->GetSelection(), (Selection{4, 2}));
    }

    void styleChangesUndoLikeTyping() {
        editor->SetSelection({0, 6});
        editor->SetSelectionColor(PackColor(0, 0, 255));
        QCOMPARE(editor->StyleAt(0).Color, 0xFF0000u);
        editor->undo();
        QCOMPARE(editor->StyleAt(0).Color, 0xFFFFFFu);
    }

    void enterAndLineBreaksAreRefused() {
        editor->SetSelection({6, 0});
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Enter);
        QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(editor->Text(), std::string("Player"));
        QCOMPARE(editor->document()->blockCount(), 1);
    }

    void typedCharactersAreLatin1Only() {
        editor->SetSelection({6, 0});
        for (QChar c : QStringLiteral("\u00E9\u20AC\u00A0x")) {
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(editor->Text(), std::string("Player\xE9\xA0x"));
    }

    void tabMovesTheFocus() {
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(editor->Text(), std::string("Player"));
    }

    void pastedTextIsPlainAndOnOneLine_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("plain") << "abc" << QString() << QByteArray("Plabcayer");
        QTest::newRow("line breaks dropped")
            << "a\r\nb\nc\rd\u2029e\u2028f" << QString() << QByteArray("Plabcdefayer");
        QTest::newRow("outside ISO 8859-1 dropped") << "x\u20ACy\u00FF" << QString()
                                                    << QByteArray(
                                                           "Plxy\xFF"
                                                           "ayer");
        QTest::newRow("tab and non-breaking space kept") << "\t\u00A0" << QString()
                                                         << QByteArray(
                                                                "Pl\t\xA0"
                                                                "ayer");
        QTest::newRow("rich text arrives as plain")
            << "red"
            << "<span style='color:#00ff00'>red</span>" << QByteArray("Plredayer");
        QTest::newRow("nothing insertable") << "\u20AC\n" << QString() << QByteArray("Player");
    }
    void pastedTextIsPlainAndOnOneLine() {
        QFETCH(QString, pasted);
        QFETCH(QString, html);
        QFETCH(QByteArray, result);
        editor->SetSelection({2, 0});
        QMimeData mime;
        mime.setText(pasted);
        if (!html.isEmpty()) {
            mime.setHtml(html);
        }
        editor->insertFromMimeData(&mime);
        QCOMPARE(QByteArray::fromStdString(editor->Text()), result);
        QCOMPARE(editor->document()->blockCount(), 1);
        // Pasted characters take the style around them, never the pasted colours.
        for (std::size_t i = 0; i < editor->Length(); ++i) {
            QCOMPARE(editor->StyleAt(i).Color, 0xFFFFFFu);
        }
    }

    void selectionStaysVisibleWithoutFocus() {
        editor->SetSelection({0, 6});
        other->setFocus();
        QCOMPARE(QApplication::focusWidget(), other);
        const QImage image = editor->grab().toImage();
        const QRgb highlight = editor->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        int highlighted = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                highlighted += image.pixel(x, y) == highlight;
            }
        }
        QVERIFY2(highlighted > 100, qPrintable(QString::number(highlighted)));
    }

    void isOneLineHighOnAGreyBackground() {
        QVERIFY(editor->sizeHint().height() <= 22);
        const QImage image = editor->grab().toImage();
        QCOMPARE(QColor(image.pixel(image.width() - 4, image.height() / 2)), QColor(128, 128, 128));
    }
};

QTEST_MAIN(TestNameEditor)
#include "tst_name_editor.moc"
