// Texts the windows show exactly as they stand. Captions go through the translator under the
// context of the window that shows them; the English ones are the source texts.
#pragma once

#include <QtGlobal>

#include <string_view>

#include "chromlet/product.h"

namespace chromlet::ui {

/// The credits name the product with its version, "Chromlet v0.3".
inline constexpr std::string_view ProductName = product::Name;
inline constexpr std::string_view Version = product::VersionLabel;
/// Where news and updates about the program are published.
inline constexpr std::string_view HomePage = product::HomePage;

inline constexpr std::string_view MainCaption = product::Name;
inline constexpr char DialogCaption[] = QT_TRANSLATE_NOOP("chromlet::ui::Dialog", "Control code");

/// The instructions: two paragraphs, held apart by a run of 54 blanks that the label's word
/// wrapping turns into a line break.
inline constexpr char Instructions[] = QT_TRANSLATE_NOOP(
    "chromlet::ui::Form1",
    "Give in you name. Select the part of the text you want to color and click to color you "
    "want it to be. Repeat this until you get the desired chromlet. You can do the same thing "
    "with your Server name."
    "                                                      "
    "Click 'Show code' to put the Chromlet in your q3config.cfg file.");

inline constexpr char UpdateToolTip[] = QT_TRANSLATE_NOOP(
    "chromlet::ui::Dialog", "Click this button to automatically add Chromlet to your config file");

}  // namespace chromlet::ui
