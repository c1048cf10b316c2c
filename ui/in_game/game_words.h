// The game's words for every place, change and limit: what the preview, the budget and the In
// game window say of a name, each sentence once. The facts come from core's reports and places;
// the words are the windows' own, under the context of the window that shows them.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/game_places.h"
#include "core/name_rules.h"
#include "core/target_game.h"

namespace chromlet::ui {

/// Why the game keeps something else than was written, in a few words.
QString ChangeText(NameChange change, TargetGame target);

/// The preview's note over what the game keeps of the player name, with the reasons.
QString KeptNote(const NamesReport& names);
/// The preview's note over the server name as other players' games receive it.
QString ArrivedNote();
/// The preview's note over the in-game browser's view of the server name.
QString BrowserNote(const NamesReport& names);
/// Said wherever the server browser would show a server name the server refuses.
QString RefusedServerNameNote();

/// What happens at a limit, for its mark's tool tip; `cutText` is what is left there when the
/// count is over the limit.
QString LimitToolTip(const CountLimit& limit, const QString& cutText);
/// The mark of the characters that arrive as dots.
QString DotsToolTip(std::size_t dots);
/// What the game does with the configuration file at `path` of `bytes` bytes after the update.
QString FileToolTip(const QString& path, TargetGame target, std::uint64_t bytes,
                    std::optional<std::uint64_t> firstZero);

/// The title of a place, and the line that says what it shows, cuts or changes of these names.
QString PlaceTitle(GamePlace place);
QString PlaceNote(const NamesReport& names, const PlaceView& view);
/// Said once above the places for the test release, whose own code is not public.
QString TestReleasePlacesNote();

/// Why the alternative font shows as dots online, in the later engines.
QString AltFontOnlineNote();

}  // namespace chromlet::ui
