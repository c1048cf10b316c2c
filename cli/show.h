// show and code: what the game makes of a name, and the bytes it is written as.
#pragma once

#include "cli/arguments.h"
#include "cli/name_argument.h"

namespace chromlet::cli {

/// Reads the NAME of `invocation` as `line`, printing its notes on standard error. nullopt, the
/// refusal printed, where it holds no name.
std::optional<MemoryStyledText> NameOrRefusal(const QByteArray& raw, const NameLine& line,
                                              const char* what);

int RunShow(const Invocation& invocation);
int RunCode(const Invocation& invocation);

}  // namespace chromlet::cli
