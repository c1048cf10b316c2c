// write and server: the names into a player's q3config.cfg, the server name into a server's config.
#pragma once

#include "cli/arguments.h"

namespace chromlet::cli {

int RunWrite(const Invocation& invocation);
int RunServer(const Invocation& invocation);

}  // namespace chromlet::cli
