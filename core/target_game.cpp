#include "core/target_game.h"

namespace chromlet {

namespace {

using enum TargetGame;

// One row per target, in menu order.
constexpr TargetRules Targets[] = {
    {Q3Test, "q3test", CodeForm::Escape, ColorCodeRule::EscapeDigit, NameCleaning::None},
    {Quake3, "quake3", CodeForm::Caret, ColorCodeRule::CaretAny, NameCleaning::Q3_132},
    {IoQuake3, "ioquake3", CodeForm::Caret, ColorCodeRule::CaretAlnum, NameCleaning::Ioq3},
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
