// status: a running server's name and players, drawn as the chosen game draws them.
#pragma once

#include "cli/arguments.h"

namespace chromlet::cli {

int RunStatus(const Invocation& invocation);

}  // namespace chromlet::cli
