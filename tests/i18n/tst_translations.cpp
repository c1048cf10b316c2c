// The main window in each language the program speaks: captions come from the translation,
// the encoded configuration lines never do.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <map>

#include "app/translations.h"
#include "hex.h"
#include "ui/code_dialog/dialog.h"
#include "ui/common/layout_test_support.h"
#include "ui/common/ui_test_support.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/game_look.h"
#include "ui/main_window/form1.h"

using namespace chromlet;
using namespace chromlet::ui;

class TestTranslations : public QObject {
    Q_OBJECT

    // Each access key stands for one caption in a window; the same caption may repeat (one set
    // of colour buttons per editor). English Black and Blue share B by design, so only
    // translations are held to this.
    static QString AccessKeyClash(const QWidget* window) {
        std::map<QChar, QString> captionOf;
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const QString text = button->text();
            const qsizetype amp = text.indexOf(u'&');
            if (amp < 0 || amp + 1 >= text.size()) {
                continue;
            }
            const QChar key = text.at(amp + 1).toLower();
            const auto [it, added] = captionOf.emplace(key, text);
            if (!added && it->second != text) {
                return QStringLiteral("%1 and %2").arg(it->second, text);
            }
        }
        return {};
    }

    // The first button or label whose caption does not fit it (they are fixed-size), or empty.
    static QString Misfit(const QWidget* window) {
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!test::CaptionFits(button)) {
                return button->text();
            }
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->heightForWidth(label->width()) > label->height()) {
                return label->objectName();
            }
        }
        return {};
    }

  private slots:
    void showsTheLanguageButEncodesTheSame_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("captions");  // Command9, Command2, Command3, Label5
        QTest::addColumn<QString>("dialogTitle");
        QTest::newRow("C") << "C"
                           << "" << QStringList{"&Show code", "&Red", "&Blue", "Server name:"}
                           << "Control code";
        QTest::newRow("en_GB") << "en_GB"
                               << "" << QStringList{"&Show code", "&Red", "&Blue", "Server name:"}
                               << "Control code";
        QTest::newRow("de_DE") << "de_DE"
                               << "de"
                               << QStringList{"Code &zeigen", "&Rot", "Bla&u", "Servername:"}
                               << "Steuercode";
        QTest::newRow("de_AT") << "de_AT"
                               << "de"
                               << QStringList{"Code &zeigen", "&Rot", "Bla&u", "Servername:"}
                               << "Steuercode";
    }

    void showsTheLanguageButEncodesTheSame() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QFETCH(QString, dialogTitle);

        const Translations translations{QLocale(locale)};
        QCOMPARE(translations.Language().left(2), language);
        Form1 window;
        window.findChild<GameLook*>()->Charsets()->SetDataFolderFinder(test::NoGameData);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Chromlet"));
        QVERIFY(window.findChild<QLabel*>("Label4")->text().startsWith("Chromlet v0.3<br>"));
        const char* names[] = {"Command9", "Command2", "Command3", "Label5"};
        for (int i = 0; i < 4; ++i) {
            const QWidget* w = window.findChild<QWidget*>(names[i]);
            const QString text = w->property("text").toString();
            QCOMPARE(text, captions[i]);
        }
        QCOMPARE(Misfit(&window), QString());
        if (!language.isEmpty()) {
            QCOMPARE(AccessKeyClash(&window), QString());
        }

        // "Pl" red through the translated button, the server name in the alternative font.
        window.rtb()->SetSelection({0, 2});
        QTest::mouseClick(window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        window.rtb2()->SetSelection({0, 6});
        QTest::mouseClick(window.findChild<QPushButton*>("Command22"), Qt::LeftButton);
        std::string name, server;
        QString title, clash, misfit;
        test::ModalWatcher watch([&](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            name = dialog->Text1();
            server = dialog->Text2();
            title = dialog->windowTitle();
            clash = AccessKeyClash(dialog);
            misfit = Misfit(dialog);
            modal->close();
        });
        auto* showCode = window.findChild<QPushButton*>("Command9");
        QCOMPARE(showCode->shortcut(), QKeySequence::mnemonic(captions[0]));
        QTest::mouseClick(showCode, Qt::LeftButton);
        QVERIFY(watch.Fired());
        QCOMPARE(title, dialogTitle);
        QCOMPARE(clash, QString());
        QCOMPARE(misfit, QString());
        QCOMPARE(
            test::ToHex(name),
            std::string("73 65 74 61 20 6E 61 6D 65 20 22 1B 31 50 6C 1B 37 61 79 65 72 1B 37 22"));
        QCOMPARE(test::ToHex(server), std::string("73 65 74 61 20 73 76 5F 68 6F 73 74 6E 61 6D "
                                                  "65 20 22 1B 37 EE EF EE E1 ED E5 1B 37 22"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
