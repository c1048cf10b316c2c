#include "ui/in_game/game_look.h"

#include <QAction>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/common/target_choice.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/game_preview.h"
#include "ui/in_game/in_game_window.h"

namespace chromlet::ui {

// Access keys stay clear of the letters the window's buttons use (B R G Y M C W S E L).
GameLook::GameLook(const ChosenGame* game, GamePreview* preview, QWidget* owner)
    : QObject(owner),
      game_(game),
      preview_(preview),
      owner_(owner),
      charsets_(new CharsetSource(this)),
      showWindow_(new QAction(tr("I&n game"), this)),
      chooseFolder_(new QAction(tr("Game &folder..."), this)) {
    showWindow_->setObjectName(QStringLiteral("ShowInGame"));
    showWindow_->setToolTip(
        tr("Both names in each place of the game, drawn as the game draws them"));
    chooseFolder_->setObjectName(QStringLiteral("ChooseGameFolder"));
    chooseFolder_->setToolTip(
        tr("Point Chromlet at the game's folder, whose charset the preview draws with"));
    connect(showWindow_, &QAction::triggered, this, &GameLook::ShowWindow);
    connect(chooseFolder_, &QAction::triggered, this,
            [this] { charsets_->ChooseFolder(game_->Target(), owner_); });
    connect(preview_, &GamePreview::Clicked, this, &GameLook::ShowWindow);
    connect(game_, &ChosenGame::Changed, this, &GameLook::ApplyCharsetSoon);
    connect(charsets_, &CharsetSource::Changed, this, [this](TargetGame target) {
        if (target == game_->Target()) {
            ApplyCharsetSoon();
        }
    });
    // Reading the game's data waits until the preview has been painted once, so that it never
    // holds up the window's first paint.
    preview_->viewport()->installEventFilter(this);
}

bool GameLook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == preview_->viewport()) {
        preview_->viewport()->removeEventFilter(this);
        ApplyCharsetSoon();
    }
    return QObject::eventFilter(watched, event);
}

void GameLook::SetNames(std::shared_ptr<const NamesReport> names) {
    names_ = std::move(names);
    if (window_) {
        window_->SetNames(names_);
    }
}

void GameLook::ShowWindow() {
    if (!window_) {
        window_ = new InGameWindow(owner_);
        window_->SetNames(names_);
        window_->SetCharset(charsets_->StateFor(game_->Target()));
    }
    // The keyboard stays in the editor, so that the window follows the typing at once.
    window_->ShowBeside(owner_);
}

void GameLook::ApplyCharsetSoon() {
    if (!applyPending_) {
        applyPending_ = true;
        QTimer::singleShot(0, this, &GameLook::ApplyCharset);
    }
}

void GameLook::ApplyCharset() {
    applyPending_ = false;
    const CharsetState& state = charsets_->StateFor(game_->Target());
    preview_->SetCharset(state.charset);
    preview_->SetFooter(state.charset ? QString() : state.status);
    if (window_) {
        window_->SetCharset(state);
    }
}

std::shared_ptr<const GameCharset> GameLook::Charset() const {
    return charsets_->StateFor(game_->Target()).charset;
}

}  // namespace chromlet::ui
