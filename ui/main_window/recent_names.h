// The names written to a config most recently, every game's in one list kept between runs, and
// the names the window was closed with when they were never written.
#pragma once

#include <QByteArray>
#include <QList>

#include <string>

#include "core/target_game.h"

namespace chromlet::ui {

/// A pair of names: each the value its configuration line holds between the quotes, in the code
/// of the game it was made for, bytes exactly.
struct RecentName {
    TargetGame game = TargetGame::Q3Test;
    QByteArray nameCode;
    QByteArray serverCode;
    /// false for names the window was closed with that were never written to a config.
    bool written = true;

    friend bool operator==(const RecentName&, const RecentName&) = default;
};

/// How many pairs are kept, of every game together.
inline constexpr int RecentNamesKept = 20;

/// The longest code a kept name may have: a name of the most characters there can be, each with
/// a colour code of its own. A longer entry (a settings file edited by hand) is passed over.
inline constexpr qsizetype MaxRecentCodeBytes = 3 * 1024 + 2;

/// The pairs kept, newest first. Where only the lists of earlier versions are kept (one for each
/// game), they are read instead: the chosen game's first, then the others in the Game menu's
/// order.
QList<RecentName> RecentNames();

/// Puts the pair of names that the two lines just written for `game` hold first; an equal pair
/// further down goes (also one kept unwritten), and only the newest RecentNamesKept stay. false
/// when the settings could not be saved.
bool RememberNames(TargetGame game, const std::string& nameLine, const std::string& serverLine);

/// Keeps the names the window is closed with as the first pair, marked as not written, unless
/// they equal the pair written last. Only one unwritten pair is kept: it takes the place of an
/// earlier one. false when the settings could not be saved.
bool KeepUnwrittenNames(TargetGame game, const std::string& nameCode,
                        const std::string& serverCode);

}  // namespace chromlet::ui
