#include "ui/main_window/name_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QMenu>
#include <QRandomGenerator>

#include <algorithm>

#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/color_code.h"
#include "core/memory_styled_text.h"
#include "core/name_fit.h"
#include "ui/common/latin1.h"
#include "ui/common/target_choice.h"
#include "ui/editor/clipboard_watch.h"
#include "ui/editor/name_editor.h"
#include "ui/main_window/recent_names.h"

namespace chromlet::ui {

namespace {

// The clipboard's text as bytes, MaxPastedChars of it at most; a character a byte cannot hold is
// left out (and noted), so that it can never turn into '?'.
std::string ClipboardBytes(const QString& text, LeftOut& leftOut) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min<qsizetype>(text.size(), MaxPastedChars)));
    const QList<uint> chars = text.first(std::min<qsizetype>(text.size(), MaxPastedChars)).toUcs4();
    for (uint c : chars) {
        if (c > 0xFF) {
            LeftOut one;
            one.notLatin1 = std::u32string(1, static_cast<char32_t>(c));
            leftOut.Add(one);
        } else {
            bytes.push_back(static_cast<char>(c));
        }
    }
    leftOut.cut = leftOut.cut || static_cast<std::size_t>(text.size()) > MaxPastedChars;
    return bytes;
}

QString Shown(const QByteArray& code, TargetGame target) {
    return FromLatin1(DecodeCode(target, code.toStdString()).Text());
}

}  // namespace

NameActions::NameActions(NameEditor* player, NameEditor* server, const ChosenGame* game,
                         QObject* parent)
    : QObject(parent), player_(player), server_(server), current_(player), game_(game) {
    // Ctrl and a digit: the buttons' access keys are Alt and a letter, and the editors use the
    // usual Ctrl letters for themselves.
    AddStyleAction(tr("Ra&inbow"), QKeySequence(Qt::CTRL | Qt::Key_1),
                   [this] { ApplyStyle(QuickStyle::Rainbow); });
    AddStyleAction(tr("By w&ord"), QKeySequence(Qt::CTRL | Qt::Key_2),
                   [this] { ApplyStyle(QuickStyle::ByWord); });
    AddStyleAction(tr("Alter&nate"), QKeySequence(Qt::CTRL | Qt::Key_3),
                   [this] { ApplyStyle(QuickStyle::Alternate); });
    AddStyleAction(tr("Ran&dom"), QKeySequence(Qt::CTRL | Qt::Key_4),
                   [this] { ApplyStyle(QuickStyle::Random); });
    AddStyleAction(tr("Cle&ar"), QKeySequence(Qt::CTRL | Qt::Key_0),
                   [this] { ApplyStyle(QuickStyle::Clear); });
    QAction* tidy =
        AddStyleAction(tr("&Tidy codes"), QKeySequence(Qt::CTRL | Qt::Key_9), [this] { Tidy(); });
    tidy->setToolTip(
        tr("Remove colour changes nobody can see: spaces take the colour next to "
           "them. The name looks the same and takes fewer bytes."));

    // OpenArena's ninth colour; the twenty buttons keep to the eight every game has.
    orange_ = new QAction(tr("Orange (O&penArena's ^8)"), this);
    orange_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_8));
    orange_->setToolTip(
        tr("Colour the selection orange, which OpenArena's scoreboard, chat and browser show; "
           "the console, which OpenArena's engine draws, shows it black"));
    connect(orange_, &QAction::triggered, this, [this] {
        ApplyColor(*current_, OpenArenaOrange);
    });

    pasteCoded_ = new QAction(tr("Paste coded &name"), this);
    pasteCoded_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    pasteCoded_->setToolTip(
        tr("Paste a name in the game's colour codes (^1Pl^7ayer), a seta "
           "line or a /name command, with its colours"));
    connect(pasteCoded_, &QAction::triggered, this, &NameActions::PasteCodedName);

    copyCommand_ = new QAction(tr("Copy as console comm&and"), this);
    connect(copyCommand_, &QAction::triggered, this, &NameActions::CopyAsConsoleCommand);

    // A menu needs a widget as its owner; the player editor lives as long as the actions.
    recentMenu_ = new QMenu(tr("Rece&nt names"), player_);
    recentMenu_->setToolTipsVisible(true);
    connect(recentMenu_, &QMenu::aboutToShow, this, &NameActions::FillRecentNamesMenu);

    QList<QAction*> context{orange_};
    context << styleActions_ << pasteCoded_ << copyCommand_;
    for (NameEditor* editor : {player_, server_}) {
        editor->installEventFilter(this);
        editor->SetContextActions(context);
        // The shortcuts work wherever the focus is in the window, menu bar or not.
        editor->addActions(context);
    }
    connect(game_, &ChosenGame::Changed, this, &NameActions::UpdateCommandAction);
    UpdateCommandAction();
}

