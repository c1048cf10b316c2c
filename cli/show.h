// show and code: what the game makes of a name, and the bytes it is written as.
#pragma once

#include "cli/arguments.h"
#include "cli/name_argument.h"
#include "core/name_rules.h"

namespace chromlet::cli {

/// Reads the NAME of `invocation` as `line`, printing its notes on standard error. nullopt, the
/// refusal printed, where it holds no name.
std::optional<MemoryStyledText> NameOrRefusal(const QByteArray& raw, const NameLine& line,
                                              const char* what);

/// NAME of `invocation` as both a player name and a server name, as show reads it; nullopt, the
/// refusal printed, where it holds no name.
std::optional<NamesReport> NamesOfOperand(const Invocation& invocation);

int RunShow(const Invocation& invocation);
int RunCode(const Invocation& invocation);

}  // namespace chromlet::cli
