// The game's charset, the In game window and their place in the main window, read back from
// pixels. The charset and the archives holding it are the tests' own.
#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/color_code.h"
#include "test_charset.h"
#include "ui/common/ui_test_support.h"
#include "ui/common/window_fit.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/charset_painter.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/charset_test_support.h"
#include "ui/in_game/game_look.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/in_game_window.h"

using namespace chromlet;
using namespace chromlet::ui;
using test::Background;
using test::CellColor;
using test::Near;
using test::PixelAt;
using test::Rgb;
using test::Times;
using test::WritePk3;

class TestInGame : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    QTemporaryDir data;
    std::shared_ptr<const GameCharset> charset;

    // The tests' game: an install folder with the charset in pak0.pk3 beside a damaged pak1.pk3.
    // Only a chosen folder is ever looked in, and no home folder.
    DataFolders Folders(TargetGame, const std::string& chosen) {
        if (chosen.empty()) {
            return {{}, {"/no/game/data/baseoa"}};
        }
        return DataFoldersFor(TargetGame::OpenArena, HomeDirs{}, chosen);
    }
    QString Install() const { return data.filePath("oa"); }

  private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName(QStringLiteral("ChromletTests"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        WritePk3(Install() + "/baseoa/pak0.pk3", "gfx/2d/bigchars.tga", test::TestCharsetTga());
        QFile junk(Install() + "/baseoa/pak1.pk3");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a zip archive");
        junk.close();
        charset = GameCharset::Decode(test::TestCharsetTga().toStdString(), "x.tga");
        QVERIFY(charset);
    }
    void init() { QSettings().clear(); }

    void drawsEachCellMultipliedOverItsShadow_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<PackedColor>("color");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QRgb>("inside");  // the middle of the cell's block
        QTest::addColumn<QRgb>("shadow");  // the shadow's corner, two pixels down and right
        const QRgb a = CellColor('A');
        QTest::newRow("white A") << int('A') << PackedColor(0xFFFFFF) << 255 << a << qRgb(0, 0, 0);
        QTest::newRow("red, alternative A")
            << 0xC1 << PackedOf(PaletteColor::Red) << 255 << qRgb(0xC1, 0, 0) << qRgb(0, 0, 0);
        QTest::newRow("orange control cell")
            << 0x01 << OpenArenaOrange << 255 << qRgb(1, 109, 0) << qRgb(0, 0, 0);
        QTest::newRow("half alpha") << int('A') << PackedColor(0xFFFFFF) << 127 << qRgb(37, 99, 70)
                                    << qRgb(10, 10, 13);  // the shadow shows through
        QTest::newRow("a space draws nothing")
            << int(' ') << PackedColor(0xFFFFFF) << 255 << Background << Background;
    }
    void drawsEachCellMultipliedOverItsShadow() {
        QFETCH(int, cell);
        QFETCH(PackedColor, color);
        QFETCH(int, alpha);
        QFETCH(QRgb, inside);
        QFETCH(QRgb, shadow);
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Background);
        QPainter painter(&image);
        const Glyph glyph{static_cast<unsigned char>(cell), color};
        DrawGlyphs(painter, charset.get(), QPointF(8, 8), std::span(&glyph, 1),
                   GlyphLook{QSizeF(16, 16), 2, static_cast<std::uint8_t>(alpha)});
        painter.end();
        QVERIFY2(Near(image.pixel(16, 16), inside), qPrintable(Rgb(image.pixel(16, 16))));
        QVERIFY2(Near(image.pixel(8 + 13, 8 + 13), shadow), qPrintable(Rgb(image.pixel(21, 21))));
        QCOMPARE(image.pixel(8 + 2, 8 + 2), Background);
    }

    void decodesEitherRowOrderAndJpegButNoJunk() {
        for (const auto& [bottomUp, runLength] :
             {std::pair{true, false}, std::pair{false, false}, std::pair{true, true}}) {
            const auto decoded = GameCharset::Decode(
                test::TestCharsetTga(bottomUp, runLength).toStdString(), "a.tga");
            QVERIFY(decoded);
            QCOMPARE(decoded->Picture().pixel(16 * 3 + 8, 16 * 2 + 8), CellColor(0x23));
            QCOMPARE(qAlpha(decoded->Picture().pixel(16 * 3 + 1, 16 * 2 + 8)), 0);
        }
        QImage picture(256, 256, QImage::Format_RGB32);
        picture.fill(qRgb(200, 100, 50));
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&jpeg, "JPG"));
        const auto fromJpeg = GameCharset::Decode(jpeg.data().toStdString(), "a.jpg");
        QVERIFY(fromJpeg);
        QVERIFY(Near(fromJpeg->Picture().pixel(40, 40), qRgb(200, 100, 50)));
        QVERIFY(!GameCharset::Decode(std::string(5000, 'x'), "a.tga"));
    }

    // Where it looked, the folder question, its answer remembered per game, the archive it
    // passed over, and a chosen folder that went away.
    void findsTheCharsetInTheChosenFolderAndSaysWhere() {
        CharsetSource source;
        source.SetDataFolderFinder(
            [this](TargetGame t, const std::string& c) { return Folders(t, c); });
        QString answer;
        source.SetFolderChooser([&](QWidget*, const QString&, const QString&) { return answer; });
        QSignalSpy changed(&source, &CharsetSource::Changed);

        QVERIFY(!source.StateFor(TargetGame::OpenArena).charset);
        QVERIFY(source.StateFor(TargetGame::OpenArena).status.contains("/no/game/data/baseoa"));
        QVERIFY(source.StateFor(TargetGame::OpenArena).status.contains("Game > Game folder..."));
        source.ChooseFolder(TargetGame::OpenArena, nullptr);  // cancelled
        QCOMPARE(changed.count(), 0);

        answer = Install();
        source.ChooseFolder(TargetGame::OpenArena, nullptr);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QSettings().value("gameFolder/openarena").toString(), Install());
        QVERIFY(QSettings().value("gameFolder/ioquake3").isNull());
        const CharsetState& found = source.StateFor(TargetGame::OpenArena);
        QVERIFY(found.charset);
        QVERIFY2(found.status.contains("pak0.pk3"), qPrintable(found.status));
        QVERIFY2(found.problems.contains("pak1.pk3"), qPrintable(found.problems));

        QSettings().setValue("gameFolder/openarena", data.filePath("gone"));
        CharsetSource later;
        later.SetDataFolderFinder(
            [this](TargetGame t, const std::string& c) { return Folders(t, c); });
        QVERIFY(!later.StateFor(TargetGame::OpenArena).charset);
        QVERIFY(later.StateFor(TargetGame::OpenArena).problems.contains(data.filePath("gone")));
    }

    // OpenArena's game draws "^8" orange on the scoreboard; its console, drawn by ioquake3's
    // engine, black.
    void windowDrawsEachPlaceFromTheCharsetAndKeepsItsSize() {
        InGameWindow window;
        window.SetCharset({charset, QStringLiteral("from the tests"), QString()});
        window.SetNames(std::make_shared<const NamesReport>(
            NamesReport{TargetGame::OpenArena, AnalysePlayerName(TargetGame::OpenArena, "^8O^7"),
                        AnalyseServerName(TargetGame::OpenArena, "^1s^7")}));
        window.resize(700, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        InGameView* view = window.View();
        QCOMPARE(view->PlaceCount(), int(AllPlaces.size()));
        const auto middle = [&](GamePlace place, int glyph) {
            return PixelAt(view->viewport(),
                           view->GlyphRect(static_cast<int>(place), 0, glyph).center());
        };
        QVERIFY(Near(middle(GamePlace::Scoreboard, 16), Times(CellColor('O'), OpenArenaOrange)));
        QVERIFY(Near(middle(GamePlace::Console, 0), qRgb(0, 0, 0)));
        QVERIFY(view->Note(static_cast<int>(GamePlace::Console)).contains("^8 is black"));
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QVERIFY(Near(middle(GamePlace::ServerBrowser, 0), Times(CellColor('S'), 0x0000FF)));

        window.resize(610, 430);
        window.close();
        InGameWindow again;
        QCOMPARE(again.size(), QSize(610, 430));
    }

    void aWindowOfItsOwnFitsTheScreen_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("fitted");
        // 720 by 680 at a scale of 2 on 1280 by 1024: 640 by 512 to lay out in, less the frame.
        QTest::newRow("too large") << QRect(700, 100, 720, 680) << QRect(0, 0, 640, 512)
                                   << QRect(8, 32, 624, 472);
        QTest::newRow("past the right") << QRect(500, 40, 300, 200) << QRect(0, 0, 640, 512)
                                        << QRect(332, 40, 300, 200);
        QTest::newRow("above the top") << QRect(10, -50, 300, 200) << QRect(0, 0, 640, 512)
                                       << QRect(10, 32, 300, 200);
        QTest::newRow("second screen") << QRect(10, 10, 300, 200) << QRect(1280, 0, 800, 600)
                                       << QRect(1288, 32, 300, 200);
        QTest::newRow("fits") << QRect(100, 100, 300, 200) << QRect(0, 0, 640, 512)
                              << QRect(100, 100, 300, 200);
        QTest::newRow("tiny screen") << QRect(0, 0, 720, 680) << QRect(0, 0, 300, 200)
                                     << QRect(8, 32, 284, 160);
    }
    void aWindowOfItsOwnFitsTheScreen() {
        QFETCH(QRect, wanted);
        QFETCH(QRect, available);
        QFETCH(QRect, fitted);
        QCOMPARE(FittedGeometry(wanted, available, QSize(200, 150)), fitted);
    }

    // It opens within its owner's screen, also where it was left larger than that screen, and
    // closes with Esc and Ctrl+W.
    void windowOpensOnTheScreenAndClosesWithTheViewersKeys() {
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        const QRect available = owner.screen()->availableGeometry();
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            InGameWindow window(&owner);
            window.ShowBeside(&owner);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(available.marginsRemoved(FrameAllowance).contains(window.geometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4")
                                    .arg(window.x())
                                    .arg(window.y())
                                    .arg(window.width())
                                    .arg(window.height())));
            window.resize(available.size() * 2);  // left larger than the screen
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keySequence(&window, keys);
            QVERIFY(!window.isVisible());
        }
        InGameWindow again(&owner);
        again.ShowBeside(&owner);
        QVERIFY(available.marginsRemoved(FrameAllowance).contains(again.geometry()));
    }
};

QTEST_MAIN(TestInGame)
#include "tst_in_game.moc"