QAction* NameActions::AddStyleAction(const QString& text, const QKeySequence& shortcut,
                                     const std::function<void()>& act) {
    auto* action = new QAction(text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, act);
    styleActions_.append(action);
    return action;
}

// The style buttons take the focus when clicked, so "the editor in use" is the one that had
// it last, or the one whose context menu is open.
bool NameActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::ContextMenu) {
        current_ = watched == server_ ? server_ : player_;
        UpdateCommandAction();
    }
    return QObject::eventFilter(watched, event);
}

// A style never makes the game do more to a name than it did before: where the whole style
// would take more bytes than the game keeps (or a server has room for, or the configuration line
// holds), the last colours share one, and a note says so.
void NameActions::ApplyStyle(QuickStyle style) {
    const NameLine line = current_->Line();
    const StyleBound bound = StyleBudget(LimitsOf(line, *current_));
    Selection range = current_->GetSelection();
    if (range.length == 0) {
        range = {0, current_->Length()};
    }
    const std::optional<FittedStyles> fitted = FitStyles(
        line, *current_, QuickStyled(*current_, style, QRandomGenerator::global()->generate()),
        range, bound.bytes);
    if (!fitted) {
        current_->ShowNote(StyleNote(bound, false, 0));
        return;
    }
    current_->SetStyles(fitted->styles);
    if (fitted->colorsGivenBack > 0) {
        current_->ShowNote(StyleNote(bound, true, fitted->fullBytes));
    }
}

QString NameActions::StyleNote(const StyleBound& bound, bool fitted, std::size_t fullBytes) {
    QString where;
    switch (bound.kind) {
        case CountLimit::Kind::KeptByGame:
            where = tr("the %1 bytes the game keeps of a name").arg(bound.bytes);
            break;
        case CountLimit::Kind::ServerInfoRoom:
            where =
                tr("the %1 bytes a default server's settings string has room for").arg(bound.bytes);
            break;
        default:
            where = tr("the %1 bytes its configuration line holds").arg(bound.bytes);
            break;
    }
    if (!fitted) {
        return tr("This style does not fit: even in one colour the name would take more than %1. "
                  "Nothing was changed.")
            .arg(where);
    }
    return tr("In full this style takes %1 bytes, more than %2, so the last colours share one: "
              "the game shows the whole name as you see it. Ctrl+Z undoes the style.")
        .arg(fullBytes)
        .arg(where);
}

void NameActions::Tidy() {
    current_->SetStyles(TidiedStyles(*current_));
}

// Asks the clipboard for its formats and its text once at most, through the editor's watch: a
// clipboard whose owner does not answer is not asked again until it changes.
void NameActions::PasteCodedName() {
    ClipboardWatch* clipboard = current_->Clipboard();
    const bool hasText = clipboard->Formats().contains(QStringLiteral("text/plain"));
    const QString text = hasText ? clipboard->Text() : QString();
    if (clipboard->Silent()) {
        current_->ShowNote(NameEditor::NoAnswerNote());
        return;
    }
    LeftOut leftOut;
    const std::string bytes = ClipboardBytes(text, leftOut);
    ParseNotes notes;
    const std::optional<MemoryStyledText> name = ParseCodedName(game_->Target(), bytes, &notes);
    if (!name) {
        current_->ShowNote(tr("The clipboard holds no name to paste."));
        return;
    }
    leftOut.Add(notes.leftOut);
    current_->InsertStyledText(
        *name, leftOut,
        notes.otherLines ? tr("Only the first line of the clipboard was pasted.") : QString());
}

