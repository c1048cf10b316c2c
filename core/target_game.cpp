#include "core/target_game.h"

namespace chromlet {

namespace {

struct TargetRow {
    TargetGame target;
    CodeForm form;
    std::string_view key;
    std::string_view caption;
};

// One row per target, in menu order.
constexpr TargetRow Targets[] = {
    {TargetGame::Q3Test, CodeForm::Escape, "q3test", "Quake III Arena test (1999)"},
    {TargetGame::Quake3, CodeForm::Caret, "quake3", "Quake III Arena 1.32 / Quake3e"},
    {TargetGame::IoQuake3, CodeForm::Caret, "ioquake3", "ioquake3 / OpenArena"},
};

constexpr const TargetRow& RowOf(TargetGame target) {
    for (const TargetRow& row : Targets) {
        if (row.target == target) {
            return row;
        }
    }
    return Targets[0];
}

}  // namespace

CodeForm CodeFormOf(TargetGame target) {
    return RowOf(target).form;
}

std::string_view TargetCaption(TargetGame target) {
    return RowOf(target).caption;
}

std::string_view TargetKey(TargetGame target) {
    return RowOf(target).key;
}

std::optional<TargetGame> TargetFromKey(std::string_view key) {
    for (const TargetRow& row : Targets) {
        if (row.key == key) {
            return row.target;
        }
    }
    return std::nullopt;
}

}  // namespace chromlet
