#include "ui/main_window/form1.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

#include "config/config_size.h"
#include "config/load_names.h"
#include "core/color_code.h"
#include "core/name_rules.h"
#include "system/config_folder.h"
#include "ui/code_dialog/dialog.h"
#include "ui/common/control_table.h"
#include "ui/common/latin1.h"
#include "ui/common/target_choice.h"
#include "ui/common/texts.h"
#include "ui/common/twips.h"
#include "ui/common/ui_font.h"
#include "ui/editor/clipboard_watch.h"
#include "ui/editor/name_editor.h"
#include "ui/in_game/budget_view.h"
#include "ui/in_game/game_look.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/game_words.h"
#include "ui/main_window/name_actions.h"
#include "ui/main_window/recent_names.h"
#include "ui/share/share_actions.h"

namespace chromlet::ui {

namespace {

using K = ControlKind;
using C = PaletteColor;

constexpr std::string_view Cap(C c) {
    return Palette(c).caption;
}

// Left, top, width and height in twips, from the top left corner of the client area.
constexpr ControlSpec Layout[] = {
    {"Label1", K::Label, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Name:"), 120, 60, 1140, 240},
    {"rtb", K::Editor, StartPlayerName, 105, 330, 3060, 330},
    {"Command1", K::Button, Cap(C::Black), 120, 705, 930, 330},
    {"Command2", K::Button, Cap(C::Red), 1035, 705, 930, 330},
    {"Command19", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Q3 Font"), 2160, 705, 975,
     330},
    {"Command4", K::Button, Cap(C::Green), 120, 1020, 930, 330},
    {"Command5", K::Button, Cap(C::Yellow), 1035, 1020, 930, 330},
    {"Command21", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Alt. Font"), 2160, 1020, 975,
     330},
    {"Command3", K::Button, Cap(C::Blue), 120, 1335, 930, 330},
    {"Command7", K::Button, Cap(C::Cyan), 1035, 1335, 930, 330},
    {"Command6", K::Button, Cap(C::Magenta), 120, 1650, 930, 330},
    {"Command8", K::Button, Cap(C::White), 1035, 1650, 930, 330},
    {"Label5", K::Label, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Server name:"), 120, 2055, 1140,
     240},
    {"rtb2", K::Editor, StartServerName, 105, 2325, 3060, 330},
    {"Command18", K::Button, Cap(C::Black), 120, 2700, 930, 330},
    {"Command17", K::Button, Cap(C::Red), 1035, 2700, 930, 330},
    {"Command20", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Q3 Font"), 2160, 2715, 975,
     330},
    {"Command16", K::Button, Cap(C::Green), 120, 3015, 930, 330},
    {"Command15", K::Button, Cap(C::Yellow), 1035, 3015, 930, 330},
    {"Command22", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Alt. Font"), 2160, 3030, 975,
     330},
    {"Command14", K::Button, Cap(C::Blue), 120, 3330, 930, 330},
    {"Command12", K::Button, Cap(C::Cyan), 1035, 3330, 930, 330},
    {"Command13", K::Button, Cap(C::Magenta), 120, 3645, 930, 330},
    {"Command11", K::Button, Cap(C::White), 1035, 3645, 930, 330},
    {"Frame3", K::HorizontalDivider, "", 90, 4065, 3225, 30},
    {"Command9", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Show code"), 1035, 4170,
     1080, 345},
    {"Command10", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Exit"), 2205, 4170, 1080,
     345},
    {"Frame1", K::VerticalDivider, "", 3360, -45, 45, 4620},
    {"Label2", K::BoldLabel, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Instructions:"), 3510, 60,
     1140, 240},
    {"Label3", K::Label, Instructions, 3495, 270, 3420, 1440},
    {"Label4", K::Label, "", 3480, 3900, 3420, 615},
    // Our own controls fill the space between the instructions (down to 1710) and the credits
    // (from 3900), so that every control above keeps its place.
    {"Label6", K::BoldLabel, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "In game:"), 3510, 1755, 1140,
     240},
    {"Preview1", K::Preview, "", 3495, 1995, 3420, 1065},
    {"Budget1", K::Budget, "", 3495, 3075, 3420, 390},
    {"Command23", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Load from q3config.cfg..."),
     3495, 3510, 2400, 345},
    {"Budget2", K::FileBudget, "", 5940, 3510, 975, 345},
};

constexpr int ClientWidth = 7065;
constexpr int ClientHeight = 4620;

// Focus order, first to last: the player name's editor and its colour buttons in the order of
// the palette's digits, the two commands, the server name's colour buttons in the reverse order,
// its editor, and the four font buttons last. Controls of our own come after all of them.
constexpr std::string_view TabOrder[] = {
    "rtb",       "Command1",  "Command2",  "Command3",  "Command4",  "Command5",
    "Command6",  "Command7",  "Command8",  "Command9",  "Command10", "Command11",
    "Command12", "Command13", "Command14", "Command15", "Command16", "Command17",
    "Command18", "rtb2",      "Command19", "Command21", "Command20", "Command22",
};

// The link shows the address without its scheme, so that the line fits the label.
QString CreditsHtml() {
    const QUrl url(FromLatin1(HomePage));
    const QString shown = url.toString(QUrl::RemoveScheme | QUrl::StripTrailingSlash).mid(2);
    return QStringLiteral("%1 %2<br>%3 <a href=\"%4\">%5</a>")
        .arg(FromLatin1(ProductName), FromLatin1(Version),
             Form1::tr("For news and updates:").toHtmlEscaped(), url.toString().toHtmlEscaped(),
             shown.toHtmlEscaped());
}

}  // namespace

bool DefaultUrlOpener(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

struct Form1::StyleButton {
    enum class Editor { Player, Server };
    enum class Operation { Color, Font };
    std::string_view name;
    Editor editor;
    Operation operation;
    PaletteColor color;  // for Color
    bool q3Font;         // for Font
};

// Twenty buttons share eight captions: a screen reader hears which name each one acts on.
void Form1::DescribeForScreenReaders(const StyleButton& button, QPushButton* widget) {
    const bool player = button.editor == StyleButton::Editor::Player;
    if (button.operation == StyleButton::Operation::Color) {
        const QString colour = tr(Palette(button.color).caption.data()).remove('&');
        //: A colour button's accessible name: the colour, then which name it colours.
        widget->setAccessibleName(player ? tr("%1, player name").arg(colour)
                                         : tr("%1, server name").arg(colour));
        widget->setAccessibleDescription(
            player ? tr("Colours the selected part of the player name %1.").arg(colour.toLower())
                   : tr("Colours the selected part of the server name %1.").arg(colour.toLower()));
        return;
    }
    const QString font = button.q3Font ? tr("Q3 Font") : tr("Alt. Font");
    widget->setAccessibleName(player ? tr("%1, player name").arg(font)
                                     : tr("%1, server name").arg(font));
    widget->setAccessibleDescription(
        button.q3Font
            ? (player ? tr("Puts the selected part of the player name into the game's standard "
                           "font.")
                      : tr("Puts the selected part of the server name into the game's standard "
                           "font."))
            : (player ? tr("Puts the selected part of the player name into the game's "
                           "alternative font.")
                      : tr("Puts the selected part of the server name into the game's "
                           "alternative font.")));
}

// The labels name the editors for screen readers; the preview and the counts are read out as the
// text they show.
void Form1::SetUpAccessibility() {
    findChild<QLabel*>(QStringLiteral("Label1"))->setBuddy(rtb_);
    findChild<QLabel*>(QStringLiteral("Label5"))->setBuddy(rtb2_);
    findChild<QLabel*>(QStringLiteral("Label6"))->setBuddy(preview_);
    preview_->setAccessibleName(tr("In game"));
    budget_->setAccessibleName(tr("Length of the names against the game's limits"));
}

void Form1::StyleButton_Click(const StyleButton& button) {
    NameEditor* editor = button.editor == StyleButton::Editor::Player ? rtb_ : rtb2_;
    if (button.operation == StyleButton::Operation::Color) {
        ApplyColor(*editor, PackedOf(button.color));
        return;
    }
    SetFontFlag(*editor, button.q3Font);
    if (!button.q3Font && RulesOf(game_->Target()).networkDots) {
        editor->ShowNote(AltFontOnlineNote());
    }
}

Form1::Form1(FileChooser chooser, QWidget* parent)
    : QWidget(parent), game_(new ChosenGame(this)), loadChooser_(StoredChooserSettings()) {
    // Every file question opens in the chosen game's folder until a file has been chosen; after
    // that it starts from that file.
    chooser_ = [this, chooser = std::move(chooser)](QWidget* owner, const ChooserSettings& asked) {
        ChooserSettings settings = asked;
        settings.directory = QFile::decodeName(ConfigFolderFor(game_->Target()).c_str());
        return chooser(owner, settings);
    };
    SetUpWindow();
    CreateControls();
    FindControls();
    SetUpCredits();
    ConnectButtons();
    actions_ = new NameActions(rtb_, rtb2_, game_, this);
    look_ = new GameLook(game_, preview_, this);
    share_ = new ShareActions({[this] { return look_->Names(); }, [this] { return look_->Charset(); },
                               [this] { return actions_->CurrentEditor(); },
                               [this] { return actions_->CurrentIsServer(); }},
                              this);
    connect(game_, &ChosenGame::Changed, this, &Form1::FollowTarget);
    connect(game_, &ChosenGame::NotRemembered, this, &Form1::ShowSettingsNotSaved);
    CreateMenuBar();
    SetTabOrder();
    SetUpAccessibility();
    Form_Load();
    rtb_->setFocus(Qt::OtherFocusReason);
}

// A fixed window: the menu bar above a client area of the layout's size.
void Form1::SetUpWindow() {
    setWindowTitle(FromLatin1(MainCaption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(UiFont());
    // The title bar and the task switcher take these; menus and software centres take the larger
    // ones from the icon theme by the desktop file's name. Each file is decoded here, before the
    // window first shows, so the larger ones would only slow the start.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/chromlet-%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);

    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(clientArea_);
}

// The editors, the preview and the budget are this window's own kinds of control.
void Form1::CreateControls() {
    const auto makeOwn = [](const ControlSpec& control, QWidget* parent) -> QWidget* {
        switch (control.kind) {
            case ControlKind::Editor: {
                auto* editor = new NameEditor(parent);
                editor->setPlainText(Caption(control));
                return editor;
            }
            case ControlKind::Preview:
                return new GamePreview(parent);
            case ControlKind::Budget:
                return new BudgetView(parent);
            default:
                return new FileBudgetView(parent);
        }
    };
    for (const ControlSpec& control : Layout) {
        CreateControl(control, clientArea_, makeOwn);
    }
}

void Form1::FindControls() {
    rtb_ = findChild<NameEditor*>(QStringLiteral("rtb"));
    rtb2_ = findChild<NameEditor*>(QStringLiteral("rtb2"));
    preview_ = findChild<GamePreview*>(QStringLiteral("Preview1"));
    budget_ = findChild<BudgetView*>(QStringLiteral("Budget1"));
    fileBudget_ = findChild<FileBudgetView*>(QStringLiteral("Budget2"));
}

// The link is opened here rather than by the label, so that a machine without a browser gets a
// word and the address to copy instead of nothing.
void Form1::SetUpCredits() {
    auto* credits = findChild<QLabel*>(QStringLiteral("Label4"));
    credits->setTextFormat(Qt::RichText);
    credits->setText(CreditsHtml());
    credits->setOpenExternalLinks(false);
    credits->setTextInteractionFlags(Qt::TextBrowserInteraction);
    credits->setFocusPolicy(Qt::NoFocus);
    connect(credits, &QLabel::linkActivated, this, &Form1::OpenCreditsLink);
}

void Form1::ConnectButtons() {
    using E = StyleButton::Editor;
    using O = StyleButton::Operation;
    // Which editor and which colour or font flag each style button applies.
    static constexpr StyleButton StyleButtons[] = {
        {"Command1", E::Player, O::Color, C::Black, true},
        {"Command2", E::Player, O::Color, C::Red, true},
        {"Command3", E::Player, O::Color, C::Blue, true},
        {"Command4", E::Player, O::Color, C::Green, true},
        {"Command5", E::Player, O::Color, C::Yellow, true},
        {"Command6", E::Player, O::Color, C::Magenta, true},
        {"Command7", E::Player, O::Color, C::Cyan, true},
        {"Command8", E::Player, O::Color, C::White, true},
        {"Command19", E::Player, O::Font, C::White, true},
        {"Command21", E::Player, O::Font, C::White, false},
        {"Command18", E::Server, O::Color, C::Black, true},
        {"Command17", E::Server, O::Color, C::Red, true},
        {"Command14", E::Server, O::Color, C::Blue, true},
        {"Command16", E::Server, O::Color, C::Green, true},
        {"Command15", E::Server, O::Color, C::Yellow, true},
        {"Command13", E::Server, O::Color, C::Magenta, true},
        {"Command12", E::Server, O::Color, C::Cyan, true},
        {"Command11", E::Server, O::Color, C::White, true},
        {"Command20", E::Server, O::Font, C::White, true},
        {"Command22", E::Server, O::Font, C::White, false},
    };
    for (const StyleButton& button : StyleButtons) {
        auto* widget = findChild<QPushButton*>(FromLatin1(button.name));
        connect(widget, &QPushButton::clicked, this,
                [this, &button] { StyleButton_Click(button); });
        DescribeForScreenReaders(button, widget);
    }
    const auto connectClick = [this](const char* name, void (Form1::*handler)()) {
        connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    connectClick("Command9", &Form1::Command9_Click);
    connectClick("Command10", &Form1::Command10_Click);
    connectClick("Command23", &Form1::Command23_Click);
    findChild<QPushButton*>(QStringLiteral("Command23"))
        ->setToolTip(tr("Load the player name and server name from a q3config.cfg"));

    for (NameEditor* editor : {rtb_, rtb2_}) {
        connect(editor, &NameEditor::StyledTextChanged, this, &Form1::UpdatePreview);
    }
    // The Edit menu acts on the editor that has the focus, or had it last.
}

// Menu access keys stay clear of the letters the buttons use (B R G Y M C W S E L): a letter
// pressed with Alt keeps its one meaning in the window.
void Form1::CreateMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    layout()->setMenuBar(menuBar_);
    CreateFileMenu();
    CreateEditMenu();
    CreateStyleMenu();
    CreateGameMenu();
    CreateHelpMenu();
}

void Form1::CreateFileMenu() {
    QMenu* menu = menuBar_->addMenu(tr("&File"));
    menu->setObjectName(QStringLiteral("FileMenu"));
    menu->setToolTipsVisible(true);
    menu->addAction(tr("Load from &q3config.cfg..."), this, &Form1::Command23_Click);
    menu->addMenu(actions_->RecentNamesMenu());
    menu->addAction(tr("S&how code"), this, &Form1::Command9_Click);
    menu->addAction(share_->ExportPictureAction());
    menu->addSeparator();
    menu->addAction(tr("E&xit"), this, &Form1::Command10_Click);
}

namespace {

// The Edit menu's commands of the editor itself: caption, key, the editor's slot, and when the
// command can do something in that editor.
struct EditCommand {
    const char* caption;
    QKeySequence::StandardKey key;
    void (QTextEdit::*slot)();
    bool (*available)(const NameEditor& editor);
    bool separatorAfter;
};

constexpr EditCommand EditCommands[] = {
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Undo"), QKeySequence::Undo, &QTextEdit::undo,
     [](const NameEditor& e) { return e.document()->isUndoAvailable(); }, false},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Re&do"), QKeySequence::Redo, &QTextEdit::redo,
     [](const NameEditor& e) { return e.document()->isRedoAvailable(); }, true},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Cu&t"), QKeySequence::Cut, &QTextEdit::cut,
     [](const NameEditor& e) { return e.textCursor().hasSelection(); }, false},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "C&opy"), QKeySequence::Copy, &QTextEdit::copy,
     [](const NameEditor& e) { return e.textCursor().hasSelection(); }, false},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Paste"), QKeySequence::Paste, &QTextEdit::paste,
     [](const NameEditor& e) { return e.MayPaste(); }, true},
};

}  // namespace

