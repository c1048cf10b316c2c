// How long a configuration file will be after an update, for the window to hold against what the
// game reads while the names still change: the file goes once through the update's own passes, in
// memory, without new lines; after an update it is that and the two new lines.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/color_code.h"
#include "core/target_game.h"

namespace chromlet {

/// Files longer than this are not read to be measured: every engine ignores them whole anyway.
inline constexpr std::uint64_t MaxMeasuredBytes = 4u << 20;

struct ConfigSize {
    QString error;  ///< why the file could not be measured; empty when it could
    /// The bytes an update writes besides the two new lines (or the file's own length, for a file
    /// longer than MaxMeasuredBytes).
    std::uint64_t withoutNames = 0;
    /// Where the first zero byte of the updated file will stand, if it will hold one.
    std::optional<std::uint64_t> firstZero;

    bool Ok() const { return error.isEmpty(); }
    /// The file's length after an update with these two lines.
    std::uint64_t After(std::string_view nameLine, std::string_view serverLine) const {
        return withoutNames + nameLine.size() + serverLine.size();
    }
    /// The same for the lines that hold these two values between their quotes.
    std::uint64_t AfterValues(std::string_view playerValue, std::string_view serverValue) const {
        return withoutNames + NameLineStart.size() + ServerLineStart.size() + 4 +
               playerValue.size() + serverValue.size();
    }
};

/// Measures the regular file at `path` as an update for `target` would rewrite it.
ConfigSize MeasureConfig(const QString& path, TargetGame target);

}  // namespace chromlet
