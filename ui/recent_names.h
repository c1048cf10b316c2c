// The names written to a config most recently, kept between runs for each target game.
#pragma once

#include <QByteArray>
#include <QList>

#include <string>

#include "core/target_game.h"

namespace chromlet::ui {

/// A pair of names as written: each the value its configuration line held between the quotes,
/// in the target's colour code, bytes exactly.
struct RecentName {
    QByteArray nameCode;
    QByteArray serverCode;

    friend bool operator==(const RecentName&, const RecentName&) = default;
};

/// How many pairs are kept for each target.
inline constexpr int RecentNamesKept = 10;

/// The pairs written last for `target`, newest first. Pairs kept by earlier versions, which
/// stored whole configuration lines, load too.
QList<RecentName> RecentNames(TargetGame target);

/// Puts the pair of names that the two lines just written hold first for `target`; an equal
/// pair further down goes, and only the newest RecentNamesKept stay.
void RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine);

}  // namespace chromlet::ui