void Form1::CreateEditMenu() {
    QMenu* menu = menuBar_->addMenu(tr("E&dit"));
    menu->setObjectName(QStringLiteral("EditMenu"));
    for (const EditCommand& command : EditCommands) {
        QAction* action = menu->addAction(tr(command.caption), this,
                                          [this, &command] { (EditTarget()->*command.slot)(); });
        action->setShortcut(command.key);
        // The editors handle these keys themselves while they have the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        editActions_.append(action);
        if (command.separatorAfter) {
            menu->addSeparator();
        }
    }
    menu->addAction(actions_->PasteCodedNameAction());
    menu->addAction(actions_->CopyAsConsoleCommandAction());
    menu->addMenu(share_->CopyAsMenu());
    menu->setToolTipsVisible(true);
    connect(menu, &QMenu::aboutToShow, this, &Form1::UpdateEditActions);
    // Paste follows the clipboard as it changes; nothing here asks the clipboard itself.
    connect(rtb_->Clipboard(), &ClipboardWatch::Changed, this, &Form1::UpdateEditActions);
}

// The one-click styles act on the editor used last, like the Edit menu.
void Form1::CreateStyleMenu() {
    QMenu* menu = menuBar_->addMenu(tr("S&tyle"));
    menu->setObjectName(QStringLiteral("StyleMenu"));
    menu->addAction(actions_->OrangeAction());  // OpenArena alone
    menu->addSeparator();
    const QList<QAction*>& styles = actions_->StyleActions();
    menu->addActions(styles.mid(0, styles.size() - 1));
    menu->addSeparator();
    menu->addAction(styles.last());  // Tidy codes changes nothing anyone can see
    menu->setToolTipsVisible(true);
}

