// A name as the command line gives it, read as Paste coded name reads a pasted name and let in
// within the bounds the window keeps.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

#include "core/memory_styled_text.h"
#include "core/name_fit.h"

namespace chromlet::cli {

struct NameArgument {
    std::optional<MemoryStyledText> name;  ///< nullopt: nothing of it is a name
    QStringList notes;                     ///< what was left out of it, a sentence each
    QString refusal;                       ///< why nothing is left, where there is no name
};

/// Reads `raw`, an argument's bytes: UTF-8 text where it is that whole, else the game's own
/// bytes, one a character. Alternative-font marks are resolved (ResolveAltFontMarks), the result
/// read as a coded name (ParseCodedName, for `line`'s game) and cut where `line` would be longer
/// than the engine reads whole.
NameArgument ReadNameArgument(const QByteArray& raw, const NameLine& line);

}  // namespace chromlet::cli
