// The main window, driven as a user drives it.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "describe_styles.h"
#include "hex.h"
#include "ui/budget_view.h"
#include "ui/dialog.h"
#include "ui/form1.h"
#include "ui/game_preview.h"
#include "ui/game_running_check.h"
#include "ui/latin1.h"
#include "ui/name_editor.h"
#include "ui/target_choice.h"
#include "ui/twips.h"
#include "ui_test_support.h"

using namespace chromlet;
using namespace chromlet::ui;
using chromlet::test::ModalWatcher;
using chromlet::test::SetEditorText;

class TestForm1 : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Form1> window;
    QList<ChooserSettings> chooserCalls;
    QString chooserAnswer;

    QPushButton* button(const char* name) {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!b) {
            qFatal("no button %s", name);
        }
        return b;
    }

    static QString Describe(const StyledText& text) {
        return QString::fromLatin1(test::DescribeStyles(text).c_str());
    }

    // Every character's style, as one comparable string: colour in hex and 's' or 'a'.
    static QString Styles(const StyledText& text) {
        QString out;
        for (std::size_t i = 0; i < text.Length(); ++i) {
            const CharStyle s = text.StyleAt(i);
            out += QString::asprintf("%06X%c ", s.Color, s.Q3Font ? 's' : 'a');
        }
        return out;
    }

    QAction* menuAction(const char* menu, const QString& caption) {
        for (QAction* a : window->findChild<QMenu*>(QLatin1String(menu))->actions()) {
            if (a->text() == caption) {
                return a;
            }
        }
        qFatal("no menu item %s", qPrintable(caption));
    }

    // The lines a click on "Show code" puts into the dialog.
    std::pair<std::string, std::string> DialogLines() {
        std::pair<std::string, std::string> lines;
        ModalWatcher dialogWatch([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                lines = {dialog->Text1(), dialog->Text2()};
            }
            modal->close();
        });
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        return lines;
    }

    QTemporaryDir settingsDir;

  private slots:
    void initTestCase() {
        // The remembered target goes into a folder of the test's own.
        QCoreApplication::setOrganizationName(QStringLiteral("ChromletTests"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    void init() {
        QSettings().clear();
        chooserCalls.clear();
        chooserAnswer.clear();
        window = std::make_unique<Form1>([this](QWidget*, const ChooserSettings& s) {
            chooserCalls.append(s);
            return chooserAnswer;
        });
        // Whatever runs on this machine, no game is running for these tests.
        window->SetRunningGamesFinder([](const QString&) { return std::vector<std::string>(); });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsWithWhiteNamesFocusInNameEditorNothingSelected() {
        QCOMPARE(QApplication::focusWidget(), window->rtb());
        QCOMPARE(window->windowTitle(), QStringLiteral("Chromlet"));
        for (NameEditor* editor : {window->rtb(), window->rtb2()}) {
            QCOMPARE(editor->GetSelection(), (Selection{0, 0}));
            QVERIFY(!editor->textCursor().hasSelection());
            for (std::size_t i = 0; i < editor->Length(); ++i) {
                QCOMPARE(editor->StyleAt(i), (CharStyle{0xFFFFFF, true}));
            }
            QCOMPARE(editor->palette().color(QPalette::Base), QColor(128, 128, 128));
        }
        QCOMPARE(window->rtb()->Text(), std::string("Player"));
        QCOMPARE(window->rtb2()->Text(), std::string("noname"));
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    // Restates the style-button table row by row: it pins which editor, colour and font flag each
    // button applies.
    void styleButtonActsOnItsOwnEditor_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<bool>("isColor");
        QTest::addColumn<uint>("color");
        QTest::addColumn<bool>("q3Font");
        auto colour = [](const char* n, const char* e, uint c) {
            QTest::newRow(n) << n << e << true << c << true;
        };
        auto font = [](const char* n, const char* e, bool f) {
            QTest::newRow(n) << n << e << false << 0u << f;
        };
        colour("Command1", "rtb", 0x000000);
        colour("Command2", "rtb", 0x0000FF);
        colour("Command3", "rtb", 0xFF0000);
        colour("Command4", "rtb", 0x00FF00);
        colour("Command5", "rtb", 0x00FFFF);
        colour("Command6", "rtb", 0xFF00FF);
        colour("Command7", "rtb", 0xFFFF00);
        colour("Command8", "rtb", 0xFFFFFF);
        font("Command19", "rtb", true);
        font("Command21", "rtb", false);
        colour("Command18", "rtb2", 0x000000);
        colour("Command17", "rtb2", 0x0000FF);
        colour("Command14", "rtb2", 0xFF0000);
        colour("Command16", "rtb2", 0x00FF00);
        colour("Command15", "rtb2", 0x00FFFF);
        colour("Command13", "rtb2", 0xFF00FF);
        colour("Command12", "rtb2", 0xFFFF00);
        colour("Command11", "rtb2", 0xFFFFFF);
        font("Command20", "rtb2", true);
        font("Command22", "rtb2", false);
    }
    void styleButtonActsOnItsOwnEditor() {
        QFETCH(QString, name);
        QFETCH(QString, editor);
        QFETCH(bool, isColor);
        QFETCH(uint, color);
        QFETCH(bool, q3Font);

        NameEditor* own = editor == "rtb" ? window->rtb() : window->rtb2();
        NameEditor* other = own == window->rtb() ? window->rtb2() : window->rtb();
        // Start from a colour and a font flag that no button in this table would leave.
        for (NameEditor* e : {own, other}) {
            e->SetSelection({0, e->Length()});
            e->SetSelectionColor(0x123456);
            e->SetSelectionQ3Font(!q3Font);
        }
        own->SetSelection({1, 3});
        other->SetSelection({2, 2});
        const QString otherBefore = Styles(*other);
        // The focus is in the other editor: the button still acts on its own one.
        other->setFocus();

        QPushButton* b = button(name.toLatin1().constData());
        QTest::mouseClick(b, Qt::LeftButton);

        QCOMPARE(QApplication::focusWidget(), b);
        QCOMPARE(own->GetSelection(), (Selection{1, 3}));
        QCOMPARE(Styles(*other), otherBefore);
        QCOMPARE(other->GetSelection(), (Selection{2, 2}));
        for (std::size_t i = 0; i < own->Length(); ++i) {
            const bool selected = i >= 1 && i < 4;
            const CharStyle s = own->StyleAt(i);
            if (isColor) {
                QCOMPARE(s.Color, selected ? color : 0x123456u);
                QCOMPARE(s.Q3Font, !q3Font);
            } else {
                QCOMPARE(s.Color, 0x123456u);
                QCOMPARE(s.Q3Font, selected ? q3Font : !q3Font);
            }
        }
    }

    void colourClickAfterASpacePullsItInAndFontFollows() {
        NameEditor* rtb = window->rtb();
        rtb->setFocus();
        rtb->selectAll();
        QTest::keyClicks(rtb, "ab cdef");
        QCOMPARE(rtb->Text(), std::string("ab cdef"));
        rtb->SetSelection({3, 4});

        QTest::mouseClick(button("Command2"), Qt::LeftButton);  // Red
        QCOMPARE(rtb->GetSelection(), (Selection{2, 5}));
        QTest::mouseClick(button("Command21"), Qt::LeftButton);  // Alt. Font
        QCOMPARE(rtb->GetSelection(), (Selection{2, 5}));
        for (std::size_t i = 0; i < 7; ++i) {
            QCOMPARE(rtb->StyleAt(i).Color, i >= 2 ? 0x0000FFu : 0xFFFFFFu);
            QCOMPARE(rtb->StyleAt(i).Q3Font, i < 2);
        }
        QCOMPARE(QApplication::focusWidget(), button("Command21"));
    }

    void showCodeOpensAModalDialogWithTheBuiltLines() {
        window->rtb()->SetSelection({0, 2});
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        window->rtb2()->SetSelection({4, 2});
        QTest::mouseClick(button("Command22"), Qt::LeftButton);
        MemoryStyledText player = MemoryStyledText::CopyOf(*window->rtb());
        MemoryStyledText server = MemoryStyledText::CopyOf(*window->rtb2());
        const SetaLines expected = BuildShowCodeLines(TargetGame::Q3Test, player, server);
        QCOMPARE(test::ToHex(expected.name),
                 std::string("73 65 74 61 20 6E 61 6D 65 20 22 1B 31 50 6C 1B 37 61 79 65 72 1B "
                             "37 22"));

        struct Seen {
            bool dialog = false, modal = false, ownedByWindow = false;
            QString title, focus;
            std::string text1, text2;
        } seen;
        ModalWatcher dialogWatch([&](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (dialog) {
                seen = {true,
                        dialog->isModal(),
                        dialog->parentWidget() == window.get(),
                        dialog->windowTitle(),
                        dialog->focusWidget()->objectName(),
                        dialog->Text1(),
                        dialog->Text2()};
                QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            }
            modal->close();
        });
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QVERIFY(seen.dialog);
        QVERIFY(seen.modal);
        QVERIFY(seen.ownedByWindow);
        QCOMPARE(seen.title, QStringLiteral("Control code"));
        QCOMPARE(seen.focus, QStringLiteral("OKButton"));
        QCOMPARE(seen.text1, expected.name);
        QCOMPARE(seen.text2, expected.server);
        QVERIFY(window->findChildren<Dialog*>().isEmpty());  // discarded on OK
        QCOMPARE(window->focusWidget(), button("Command9"));
        // Reading the styles leaves each editor with its last character selected.
        QCOMPARE(window->rtb()->GetSelection(), (Selection{5, 1}));
        QCOMPARE(window->rtb2()->GetSelection(), (Selection{5, 1}));
    }

    void showCodeWithAnEmptyEditorStillOpensTheDialog() {
        SetEditorText(window->rtb2(), QString());
        std::string server;
        ModalWatcher dialogWatch([&](QWidget* modal) {
            server = qobject_cast<Dialog*>(modal)->Text2();
            modal->close();
        });
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QCOMPARE(test::ToHex(server),
                 std::string("73 65 74 61 20 73 76 5F 68 6F 73 74 6E 61 6D 65 20 22 1B 37 22"));
    }

    void secondShowCodeBuildsFreshLinesInAFreshDialog() {
        QTemporaryDir dir;
        const QString path = dir.filePath("q3config.cfg");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("seta a 1\r\n");
        }
        chooserAnswer = path;
        QString remembered;
        ModalWatcher firstDialog([&](QWidget* modal) {
            if (auto* first = qobject_cast<Dialog*>(modal)) {
                first->findChild<QLineEdit*>("Text1")->setText("edited by the user");
                QTest::mouseClick(first->findChild<QPushButton*>("Command1"), Qt::LeftButton);
                remembered = first->cmd().fileName;
            }
            modal->close();
        });
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QCOMPARE(remembered, path);
        QCOMPARE(chooserCalls.size(), 1);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("seta a 1\r\nedited by the user\n\r\nseta "
                                             "sv_hostname \"\x1b"
                                             "7noname\x1b"
                                             "7\"\n\r\n"));
        }

        SetEditorText(window->rtb(), "Again");
        std::string name;
        QString startsFrom;
        ModalWatcher secondDialog([&](QWidget* modal) {
            if (auto* second = qobject_cast<Dialog*>(modal)) {
                name = second->Text1();
                startsFrom = second->cmd().fileName;
            }
            modal->close();
        });
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QCOMPARE(name, std::string("seta name \"\x1b"
                                   "7Again\x1b"
                                   "7\""));
        QCOMPARE(startsFrom, QStringLiteral("q3config.cfg"));
    }

    void altSShowsCodeAndAltEClosesTheWindow() {
        bool seen = false;
        QString focus;
        ModalWatcher dialogWatch([&](QWidget* modal) {
            seen = qobject_cast<Dialog*>(modal) != nullptr;
            focus = modal->focusWidget()->objectName();
            modal->close();
        });
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(seen);
        QCOMPARE(focus, QStringLiteral("OKButton"));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!window->isVisible());
    }

    void exitAndWindowCloseEndTheProgram_data() {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("Exit") << true;
        QTest::newRow("close box") << false;
    }
    void exitAndWindowCloseEndTheProgram() {
        QFETCH(bool, byExitButton);
        QTimer::singleShot(0, this, [&] {
            if (byExitButton) {
                QTest::mouseClick(button("Command10"), Qt::LeftButton);
            } else {
                window->close();  // what the title bar's close box does
            }
        });
        // The application's event loop only returns once the program ends.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window->isVisible());
    }

    void sharedAccessKeyMovesTheFocusAndAppliesNothing() {
        const std::string before = window->rtb()->Text();
        QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first == button("Command2") || first == button("Command17"));
        QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
        QWidget* second = QApplication::focusWidget();
        QVERIFY(second == button("Command2") || second == button("Command17"));
        QVERIFY(first != second);
        for (std::size_t i = 0; i < window->rtb()->Length(); ++i) {
            QCOMPARE(window->rtb()->StyleAt(i).Color, 0xFFFFFFu);
        }
    }

    // Restates the focus order name by name: it pins the order, which must not change.
    void tabOrderGoesThroughTheNameGroupThenTheServerGroupThenTheFonts() {
        const QStringList expected = {
            "rtb",       "Command1",  "Command2",  "Command3",  "Command4",  "Command5",
            "Command6",  "Command7",  "Command8",  "Command9",  "Command10", "Command11",
            "Command12", "Command13", "Command14", "Command15", "Command16", "Command17",
            "Command18", "rtb2",      "Command19", "Command21", "Command20", "Command22",
            "Command23",  // the load button, after every control of the fixed order
        };
        window->rtb()->setFocus();
        QStringList seen;
        for (int i = 0; i <= expected.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen.mid(0, expected.size()), expected);
        QCOMPARE(seen.last(), QStringLiteral("rtb"));  // and round again
    }

    // Restates the window's layout table row by row: it pins every control's place, kind and
    // caption, which must not move.
    void controlsStandWhereTheLayoutPutsThem_data() {
        test::AddLayoutColumns();
        const auto row = test::AddLayoutRow;
        row("Label1", "label", "Name:", 120, 60, 1140, 240);
        row("rtb", "editor", "Player", 105, 330, 3060, 330);
        row("Command1", "button", "&Black", 120, 705, 930, 330);
        row("Command2", "button", "&Red", 1035, 705, 930, 330);
        row("Command19", "button", "Q3 Font", 2160, 705, 975, 330);
        row("Command4", "button", "&Green", 120, 1020, 930, 330);
        row("Command5", "button", "&Yellow", 1035, 1020, 930, 330);
        row("Command21", "button", "Alt. Font", 2160, 1020, 975, 330);
        row("Command3", "button", "&Blue", 120, 1335, 930, 330);
        row("Command7", "button", "&Cyan", 1035, 1335, 930, 330);
        row("Command6", "button", "&Magenta", 120, 1650, 930, 330);
        row("Command8", "button", "&White", 1035, 1650, 930, 330);
        row("Label5", "label", "Server name:", 120, 2055, 1140, 240);
        row("rtb2", "editor", "noname", 105, 2325, 3060, 330);
        row("Command18", "button", "&Black", 120, 2700, 930, 330);
        row("Command17", "button", "&Red", 1035, 2700, 930, 330);
        row("Command20", "button", "Q3 Font", 2160, 2715, 975, 330);
        row("Command16", "button", "&Green", 120, 3015, 930, 330);
        row("Command15", "button", "&Yellow", 1035, 3015, 930, 330);
        row("Command22", "button", "Alt. Font", 2160, 3030, 975, 330);
        row("Command14", "button", "&Blue", 120, 3330, 930, 330);
        row("Command12", "button", "&Cyan", 1035, 3330, 930, 330);
        row("Command13", "button", "&Magenta", 120, 3645, 930, 330);
        row("Command11", "button", "&White", 1035, 3645, 930, 330);
        row("Frame3", "hline", "", 90, 4065, 3225, 30);
        row("Command9", "button", "&Show code", 1035, 4170, 1080, 345);
        row("Command10", "button", "&Exit", 2205, 4170, 1080, 345);
        row("Frame1", "vline", "", 3360, -45, 45, 4620);
        row("Label2", "bold label", "Instructions:", 3510, 60, 1140, 240);
        row("Label3", "label", nullptr, 3495, 270, 3420, 1440);
        row("Label4", "label", nullptr, 3480, 3900, 3420, 615);
        // Our additions, between the instructions (ending at 1710) and the credits (3900).
        row("Label6", "bold label", "In game:", 3510, 1755, 1140, 240);
        row("Preview1", "preview", "", 3495, 1995, 3420, 1065);
        row("Budget1", "budget", "", 3495, 3075, 3420, 390);
        row("Command23", "button", "&Load from q3config.cfg...", 3495, 3510, 2400, 345);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, twipsRect);
        QWidget* w = window->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), window->ClientArea());
        test::CheckLayoutControl(w, kind, caption, twipsRect);
    }

    void additionsLieInTheFreeAreaOfTheRightHalf() {
        const QRect free(Twips(3480), Twips(1710), Twips(3435), Twips(3900 - 1710));
        for (const char* name : {"Label6", "Preview1", "Budget1", "Command23"}) {
            QVERIFY2(free.contains(window->findChild<QWidget*>(name)->geometry()), name);
        }
    }

    void windowHasItsFixedSizeAndTexts() {
        // The menu bar sits above the client area, which keeps its size; the window grows.
        const int menuHeight = window->findChild<QMenuBar*>("MenuBar")->height();
        QVERIFY(menuHeight > 0);
        QCOMPARE(window->ClientArea()->geometry(), QRect(0, menuHeight, 471, 308));
        QCOMPARE(window->size(), QSize(471, 308 + menuHeight));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QString instructions = window->findChild<QLabel*>("Label3")->text();
        QCOMPARE(
            instructions,
            QStringLiteral("Give in you name. Select the part of the text you want to color "
                           "and click to color you want it to be. Repeat this until you get "
                           "the desired chromlet. You can do the same thing with your "
                           "Server name.") +
                QString(54, ' ') +
                QStringLiteral("Click 'Show code' to put the Chromlet in your q3config.cfg file."));
        auto* credits = window->findChild<QLabel*>("Label4");
        QVERIFY(credits->text().startsWith("Chromlet v0.3<br>For news and updates: <a href="));
        QCOMPARE(window->findChild<QPushButton*>("Command9")->font().family(),
                 window->font().family());
    }

    void previewFollowsTypingAndStyleClicksWithoutMovingAnything() {
        auto* preview = window->findChild<GamePreview*>("Preview1");
        QCOMPARE(Describe(preview->Row(0)), QStringLiteral("P7s l7s a7s y7s e7s r7s "));
        QCOMPARE(Describe(preview->Row(1)), QStringLiteral("n7s o7s n7s a7s m7s e7s "));

        NameEditor* rtb = window->rtb();
        rtb->setFocus();
        rtb->SetSelection({6, 0});
        QTest::keyClicks(rtb, "X");
        QCOMPARE(Describe(preview->Row(0)), QStringLiteral("P7s l7s a7s y7s e7s r7s X7s "));
        QCOMPARE(rtb->GetSelection(), (Selection{7, 0}));
        QCOMPARE(QApplication::focusWidget(), rtb);

        rtb->SetSelection({0, 2});
        QTest::mouseClick(button("Command2"), Qt::LeftButton);  // Red
        QCOMPARE(Describe(preview->Row(0)).left(8), QStringLiteral("P1s l1s "));
        QTest::mouseClick(button("Command21"), Qt::LeftButton);  // Alt. Font
        QCOMPARE(Describe(preview->Row(0)).left(12), QStringLiteral("P1a l1a a7s "));
        QCOMPARE(rtb->GetSelection(), (Selection{0, 2}));
        QCOMPARE(QApplication::focusWidget(), button("Command21"));

        rtb->undo();
        QCOMPARE(Describe(preview->Row(0)).left(8), QStringLiteral("P1s l1s "));

        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        if (QApplication::clipboard()->text() != QStringLiteral("pasted")) {
            QSKIP("this platform has no clipboard");
        }
        window->rtb2()->selectAll();
        window->rtb2()->paste();
        QCOMPARE(Describe(preview->Row(1)), QStringLiteral("p7s a7s s7s t7s e7s d7s "));
    }

    void loadReadsTheNamesBackIntoTheEditors() {
        QTemporaryDir dir;
        const QString path = dir.filePath("q3config.cfg");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // An older name first, then the one that counts; CR LF, LF and CR line ends.
            f.write(
                "seta name \"old\"\r\nseta sv_hostname \"\x1b"
                "4S\xF2v\x1b"
                "7\"\n\r\n"
                "seta name \"\x1b"
                "1P\xEC\x1b"
                "7ay\x1b"
                "7\"\rseta sensitivity 5\r\n");
        }
        window->rtb()->setFocus();
        chooserAnswer = path;
        QTest::mouseClick(button("Command23"), Qt::LeftButton);
        QCOMPARE(chooserCalls.size(), 1);
        QCOMPARE(chooserCalls[0].title, QStringLiteral("Locate q3config.cfg"));
        QCOMPARE(chooserCalls[0].fileName, QStringLiteral("q3config.cfg"));
        QVERIFY(chooserCalls[0].fileMustExist);
        QCOMPARE(Describe(*window->rtb()), QStringLiteral("P1s l1a a7s y7s "));
        QCOMPARE(Describe(*window->rtb2()), QStringLiteral("S4s r4a v4s "));
        QCOMPARE(window->rtb()->GetSelection(), (Selection{0, 0}));
        QCOMPARE(QApplication::focusWidget(), button("Command23"));
        auto* preview = window->findChild<GamePreview*>("Preview1");
        QCOMPARE(Describe(preview->Row(0)), QStringLiteral("P1s l1a a7s y7s "));

        // The next load starts from the file chosen this time.
        chooserAnswer.clear();
        QTest::mouseClick(button("Command23"), Qt::LeftButton);
        QCOMPARE(chooserCalls[1].fileName, path);
        QCOMPARE(Describe(*window->rtb()), QStringLiteral("P1s l1a a7s y7s "));

        // A later engine's config loads by its caret codes.
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("seta name \"^1Pl^7ay^7\"\nseta sv_hostname \"^4Sv^7\"\n");
        }
        window->SetTarget(TargetGame::Quake3);
        chooserAnswer = path;
        QTest::mouseClick(button("Command23"), Qt::LeftButton);
        QCOMPARE(Describe(*window->rtb()), QStringLiteral("P1s l1s a7s y7s "));
        QCOMPARE(Describe(*window->rtb2()), QStringLiteral("S4s v4s "));
    }

    void loadReportsWhatIsMissingAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("says");
        QTest::newRow("no server name") << QByteArray("seta name \"a\"\r\n") << "server name";
        QTest::newRow("no player name")
            << QByteArray("seta sv_hostname \"a\"\r\n") << "no player name";
        QTest::newRow("no quotes")
            << QByteArray("seta name Old\r\nseta sv_hostname \"a\"\r\n") << "player name";
        QTest::newRow("empty file") << QByteArray() << "player name";
        QTest::newRow("a folder") << QByteArray("<folder>") << "Could not read";
    }
    void loadReportsWhatIsMissingAndChangesNothing() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QString path = dir.filePath("q3config.cfg");
        if (contents == "<folder>") {
            QVERIFY(QDir(dir.path()).mkdir("q3config.cfg"));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        window->rtb()->SetSelection({0, 2});
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        const QString before = Describe(*window->rtb()) + "|" + Describe(*window->rtb2());
        QString text;
        ModalWatcher boxWatch([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                text = box->text();
            }
            modal->close();
        });
        chooserAnswer = path;
        QTest::mouseClick(button("Command23"), Qt::LeftButton);
        QVERIFY(boxWatch.Fired());
        QVERIFY2(text.contains(says), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        QVERIFY2(text.contains("left as they were"), qPrintable(text));
        QCOMPARE(Describe(*window->rtb()) + "|" + Describe(*window->rtb2()), before);
    }

    void twipsRoundToTheNearestPixel_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        for (const auto& [t, p] : std::initializer_list<std::pair<int, int>>{
                 {0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {-7, 0}, {-8, -1}, {-45, -3}}) {
            QTest::addRow("%d", t) << t << p;
        }
    }
    void twipsRoundToTheNearestPixel() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(ui::Twips(twips), pixels);
    }

    void menuAccessKeysStayClearOfTheButtonsAndOfEachOther() {
        const QString buttonKeys = QStringLiteral("BRGYMCWSEL");
        const auto keyOf = [](const QString& caption) {
            const qsizetype amp = caption.indexOf('&');
            return amp >= 0 && amp + 1 < caption.size() ? caption[amp + 1].toUpper() : QChar();
        };
        QString titleKeys;
        for (QAction* menuAction : window->findChild<QMenuBar*>("MenuBar")->actions()) {
            titleKeys += keyOf(menuAction->text());
            QString itemKeys;
            for (QAction* item : menuAction->menu()->actions()) {
                if (!item->isSeparator()) {
                    itemKeys += keyOf(item->text());
                }
            }
            for (const QString& keys : {titleKeys, itemKeys}) {
                for (QChar key : keys) {
                    QVERIFY2(!key.isNull() && !buttonKeys.contains(key), qPrintable(keys));
                    QCOMPARE(keys.count(key), 1);
                }
            }
        }
        QCOMPARE(titleKeys, QStringLiteral("FDTAH"));
        QVERIFY(menuAction("FileMenu", "Load from &q3config.cfg..."));
    }

    void editMenuActsOnTheEditorThatHadTheFocusLast() {
        window->rtb2()->setFocus();
        window->rtb2()->SetSelection({0, 2});
        button("Command11")->setFocus();  // the focus leaves the editors
        menuAction("EditMenu", "Cu&t")->trigger();
        QCOMPARE(window->rtb2()->Text(), std::string("name"));
        QCOMPARE(window->rtb()->Text(), std::string("Player"));
        menuAction("EditMenu", "&Undo")->trigger();
        QCOMPARE(window->rtb2()->Text(), std::string("noname"));
    }

    // Opening the Edit menu never asks the clipboard, whose owner may take seconds to answer or
    // never answer; Paste follows what a paste found there and each change of the clipboard.
    void editMenuFollowsTheClipboardWithoutAskingIt() {
        struct Image : QMimeData {  // nothing to paste; counts the questions
            int asked = 0;
            QStringList formats() const override {
                ++const_cast<Image*>(this)->asked;
                return {QStringLiteral("image/png")};
            }
        };
        auto* image = new Image;
        QApplication::clipboard()->setMimeData(image);
        auto* edit = window->findChild<QMenu*>("EditMenu");
        QAction* paste = menuAction("EditMenu", "&Paste");
        emit edit->aboutToShow();
        QVERIFY(paste->isEnabled());  // not known yet: a paste says what it finds
        QCOMPARE(image->asked, 0);
        window->rtb()->setFocus();
        paste->trigger();
        QCOMPARE(window->rtb()->LastNote(),
                 QStringLiteral("The clipboard holds no text to paste."));
        emit edit->aboutToShow();
        QVERIFY(!paste->isEnabled());
        QCOMPARE(image->asked, 1);
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QVERIFY(paste->isEnabled());
    }

    // A black part, an alternative-font part and far more than the game keeps.
    void SetOverLongPartlyBlackNames() {
        SetEditorText(window->rtb(), "Black" + QString(40, 'W'));
        window->rtb()->SetSelection({0, 5});
        window->rtb()->SetSelectionColor(0x000000);
        window->rtb()->SetSelection({8, 3});
        window->rtb()->SetSelectionQ3Font(false);
        SetEditorText(window->rtb2(), QStringLiteral("A server name too long for the browser"));
        window->rtb2()->SetSelection({2, 6});
        window->rtb2()->SetSelectionColor(0x0000FF);
    }

    void switchingTheTargetChangesPreviewCountsAndLinesNotTheEditors() {
        SetOverLongPartlyBlackNames();
        const QString editorsBefore = Styles(*window->rtb()) + Styles(*window->rtb2());
        auto* preview = window->findChild<GamePreview*>("Preview1");
        auto* budget = window->findChild<BudgetView*>("Budget1");
        QSet<QString> previews;
        for (TargetGame target : {TargetGame::Quake3, TargetGame::IoQuake3, TargetGame::OpenArena,
                                  TargetGame::Q3Test}) {
            menuAction("GameMenu", TargetMenuCaption(target))->trigger();
            QCOMPARE(window->Target(), target);
            QCOMPARE(QSettings().value(TargetSettingsKey).toString(),
                     FromLatin1(TargetKey(target)));
            for (QAction* a : window->findChild<QMenu*>("GameMenu")->actions()) {
                QCOMPARE(a->isChecked(), a->text() == TargetMenuCaption(target));
            }

            MemoryStyledText player = MemoryStyledText::CopyOf(*window->rtb());
            MemoryStyledText server = MemoryStyledText::CopyOf(*window->rtb2());
            const SetaLines expected = BuildShowCodeLines(target, player, server);
            const auto [text1, text2] = DialogLines();
            QCOMPARE(text1, expected.name);
            QCOMPARE(text2, expected.server);
            const bool caret = target != TargetGame::Q3Test;
            QCOMPARE(text1.find('\x1b') == std::string::npos, caret);

            // 40 + 5 characters; black (two codes) and white around it, and the final white.
            QCOMPARE(budget->Counts(0).contains(" 45 visible"), true);
            QCOMPARE(budget->Marks(0).empty(), !caret);
            if (caret) {
                QLabel* kept = budget->Marks(0).front();
                QCOMPARE(kept->palette().color(QPalette::WindowText), BudgetView::WarningColor());
                QVERIFY2(kept->toolTip().contains("only the first 35 bytes"),
                         qPrintable(kept->toolTip()));
                // What the game keeps is shown under the name, with the reason.
                QVERIFY(preview->RowCount() > 2);
                // OpenArena keeps black; every later engine turns the alternative font into dots.
                QCOMPARE(preview->Note(1).contains("black removed"),
                         target != TargetGame::OpenArena);
                QVERIFY2(preview->Note(1).contains("arrive as dots"), qPrintable(preview->Note(1)));
                QCOMPARE(preview->Note(preview->RowCount() - 1),
                         QStringLiteral("In the game's server browser (cut to %1 characters):")
                             .arg(target == TargetGame::OpenArena ? 30 : 20));
            } else {
                QCOMPARE(preview->RowCount(), 2);
            }
            QString seen;
            for (int row = 0; row < preview->RowCount(); ++row) {
                seen += preview->Note(row) + Describe(preview->Row(row)) + "|";
            }
            for (QLabel* mark : budget->Marks(1)) {
                seen += mark->text() + "|";
            }
            previews.insert(seen);
            QCOMPARE(Styles(*window->rtb()) + Styles(*window->rtb2()), editorsBefore);
        }
        QCOMPARE(previews.size(), AllTargets.size());

        // The choice outlives the window.
        menuAction("GameMenu", TargetMenuCaption(TargetGame::IoQuake3))->trigger();
        window.reset();
        Form1 next;
        QCOMPARE(next.Target(), TargetGame::IoQuake3);
    }

    void chooserOpensInTheTargetsConfigFolder() {
        QTemporaryDir home;
        for (const char* folder : {"/.q3a/baseq3", "/.config/Quake3/baseq3"}) {
            QVERIFY(QDir().mkpath(home.path() + folder));
        }
        const chromlet::test::ScopedEnv homeSet("HOME", home.path().toLocal8Bit());
        const chromlet::test::ScopedEnv xdgUnset("XDG_CONFIG_HOME", QByteArray());
        QStringList folders;
        for (TargetGame target : AllTargets) {
            window->SetTarget(target);
            QTest::mouseClick(button("Command23"), Qt::LeftButton);  // answered with a cancel
            folders << QDir::fromNativeSeparators(chooserCalls.last().directory);
        }
        // No ~/.openarena here: the home folder itself.
        QCOMPARE(folders, (QStringList{home.path() + "/.q3a/baseq3", home.path() + "/.q3a/baseq3",
                                       home.path() + "/.config/Quake3/baseq3", home.path()}));
    }

    void aboutNamesTheVersionAndTheWebAddress() {
        QString text;
        ModalWatcher watch([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                text = box->text();
            }
            modal->close();
        });
        menuAction("HelpMenu", "&About Chromlet")->trigger();
        QVERIFY(watch.Fired());
        QVERIFY2(text.contains("v0.3") && text.contains("https://chromlet.github.io/"),
                 qPrintable(text));
    }

    void creditsLinkThatNoBrowserOpensShowsTheAddress_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("a browser opens") << true;
        QTest::newRow("no browser") << false;
    }
    void creditsLinkThatNoBrowserOpensShowsTheAddress() {
        QFETCH(bool, opens);
        QList<QUrl> asked;
        window->SetUrlOpener([&](const QUrl& url) {
            asked << url;
            return opens;
        });
        auto* credits = window->findChild<QLabel*>("Label4");
        QVERIFY(!credits->openExternalLinks());
        emit credits->linkActivated(QStringLiteral("https://chromlet.github.io/"));
        QCOMPARE(asked, QList<QUrl>{QUrl("https://chromlet.github.io/")});
        auto* note = window->findChild<QMessageBox*>("LinkFailedNote");
        QCOMPARE(note != nullptr, !opens);
        if (!opens) {
            QVERIFY(note->isVisible());
            QVERIFY(!note->isModal());
            QVERIFY(note->text().contains("https://chromlet.github.io/"));
            QVERIFY(note->textInteractionFlags() & Qt::TextSelectableByMouse);
            QApplication::clipboard()->clear();
            QTest::mouseClick(note->findChild<QPushButton*>("CopyAddress"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(),
                     QStringLiteral("https://chromlet.github.io/"));
        }
    }

    // Produces pictures of the window for a person to look at, one per target, with names too
    // long for the game and partly black; it checks only that they were written.
    void writesScreenshotsOfEachTarget() {
        const QString dir = QStringLiteral(CHROMLET_SCREENSHOT_DIR);
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(window->grab().save(dir + "/form1.png"));
        window->SetTarget(TargetGame::Quake3);
        QVERIFY(window->grab().save(dir + "/form1-quake3-short.png"));
        SetOverLongPartlyBlackNames();
        for (TargetGame target : AllTargets) {
            window->SetTarget(target);
            const QString key = FromLatin1(TargetKey(target));
            QVERIFY(window->grab().save(dir + "/form1-" + key + ".png"));
            auto* preview = window->findChild<GamePreview*>("Preview1");
            preview->verticalScrollBar()->setValue(preview->verticalScrollBar()->maximum());
            QVERIFY(preview->grab().save(dir + "/preview-" + key + "-scrolled.png"));
        }
        for (QMenu* menu : window->findChild<QMenuBar*>("MenuBar")->findChildren<QMenu*>(
                 QRegularExpression("Menu$"))) {
            menu->adjustSize();
            QVERIFY(menu->grab().save(dir + "/form1-" + menu->objectName() + ".png"));
        }
        // The two messages of our own: the link no browser opened, and the running game.
        window->SetUrlOpener([](const QUrl&) { return false; });
        emit window->findChild<QLabel*>("Label4")->linkActivated("https://chromlet.github.io/");
        QVERIFY(
            window->findChild<QMessageBox*>("LinkFailedNote")->grab().save(dir + "/link-note.png"));
        ModalWatcher watch([&](QWidget* modal) {
            modal->grab().save(dir + "/game-running.png");
            modal->close();
        });
        ConfirmWriteWhileGameRuns(window.get(), "q3config.cfg", [](const QString&) {
            return std::vector<std::string>{"quake3e"};
        });

        // The one-click styles in a caret target, with the counts they leave.
        window->SetTarget(TargetGame::Quake3);
        test::SetEditorText(window->rtb(), "Red Rocket Rider");
        test::SetEditorText(window->rtb2(), "Frag Fest");
        window->rtb()->setFocus();
        auto* budget = window->findChild<BudgetView*>("Budget1");
        for (const char* style : {"Ra&inbow", "By w&ord", "Ran&dom", "&Tidy codes"}) {
            if (QString(style) == "&Tidy codes") {
                // Spaces coloured by hand, as selecting word by word leaves them, cost codes.
                for (std::size_t space : {3u, 10u}) {
                    window->rtb()->SetSelection({space, 1});
                    window->rtb()->SetSelectionColor(PackedOf(PaletteColor::White));
                }
                window->rtb()->SetSelection({0, 0});
                QVERIFY(window->grab().save(dir + "/form1-style-beforetidy.png"));
                qInfo("before tidying: %s", qPrintable(budget->Counts(0)));
            }
            menuAction("StyleMenu", style)->trigger();
            const QString name = QString(style).remove('&').remove(' ').toLower();
            QVERIFY(window->grab().save(dir + "/form1-style-" + name + ".png"));
            qInfo("%s: %s", style, qPrintable(budget->Counts(0)));
        }
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