void Form1::CreateGameMenu() {
    QMenu* menu = menuBar_->addMenu(tr("G&ame"));
    menu->setObjectName(QStringLiteral("GameMenu"));
    menu->setToolTipsVisible(true);
    targetActions_ = new QActionGroup(this);
    targetActions_->setExclusive(true);
    for (TargetGame target : AllTargets) {
        QAction* action = menu->addAction(TargetMenuCaption(target));
        action->setCheckable(true);
        targetActions_->addAction(action);
        connect(action, &QAction::triggered, game_, [this, target] { game_->SetTarget(target); });
    }
    ShowTargetChecked(game_->Target());
    connect(game_, &ChosenGame::Changed, this, &Form1::ShowTargetChecked);
    menu->addSeparator();
    menu->addActions(look_->MenuActions());
}

// The menu's items stand in the order of AllTargets.
void Form1::ShowTargetChecked(TargetGame target) {
    const auto index = std::find(AllTargets.begin(), AllTargets.end(), target) - AllTargets.begin();
    targetActions_->actions().at(index)->setChecked(true);
}

void Form1::CreateHelpMenu() {
    QMenu* menu = menuBar_->addMenu(tr("&Help"));
    menu->setObjectName(QStringLiteral("HelpMenu"));
    menu->setToolTipsVisible(true);
    menu->addAction(tr("&About Chromlet"), this, &Form1::ShowAbout);
}

