// The main window, driven as a user drives it.
#include <QAccessible>
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

#include "config/settings_keys.h"
#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "describe_styles.h"
#include "hex.h"
#include "test_charset.h"
#include "ui/code_dialog/dialog.h"
#include "ui/code_dialog/game_running_check.h"
#include "ui/common/latin1.h"
#include "ui/common/layout_test_support.h"
#include "ui/common/target_choice.h"
#include "ui/common/twips.h"
#include "ui/common/ui_test_support.h"
#include "ui/editor/editor_test_support.h"
#include "ui/editor/name_editor.h"
#include "ui/editor/note_bubble.h"
#include "ui/in_game/budget_view.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/charset_test_support.h"
#include "ui/in_game/game_look.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/in_game_window.h"
#include "ui/main_window/form1.h"
#include "ui/main_window/recent_names.h"

using namespace chromlet;
using namespace chromlet::ui;
using chromlet::test::ModalWatcher;
using chromlet::test::SetEditorText;

// The main window as it must be. Place in twips; for a style button, its editor and what it
// applies (a packed colour, or the font flag: 1 standard, 0 alternative); its place in the focus
// order (0: none).
struct MainControl {
    const char* name;
    const char* kind;
    const char* caption;
    int left, top, width, height;
    const char* editor = "";
    int color = -1;
    int font = -1;
    int tab = 0;
};

// Every control but the style buttons.
// clang-format off
const MainControl OtherControls[] = {
    {"Label1", "label", "Name:", 120, 60, 1140, 240},
    {"rtb", "editor", "Player", 105, 330, 3060, 330, "", -1, -1, 1},
    {"Label5", "label", "Server name:", 120, 2055, 1140, 240},
    {"rtb2", "editor", "noname", 105, 2325, 3060, 330, "", -1, -1, 20},
    {"Frame3", "hline", "", 90, 4065, 3225, 30},
    {"Command9", "button", "&Show code", 1035, 4170, 1080, 345, "", -1, -1, 10},
    {"Command10", "button", "&Exit", 2205, 4170, 1080, 345, "", -1, -1, 11},
    {"Frame1", "vline", "", 3360, -45, 45, 4620},
    {"Label2", "bold label", "Instructions:", 3510, 60, 1140, 240},
    {"Label3", "label", nullptr, 3495, 270, 3420, 1440},
    {"Label4", "label", nullptr, 3480, 3900, 3420, 615},
    // Our additions, between the instructions (ending at 1710) and the credits (3900).
    {"Label6", "bold label", "In game:", 3510, 1755, 1140, 240},
    {"Preview1", "preview", "", 3495, 1995, 3420, 1065},
    {"Budget1", "budget", "", 3495, 3075, 3420, 390},
    {"Command23", "button", "&Load from q3config.cfg...", 3495, 3510, 2400, 345, "", -1, -1, 25},
    {"Budget2", "file budget", "", 5940, 3510, 975, 345},
};
// clang-format on

// A style button of the grid, in the player group and in the server group: the caption, what it
// applies, and each group's button with its place in the focus order.
struct StyleCell {
    const char* caption = nullptr;  // none: no button in this cell
    int color = -1;
    int font = -1;
    const char* player = "";
    int playerTab = 0;
    const char* server = "";
    int serverTab = 0;
};

// The style buttons row by row: Black and Red; Green and Yellow; Blue and Cyan; Magenta and
// White; the font buttons in a third column.
// clang-format off
const StyleCell StyleGrid[4][3] = {
    {{"&Black", 0x000000, -1, "Command1", 2, "Command18", 19},
     {"&Red", 0x0000FF, -1, "Command2", 3, "Command17", 18},
     {"Q3 Font", -1, 1, "Command19", 21, "Command20", 23}},
    {{"&Green", 0x00FF00, -1, "Command4", 5, "Command16", 17},
     {"&Yellow", 0x00FFFF, -1, "Command5", 6, "Command15", 16},
     {"Alt. Font", -1, 0, "Command21", 22, "Command22", 24}},
    {{"&Blue", 0xFF0000, -1, "Command3", 4, "Command14", 15},
     {"&Cyan", 0xFFFF00, -1, "Command7", 8, "Command12", 13}},
    {{"&Magenta", 0xFF00FF, -1, "Command6", 7, "Command13", 14},
     {"&White", 0xFFFFFF, -1, "Command8", 9, "Command11", 12}},
};
// clang-format on

