// Takes pictures of Chromlet's windows in the states worth a look (each game, names too long for
// the game, the menus, the notes and messages, the control-code dialog), for a person to look at.
// scripts/screenshot runs it; it checks nothing.
//   chromlet-screenshots OUTDIR [--dark] [--language de]
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

#include "app/translations.h"
#include "core/target_game.h"
#include "ui/code_dialog/dialog.h"
#include "ui/code_dialog/game_running_check.h"
#include "ui/common/file_chooser.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/game_look.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/in_game_window.h"
#include "ui/main_window/form1.h"
#include "ui/share/picture_dialog.h"
#include "ui/share/share_actions.h"

using namespace chromlet;
using namespace chromlet::ui;

namespace {

QString outDir;

void Save(QWidget* widget, const QString& name) {
    const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    }
}

// The visible tool tip or note, if any.
void SaveToolTip(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if ((w->inherits("QTipLabel") || w->objectName() == QLatin1String("NoteBubble")) &&
            w->isVisible()) {
            Save(w, name);
        }
    }
}

void SetText(NameEditor* editor, const QString& text) {
    editor->setPlainText(text);
    InitialStyling(*editor);
}

// A black part, an alternative-font part and far more than the game keeps.
void SetOverLongPartlyBlackNames(Form1& window) {
    SetText(window.rtb(), QStringLiteral("Black") + QString(40, 'W'));
    window.rtb()->SetSelection({0, 5});
    window.rtb()->SetSelectionColor(0x000000);
    window.rtb()->SetSelection({8, 3});
    window.rtb()->SetSelectionQ3Font(false);
    SetText(window.rtb2(), QStringLiteral("A server name too long for the browser"));
    window.rtb2()->SetSelection({2, 6});
    window.rtb2()->SetSelectionColor(0x0000FF);
}

QAction* MenuAction(Form1& window, const char* menu, const QString& caption) {
    for (QAction* a : window.findChild<QMenu*>(QLatin1String(menu))->actions()) {
        if (a->text() == caption) {
            return a;
        }
    }
    return nullptr;
}

// The chooser as the program opens it, in a folder with a config of some size.
void Chooser(Form1& window) {
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("q3config.cfg")));
    if (config.open(QIODevice::WriteOnly)) {
        config.write(QByteArray(20480, 'x'));
        config.close();
    }
    ChooserSettings settings = StoredChooserSettings();
    settings.directory = folder.path();
    QFileDialog dialog(&window);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpChooser(dialog, settings);
    dialog.show();
    QCoreApplication::processEvents();
    Save(&dialog, QStringLiteral("file-chooser"));
    dialog.close();
}

void MainWindow(Form1& window) {
    Save(&window, QStringLiteral("form1"));
    for (TargetGame target : AllTargets) {
        window.SetTarget(target);
        SetOverLongPartlyBlackNames(window);
        QCoreApplication::processEvents();  // the charset, or the footer saying where none was
        const QString key = QString::fromLatin1(TargetKey(target).data());
        Save(&window, QStringLiteral("form1-") + key);
        auto* preview = window.findChild<GamePreview*>(QStringLiteral("Preview1"));
        preview->verticalScrollBar()->setValue(preview->verticalScrollBar()->maximum());
        Save(preview, QStringLiteral("preview-") + key + QStringLiteral("-scrolled"));
    }
    for (QMenu* menu : window.findChild<QMenuBar*>(QStringLiteral("MenuBar"))
                           ->findChildren<QMenu*>(QRegularExpression(QStringLiteral("Menu$")))) {
        emit menu->aboutToShow();
        menu->adjustSize();
        Save(menu, QStringLiteral("menu-") + menu->objectName());
    }
    // The one-click styles in a caret target.
    window.SetTarget(TargetGame::IoQuake3);
    SetText(window.rtb(), QStringLiteral("Red Rocket Rider"));
    SetText(window.rtb2(), QStringLiteral("Frag Fest"));
    window.rtb()->setFocus();
    for (const char* style : {"Ra&inbow", "By w&ord", "Ran&dom", "&Tidy codes"}) {
        const QString caption = QCoreApplication::translate("chromlet::ui::NameActions", style);
        if (QAction* action = MenuAction(window, "StyleMenu", caption)) {
            action->trigger();
        }
        Save(&window, QStringLiteral("style-") + QString(style).remove('&').remove(' ').toLower());
    }
}

// The target chosen and a player name whose first word is red.
void SampleNames(Form1& window, TargetGame target, const QString& player, const QString& server) {
    window.SetTarget(target);
    SetText(window.rtb(), player);
    window.rtb()->SetSelection({0, 3});
    window.rtb()->SetSelectionColor(0x0000FF);
    SetText(window.rtb2(), server);
}

