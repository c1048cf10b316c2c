// The names written to a config most recently, kept between runs for each target game.
#pragma once

#include <QByteArray>
#include <QList>

#include <string>

#include "core/target_game.h"

namespace chromlet::ui {

struct RecentName {
    QByteArray nameLine;    ///< the "seta name" line as written, bytes
    QByteArray serverLine;  ///< the "seta sv_hostname" line as written, bytes

    friend bool operator==(const RecentName&, const RecentName&) = default;
};

/// How many pairs are kept for each target.
inline constexpr int RecentNamesKept = 10;

/// The pairs written last for `target`, newest first.
QList<RecentName> RecentNames(TargetGame target);

/// Puts a written pair first for `target`; an equal pair further down goes, and only the newest
/// RecentNamesKept stay.
void RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine);

}  // namespace chromlet::ui
