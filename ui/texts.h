// Texts the windows show exactly as they stand.
#pragma once

#include <string_view>

namespace chromlet::ui {

inline constexpr std::string_view kProductName = "Chromlet";
inline constexpr std::string_view kVersion = "v0.3";
/// Where news and updates about the program are published.
inline constexpr std::string_view kHomePage = "https://chromlet.github.io/";

inline constexpr std::string_view kMainCaption = "Chromlet";
inline constexpr std::string_view kDialogCaption = "Control code";

/// The instructions: two paragraphs, held apart by a run of 54 blanks that the label's word
/// wrapping turns into a line break.
inline constexpr std::string_view kInstructions =
    "Give in you name. Select the part of the text you want to color and click to color you "
    "want it to be. Repeat this until you get the desired chromlet. You can do the same thing "
    "with your Server name."
    "                                                      "
    "Click 'Show code' to put the Chromlet in your q3config.cfg file.";

inline constexpr std::string_view kUpdateToolTip =
    "Click this button to automatically add Chromlet to your config file";

}  // namespace chromlet::ui
