// Copy as and Export picture: what reaches the clipboard and the PNG file, read back with Qt's
// own reader.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "test_charset.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/charset_painter.h"
#include "ui/in_game/charset_test_support.h"
#include "ui/share/name_picture.h"
#include "ui/share/picture_dialog.h"
#include "ui/share/share_actions.h"

using namespace chromlet;
using namespace chromlet::ui;

class TestShare : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    QTemporaryDir out;
    std::shared_ptr<const GameCharset> charset;

    // ioquake3 names: the player's % arrives as a dot, which the game keeps.
    static std::shared_ptr<const NamesReport> Names(const std::string& player = "^1Pl%^7",
                                                    const std::string& server = "My <Srv>^7") {
        const TargetGame target = TargetGame::IoQuake3;
        return std::make_shared<const NamesReport>(NamesReport{
            target, AnalysePlayerName(target, player), AnalyseServerName(target, server)});
    }

  private slots:
    void initTestCase() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        charset = GameCharset::Decode(test::TestCharsetTga().toStdString(), "x.tga");
        QVERIFY(charset);
    }
    void init() { QSettings().clear(); }

    void copiesEachFormatOfTheEditorUsedLast() {
        QWidget owner;
        NameEditor editor(&owner);
        std::shared_ptr<const NamesReport> names = Names();
        bool server = false;
        ShareActions share({[&] { return names; }, [] { return nullptr; }, [&] { return &editor; },
                            [&] { return server; }},
                           &owner);
        struct Case {
            ShareFormat format;
            bool server;
            bool asWritten;
            QString note;
        } cases[] = {
            {ShareFormat::BBCode, false, false,
             "Copied as BBCode, as the game keeps it. Edit > Copy as formatted text > As "
             "written gives it as you wrote it."},
            {ShareFormat::Html, true, false, "Copied as HTML."},
            {ShareFormat::Discord, false, true,
             "Copied as a Discord code block, as written: the game shows it otherwise."},
        };
        for (const Case& c : cases) {
            server = c.server;
            QAction* asWritten = share.CopyAsMenu()->actions().last();
            asWritten->setChecked(c.asWritten);
            share.CopyAs(c.format);
            const std::string expected =
                ShareText(SharedGlyphs(*names, c.server ? SharedName::Server : SharedName::Player,
                                       c.asWritten),
                          c.format);
            const QMimeData* data = QApplication::clipboard()->mimeData();
            QCOMPARE(data->text().toStdString(), expected);
            QCOMPARE(data->hasHtml(), c.format == ShareFormat::Html);
            QCOMPARE(editor.LastNote(), c.note);
        }
        QCOMPARE(QApplication::clipboard()->text().toStdString(),
                 "```ansi\n\x1b[0;31mPl%\x1b[0m\n```");
        // The choice is remembered; an empty name copies nothing.
        QVERIFY(QSettings().value("share/asWritten").toBool());
        names = Names("", "");
        share.CopyAs(ShareFormat::Html);
        QCOMPARE(editor.LastNote(), QString("The name is empty: nothing was copied."));
        QCOMPARE(QApplication::clipboard()->text().toStdString(),
                 "```ansi\n\x1b[0;31mPl%\x1b[0m\n```");
    }

    void exportsThePictureItShowsAsAPng() {
        PictureDialog dialog;
        QString asked;
        QString answer = out.filePath("both");
        dialog.SetSaveChooser([&](QWidget*, const QString& suggested) {
            asked = suggested;
            return answer;
        });
        dialog.SetNames(Names(), charset);
        // Both names at 2x: two lines of big characters, the player's kept "Pl." first.
        const QImage& image = dialog.Image();
        QCOMPARE(image.size(), QSize((8 * 16 + 2 + 8) * 2, (2 * 16 + 4 + 2 + 8) * 2));
        QCOMPARE(image.pixelColor(8 + 8, 8 + 8), QColor(int('P'), 0, 0));
        QCOMPARE(image.pixelColor(8 + 2 * 32 + 8, 8 + 8), QColor(int('.'), 0, 0));
        QVERIFY(dialog.findChild<QCheckBox*>("PictureFootnote")->isHidden());
        QVERIFY(dialog.Save());
        QCOMPARE(QFileInfo(asked).fileName(), QString("chromlet-names.png"));
        QImageReader reader(answer + ".png");
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage read = reader.read().convertToFormat(image.format());
        QCOMPARE(read, image);

        // A place at 4x on a transparent ground: the screen's width, clear where nothing is drawn.
        dialog.findChild<QComboBox*>("PictureScale")->setCurrentIndex(2);
        dialog.findChild<QCheckBox*>("PictureTransparent")->setChecked(true);
        auto* subject = dialog.findChild<QComboBox*>("PictureSubject");
        subject->setCurrentIndex(3 + static_cast<int>(GamePlace::Console));
        QCOMPARE(dialog.Image().width(), 640 * 4);
        QCOMPARE(qAlpha(dialog.Image().pixel(dialog.Image().width() - 1, 0)), 0);
        answer = out.filePath("missing/folder/console.png");
        QVERIFY(!dialog.Save());
        QVERIFY(dialog.findChild<QLabel*>("PictureStatus")
                    ->text()
                    .startsWith("The picture could not be written to "));
        QVERIFY(!QFile::exists(answer));
        // Without the game's data the desktop font stands in, and the picture may say so.
        dialog.SetNames(Names(), nullptr);
        const int height = dialog.Image().height();
        auto* footnote = dialog.findChild<QCheckBox*>("PictureFootnote");
        QVERIFY(!footnote->isHidden());
        footnote->setChecked(true);
        QCOMPARE(dialog.Image().height(), height + (16 + 4) * 4);  // at 4x, as chosen above
    }

    // The command line draws the very pixels the window draws, and Qt's reader reads its PNG.
    void theCommandLineDrawsTheWindowsPixels() {
        const QString game = out.filePath("game");
        test::WritePk3(game + "/baseq3/pak0.pk3", "gfx/2d/bigchars.tga", test::TestCharsetTga());
        test::WritePk3(game + "/baseoa/pak0.pk3", "gfx/2d/bigchars.tga", test::TestCharsetTga());
        const struct {
            const char* game;
            TargetGame target;
            const char* name;
            QStringList options;
            PictureSubject subject;
            GamePlace place;
            PictureLook look;
        } cases[] = {
            {"quake3",
             TargetGame::Quake3,
             "^1Pl^3ay",
             {},
             PictureSubject::PlayerName,
             GamePlace::Scoreboard,
             {2, false, {}}},
            {"openarena",
             TargetGame::OpenArena,
             "^8Or  a%",
             {"--place", "chat", "--transparent", "--scale", "4"},
             PictureSubject::Place,
             GamePlace::Chat,
             {4, true, {}}},
            {"ioquake3",
             TargetGame::IoQuake3,
             "^1A%",
             {"--as-server", "--as-written", "--scale", "1"},
             PictureSubject::ServerName,
             GamePlace::Scoreboard,
             {1, false, {}}},
        };
        for (const auto& c : cases) {
            QProcess code;
            code.start(CHROMLET_NAME_PROGRAM, {"--game", c.game, "code", c.name});
            QVERIFY(code.waitForFinished());
            const std::string bytes = code.readAllStandardOutput().toStdString();
            const NamesReport names{c.target, AnalysePlayerName(c.target, bytes),
                                    AnalyseServerName(c.target, bytes)};
            const QImage window = ToQImage(NamePicture(names, c.subject, c.place,
                                                       c.subject == PictureSubject::ServerName,
                                                       charset.get(), c.look));
            QProcess picture;
            picture.start(CHROMLET_NAME_PROGRAM, QStringList{"--game", c.game, "picture", c.name,
                                                             "-o", "-", "--game-folder", game} +
                                                     c.options);
            QVERIFY(picture.waitForFinished());
            QCOMPARE(picture.exitCode(), 0);
            const QImage read = QImage::fromData(picture.readAllStandardOutput(), "PNG");
            QVERIFY(!read.isNull());
            QCOMPARE(read.convertToFormat(QImage::Format_RGBA8888),
                     window.convertToFormat(QImage::Format_RGBA8888));
        }
    }
};

QTEST_MAIN(TestShare)
#include "tst_share.moc"