// The grid's columns and rows in twips, for both groups; the server group's font buttons stand 15
// lower than its colour buttons.
constexpr int ColumnLeft[] = {120, 1035, 2160};
constexpr int ColumnWidth[] = {930, 930, 975};
constexpr int PlayerGridTop = 705;
constexpr int ServerGridTop = 2700;
constexpr int RowPitch = 315;
constexpr int ServerFontDrop = 15;
constexpr int StyleButtonHeight = 330;

// Every control of the main window, one row each: the style grid spelled out control by control.
std::vector<MainControl> MainWindowTable() {
    std::vector<MainControl> table(std::begin(OtherControls), std::end(OtherControls));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const StyleCell& cell = StyleGrid[row][column];
            if (!cell.caption) {
                continue;
            }
            const int left = ColumnLeft[column];
            const int width = ColumnWidth[column];
            const int top = row * RowPitch;
            const int serverDrop = cell.font >= 0 ? ServerFontDrop : 0;
            table.push_back({cell.player, "button", cell.caption, left, PlayerGridTop + top, width,
                             StyleButtonHeight, "rtb", cell.color, cell.font, cell.playerTab});
            table.push_back({cell.server, "button", cell.caption, left,
                             ServerGridTop + top + serverDrop, width, StyleButtonHeight, "rtb2",
                             cell.color, cell.font, cell.serverTab});
        }
    }
    return table;
}

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
    QTemporaryDir homeDir;

  private slots:
    void initTestCase() {
        // No q3config.cfg of this machine's user reaches the budget.
        qputenv("HOME", homeDir.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        // The remembered target goes into a folder of the test's own.
        QCoreApplication::setOrganizationName(QStringLiteral("ChromletTests"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }

    void init() {
        QSettings().clear();
        OpenWindow();
    }
    void cleanup() { window.reset(); }

  private:
    // A fresh window over the settings as they are.
    void OpenWindow() {
        chooserCalls.clear();
        chooserAnswer.clear();
        window = std::make_unique<Form1>([this](QWidget*, const ChooserSettings& s) {
            chooserCalls.append(s);
            return chooserAnswer;
        });
        // Whatever runs on this machine, no game is running for these tests, nor has it data.
        window->SetRunningGamesFinder([](const QString&) { return std::vector<std::string>(); });
        window->findChild<GameLook*>()->Charsets()->SetDataFolderFinder(test::NoGameData);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

  private slots:

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
        test::AddBothWays("byExitButton", "Exit", "close box");
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

    // Every control of the main window as it must stand and act, from the one table above: its
    // place, kind and caption; for a style button, that a click acts on its own editor only,
    // whichever editor has the focus, and leaves the focus on the button.
    void controlStandsAndActsAsLaidOut_data() {
        test::AddLayoutColumns();
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("font");
        for (const MainControl& c : MainWindowTable()) {
            QTest::newRow(c.name) << QString(c.kind) << QString(c.caption)
                                  << QRect(c.left, c.top, c.width, c.height) << QString(c.editor)
                                  << c.color << c.font;
        }
    }
    void controlStandsAndActsAsLaidOut() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, twipsRect);
        QFETCH(QString, editor);
        QFETCH(int, color);
        QFETCH(int, font);
        QWidget* w = window->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), window->ClientArea());
        test::CheckLayoutControl(w, kind, caption, twipsRect);
        if (editor.isEmpty()) {
            return;
        }
        NameEditor* own = editor == "rtb" ? window->rtb() : window->rtb2();
        NameEditor* other = own == window->rtb() ? window->rtb2() : window->rtb();
        // From a colour and a font flag that no button leaves.
        const bool startFont = font != 1;
        for (NameEditor* e : {own, other}) {
            e->SetSelection({0, e->Length()});
            e->SetSelectionColor(0x123456);
            e->SetSelectionQ3Font(startFont);
        }
        own->SetSelection({1, 3});
        other->SetSelection({2, 2});
        const QString otherBefore = Styles(*other);
        other->setFocus();
        QTest::mouseClick(qobject_cast<QPushButton*>(w), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w);
        QCOMPARE(own->GetSelection(), (Selection{1, 3}));
        QCOMPARE(Styles(*other), otherBefore);
        QCOMPARE(other->GetSelection(), (Selection{2, 2}));
        for (std::size_t i = 0; i < own->Length(); ++i) {
            const bool selected = i >= 1 && i < 4;
            const CharStyle st = own->StyleAt(i);
            QCOMPARE(st.Color, selected && color >= 0 ? static_cast<uint>(color) : 0x123456u);
            QCOMPARE(st.Q3Font, selected && font >= 0 ? font == 1 : startFont);
        }
    }

    // The focus goes round in the table's order: the name group, the two commands, the server
    // group, the fonts, then the controls of our own.
    void tabGoesRoundInTheTablesOrder() {
        QMap<int, QString> expected;
        for (const MainControl& c : MainWindowTable()) {
            if (c.tab > 0) {
                expected.insert(c.tab, c.name);
            }
        }
        window->rtb()->setFocus();
        QStringList seen;
        for (int i = 0; i <= expected.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen.mid(0, expected.size()), expected.values());
        QCOMPARE(seen.last(), QStringLiteral("rtb"));  // and round again
    }

    void additionsLieInTheFreeAreaOfTheRightHalf() {
        const QRect free(Twips(3480), Twips(1710), Twips(3435), Twips(3900 - 1710));
        for (const char* name : {"Label6", "Preview1", "Budget1", "Command23", "Budget2"}) {
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
        chooserAnswer = path;
        for (TargetGame target : {TargetGame::Quake3, TargetGame::Q3Test}) {
            window->SetTarget(target);
            QTest::mouseClick(button("Command23"), Qt::LeftButton);
            QCOMPARE(Describe(*window->rtb()), QStringLiteral("P1s l1s a7s y7s "));
            QCOMPARE(Describe(*window->rtb2()), QStringLiteral("S4s v4s "));
        }
        // Loaded into the test release's editors, the file's own game is named beside them.
        QVERIFY2(window->rtb()->LastNote().contains("later engine"),
                 qPrintable(window->rtb()->LastNote()));
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

    // A menu closing, or a file chooser ending, gives the focus back and activates the window
    // again after the action ran; its note must still be on the screen then.
    void notesOfMenusAndChoosersOutliveTheFocusComingBack_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("says");
        QTest::newRow("test release console") << int(TargetGame::Q3Test)
                                              << "Copy as console comm&and" << "cannot type";
        QTest::newRow("copied") << int(TargetGame::IoQuake3) << "Copy as console comm&and"
                                << "Copied.";
        QTest::newRow("paste coded") << int(TargetGame::IoQuake3) << "Paste coded &name"
                                     << "holds no name";
        QTest::newRow("load") << int(TargetGame::Q3Test) << "" << "later engine";
    }
    void notesOfMenusAndChoosersOutliveTheFocusComingBack() {
        QFETCH(int, target);
        QFETCH(QString, menuItem);
        QFETCH(QString, says);
        window->SetTarget(static_cast<TargetGame>(target));
        QApplication::clipboard()->clear();
        NameEditor* rtb = window->rtb();
        QTemporaryDir dir;
        if (menuItem.isEmpty()) {
            chooserAnswer = dir.filePath("q3config.cfg");
            QFile f(chooserAnswer);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("seta name \"^1Pl^7ay\"\nseta sv_hostname \"^4Sv\"\n");
            f.close();
            QTest::mouseClick(button("Command23"), Qt::LeftButton);
        } else {
            rtb->setFocus();
            button("Command11")->setFocus();  // as the menu bar takes it
            menuAction("EditMenu", menuItem)->trigger();
        }
        rtb->setFocus(Qt::PopupFocusReason);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
        QApplication::processEvents();
        QVERIFY(rtb->Note());
        QVERIFY(rtb->Note()->isVisible());
        QVERIFY2(rtb->Note()->text().contains(says), qPrintable(rtb->Note()->text()));
        // The next key goes on with the work, and the note gives way.
        QTest::keyClick(rtb, Qt::Key_End);
        QVERIFY(!rtb->Note()->isVisible());
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
            QCOMPARE(QSettings().value(settings::Target).toString(), FromLatin1(TargetKey(target)));
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
            // Three characters in the alternative font, which the later engines send as dots.
            auto* dots = budget->findChild<QLabel*>("PlayerDots");
            QCOMPARE(dots->isVisible(), caret);
            if (caret) {
                QCOMPARE(dots->text(), QStringLiteral("3\u00D7."));
                QVERIFY2(dots->toolTip().startsWith("Arriving as dots: 3."),
                         qPrintable(dots->toolTip()));
            }
            QCOMPARE(budget->Marks(0).empty(), !caret);
            if (caret) {
                QLabel* kept = budget->Marks(0).front();
                QCOMPARE(kept->palette().color(QPalette::WindowText), budget->WarningColor());
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
        // Quake3e runs 1.32's game module, whose places the preview shows: the two look alike.
        QCOMPARE(previews.size(), AllTargets.size() - 1);

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
                                       home.path() + "/.config/Quake3/baseq3", home.path(),
                                       home.path() + "/.q3a/baseq3"}));
    }

    // The budget holds the configuration line and, where the game's command buffer is small,
    // the file against what the game reads, while the names change.
    void budgetHoldsTheLineAndTheFileAgainstWhatTheGameReads() {
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.path() + "/.q3a/baseq3"));
        const QString config = home.path() + "/.q3a/baseq3/q3config.cfg";
        {
            QFile file(config);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; file.size() < 15500; ++i) {
                file.write(QStringLiteral("seta setting_%1 \"1\"\r\n").arg(i).toLatin1());
            }
        }
        const chromlet::test::ScopedEnv homeSet("HOME", home.path().toLocal8Bit());
        window->SetTarget(TargetGame::Quake3);
        auto* budget = window->findChild<BudgetView*>("Budget1");
        QLabel* file = window->findChild<FileBudgetView*>("Budget2");
        QVERIFY(file->isVisible());
        QCOMPARE(file->text(), QStringLiteral("file \u226416365"));
        QVERIFY2(file->toolTip().contains(QDir::toNativeSeparators(config)),
                 qPrintable(file->toolTip()));
        // A long server name makes the file too long for 1.32.
        SetEditorText(window->rtb2(), QString(900, 's'));
        QCOMPARE(file->text(), QStringLiteral("file >16365"));
        QCOMPARE(file->palette().color(QPalette::WindowText), budget->WarningColor());
        QVERIFY2(file->toolTip().contains("will not write it"), qPrintable(file->toolTip()));
        // ioquake3 reads eight times as much: far within, no mark.
        window->SetTarget(TargetGame::IoQuake3);
        QVERIFY(!file->isVisible());
        // The line's own mark appears as a name comes near its 1,011 bytes, and turns red
        // past them.
        window->SetTarget(TargetGame::Q3Test);
        SetEditorText(window->rtb(), QString(900, 'p'));
        QVERIFY(budget->Marks(0).empty());
        SetEditorText(window->rtb(), QString(1005, 'p'));
        QCOMPARE(budget->Marks(0).size(), 1u);
        QCOMPARE(budget->Marks(0).front()->text(), QStringLiteral("\u22641011"));
        window->rtb()->SetSelection({0, 1005});
        window->rtb()->SetSelectionColor(0x0000FF);
        window->rtb()->SetSelection({500, 1});
        window->rtb()->SetSelectionColor(0xFFFFFF);
        QCOMPARE(budget->Marks(0).front()->text(), QStringLiteral(">1011"));
    }

    // The menu item and a click on the preview open the window; it follows the editor; the
    // preview draws from the charset, or says where it looked.
    void inGameWindowOpensFromThePreviewAndFollowsTheNames() {
        QTemporaryDir data;
        const QString install = data.filePath("oa");
        test::WritePk3(install + "/baseoa/pak0.pk3", "gfx/2d/bigchars.tga", test::TestCharsetTga());
        QSettings().setValue("game/target", "openarena");
        QSettings().setValue("gameFolder/openarena", install);
        Form1 form([](QWidget*, const ChooserSettings&) { return QString(); });
        auto* look = form.findChild<GameLook*>();
        look->Charsets()->SetDataFolderFinder([](TargetGame, const std::string& chosen) {
            return chosen.empty() ? DataFolders{{}, {"/no/game/data/baseoa"}}
                                  : DataFoldersFor(TargetGame::OpenArena, HomeDirs{}, chosen);
        });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* preview = form.findChild<GamePreview*>("Preview1");
        QTRY_VERIFY(preview->DrawsFromCharset());
        QVERIFY(preview->Footer().isEmpty());
        QVERIFY(test::Near(test::PixelAt(preview->viewport(), preview->FirstCharRect(0).center()),
                           test::CellColor('P')));

        form.findChild<QAction*>("ShowInGame")->trigger();
        InGameWindow* window = look->Window();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->View()->DrawsFromCharset());
        test::SetEditorText(form.rtb(), "Player");
        form.rtb()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.rtb(), "Z");
        const GlyphLine& row = window->View()->Place(0).lines.front();
        QCOMPARE(row.glyphs.back().cell, 'Z');
        window->close();
        QTest::mouseClick(preview->viewport(), Qt::LeftButton);
        QVERIFY(window->isVisible());

        look->Charsets()->SetDataFolderFinder([](TargetGame, const std::string&) {
            return DataFolders{{}, {"/nothing/here"}};
        });
        QTRY_VERIFY(!preview->DrawsFromCharset());
        QVERIFY(preview->Footer().contains("/nothing/here"));
        QVERIFY(window->Status().contains("/nothing/here"));
        QVERIFY(!window->View()->DrawsFromCharset());
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

    // A slip of Alt+E loses nothing: names that were never written come back first in Recent
    // names; the start-up names and names just written are not kept twice.
    void closingKeepsUnwrittenNamesFirstInRecentNames() {
        window->close();
        QVERIFY(RecentNames().isEmpty());

        OpenWindow();
        SetEditorText(window->rtb(), "Fresh");
        window->rtb()->SetSelection({0, 2});
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        const NameCodes codes = EncodeNames(TargetGame::Q3Test, *window->rtb(), *window->rtb2());
        QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!window->isVisible());
        const QList<RecentName> kept = RecentNames();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0], (RecentName{TargetGame::Q3Test, QByteArray::fromStdString(codes.player),
                                      QByteArray::fromStdString(codes.server), false}));
        QCOMPARE(test::ToHex(codes.player), std::string("1B 31 46 72 1B 37 65 73 68 1B 37"));

        // Written, then closed: kept once, as written.
        OpenWindow();
        SetEditorText(window->rtb(), "Other");
        MemoryStyledText player = MemoryStyledText::CopyOf(*window->rtb());
        MemoryStyledText server = MemoryStyledText::CopyOf(*window->rtb2());
        const SetaLines lines = BuildShowCodeLines(TargetGame::Q3Test, player, server);
        QVERIFY(RememberNames(TargetGame::Q3Test, lines.name, lines.server));
        window->close();
        const QList<RecentName> after = RecentNames();
        QCOMPARE(after.size(), 2);
        QVERIFY(after[0].written);
        QCOMPARE(after[1], kept[0]);
    }

    void screenReadersHearWhichNameEachControlActsOn() {
        const auto name = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        const auto description = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
        };
        QCOMPARE(name(button("Command2")), QStringLiteral("Red, player name"));
        QCOMPARE(name(button("Command17")), QStringLiteral("Red, server name"));
        QCOMPARE(description(button("Command14")),
                 QStringLiteral("Colours the selected part of the server name blue."));
        QCOMPARE(name(button("Command21")), QStringLiteral("Alt. Font, player name"));
        QCOMPARE(button("Command21")->text(), QStringLiteral("Alt. Font"));  // the caption stays
        QCOMPARE(name(window->rtb()), QStringLiteral("Name:"));
        QCOMPARE(name(window->rtb2()), QStringLiteral("Server name:"));
        QCOMPARE(name(window->findChild<GamePreview*>("Preview1")), QStringLiteral("In game"));
        QCOMPARE(description(window->findChild<GamePreview*>("Preview1")),
                 QStringLiteral("Player\nnoname"));
        QCOMPARE(name(window->findChild<QLabel*>("PlayerCounts")),
                 window->findChild<BudgetView*>("Budget1")->Counts(0));
    }

    void creditsLinkThatNoBrowserOpensShowsTheAddress_data() {
        test::AddBothWays("opens", "a browser opens", "no browser");
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
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