void Form1::SetTabOrder() {
    QWidget* previous = nullptr;
    for (std::string_view name : TabOrder) {
        QWidget* next = findChild<QWidget*>(FromLatin1(name));
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

void Form1::Form_Load() {
    InitialStyling(*rtb_);
    InitialStyling(*rtb2_);
    FollowTarget(game_->Target());
}

// The editors mark what the game will not show as typed, and the Alt. Font buttons say why it
// does not show online, for the game chosen.
void Form1::FollowTarget(TargetGame target) {
    const bool dots = RulesOf(target).networkDots;
    rtb_->SetNameLine(target, NameLineStart);
    rtb2_->SetNameLine(target, ServerLineStart, rtb_);
    MeasureConfigFile();
    for (const char* name : {"Command21", "Command22"}) {
        findChild<QPushButton*>(QLatin1String(name))
            ->setToolTip(dots ? AltFontOnlineNote() : QString());
    }
    UpdatePreview();
}

TargetGame Form1::Target() const {
    return game_->Target();
}

void Form1::SetTarget(TargetGame target) {
    game_->SetTarget(target);
}

// The preview never moves the selection the user is about to style: the names are encoded from
// copies.
void Form1::UpdatePreview() {
    const TargetGame target = game_->Target();
    auto names = std::make_shared<const NamesReport>(AnalyseNames(target, *rtb_, *rtb2_));
    preview_->SetRows(PreviewRowsFor(*names));
    budget_->SetReports(*names);
    std::optional<FileBudget> file;
    if (configSize_.Ok() && !configPath_.isEmpty()) {
        file = FileBudget{configPath_, target,
                          configSize_.AfterValues(names->player.code, names->server.code),
                          configSize_.firstZero};
    }
    fileBudget_->SetFile(file);
    look_->SetNames(std::move(names));
    share_->Follow();
}

// The file the names will go into: the one chosen last for this game, else the game's own
// q3config.cfg where there is one. Measured again whenever the window comes back to the front,
// as the game may have rewritten it meanwhile.
void Form1::MeasureConfigFile() {
    const TargetGame target = game_->Target();
    QString path = chosenConfig_.value(target);
    if (path.isEmpty()) {
        const QString own =
            QFile::decodeName(ConfigFolderFor(target).c_str()) + QStringLiteral("/q3config.cfg");
        path = QFileInfo(own).isFile() ? own : QString();
    }
    configPath_ = path;
    configSize_ = path.isEmpty() ? ConfigSize{} : MeasureConfig(path, target);
}

void Form1::ChoseConfigFile(const QString& path) {
    chosenConfig_.insert(game_->Target(), path);
    MeasureConfigFile();
    UpdatePreview();
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        MeasureConfigFile();
        UpdatePreview();
    }
    QWidget::changeEvent(event);
}

NameEditor* Form1::EditTarget() const {
    return actions_->CurrentEditor();
}

void Form1::UpdateEditActions() {
    const NameEditor* editor = EditTarget();
    for (qsizetype i = 0; i < editActions_.size(); ++i) {
        editActions_[i]->setEnabled(EditCommands[i].available(*editor));
    }
}

void Form1::ShowAbout() {
    const QUrl url(FromLatin1(HomePage));
    QMessageBox::about(
        this, tr("About Chromlet"),
        tr("<p><b>%1 %2</b></p><p>Coloured player and server names for the game, "
           "written into its q3config.cfg.</p><p>News and updates: "
           "<a href=\"%3\">%3</a></p>")
                .arg(FromLatin1(ProductName), FromLatin1(Version), url.toString().toHtmlEscaped()) +
            tr("<p>Chromlet is free software: you may share and change it under the GNU General "
               "Public License, version 2 or (at your option) any later version. It comes with "
               "no warranty.</p>"));
}

void Form1::OpenCreditsLink(const QString& link) {
    const QUrl url(link);
    if (!urlOpener_(url)) {
        ShowLinkFailure(url);
    }
}

// Not modal: the user may go on editing and copy the address when convenient.
void Form1::ShowLinkFailure(const QUrl& url) {
    auto* note = findChild<QMessageBox*>(QStringLiteral("LinkFailedNote"));
    if (!note) {
        note = new QMessageBox(QMessageBox::Information, tr("No web browser"), QString(),
                               QMessageBox::Close, this);
        note->setObjectName(QStringLiteral("LinkFailedNote"));
        note->setWindowModality(Qt::NonModal);
        note->setAttribute(Qt::WA_DeleteOnClose);
        note->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QPushButton* copy = note->addButton(tr("Copy address"), QMessageBox::ActionRole);
        copy->setObjectName(QStringLiteral("CopyAddress"));
        connect(copy, &QPushButton::clicked, note,
                [url] { QApplication::clipboard()->setText(url.toString()); });
    }
    note->setText(tr("No web browser could be started for the address below. Copy it into a "
                     "browser yourself:\n\n%1")
                      .arg(url.toString()));
    note->show();
    note->raise();
}

void Form1::Command9_Click() {
    const SetaLines lines = BuildShowCodeLines(game_->Target(), *rtb_, *rtb2_);
    Dialog dialog(chooser_, this);
    dialog.SetRunningGamesFinder(runningGames_);
    dialog.SetTarget(game_->Target());
    dialog.SetText1(lines.name);
    dialog.SetText2(lines.server);
    connect(&dialog, &Dialog::LinesWritten, this,
            [this](const QString& path, const std::string& name, const std::string& server) {
                if (!actions_->RememberWritten(name, server)) {
                    ShowSettingsNotSaved(QSettings().fileName());
                }
                ChoseConfigFile(path);
            });
    dialog.exec();
}

void Form1::Command10_Click() {
    close();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!IsUntouched(*rtb_, StartPlayerName) || !IsUntouched(*rtb2_, StartServerName)) {
        const NameCodes codes = EncodeNames(game_->Target(), *rtb_, *rtb2_);
        if (!KeepUnwrittenNames(game_->Target(), codes.player, codes.server)) {
            qWarning("Chromlet could not keep the names in %s", qPrintable(QSettings().fileName()));
        }
    }
    QWidget::closeEvent(event);
}

