// The names written to a config most recently, kept between runs for each target game, and the
// names the window was closed with when they were never written.
#pragma once

#include <QByteArray>
#include <QList>

#include <string>

#include "core/target_game.h"

namespace chromlet::ui {

/// A pair of names: each the value its configuration line holds between the quotes, in the
/// target's colour code, bytes exactly.
struct RecentName {
    QByteArray nameCode;
    QByteArray serverCode;
    /// false for names the window was closed with that were never written to a config.
    bool written = true;

    friend bool operator==(const RecentName&, const RecentName&) = default;
};

/// How many pairs are kept for each target.
inline constexpr int RecentNamesKept = 10;

/// The longest code a kept name may have: a name of the most characters there can be, each with
/// a colour code of its own. A longer entry (a settings file edited by hand) is passed over.
inline constexpr qsizetype MaxRecentCodeBytes = 3 * 1024 + 2;

/// The pairs kept for `target`, newest first. Pairs kept by earlier versions, which stored whole
/// configuration lines, load too.
QList<RecentName> RecentNames(TargetGame target);

/// Puts the pair of names that the two lines just written hold first for `target`; an equal
/// pair further down goes (also one kept unwritten), and only the newest RecentNamesKept stay.
/// false when the settings could not be saved.
bool RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine);

/// Keeps the names the window is closed with as the first pair for `target`, marked as not
/// written, unless they equal the pair written last. Only one unwritten pair is kept: it takes
/// the place of an earlier one. false when the settings could not be saved.
bool KeepUnwrittenNames(TargetGame target, const std::string& nameCode,
                        const std::string& serverCode);

}  // namespace chromlet::ui
