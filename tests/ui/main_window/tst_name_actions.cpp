// The quick styles, pasting a coded name, the console command and the recent names, as a user
// reaches them: through the shortcuts and the actions, on the editor last used.
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "core/color_code.h"

#include "core/char_rules.h"
#include "ui/common/target_choice.h"
#include "ui/common/ui_test_support.h"
#include "ui/editor/clipboard_watch.h"
#include "ui/editor/editor_test_support.h"
#include "ui/editor/name_editor.h"
#include "ui/main_window/name_actions.h"
#include "ui/main_window/recent_names.h"

using namespace chromlet;
using namespace chromlet::ui;

namespace {

std::vector<CharStyle> StylesOf(const NameEditor& editor) {
    std::vector<CharStyle> styles;
    for (std::size_t i = 0; i < editor.Length(); ++i) {
        styles.push_back(editor.StyleAt(i));
    }
    return styles;
}

QAction* ActionNamed(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

}  // namespace

// The two editors of a window, "Red Rocket" and "noname", with the actions on them.
struct TwoEditors {
    QWidget window;
    NameEditor* player = new NameEditor(&window);
    NameEditor* server = new NameEditor(&window);
    ChosenGame game;
    NameActions* actions = nullptr;

    TwoEditors() {
        player->setGeometry(7, 22, 204, 22);
        server->setGeometry(7, 60, 204, 22);
        chromlet::test::SetEditorText(player, "Red Rocket");
        chromlet::test::SetEditorText(server, "noname");
        actions = new NameActions(player, server, &game, &window);
    }
};

class TestNameActions : public QObject {
    Q_OBJECT