// The In game window for each game, with the game's charset where its data is installed.
void InGame(Form1& window) {
    auto* look = window.findChild<GameLook*>();
    for (TargetGame target : AllTargets) {
        SampleNames(window, target, QStringLiteral("Red Rocket"), QStringLiteral("Frag Fest"));
        look->ShowWindow();
        QApplication::processEvents();  // the charset comes a turn of the event loop later,
        QApplication::processEvents();  // and the window's layout the turn after
        Save(look->Window(),
             QStringLiteral("in-game-") + QString::fromLatin1(TargetKey(target).data()));
        Save(&window,
             QStringLiteral("form1-charset-") + QString::fromLatin1(TargetKey(target).data()));
    }
    look->Window()->close();
}

// Export picture... with the game's charset and without it, and the Copy as menu.
void Share(Form1& window) {
    auto* share = window.findChild<ShareActions*>();
    for (TargetGame target : {TargetGame::OpenArena, TargetGame::Quake3}) {
        SampleNames(window, target, QStringLiteral("Red Rocket Rider"),
                    QStringLiteral("Frag Fest 24/7"));
        if (target == TargetGame::OpenArena) {  // its orange among the styles
            auto* styles = window.findChild<QMenu*>(QStringLiteral("StyleMenu"));
            styles->adjustSize();
            Save(styles, QStringLiteral("menu-StyleMenu-openarena"));
        }
        share->ExportPicture();
        QApplication::processEvents();
        PictureDialog* dialog = share->Dialog();
        dialog->adjustSize();
        const QString key = QString::fromLatin1(TargetKey(target).data());
        Save(dialog, QStringLiteral("picture-dialog-") + key);
        auto* subject = dialog->findChild<QComboBox*>(QStringLiteral("PictureSubject"));
        subject->setCurrentIndex(subject->count() - 1);
        if (auto* footnote = dialog->findChild<QCheckBox*>(QStringLiteral("PictureFootnote"))) {
            footnote->setChecked(true);
        }
        QApplication::processEvents();
        Save(dialog, QStringLiteral("picture-dialog-") + key + QStringLiteral("-browser"));
        subject->setCurrentIndex(2);
        dialog->close();
    }
    share->CopyAsMenu()->adjustSize();
    Save(share->CopyAsMenu(), QStringLiteral("menu-CopyAsMenu"));
}

void Notes(Form1& window) {
    // A refused character's note at the caret, and a mark under a character that arrives as a dot.
    window.SetTarget(TargetGame::IoQuake3);
    SetText(window.rtb(), QStringLiteral("Pl\u00E9yer"));
    window.rtb()->setFocus();
    window.rtb()->SetSelection({6, 0});
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20AC"));
    QApplication::sendEvent(window.rtb(), &euro);
    Save(window.rtb(), QStringLiteral("name-editor"));
    SaveToolTip(QStringLiteral("name-editor-note"));

    window.SetUrlOpener([](const QUrl&) { return false; });
    emit window.findChild<QLabel*>(QStringLiteral("Label4"))
        ->linkActivated(QStringLiteral("https://chromlet.github.io/"));
    if (auto* note = window.findChild<QMessageBox*>(QStringLiteral("LinkFailedNote"))) {
        Save(note, QStringLiteral("link-note"));
        note->close();
    }
}

// Modal windows are saved from the event loop, once they show.
void WhenModalShows(const QString& name) {
    QTimer::singleShot(100, [name] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Save(modal, name);
            modal->close();
        }
    });
}

void Dialogs(Form1& window) {
    // The question before a read-only config is written, and a failure: a folder at the side
    // file's name.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("q3config.cfg"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("seta name \"Old\"\n");
        file.close();
    }
    QFile::setPermissions(config, QFile::ReadOwner | QFile::ReadGroup);
    Dialog writer([&](QWidget*, const ChooserSettings&) { return config; }, &window);
    writer.SetRunningGamesFinder([](const QString&) { return std::vector<std::string>(); });
    writer.show();
    auto* update = writer.findChild<QPushButton*>(QStringLiteral("Command1"));
    WhenModalShows(QStringLiteral("read-only-question"));
    update->click();
    QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner);
    QDir(dir.path()).mkdir(QStringLiteral("q3config.cfg_"));
    WhenModalShows(QStringLiteral("update-failed"));
    update->click();
    writer.close();

    Dialog dialog([](QWidget*, const ChooserSettings&) { return QString(); }, &window);
    dialog.SetText1(
        "seta name \"\x1b"
        "1Pl\x1b"
        "7ay\xE5r\x1b"
        "7\"");
    dialog.SetText2(
        "seta sv_hostname \"\x1b"
        "4Srv\x1b"
        "7\"");
    dialog.show();
    Save(&dialog, QStringLiteral("dialog"));
    dialog.close();

    WhenModalShows(QStringLiteral("game-running"));
    ConfirmWriteWhileGameRuns(&window, QStringLiteral("q3config.cfg"),
                              [](const QString&) { return std::vector<std::string>{"quake3e"}; });
}

