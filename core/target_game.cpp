#include "core/target_game.h"

namespace chromlet {

namespace {

using enum TargetGame;

// One row per target, in menu order. The later engines' facts come from their public sources:
// the colour rule from Q_IsColorString (q_shared.h), the network's dots from MSG_ReadString
// (qcommon/msg.c), the cleaning from ClientCleanName (game/g_client.c), the browser from
// ArenaServers_Insert and its list line (q3_ui/ui_servers2.c: 21 bytes kept and 20 shown, codes
// removed; OpenArena keeps 30 with their colours). The engine's own rule is that of the engine
// a target runs on: Debian's OpenArena is ioquake3's engine with OpenArena's game modules.
constexpr TargetRules Targets[] = {
    {Q3Test,
     "q3test",
     CodeForm::Escape,
     ColorCodeRule::EscapeDigit,
     Q3Test,
     false,
     NameCleaning::None,
     "",
     {}},
    {Quake3,
     "quake3",
     CodeForm::Caret,
     ColorCodeRule::CaretAny,
     Quake3,
     true,
     NameCleaning::Q3_132,
     "UnnamedPlayer",
     {21, 20, false}},
    {IoQuake3,
     "ioquake3",
     CodeForm::Caret,
     ColorCodeRule::CaretAlnum,
     IoQuake3,
     true,
     NameCleaning::Ioq3,
     "UnnamedPlayer",
     {21, 20, false}},
    // "Nameless" and the player's slot number, which the first player on a server gets as 0.
    {OpenArena,
     "openarena",
     CodeForm::Caret,
     ColorCodeRule::CaretDigitTo8,
     IoQuake3,
     true,
     NameCleaning::OpenArena,
     "Nameless0",
     {30, 30, true}},
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
