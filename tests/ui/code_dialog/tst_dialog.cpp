// The control-code dialog: its layout, its text boxes and the update button.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/code_dialog/dialog.h"
#include "ui/code_dialog/escape_marks.h"
#include "ui/common/file_chooser.h"
#include "ui/common/layout_test_support.h"
#include "ui/common/ui_test_support.h"

using namespace chromlet;
using namespace chromlet::ui;
using chromlet::test::ModalWatcher;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Closes the next message box that shows up, keeping its text.
struct NextBoxText {
    QString text;
    ModalWatcher watch;
    explicit NextBoxText(QWidget* notThis)
        : watch(
              [this](QWidget* modal) {
                  text = qobject_cast<QMessageBox*>(modal)->text();
                  modal->close();
              },
              notThis) {}
};

}  // namespace

class TestDialog : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Dialog> dialog;
    QList<ChooserSettings> calls;
    QString answer;
    QTemporaryDir dir;
    QString config;

    QPushButton* command1() { return dialog->findChild<QPushButton*>("Command1"); }

  private slots:
    void init() {
        calls.clear();
        answer.clear();
        QVERIFY(dir.isValid());
        config = dir.filePath("q3config.cfg");
        WriteAll(config, "// first comment line\nseta name Old\nseta first_setting 1\n");
        dialog = std::make_unique<Dialog>([this](QWidget*, const ChooserSettings& s) {
            calls.append(s);
            return answer;
        });
        dialog->SetRunningGamesFinder([](const QString&) { return std::vector<std::string>(); });
        dialog->SetText1(
            "seta name \"\x1b"
            "1Pl\x1b"
            "7\"");
        dialog->SetText2(
            "seta sv_hostname \"\x1b"
            "7srv\x1b"
            "7\"");
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    void cleanup() {
        dialog.reset();
        QFile::remove(config);
        QFile::remove(config + "_");
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        test::AddLayoutColumns();
        const auto row = test::AddLayoutRow;
        row("Text1", "text box", "", 75, 135, 4515, 315);
        row("Text2", "text box", "", 75, 510, 4515, 315);
        row("Frame3", "hline", "", 45, 930, 4560, 30);
        row("Command1", "button", "Add Chromlet to q3config.cfg", 930, 1080, 2625, 345);
        row("OKButton", "button", "OK", 3660, 1065, 915, 375);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, twipsRect);
        test::CheckLayoutControl(dialog->findChild<QWidget*>(QTest::currentDataTag()), kind,
                                 caption, twipsRect);
    }

    void hasItsCaptionSizeToolTipAndFocusOrder() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Control code"));
        QCOMPARE(dialog->size(), QSize(313, 105));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QCOMPARE(
            command1()->toolTip(),
            QStringLiteral("Click this button to automatically add Chromlet to your config file"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OKButton"));
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"OKButton", "Text1", "Text2", "Command1", "OKButton"}));
        // The boxes have no label a screen reader could read out for them.
        const auto name = [this](const char* box) {
            return QAccessible::queryAccessibleInterface(dialog->findChild<QLineEdit*>(box))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("Text1"), QStringLiteral("Player name line"));
        QCOMPARE(name("Text2"), QStringLiteral("Server name line"));
    }

    void textBoxesKeepEveryByte() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n') {
                all.push_back(static_cast<char>(b));
            }
        }
        dialog->SetText1(all);
        dialog->SetText2(std::string(40000, '\xE5'));
        QCOMPARE(dialog->Text1(), all);
        QCOMPARE(dialog->Text2(), std::string(40000, '\xE5'));
    }

    void textBoxesRefuseLineBreaksAndCharactersOutsideLatin1() {
        auto* text1 = dialog->findChild<QLineEdit*>("Text1");
        text1->setFocus();
        text1->end(false);
        for (QChar c : QStringLiteral("a\u20ACb")) {
            QTest::sendKeyEvent(QTest::Click, text1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(dialog->Text1(), std::string("seta name \"\x1b"
                                              "1Pl\x1b"
                                              "7\"ab"));
        text1->insert("x\ny");
        QCOMPARE(dialog->Text1(), std::string("seta name \"\x1b"
                                              "1Pl\x1b"
                                              "7\"ab"));
    }

    // Each line opens at its start, and each escape byte shows as a mark while the text stays.
    void linesOpenAtTheirStartWithTheirEscapesMarked() {
        dialog->SetText2("seta sv_hostname \"" + std::string(200, 'w') +
                         "\x1b"
                         "7\"");
        for (const char* name : {"Text1", "Text2"}) {
            auto* box = dialog->findChild<QLineEdit*>(name);
            QCOMPARE(box->cursorPosition(), 0);
            auto* marks = box->findChild<EscapeMarks*>();
            QVERIFY(marks);
            const QImage image = box->grab().toImage();
            const QRgb mark = EscapeMarks::MarkColor().rgb();
            const QRect escape = marks->CharacterRect(11);  // Text1: "seta name \"" then ESC
            int marked = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    marked += image.pixel(x, y) == mark;
                }
            }
            QVERIFY2(QString(name) == "Text1" ? marked > 0 : marked == 0, name);
            if (QString(name) == "Text1") {
                QCOMPARE(QColor(image.pixel(escape.left(), escape.center().y())),
                         EscapeMarks::MarkColor());
            }
        }
        QCOMPARE(dialog->Text1(), std::string("seta name \"\x1b"
                                              "1Pl\x1b"
                                              "7\""));
    }

    void okClosesTheDialog() {
        QTest::mouseClick(dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void cancelledChoiceWritesNothingAndShowsNothing() {
        const QByteArray before = ReadAll(config);
        bool boxShown = false;
        ModalWatcher boxWatch(
            [&](QWidget* modal) {
                boxShown = true;
                modal->close();
            },
            dialog.get());
        answer = QString();  // the user cancels
        QTest::mouseClick(command1(), Qt::LeftButton);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(ReadAll(config), before);
        QVERIFY(!QFile::exists(config + "_"));
        QCoreApplication::processEvents();
        QVERIFY(!boxShown);
        QVERIFY(dialog->isVisible());
    }

    void chosenFileIsUpdatedWithTheLinesAsEdited() {
        auto* text2 = dialog->findChild<QLineEdit*>("Text2");
        text2->setFocus();
        text2->end(false);
        QTest::keyClicks(text2, "X");
        answer = config;
        QSignalSpy written(dialog.get(), &Dialog::LinesWritten);
        QTest::mouseClick(command1(), Qt::LeftButton);
        QCOMPARE(written.size(), 1);
        QCOMPARE(written[0][0].toString(), config);
        QCOMPARE(ReadAll(config), QByteArray("// first comment line\n\r\nseta first_setting 1\n\r\n"
                                             "seta name \"\x1b"
                                             "1Pl\x1b"
                                             "7\"\n\r\n"
                                             "seta sv_hostname \"\x1b"
                                             "7srv\x1b"
                                             "7\"X\n\r\n"));
        QCOMPARE(ReadAll(config + "_"), QByteArray("// first comment line\n\r\nseta name Old\n\r\n"
                                                   "seta first_setting 1\n\r\n"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(QApplication::focusWidget(), command1());
        // The write is confirmed without a box: by the button and a note naming both files.
        QVERIFY2(command1()->text().contains("Written to q3config.cfg"),
                 qPrintable(command1()->text()));
        QVERIFY(chromlet::test::CaptionFits(command1()));
        QCOMPARE(dialog->ConfirmationNote(),
                 QString("Written to %1; the previous contents are in q3config.cfg_.")
                     .arg(QDir::toNativeSeparators(config)));
    }

    // A running game rewrites the file when it quits: the user is asked first.
    void asksBeforeWritingWhileTheGameRuns_data() {
        chromlet::test::AddBothWays("writeAnyway", "write anyway", "cancel");
    }
    void asksBeforeWritingWhileTheGameRuns() {
        QFETCH(bool, writeAnyway);
        QString askedAbout;
        dialog->SetRunningGamesFinder([&](const QString& path) {
            askedAbout = path;
            return std::vector<std::string>{"quake3e.x64"};
        });
        const QByteArray before = ReadAll(config);
        QString question;
        ModalWatcher boxWatch(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                question = box->text();
                (writeAnyway ? box->findChild<QPushButton*>("WriteAnyway")
                             : box->button(QMessageBox::Cancel))
                    ->click();
            },
            dialog.get());
        answer = config;
        QTest::mouseClick(command1(), Qt::LeftButton);
        QVERIFY2(question.contains("quake3e.x64"), qPrintable(question));
        QCOMPARE(askedAbout, config);  // whose games count depends on the file
        QCOMPARE(ReadAll(config) != before, writeAnyway);
    }

    void secondClickStartsFromTheFirstChoice() {
        answer = config;
        QTest::mouseClick(command1(), Qt::LeftButton);
        QTest::mouseClick(command1(), Qt::LeftButton);
        QCOMPARE(calls.size(), 2);
        const ChooserSettings& first = calls[0];
        QCOMPARE(first.title, QStringLiteral("Locate q3config.cfg"));
        QCOMPARE(first.fileName, QStringLiteral("q3config.cfg"));
        QCOMPARE(first.filterDescription, QStringLiteral("Q3 Config file"));
        QCOMPARE(first.filterPattern, QStringLiteral("q3config.cfg"));
        QVERIFY(first.fileMustExist);
        QCOMPARE(calls[1].fileName, config);
        QVERIFY(calls[1].fileMustExist);
        // Run twice with the same lines: the file is what the first run left.
        QVERIFY(
            ReadAll(config).endsWith("seta sv_hostname \"\x1b"
                                     "7srv\x1b"
                                     "7\"\n\r\n"));
        QCOMPARE(ReadAll(config).count("seta name"), 1);
    }

    // A later engine's file keeps its LF lines byte for byte; the new lines end like them.
    void writesForTheChosenGame() {
        dialog->SetTarget(TargetGame::IoQuake3);
        dialog->SetText1("seta name \"^1Pl^7\"");
        dialog->SetText2("seta sv_hostname \"srv^7\"");
        answer = config;
        QTest::mouseClick(command1(), Qt::LeftButton);
        QCOMPARE(ReadAll(config), QByteArray("// first comment line\nseta first_setting 1\n"
                                             "seta name \"^1Pl^7\"\nseta sv_hostname \"srv^7\"\n"));
        QCOMPARE(ReadAll(config + "_"),
                 QByteArray("// first comment line\nseta name Old\nseta first_setting 1\n"));
    }

    // A read-only config is asked about, Cancel the default; written anyway, it stays read-only.
    void asksBeforeWritingAReadOnlyConfig() {
        const QByteArray before = ReadAll(config);
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ReadGroup));
        answer = config;
        for (const bool writeAnyway : {false, true}) {
            QString text;
            bool cancelIsDefault = false;
            ModalWatcher boxWatch(
                [&](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    QVERIFY(box);
                    text = box->text();
                    cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
                    QTest::mouseClick(writeAnyway ? box->findChild<QPushButton*>("WriteAnyway")
                                                  : box->button(QMessageBox::Cancel),
                                      Qt::LeftButton);
                },
                dialog.get());
            QTest::mouseClick(command1(), Qt::LeftButton);
            QVERIFY(boxWatch.Fired());
            QVERIFY(cancelIsDefault);
            QVERIFY2(text.contains("read-only"), qPrintable(text));
            QCOMPARE(ReadAll(config) == before, !writeAnyway);
        }
        QVERIFY(ReadAll(config).endsWith("7\"\n\r\n"));
        // The owner, group and other bits (the user bits say what this user may do).
        QCOMPARE(QFile::permissions(config) & 0x7077, QFile::ReadOwner | QFile::ReadGroup);
    }

    void failedUpdateIsReportedAndTheDialogStaysOpen() {
        // A folder where the side file would go: the copy cannot be made.
        QVERIFY(QDir(dir.path()).mkdir("q3config.cfg_"));
        const QByteArray before = ReadAll(config);
        QString title;
        QString text;
        ModalWatcher boxWatch(
            [&](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    title = box->windowTitle();
                    text = box->text();
                }
                modal->close();
            },
            dialog.get());
        answer = config;
        QTest::mouseClick(command1(), Qt::LeftButton);
        QVERIFY(QDir(dir.path()).rmdir("q3config.cfg_"));
        QCOMPARE(title, QStringLiteral("Could not update q3config.cfg"));
        QVERIFY2(text.contains(QDir::toNativeSeparators(config)), qPrintable(text));
        QVERIFY2(text.contains("unchanged"), qPrintable(text));
        QCOMPARE(ReadAll(config), before);
        QVERIFY(dialog->isVisible());
        QCOMPARE(command1()->text(), QStringLiteral("Add Chromlet to q3config.cfg"));
        QVERIFY(dialog->ConfirmationNote().isEmpty());
    }

    void missingFileIsReported() {
        NextBoxText box(dialog.get());
        answer = dir.filePath("gone/q3config.cfg");
        QTest::mouseClick(command1(), Qt::LeftButton);
        QVERIFY2(box.text.contains(QDir::toNativeSeparators(answer)), qPrintable(box.text));
        QVERIFY(!QFile::exists(answer + "_"));
        QVERIFY(dialog->isVisible());
    }

    // A line the game would cut, edited there or not, turns red as it is typed and is refused
    // before a file is asked for.
    void lineTheGameWouldCutIsMarkedAndRefusedBeforeAnyFileIsChosen() {
        auto* text1 = dialog->findChild<QLineEdit*>("Text1");
        const QColor normal = text1->palette().color(QPalette::Base);
        dialog->SetText1("seta name \"" + std::string(1011, 'a') + "\"");
        QCOMPARE(text1->palette().color(QPalette::Base), normal);
        text1->end(false);
        QTest::keyClick(text1, Qt::Key_B);
        QVERIFY(text1->palette().color(QPalette::Base) != normal);
        QVERIFY2(text1->toolTip().startsWith("This line has 1,024 bytes"),
                 qPrintable(text1->toolTip()));
        NextBoxText box(dialog.get());
        answer = config;
        const QByteArray before = ReadAll(config);
        QTest::mouseClick(command1(), Qt::LeftButton);
        QVERIFY(calls.isEmpty());
        QVERIFY2(box.text.startsWith("The name line has 1,024 bytes"), qPrintable(box.text));
        QCOMPARE(ReadAll(config), before);
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->palette().color(QPalette::Base), normal);
        QVERIFY(text1->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