// Once a session is enough: the user cannot change the folder from here.
void Form1::ShowSettingsNotSaved(const QString& settingsFile) {
    if (settingsWarningShown_) {
        return;
    }
    settingsWarningShown_ = true;
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Settings not saved"),
        tr("Chromlet cannot write its settings file %1, so the chosen game and the recent names "
           "will be forgotten when it closes. Make the file and its folder writable to keep "
           "them.")
            .arg(QDir::toNativeSeparators(settingsFile)),
        QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("SettingsNotSavedNote"));
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

void Form1::Command23_Click() {
    const QString path = ChooseExistingFile(chooser_, this, loadChooser_);
    if (path.isEmpty()) {
        return;  // cancelled
    }
    const LoadedNames loaded = LoadNames(path, game_->Target());
    if (!loaded.Ok()) {
        QMessageBox::warning(this, tr("Could not load the names"), DescribeLoadFailure(loaded));
        return;
    }
    QStringList notes{loaded.note};
    notes << rtb_->ReplaceStyledText(loaded.playerName)
          << rtb2_->ReplaceStyledText(loaded.serverName);
    ChoseConfigFile(path);
    // What the names lost on the way in, or that the file was written for another game, is said
    // beside them.
    notes.removeAll(QString());
    if (!notes.isEmpty()) {
        rtb_->ShowNote(notes.join(QLatin1Char('\n')));
    }
}

}  // namespace chromlet::ui
