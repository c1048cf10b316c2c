// What the game's engine reads of a configuration file. `exec` hands the whole file to the
// command buffer, which takes all of it or none (Cbuf_InsertText), and then runs it one line at a
// time, each line copied into a buffer of MAX_CMD_LINE bytes (Cbuf_Execute). Everything that
// writes or shows a configuration line asks here, so that nothing is written that the game
// would not read as written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/target_game.h"

namespace chromlet {

/// MAX_CMD_LINE (code/qcommon/cmd.c, qcommon.h in Quake3e): the buffer one command line is copied
/// into, the final zero byte included.
inline constexpr std::size_t MaxCommandLine = 1024;

/// The longest configuration line an engine runs whole, its line end not counted. Cbuf_Execute
/// cuts a longer line there and drops the byte after the cut; id's 1.32, ioquake3 and OpenArena's
/// engine then run the rest of the line as the next command (where a ';' outside quotes starts
/// yet another), Quake3e leaves it out. Either way the value is not what was written.
inline constexpr std::size_t MaxConfigLineBytes = MaxCommandLine - 1;

/// What stands in 1.32's command buffer behind the configuration file while the engine reads it
/// at start-up: Com_Init queues "exec default.cfg", "exec q3config.cfg" and "exec autoexec.cfg"
/// before it runs them. ioquake3 and OpenArena's engine run each exec at once, with nothing behind
/// it (Com_ExecuteCfg).
inline constexpr std::string_view CommandsAfterConfig = "exec autoexec.cfg\n";

/// The bytes behind the configuration file in the target's command buffer at start-up:
/// CommandsAfterConfig for the test release and 1.32, none for ioquake3 and OpenArena.
std::size_t StartupCommandsAfterConfig(TargetGame target);

/// The size of the target's command buffer (MAX_CMD_BUFFER): 16,384 bytes in id's 1.32, which
/// the test release, whose source is not public, is taken to share; 128 KiB in ioquake3 and
/// OpenArena's engine, 64 KiB in Quake3e's.
std::size_t CommandBufferBytes(TargetGame target);

/// The longest configuration file the target's engine reads, with `pending` bytes of other
/// commands in its buffer behind it: Cbuf_InsertText needs room for the file up to its first zero
/// byte, the line end it adds and those commands, and refuses a longer file whole ("Cbuf_InsertText
/// overflowed"), so that none of it runs.
std::size_t MaxConfigFileBytes(TargetGame target, std::size_t pending);
/// The same at start-up, where the game reads its q3config.cfg: 16,365 bytes for the test release
/// and 1.32, 131,071 for ioquake3 and OpenArena.
std::size_t MaxConfigFileBytes(TargetGame target);

/// Whether the engines run `line`, one line of a configuration file without its line end, whole.
constexpr bool IsLineReadWhole(std::string_view line) {
    return line.size() <= MaxConfigLineBytes;
}

/// The most bytes the value of a configuration line that starts with `lineStart` may hold
/// between its two double quotes for the line to be read whole: 1,011 for "seta name ", 1,004
/// for "seta sv_hostname ".
constexpr std::size_t MaxValueBytes(std::string_view lineStart) {
    return MaxConfigLineBytes - lineStart.size() - 2;
}

/// Why the engine would not read a configuration file as written; None when it would.
enum class FileFault {
    None,
    TooLarge,  ///< longer than MaxConfigFileBytes: the engine reads none of it
    ZeroByte,  ///< it holds a zero byte: the engine reads it only up to there
};

/// Whether the target's engine reads a file of `bytes` bytes whole at start-up; `firstZero` is
/// where its first zero byte stands, if it holds one.
FileFault CheckConfigFile(TargetGame target, std::uintmax_t bytes,
                          std::optional<std::uintmax_t> firstZero = std::nullopt);

/// Whether the file's length is worth a mark beside the names' counts: where it holds at least
/// half of what the engine reads, or would not be read whole.
bool IsFileWorthAMark(TargetGame target, std::uintmax_t bytes,
                      std::optional<std::uintmax_t> firstZero = std::nullopt);

}  // namespace chromlet
