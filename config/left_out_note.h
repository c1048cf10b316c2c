// What a name was spared on its way in, said the same in the window and on the command line.
#pragma once

#include <QString>

#include "core/name_input.h"

namespace chromlet {

/// The note that says what was left out of a text on its way into a name: one sentence a line
/// for each kind of character refused and for a cut; empty when nothing was. Translated where a
/// translator is loaded.
QString LeftOutNote(const LeftOut& leftOut, LineBreaks lineBreaks);

}  // namespace chromlet
