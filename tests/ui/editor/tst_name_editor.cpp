// The name editor as the styled text the encoder reads, and as an editor the user types in.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>
#include <QtTest>

#include "core/char_rules.h"
#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "ui/common/ui_test_support.h"
#include "ui/editor/clipboard_watch.h"
#include "ui/editor/editor_test_support.h"
#include "ui/editor/name_editor.h"

using namespace chromlet;
using namespace chromlet::ui;

namespace {

// Reaches the editor's paste and drop entry point, which the tests feed directly.
class PastableEditor : public NameEditor {
  public:
    using NameEditor::insertFromMimeData;
};

// A clipboard whose owner never answers: each question costs Qt its five seconds of waiting,
// on the test's clock, and brings nothing.
class SilentOwner : public QMimeData {
  public:
    explicit SilentOwner(qint64& clock) : clock_(clock) {}
    QStringList formats() const override {
        ++asked;
        clock_ += 5000;
        return {};
    }
    mutable int asked = 0;

  protected:
    QVariant retrieveData(const QString&, QMetaType) const override {
        ++asked;
        clock_ += 5000;
        return {};
    }

  private:
    qint64& clock_;
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

    // Typed characters a name cannot hold are refused, each with a note at the caret. Each entry
    // of `typed` is the text of one key; a key's text may hold more than one character.
    void typedCharactersANameCannotHoldAreRefusedAndNoted_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("note");
        QTest::newRow("ISO 8859-1 kept")
            << QStringList{"\u00E9", "\u00A0", "x"} << QByteArray("Player\xE9\xA0x") << "";
        QTest::newRow("euro sign")
            << QStringList{"a", "\u20AC", "b"} << QByteArray("Playerab")
            << "\u20AC is not a character the game can show; it was left out.";
        QTest::newRow("double quote") << QStringList{"M", "r", " ", "\"", "Q", "\""}
                                      << QByteArray("PlayerMr Q") << "cannot hold a double quote";
        QTest::newRow("control characters in a key's text")
            << QStringList{QStringLiteral("x\u0000y\u0001"), QStringLiteral("\u00AD")}
            << QByteArray("Playerxy\xAD")
            << "NUL SOH are control characters, which a name cannot hold";
        QTest::newRow("Enter") << QStringList{"\n"} << QByteArray("Player") << "A name is one line";
    }
    void typedCharactersANameCannotHoldAreRefusedAndNoted() {
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, result);
        QFETCH(QString, note);
        QSignalSpy notes(editor, &NameEditor::InputNoted);
        editor->SetSelection({6, 0});
        for (const QString& key : typed) {
            if (key == "\n") {
                QTest::keyClick(editor, Qt::Key_Return);
                QTest::keyClick(editor, Qt::Key_Enter);
            } else {
                QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, key, {});
            }
        }
        QCOMPARE(QByteArray::fromStdString(editor->Text()), result);
        QCOMPARE(editor->document()->blockCount(), 1);
        QCOMPARE(notes.isEmpty(), note.isEmpty());
        QVERIFY2(editor->LastNote().contains(note), qPrintable(editor->LastNote()));
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
        QTest::addColumn<QString>("note");
        QTest::newRow("plain") << "abc" << QString() << QByteArray("Plabcayer") << "";
        QTest::newRow("line breaks become one space each")
            << "Red\nRocket\r\nRider\r!\u2029e\u2028f" << QString()
            << QByteArray("PlRed Rocket Rider ! e fayer") << "each line break became a space";
        QTest::newRow("outside ISO 8859-1 dropped")
            << "x\u20ACy\u00FF\u0416\U0001F600" << QString()
            << QByteArray(
                   "Plxy\xFF"
                   "ayer")
            << "\u20AC \u0416 \U0001F600 are not characters the game can show";
        QTest::newRow("double quote dropped")
            << "a\"b" << QString() << QByteArray("Plabayer") << "double quote";
        QTest::newRow("no-break space and C1 kept, control characters left out")
            << QStringLiteral("\t\u00A0\u0000\u0081") << QString()
            << QByteArray(
                   "Pl\xA0\x81"
                   "ayer")
            << "TAB NUL are control characters";
        QTest::newRow("rich text arrives as plain")
            << "red"
            << "<span style='color:#00ff00'>red</span>" << QByteArray("Plredayer") << "";
        QTest::newRow("HTML alone gives its text")
            << QString() << "<b>bold</b>" << QByteArray("Plboldayer") << "";
        QTest::newRow("HTML table") << QString() << "<table><tr><td>A</td><td>B</td></tr></table>"
                                    << QByteArray("PlA Bayer") << "";
        QTest::newRow("HTML references and blocks")
            << QString() << "&eacute;&#0;<p>x</p><p>y</p>" << QByteArray("Pl\xE9 x yayer")
            << "\uFFFD is not a character the game can show; it was left out.\nA name is one "
               "line: each line break became a space.";
    }
    void pastedTextIsPlainAndOnOneLine() {
        QFETCH(QString, pasted);
        QFETCH(QString, html);
        QFETCH(QByteArray, result);
        QFETCH(QString, note);
        editor->SetSelection({2, 0});
        QMimeData mime;
        if (!pasted.isEmpty()) {
            mime.setText(pasted);
        }
        if (!html.isEmpty()) {
            mime.setHtml(html);
        }
        editor->insertFromMimeData(&mime);
        QCOMPARE(QByteArray::fromStdString(editor->Text()), result);
        QCOMPARE(editor->document()->blockCount(), 1);
        QVERIFY2(editor->LastNote().contains(note), qPrintable(editor->LastNote()));
        QCOMPARE(editor->LastNote().isEmpty(), note.isEmpty());
        QVERIFY(note.isEmpty() || editor->LastNote().count(note) == 1);
        // Pasted characters take the style around them, never the pasted colours.
        for (std::size_t i = 0; i < editor->Length(); ++i) {
            QCOMPARE(editor->StyleAt(i).Color, 0xFFFFFFu);
        }
    }

    // Copy carries the colours and font flags, so a styled part pastes as it was into either
    // editor; a damaged styled clipboard falls back to its text.
    void copiedStylesPasteIntoEitherEditor() {
        editor->SetSelection({0, 2});
        editor->SetSelectionColor(PackColor(255, 0, 0));
        editor->SetSelection({1, 2});
        editor->SetSelectionQ3Font(false);
        editor->copy();
        auto* second = new PastableEditor;
        second->setParent(window.get());
        chromlet::test::SetEditorText(second, "ab");
        second->SetSelection({1, 0});
        second->paste();
        QCOMPARE(second->Text(), std::string("alab"));
        const CharStyle expected[] = {
            {0xFFFFFF, true}, {0x0000FF, false}, {0xFFFFFF, false}, {0xFFFFFF, true}};
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(second->StyleAt(i), expected[i]);
        }
        second->undo();
        QCOMPARE(second->Text(), std::string("ab"));
        QMimeData damaged;
        damaged.setData(NameEditor::StyledMimeType(), "1234");
        damaged.setText("t");
        second->insertFromMimeData(&damaged);
        QCOMPARE(second->Text(), std::string("atb"));
    }

    // However a name comes in, it stops where its configuration line would be longer than the
    // 1,023 bytes the game reads whole, with a note that says so; the whole of a huge paste is
    // never read or laid out. 1,007 white characters fill the test release's name line: "seta
    // name ", the quotes, the escape and "7" before them and after them.
    void everyWayInStopsAtTheBound_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("before");
        QTest::newRow("typed") << 0 << 1007;
        QTest::newRow("input method") << 1 << 1007;
        QTest::newRow("10 MB of text pasted") << 2 << 1000;
        QTest::newRow("styled clipboard") << 3 << 1000;
        QTest::newRow("HTML nested 200,000 deep") << 4 << 0;
        QTest::newRow("styled text inserted") << 5 << 1000;
        QTest::newRow("styled text replacing the name") << 6 << 0;
    }
    void everyWayInStopsAtTheBound() {
        QFETCH(int, way);
        QFETCH(int, before);
        chromlet::test::SetEditorText(editor, QString(before, u'a'));
        editor->moveCursor(QTextCursor::End);
        QMimeData mime;
        QString replaceNote;
        const MemoryStyledText long2000(std::string(2000, 'b'), CharStyle{0xFF, false});
        switch (way) {
            case 0:
                QTest::keyClick(editor, Qt::Key_X);
                break;
            case 1: {
                QInputMethodEvent commit;
                commit.setCommitString(QStringLiteral("x"));
                QApplication::sendEvent(editor, &commit);
                break;
            }
            case 2:
                mime.setText(QString(10'000'000, u'b'));
                break;
            case 3:
                mime.setData(NameEditor::StyledMimeType(),
                             QByteArray("b\xFF\0\0\1", 5).repeated(100));
                break;
            case 4:
                mime.setHtml(QStringLiteral("<b>").repeated(200'000) + QString(2000, u'b'));
                break;
            case 5:
                editor->InsertStyledText(long2000);
                break;
            case 6:
                // Said by whoever replaces both names, once for both.
                replaceNote = editor->ReplaceStyledText(long2000);
                break;
        }
        if (!mime.formats().isEmpty()) {
            editor->insertFromMimeData(&mime);
        }
        const std::size_t bytes = LineBytes(editor->Line(), *editor);
        QVERIFY2(bytes <= 1023 && bytes >= 1021, qPrintable(QString::number(bytes)));
        const QString note = way == 6 ? replaceNote : editor->LastNote();
        QVERIFY2(note.contains("configuration line holds at most 1,023 bytes"), qPrintable(note));
    }

    // A paste that brings nothing says why, never nothing at all.
    void clipboardWithoutTextSaysSo() {
        QMimeData damaged;
        damaged.setData(NameEditor::StyledMimeType(), "1234");
        editor->insertFromMimeData(&damaged);
        QVERIFY2(editor->LastNote().contains("damaged"), qPrintable(editor->LastNote()));
        QMimeData image;
        image.setData(QStringLiteral("image/png"), "\x89PNG");
        editor->insertFromMimeData(&image);
        QCOMPARE(editor->LastNote(), QStringLiteral("The clipboard holds no text to paste."));
        QCOMPARE(editor->Text(), std::string("Player"));
    }

    // A program that holds the clipboard and never answers makes Qt wait seconds for each
    // question: it is asked once, said so, and not asked again until the clipboard changes.
    void silentClipboardOwnerIsAskedOnce() {
        qint64 now = 0;
        ClipboardWatch watch(QApplication::clipboard(), [&now] { return now; });
        editor->SetClipboardWatch(&watch);
        auto* owner = new SilentOwner(now);
        QApplication::clipboard()->setMimeData(owner);
        QVERIFY(editor->MayPaste() && editor->canPaste());  // nothing asked to know that
        QCOMPARE(owner->asked, 0);
        editor->paste();
        QCOMPARE(owner->asked, 1);
        QVERIFY2(editor->LastNote().contains("does not answer"), qPrintable(editor->LastNote()));
        editor->paste();
        std::unique_ptr<QMenu>(editor->createStandardContextMenu()).reset();
        QVERIFY(!editor->MayPaste());
        QCOMPARE(owner->asked, 1);
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QVERIFY(editor->MayPaste());
        editor->moveCursor(QTextCursor::End);
        editor->paste();
        QCOMPARE(editor->Text(), std::string("Playerx"));
        editor->SetClipboardWatch(ClipboardWatch::ForApplication());
    }

    // The game draws each character over a black copy one pixel right and down; so do the
    // editors, so that red, blue and magenta read on the grey.
    void drawsEachCharacterOverABlackShadow() {
        chromlet::test::SetEditorText(editor, "IIII");
        editor->SetSelection({0, 4});
        editor->SetSelectionColor(PackColor(255, 0, 0));
        editor->SetSelection({0, 0});
        other->setFocus();
        const QImage image = editor->viewport()->grab().toImage();
        QPointF red, black;
        int reds = 0;
        int blacks = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() > 200 && c.green() < 60) {
                    red += QPointF(x, y);
                    ++reds;
                } else if (c.red() < 40 && c.green() < 40 && c.blue() < 40) {
                    black += QPointF(x, y);
                    ++blacks;
                }
            }
        }
        QVERIFY(reds > 10 && blacks > 10);
        const QPointF offset = black / blacks - red / reds;
        QVERIFY2(offset.x() >= 0.5 && offset.x() <= 2 && offset.y() >= 0.5 && offset.y() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    void emptiedEditorTypesWhiteInTheStandardFont() {
        editor->SetSelection({0, 6});
        editor->SetSelectionColor(PackColor(255, 0, 0));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, "xy");
        QCOMPARE(editor->Text(), std::string("xy"));
        QCOMPARE(editor->StyleAt(0), (CharStyle{0xFFFFFF, true}));
        QCOMPARE(editor->StyleAt(1), (CharStyle{0xFFFFFF, true}));
    }

    // A whole name typed over another starts from the old one's first character, spaces and
    // all; over part of it, from that part's first character.
    void textTypedOverASelectionTakesItsFirstCharactersStyle() {
        test::SetEditorText(editor, QStringLiteral("My Srv"));
        editor->SetSelection({3, 3});
        editor->SetSelectionQ3Font(false);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "Frag Fest 24/7");
        QCOMPARE(editor->Text(), std::string("Frag Fest 24/7"));
        for (std::size_t i = 0; i < editor->Length(); ++i) {
            QCOMPARE(editor->StyleAt(i), (CharStyle{0xFFFFFF, true}));
        }
        editor->SetSelection({5, 4});
        editor->SetSelectionColor(PackColor(255, 0, 0));
        editor->SetSelection({6, 3});
        editor->SetSelectionQ3Font(false);
        editor->SetSelection({5, 4});  // "Fest": red, then red alternative font
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("Cup"));
        QApplication::sendEvent(editor, &commit);
        QCOMPARE(editor->Text(), std::string("Frag Cup 24/7"));
        for (std::size_t i = 5; i < 8; ++i) {
            QCOMPARE(editor->StyleAt(i), (CharStyle{PackColor(255, 0, 0), true}));
        }
        QCOMPARE(editor->StyleAt(8), (CharStyle{0xFFFFFF, true}));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);  // one step back
        QCOMPARE(editor->Text(), std::string("Frag Fest 24/7"));
    }

    // Qt's own caret inverts the grey under it into grey; the editor's own must stand out.
    void caretIsPlainlyVisibleOnTheGreyBackground() {
        chromlet::test::SetEditorText(editor, "");
        editor->setFocus();
        QVERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_End);  // shows the caret at once
        const QImage image = editor->viewport()->grab().toImage();
        const int x = editor->cursorRect().left();
        int clear = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int dx = -1; dx <= 2; ++dx) {
                const QColor c(image.pixel(std::clamp(x + dx, 0, image.width() - 1), y));
                clear += std::abs(c.red() - 128) + std::abs(c.green() - 128) > 150;
            }
        }
        QVERIFY2(clear >= 10, qPrintable(QString::number(clear)));
    }

    // Characters 128 to 255 come out of the game's alternative font: a line under each, and a
    // tool tip that says so.
    void highCharactersAreMarkedAndExplained() {
        chromlet::test::SetEditorText(editor, "P\u00E9P");
        other->setFocus();
        const QImage image = editor->viewport()->grab().toImage();
        const auto marked = [&](int from, int to) {
            int n = 0;
            for (int x = from; x < to; ++x) {
                for (int y = image.height() / 2; y < image.height(); ++y) {
                    n += QColor(image.pixel(x, y)) == QColor(230, 230, 230);
                }
            }
            return n;
        };
        QTextCursor c(editor->document());
        c.setPosition(1);
        const int e = editor->cursorRect(c).left();
        c.setPosition(2);
        const int p = editor->cursorRect(c).left();
        QVERIFY(marked(e, p) > 0);
        QCOMPARE(marked(0, e), 0);
        QHelpEvent help(QEvent::ToolTip, editor->viewport()->mapTo(editor, QPoint((e + p) / 2, 8)),
                        editor->mapToGlobal(QPoint((e + p) / 2, 8)));
        QApplication::sendEvent(editor, &help);
        QVERIFY2(QToolTip::text().contains("alternative font, as \u201Ci\u201D"),
                 qPrintable(QToolTip::text()));
    }

    void selectionStaysVisibleWithoutFocus() {
        editor->SetSelection({0, 6});
        other->setFocus();
        QCOMPARE(QApplication::focusWidget(), other);
        const QImage image = editor->grab().toImage();
        const QRgb highlight = NameEditor::SelectionColor().rgb();
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
