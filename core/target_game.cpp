#include "core/target_game.h"

namespace chromlet {

namespace {

using enum TargetGame;

// One row per target, in menu order. The later engines' facts come from their public sources:
// the colour rule from Q_IsColorString (q_shared.h), the network's dots from MSG_ReadString
// (qcommon/msg.c), the cleaning from ClientCleanName (game/g_client.c), the browser from
// ArenaServers_Insert and its list line (q3_ui/ui_servers2.c: 21 bytes kept and 20 shown, codes
// removed; OpenArena keeps 30 with their colours). The engine's own rule is that of the engine
// a target runs on: Debian's OpenArena is ioquake3's engine with OpenArena's game modules, and
// Quake3e's engine draws 36 colours (g_color_table and ColorIndexFromChar, code/qcommon/q_math.c)
// where the baseq3 game module it runs reads eight. Quake3e's network turns '%' and bytes over 127
// into dots as the others do (MSG_ReadString, code/qcommon/msg.c).
// MAX_CMD_BUFFER stands in code/qcommon/cmd.c: 16384 in id's 1.32 (the test release's source is
// not public; it is taken to be 1.32's), 128*1024 in ioquake3 and OpenArena's engine, 65536 in
// Quake3e. At start-up 1.32's Com_Init queues "exec
// default.cfg", "exec q3config.cfg" and "exec autoexec.cfg" before it runs them, so the last
// stands behind the file (18 bytes); ioquake3's and OpenArena's Com_ExecuteCfg run each at once
// (EXEC_NOW), with nothing behind it, and so does Quake3e's. A default server's other settings were
// counted in getstatus replies of Debian 12's servers on the map aggressor: ioq3ded 1.36 with
// ioquake3's own baseq3 game module 401 bytes, openarena-server 0.8.8 788 bytes; 1.32 runs the same
// baseq3 cvars as ioquake3's module, with a shorter "version" and "protocol" for "com_protocol", so
// ioquake3's count stands for it. How the engine reads a configuration file's commands comes from
// Cbuf_Execute and Cmd_TokenizeString (code/qcommon/cmd.c) and Cvar_Set_f, Cvar_SetA_f and
// Cvar_Command (code/qcommon/cvar.c): id's 1.32 for the test release and 1.32, ioquake3's for
// ioquake3 and OpenArena, Quake3e's own for it. Quake3e's server settings were not counted: its
// row knows no room for the server name there.
constexpr TargetRules Targets[] = {
    {Q3Test,
     "q3test",
     CodeForm::Escape,
     ColorCodeRule::EscapeDigit,
     ColorCodeRule::EscapeDigit,
     false,
     NameCleaning::None,
     "",
     {},
     16384,
     18,
     0,
     CommandReading::Id132},
    {Quake3,
     "quake3",
     CodeForm::Caret,
     ColorCodeRule::CaretAny,
     ColorCodeRule::CaretAny,
     true,
     NameCleaning::Q3_132,
     "UnnamedPlayer",
     {21, 20, false},
     16384,
     18,
     401,
     CommandReading::Id132},
    {IoQuake3,
     "ioquake3",
     CodeForm::Caret,
     ColorCodeRule::CaretAlnum,
     ColorCodeRule::CaretAlnum,
     true,
     NameCleaning::Ioq3,
     "UnnamedPlayer",
     {21, 20, false},
     128 * 1024,
     0,
     401,
     CommandReading::Ioq3},
    // "Nameless" and the player's slot number, which the first player on a server gets as 0.
    {OpenArena,
     "openarena",
     CodeForm::Caret,
     ColorCodeRule::CaretDigitTo8,
     ColorCodeRule::CaretAlnum,
     true,
     NameCleaning::OpenArena,
     "Nameless0",
     {30, 30, true},
     128 * 1024,
     0,
     788,
     CommandReading::Ioq3},
    // id's baseq3 game module on Quake3e's engine.
    {Quake3e,
     "quake3e",
     CodeForm::Caret,
     ColorCodeRule::CaretAny,
     ColorCodeRule::CaretAny36,
     true,
     NameCleaning::Q3_132,
     "UnnamedPlayer",
     {21, 20, false},
     65536,
     0,
     0,
     CommandReading::Quake3e},
};

static_assert(std::size(Targets) == AllTargets.size());

}  // namespace

const TargetRules& RulesOf(TargetGame target) {
    for (const TargetRules& row : Targets) {
        if (row.target == target) {
            return row;
        }
    }
    return Targets[0];
}

CodeForm CodeFormOf(TargetGame target) {
    return RulesOf(target).form;
}

std::string_view TargetKey(TargetGame target) {
    return RulesOf(target).key;
}

std::optional<TargetGame> TargetFromKey(std::string_view key) {
    for (const TargetRules& row : Targets) {
        if (row.key == key) {
            return row.target;
        }
    }
    return std::nullopt;
}

}  // namespace chromlet
