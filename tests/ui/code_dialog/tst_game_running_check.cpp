// The question before writing while the game runs, answered as a user would.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "ui/code_dialog/game_running_check.h"
#include "ui/common/ui_test_support.h"

using namespace chromlet::ui;
using chromlet::test::ModalWatcher;

class TestGameRunningCheck : public QObject {
    Q_OBJECT

  private slots:
    void asksOnlyWhileAGameRuns_data() {
        QTest::addColumn<QStringList>("running");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("writes");
        QTest::addColumn<QString>("names");
        QTest::newRow("nothing runs") << QStringList() << QString() << true << QString();
        QTest::newRow("write anyway")
            << QStringList{"quake3e.x64"} << "WriteAnyway" << true << "(quake3e.x64)";
        QTest::newRow("cancel") << QStringList{"ioquake3", "ioquake3", "q3test"} << "Cancel"
                                << false << "(ioquake3, q3test)";
        QTest::newRow("escape") << QStringList{"openarena"} << "Escape" << false << "(openarena)";
    }
    void asksOnlyWhileAGameRuns() {
        QFETCH(QStringList, running);
        QFETCH(QString, answer);
        QFETCH(bool, writes);
        QFETCH(QString, names);
        QString text;
        ModalWatcher watch([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            if (answer == "Escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (answer == "Cancel") {
                box->button(QMessageBox::Cancel)->click();
            } else {
                box->findChild<QPushButton*>(answer)->click();
            }
        });
        const bool result = ConfirmWriteWhileGameRuns(nullptr, "q3config.cfg", [&](const QString&) {
            std::vector<std::string> games;
            for (const QString& name : running) {
                games.push_back(name.toStdString());
            }
            return games;
        });
        QCOMPARE(result, writes);
        QCOMPARE(watch.Fired(), !running.isEmpty());
        if (!running.isEmpty()) {
            QVERIFY2(text.contains(names) && text.contains("when it quits"), qPrintable(text));
        }
    }
};

QTEST_MAIN(TestGameRunningCheck)
#include "tst_game_running_check.moc"
