// The styled name text: characters that each carry a colour and a font flag, the eight-colour
// palette of the game, and the operations behind the colour and font buttons.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chromlet {

/// A colour packed as red + 256 * green + 65536 * blue, each component 0 to 255.
using PackedColor = std::uint32_t;

/// Packs three components (each 0 to 255) into a PackedColor.
constexpr PackedColor PackColor(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(PackedColor c) {
    return c & 0xFFu;
}
constexpr unsigned GreenOf(PackedColor c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned BlueOf(PackedColor c) {
    return (c >> 16) & 0xFFu;
}

/// The style of one character.
struct CharStyle {
    PackedColor Color = 0;
    /// true: the game's standard font; false: its alternative font.
    bool Q3Font = true;

    friend bool operator==(const CharStyle&, const CharStyle&) = default;
};

/// One of the game's eight colours.
struct PaletteEntry {
    std::string_view caption;  ///< the button caption, "&" before the access key
    PackedColor packed;
    char digit;  ///< the code digit written after the colour escape, '0' to '7'
};

// The captions are marked for the translation tools, which read this header too; the window
// translates them under its own context. This is Qt's own definition of the marker, so it
// stands beside Qt's headers in either order, and core itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

/// The eight fixed colours, in the order in which the encoder tests a colour against them.
inline constexpr std::array<PaletteEntry, 8> ColorPalette{{
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Black"), PackColor(0, 0, 0), '0'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Red"), PackColor(255, 0, 0), '1'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Green"), PackColor(0, 255, 0), '2'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Yellow"), PackColor(255, 255, 0), '3'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Blue"), PackColor(0, 0, 255), '4'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Cyan"), PackColor(0, 255, 255), '5'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Magenta"), PackColor(255, 0, 255), '6'},
    {QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&White"), PackColor(255, 255, 255), '7'},
}};

/// Indexes into ColorPalette.
enum class PaletteColor { Black, Red, Green, Yellow, Blue, Cyan, Magenta, White };

constexpr const PaletteEntry& Palette(PaletteColor c) {
    return ColorPalette[static_cast<std::size_t>(c)];
}
constexpr PackedColor PackedOf(PaletteColor c) {
    return Palette(c).packed;
}

/// The palette entry of a packed colour; nullptr for a colour outside the palette.
constexpr const PaletteEntry* PaletteEntryOf(PackedColor color) {
    for (const PaletteEntry& entry : ColorPalette) {
        if (entry.packed == color) {
            return &entry;
        }
    }
    return nullptr;
}

/// The palette entry whose code digit is `digit`; nullptr for any character but '0' to '7'.
constexpr const PaletteEntry* PaletteEntryForDigit(char digit) {
    for (const PaletteEntry& entry : ColorPalette) {
        if (entry.digit == digit) {
            return &entry;
        }
    }
    return nullptr;
}

/// The selection of a StyledText: a start position and a length; length 0 is a bare caret.
struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;

    friend bool operator==(const Selection&, const Selection&) = default;
};

/// A text of single-byte characters (codes 0 to 255) in which every character carries one
/// CharStyle, together with a selection that lies within the text. The editors on screen and
/// the in-memory model both implement it; the operations below are written once against it.
class StyledText {
  public:
    virtual ~StyledText() = default;

    /// The whole text, one byte per character.
    virtual std::string Text() const = 0;
    /// The number of characters.
    virtual std::size_t Length() const = 0;
    virtual Selection GetSelection() const = 0;
    /// Sets the selection; it is clamped into the text.
    virtual void SetSelection(Selection selection) = 0;
    /// The style of the character at `position` (0 <= position < Length()).
    virtual CharStyle StyleAt(std::size_t position) const = 0;
    /// Sets the colour of every selected character.
    virtual void SetSelectionColor(PackedColor color) = 0;
    /// Sets the font flag of every selected character.
    virtual void SetSelectionQ3Font(bool q3Font) = 0;
};

/// A stretch of characters that share one style.
struct StyleRun {
    std::size_t start;
    std::size_t length;
    CharStyle style;

    friend bool operator==(const StyleRun&, const StyleRun&) = default;
};

/// The text's characters grouped, in order, into the longest runs of one style each.
std::vector<StyleRun> StyleRuns(const StyledText& text);

/// The names the main window starts with.
inline constexpr std::string_view StartPlayerName = "Player";
inline constexpr std::string_view StartServerName = "noname";

/// The styling every editor gets when the main window loads: the whole text white and in the
/// standard font, then nothing selected with the caret at 0.
void InitialStyling(StyledText& text);

/// The style a character typed now takes, as in a word processor: over a selection, that of its
/// first character; at a caret, that of the character before it, or after it at the start; in an
/// empty text white in the standard font.
CharStyle TypingStyle(const StyledText& text);

/// Whether `text` is still `startName` as the window starts with it: the same characters, every
/// one white and in the standard font.
bool IsUntouched(const StyledText& text, std::string_view startName);

/// The colour buttons' operation. If the character just before the selection is a space (code
/// 32, nothing else), the selection is first extended over it; then every selected character
/// takes `color`. The extended selection stays.
void ApplyColor(StyledText& text, PackedColor color);

/// The font buttons' operation: every selected character takes `q3Font`. The selection stays
/// exactly as it was.
void SetFontFlag(StyledText& text, bool q3Font);

}  // namespace chromlet