    std::unique_ptr<TwoEditors> editors;
    NameEditor* player = nullptr;
    NameEditor* server = nullptr;
    NameActions* actions = nullptr;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("chromlet-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_name_actions"));
    }
    void init() {
        QSettings().clear();
        editors = std::make_unique<TwoEditors>();
        player = editors->player;
        server = editors->server;
        actions = editors->actions;
        editors->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&editors->window));
    }
    void cleanup() { editors.reset(); }

    // Each style acts on the editor used last, as one undo step, and keeps the selection.
    void stylesActOnTheEditorUsedLastInOneUndoStep_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("key");
        QTest::newRow("rainbow") << "Ra&inbow" << int(Qt::Key_1);
        QTest::newRow("by word") << "By w&ord" << int(Qt::Key_2);
        QTest::newRow("alternate") << "Alter&nate" << int(Qt::Key_3);
        QTest::newRow("random") << "Ran&dom" << int(Qt::Key_4);
    }
    void stylesActOnTheEditorUsedLastInOneUndoStep() {
        QFETCH(QString, action);
        QFETCH(int, key);
        QVERIFY(ActionNamed(actions->StyleActions(), action));
        server->setFocus();
        server->SetSelection({1, 4});
        player->SetSelection({2, 0});
        player->setFocus();
        QTest::keyClick(player, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(actions->CurrentEditor(), player);
        QCOMPARE(player->GetSelection(), (Selection{2, 0}));
        const std::vector<CharStyle> styled = StylesOf(*player);
        QVERIFY(styled != std::vector<CharStyle>(10, CharStyle{0xFFFFFF, true}));
        for (const CharStyle& s : styled) {
            QVERIFY(s.Color != 0);  // never black
        }
        QCOMPARE(StylesOf(*server), std::vector<CharStyle>(6, CharStyle{0xFFFFFF, true}));
        player->undo();
        QCOMPARE(StylesOf(*player), std::vector<CharStyle>(10, CharStyle{0xFFFFFF, true}));
        QCOMPARE(player->Text(), std::string("Red Rocket"));
    }

    // Rainbow on "Rocket Rider" takes 36 bytes in OpenArena, one more than the game keeps, which
    // would show a stray ^ in every place: the last two letters share a colour, and a note says
    // so. The player never learns it from the game.
    void styleThatWouldPassWhatTheGameKeepsGivesBackAColour() {
        chromlet::test::SetEditorText(player, "Rocket Rider");
        player->SetNameLine(TargetGame::OpenArena, NameLineStart);
        player->setFocus();
        QTest::keyClick(player, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(ValueOf(player->Line(), *player),
                 std::string("^1R^3o^2c^5k^4e^6t ^1R^3i^2d^5er^7"));
        QVERIFY2(player->LastNote().startsWith("In full this style takes 36 bytes, more than the "
                                               "35 bytes the game keeps of a name"),
                 qPrintable(player->LastNote()));
        // Where the whole style fits, it is given whole and nothing is said.
        chromlet::test::SetEditorText(player, "Rocket");
        QTest::keyClick(player, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(ValueOf(player->Line(), *player), std::string("^1R^3o^2c^5k^4e^6t^7"));
    }

    void pastesACodedNameWithItsColours() {
        editors->game.SetTarget(TargetGame::Quake3);
        QApplication::clipboard()->setText(QStringLiteral("seta name \"^1Pl^7ay\u20ACer\""));
        player->setFocus();
        player->SetSelection({0, 3});
        QTest::keyClick(player, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(player->Text(), std::string("Player Rocket"));
        QCOMPARE(player->StyleAt(0).Color, 0x0000FFu);
        QCOMPARE(player->StyleAt(2).Color, 0xFFFFFFu);
        QCOMPARE(player->LastNote(),
                 QStringLiteral("\u20AC is not a character the game can show; it was left out."));
        // Everything left out is named, each once, in one note.
        QApplication::clipboard()->setText(QStringLiteral("^1a\"b\0\nsecond line"));
        actions->PasteCodedNameAction()->trigger();
        QCOMPARE(
            player->LastNote(),
            QStringLiteral("Only the first line of the clipboard was pasted.\nNUL is a control "
                           "character, which a name cannot hold (the game ends a name at "
                           "NUL); it was left out.\nA name cannot hold a double quote (\"): "
                           "it would end the name early in q3config.cfg. It was left out."));
        QCOMPARE(player->Text(), std::string("Playerab Rocket"));
        QApplication::clipboard()->setText(QStringLiteral("\u20AC"));
        actions->PasteCodedNameAction()->trigger();
        QVERIFY(player->LastNote().contains("no name"));
        QApplication::clipboard()->setText(QString(100'000, u'^'));
        actions->PasteCodedNameAction()->trigger();
        QCOMPARE(LineBytes(player->Line(), *player), 1023u);
        QVERIFY2(player->LastNote().contains("configuration line holds at most 1,023 bytes"),
                 qPrintable(player->LastNote()));
    }

    // Paste coded name asks a clipboard whose owner never answers once, says so, and asks no
    // more until the clipboard changes.
    void pasteCodedNameAsksASilentClipboardOnce() {
        qint64 now = 0;
        ClipboardWatch watch(QApplication::clipboard(), [&now] { return now; });
        player->SetClipboardWatch(&watch);
        int asked = 0;
        struct Silent : QMimeData {
            qint64& clock;
            int& count;
            Silent(qint64& c, int& n) : clock(c), count(n) {}
            QStringList formats() const override {
                ++count;
                clock += 5000;
                return {};
            }
        };
        QApplication::clipboard()->setMimeData(new Silent(now, asked));
        player->setFocus();
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(player, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        }
        QCOMPARE(asked, 1);
        QVERIFY2(player->LastNote().contains("does not answer"), qPrintable(player->LastNote()));
        QCOMPARE(player->Text(), std::string("Red Rocket"));
        player->SetClipboardWatch(ClipboardWatch::ForApplication());
    }

    // Each outcome says so at the caret: not in the test release, copied, or too long.
    void copiesTheConsoleCommandForCaretTargetsOnly() {
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        QAction* copy = actions->CopyAsConsoleCommandAction();
        server->setFocus();
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
        QVERIFY2(server->LastNote().contains("q3config.cfg"), qPrintable(server->LastNote()));

        editors->game.SetTarget(TargetGame::IoQuake3);
        server->SetSelection({0, 2});
        server->SetSelectionColor(PackColor(255, 0, 0));
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("/sv_hostname \"^1no^7name^7\""));
        QVERIFY(server->LastNote().startsWith("Copied"));

        // "/sv_hostname \"", "^7" before the name and "^7\"" after it leave 236 of the
        // console's 255 characters.
        chromlet::test::SetEditorText(server, QString(240, 'x'));
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("/sv_hostname \"^1no^7name^7\""));
        QVERIFY2(server->LastNote().contains("too long"), qPrintable(server->LastNote()));
    }

    // OpenArena's orange is there while OpenArena is chosen, in the Style menu and the editors'
    // context menu, and Show code writes it as ^8.
    void offersOpenArenasOrangeForOpenArena() {
        QAction* orange = actions->OrangeAction();
        editors->game.SetTarget(TargetGame::IoQuake3);
        QVERIFY(!orange->isVisible());
        editors->game.SetTarget(TargetGame::OpenArena);
        QVERIFY(orange->isVisible());
        QCOMPARE(orange->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_8));
        player->setFocus();
        player->SetSelection({4, 6});  // "Rocket", and the space before it comes too
        orange->trigger();
        QCOMPARE(player->StyleAt(3).Color, OpenArenaOrange);
        QCOMPARE(player->StyleAt(9).Color, OpenArenaOrange);
        QCOMPARE(player->StyleAt(2).Color, 0xFFFFFFu);
        QCOMPARE(EncodeNames(TargetGame::OpenArena, *player, *server).player,
                 std::string("^7Red^8 Rocket^7"));
    }

    // Written pairs of every game are kept in one list, newest first, twenty at most, bytes
    // exactly; choosing one puts both names back with their colours, as its own game reads them.
    void keepsTheNamesWrittenLastOfEveryGame() {
        for (int i = 0; i < 22; ++i) {
            RememberNames(TargetGame::Q3Test,
                          "seta name \"\x1b"
                          "1N" +
                              std::to_string(i) +
                              "\x1b"
                              "7\"",
                          "seta sv_hostname \"\xE5\x1b"
                          "7\"");
        }
        RememberNames(TargetGame::Q3Test, "seta name \"\x1b" "1N5\x1b" "7\"",
                      "seta sv_hostname \"\xE5\x1b" "7\"");
        RememberNames(TargetGame::IoQuake3, "seta name \"^1Io^7\"", "seta sv_hostname \"^4S^7\"");
        const QList<RecentName> kept = RecentNames();
        QCOMPARE(kept.size(), RecentNamesKept);
        QCOMPARE(kept[0], (RecentName{TargetGame::IoQuake3, "^1Io^7", "^4S^7"}));
        QCOMPARE(kept[1].nameCode, QByteArray("\x1b" "1N5\x1b" "7"));
        QCOMPARE(kept[2].nameCode, QByteArray("\x1b" "1N21\x1b" "7"));
        QCOMPARE(kept[1].game, TargetGame::Q3Test);
        QCOMPARE(kept.count(kept[1]), 1);

        QMenu* menu = actions->RecentNamesMenu();
        editors->game.SetTarget(TargetGame::Q3Test);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), RecentNamesKept);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Io on S (ioquake3)"));
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("N5 on e (Quake III Arena test (1999))"));
        menu->actions()[1]->trigger();
        QCOMPARE(player->Text(), std::string("N5"));
        QCOMPARE(player->StyleAt(0).Color, 0x0000FFu);
        QCOMPARE(server->Text(), std::string("e"));
        QVERIFY(!server->StyleAt(0).Q3Font);
        QVERIFY(!player->LastNote().contains("made for"));
        // The other game's codes read as that game reads them, and the player is told.
        menu->actions()[0]->trigger();
        QCOMPARE(player->Text(), std::string("Io"));
        QCOMPARE(player->StyleAt(0).Color, 0x0000FFu);
        QCOMPARE(server->StyleAt(0).Color, 0xFF0000u);
        QVERIFY2(player->LastNote().contains("made for ioquake3"), qPrintable(player->LastNote()));
    }

    // Earlier versions kept a list for each game, the oldest of them whole lines; they are read
    // where the one list is missing, the chosen game's first, and left in the settings.
    void readsTheListsOfEarlierVersions() {
        {
            QSettings old;
            old.setValue("game/target", "openarena");
            old.beginWriteArray(QStringLiteral("recentNames/quake3"), 1);
            old.setArrayIndex(0);
            old.setValue(QStringLiteral("name"), QByteArray("seta name \"^1Old^7\""));
            old.setValue(QStringLiteral("server"), QByteArray("seta sv_hostname \"S^7\""));
            old.endArray();
            old.beginWriteArray(QStringLiteral("recentNames/openarena"), 1);
            old.setArrayIndex(0);
            old.setValue(QStringLiteral("nameCode"), QByteArray("^8Oa"));
            old.setValue(QStringLiteral("serverCode"), QByteArray("S"));
            old.setValue(QStringLiteral("written"), false);
            old.endArray();
        }
        QCOMPARE(RecentNames(), (QList<RecentName>{{TargetGame::OpenArena, "^8Oa", "S", false},
                                                   {TargetGame::Quake3, "^1Old^7", "S^7", true}}));
        RememberNames(TargetGame::IoQuake3, "seta name \"x\"", "seta sv_hostname \"y\"");
        QCOMPARE(RecentNames().size(), 3);
        QCOMPARE(RecentNames()[0].game, TargetGame::IoQuake3);
        QVERIFY(QSettings().contains("recentNames/quake3/1/name"));
    }
};

QTEST_MAIN(TestNameActions)
#include "tst_name_actions.moc"