// What the game reads: a q3config.cfg near 1.32's 16,365 bytes that a long server name pushes
// over, a one-click style that gives back a colour, and a line too long in the dialog.
void Limits(Form1& window) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral(".q3a/baseq3")));
    QFile config(home.filePath(QStringLiteral(".q3a/baseq3/q3config.cfg")));
    if (config.open(QIODevice::WriteOnly)) {
        for (int i = 0; config.size() < 15500; ++i) {
            config.write(QStringLiteral("seta setting_%1 \"1\"\r\n").arg(i).toLatin1());
        }
        config.close();
    }
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    window.SetTarget(TargetGame::Q3Test);
    window.SetTarget(TargetGame::Quake3);
    SetText(window.rtb(), QStringLiteral("Player"));
    SetText(window.rtb2(), QStringLiteral("noname"));
    Save(&window, QStringLiteral("limits-file-within"));
    SetText(window.rtb2(), QString(900, 's'));
    Save(&window, QStringLiteral("limits-file-over"));
    SetText(window.rtb(), QString(1003, 'p'));
    Save(&window, QStringLiteral("limits-line-near"));
    qputenv("HOME", realHome);

    window.SetTarget(TargetGame::OpenArena);
    SetText(window.rtb(), QStringLiteral("Rocket Rider"));
    SetText(window.rtb2(), QStringLiteral("noname"));
    window.rtb()->setFocus();
    const QString rainbow = QCoreApplication::translate("chromlet::ui::NameActions", "Ra&inbow");
    if (QAction* action = MenuAction(window, "StyleMenu", rainbow)) {
        action->trigger();
    }
    Save(&window, QStringLiteral("limits-style-fitted"));
    SaveToolTip(QStringLiteral("limits-style-fitted-note"));

    Dialog dialog([](QWidget*, const ChooserSettings&) { return QString(); }, &window);
    dialog.SetText1("seta name \"" + std::string(1012, 'a') + "\"");
    dialog.SetText2("seta sv_hostname \"noname\"");
    dialog.show();
    Save(&dialog, QStringLiteral("dialog-line-too-long"));
    WhenModalShows(QStringLiteral("line-too-long"));
    dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    dialog.close();
}

void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QColor text(220, 220, 220);
    const QColor disabled(120, 120, 124);
    // A dark theme's colours, its link and selection colours as Breeze Dark and the like give them.
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(45, 45, 48)},
        {QPalette::WindowText, text},
        {QPalette::Base, QColor(30, 30, 32)},
        {QPalette::Text, text},
        {QPalette::Button, QColor(55, 55, 58)},
        {QPalette::ButtonText, text},
        {QPalette::ToolTipBase, QColor(60, 60, 64)},
        {QPalette::ToolTipText, text},
        {QPalette::Link, QColor(61, 174, 233)},
        {QPalette::LinkVisited, QColor(155, 89, 182)},
        {QPalette::Highlight, QColor(61, 174, 233)},
        {QPalette::HighlightedText, QColor(20, 20, 22)},
    };
    QPalette dark;
    for (const auto& [role, color] : roles) {
        dark.setColor(role, color);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        dark.setColor(QPalette::Disabled, role, disabled);
    }
    QApplication::setPalette(dark);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: chromlet-screenshots OUTDIR [--dark] [--language de]\n", stderr);
        return 2;
    }
    outDir = args.at(1);
    QDir().mkpath(outDir);
    // Settings of its own, so that the pictures never depend on the user's.
    QTemporaryDir settings;
    QCoreApplication::setOrganizationName(QStringLiteral("ChromletScreenshots"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (args.contains(QStringLiteral("--dark"))) {
        UseDarkPalette();
    }
    const qsizetype language = args.indexOf(QStringLiteral("--language"));
    const Translations translations(QLocale(
        language > 0 && language + 1 < args.size() ? args.at(language + 1) : QStringLiteral("en")));

    Form1 window([](QWidget*, const ChooserSettings&) { return QString(); });
    window.SetRunningGamesFinder([](const QString&) { return std::vector<std::string>(); });
    window.show();
    QTimer::singleShot(0, [&] {
        MainWindow(window);
        InGame(window);
        Share(window);
        Notes(window);
        Dialogs(window);
        Limits(window);
        Chooser(window);
        QApplication::quit();
    });
    return QApplication::exec();
}