void NameActions::CopyAsConsoleCommand() {
    const TargetGame target = game_->Target();
    if (CodeFormOf(target) != CodeForm::Caret) {
        current_->ShowNote(TestReleaseConsoleNote());
        return;
    }
    MemoryStyledText copy = MemoryStyledText::CopyOf(*current_);
    CodeDigit digit;
    const std::string code = BuildCode(target, copy, digit);
    const std::optional<std::string> command =
        ConsoleCommand(target, current_ == server_ ? "sv_hostname" : "name", code);
    if (!command) {
        // The editors let in no quote and no line break, so the command is too long.
        current_->ShowNote(
            tr("This name is too long for the game's console, which holds %1 characters: "
               "nothing was copied. Use Show code and write it into q3config.cfg instead.")
                .arg(MaxConsoleLine));
        return;
    }
    QApplication::clipboard()->setText(FromLatin1(*command));
    current_->ShowNote(tr("Copied. Paste it into the game's console (opened with ~)."));
}

// The command stays enabled in every game: a menu shows no tool tip on a disabled item, so the
// reason it cannot work is given as a note when it is chosen.
void NameActions::UpdateCommandAction() {
    orange_->setVisible(RulesOf(game_->Target()).colorCodes == ColorCodeRule::CaretDigitTo8);
    const bool caret = CodeFormOf(game_->Target()) == CodeForm::Caret;
    copyCommand_->setToolTip(
        caret ? (current_ == server_ ? tr("Put /sv_hostname \"...\" on the clipboard, to paste "
                                          "into the game's console")
                                     : tr("Put /name \"...\" on the clipboard, to paste into the "
                                          "game's console"))
              : TestReleaseConsoleNote());
}

QString NameActions::TestReleaseConsoleNote() {
    return tr(
        "The test release's console cannot type the colour escape: use Show code and "
        "write the name into q3config.cfg instead.");
}

bool NameActions::RememberWritten(const std::string& nameLine, const std::string& serverLine) {
    return RememberNames(game_->Target(), nameLine, serverLine);
}

void NameActions::FillRecentNamesMenu() {
    recentMenu_->clear();
    const QList<RecentName> names = RecentNames();
    if (names.isEmpty()) {
        recentMenu_->addAction(tr("No names written yet"))->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(recentMenu_->font());
    for (const RecentName& recent : names) {
        // Each name cut to a width a menu can show; the tool tip holds both whole.
        const QString name = Shown(recent.nameCode, recent.game);
        const QString server = Shown(recent.serverCode, recent.game);
        const auto fit = [&](const QString& s) {
            return metrics.elidedText(s, Qt::ElideRight, metrics.averageCharWidth() * 32);
        };
        //: A pair of recent names: the player name on the server name, then the game they were
        //: made for.
        QString text = tr("%1 on %2 (%3)").arg(fit(name), fit(server), TargetName(recent.game));
        if (!recent.written) {
            //: A recent pair of names the window was closed with, never written to a config.
            text = tr("%1, not written").arg(text);
        }
        // A single "&" in a menu item would mark an access key.
        QAction* item = recentMenu_->addAction(QString(text).replace('&', QStringLiteral("&&")));
        item->setToolTip(tr("%1 on %2").arg(name.left(300), server.left(300)));
        connect(item, &QAction::triggered, this, [this, recent] { PutBack(recent); });
    }
}

// The codes are read as the game they were made for reads them; the editors then hold what
// that game showed, to be written for the chosen game.
void NameActions::PutBack(const RecentName& recent) {
    QStringList notes;
    notes << player_->ReplaceStyledText(DecodeCode(recent.game, recent.nameCode.toStdString()))
          << server_->ReplaceStyledText(DecodeCode(recent.game, recent.serverCode.toStdString()));
    if (recent.game != game_->Target()) {
        notes << tr("These names were made for %1 and are read as that game reads them; Show "
                    "code writes them for %2.")
                     .arg(TargetName(recent.game), TargetName(game_->Target()));
    }
    notes.removeAll(QString());
    if (!notes.isEmpty()) {
        player_->ShowNote(notes.join(QLatin1Char('\n')));
    }
}

}  // namespace chromlet::ui
