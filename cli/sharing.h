// picture and export: a name for showing off, as a PNG in the game's charset or as text for web
// pages, forums, terminals and Discord.
#pragma once

#include "cli/arguments.h"

namespace chromlet::cli {

int RunPicture(const Invocation& invocation);
int RunExport(const Invocation& invocation);

}  // namespace chromlet::cli
