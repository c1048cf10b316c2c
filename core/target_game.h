// The game a name is made for. The 1999 test release writes colours as the escape byte and a
// digit; every later engine writes a caret and a digit and cleans names by its own rules.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace chromlet {

/// The games the program writes for. Q3Test comes first and is the default.
enum class TargetGame { Q3Test, Quake3, IoQuake3 };

/// Every target in menu order.
inline constexpr std::array<TargetGame, 3> AllTargets{TargetGame::Q3Test, TargetGame::Quake3,
                                                      TargetGame::IoQuake3};

/// How a target writes a colour change.
enum class CodeForm { Escape, Caret };

CodeForm CodeFormOf(TargetGame target);

/// The name shown to the user: "Quake III Arena test (1999)", "Quake III Arena 1.32 / Quake3e",
/// "ioquake3 / OpenArena".
std::string_view TargetCaption(TargetGame target);

/// A key that stays the same between versions, for the settings: "q3test", "quake3", "ioquake3".
std::string_view TargetKey(TargetGame target);

/// The target of a settings key; nullopt for a key this version does not know.
std::optional<TargetGame> TargetFromKey(std::string_view key);

}  // namespace chromlet
