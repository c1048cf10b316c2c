#include "core/quick_styles.h"

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/color_code.h"

namespace chromlet {

namespace {

constexpr PaletteColor RainbowOrder[] = {PaletteColor::Red,   PaletteColor::Yellow,
                                         PaletteColor::Green, PaletteColor::Cyan,
                                         PaletteColor::Blue,  PaletteColor::Magenta};
constexpr std::size_t RainbowLength = std::size(RainbowOrder);

// Every palette colour but black, for the random draw.
constexpr PaletteColor DrawableColors[] = {
    PaletteColor::Red,  PaletteColor::Green,   PaletteColor::Yellow, PaletteColor::Blue,
    PaletteColor::Cyan, PaletteColor::Magenta, PaletteColor::White};
constexpr std::size_t DrawableCount = std::size(DrawableColors);

// A standard-font space draws nothing, so its colour costs bytes and shows nothing. An
// alternative-font space is drawn by the game and counts as a visible character.
bool IsBlankSpace(const StyledText& text, const std::string& chars, std::size_t i) {
    return chars[i] == ' ' && text.StyleAt(i).Q3Font;
}

struct Range {
    std::size_t start;
    std::size_t length;
};

Range RangeOf(const StyledText& text) {
    const Selection sel = text.GetSelection();
    if (sel.length == 0) {
        return {0, text.Length()};
    }
    return {sel.start, sel.length};
}

// Alternate: the first two different colours among the visible characters, black left out;
// red and white when the range has fewer than two.
std::pair<PackedColor, PackedColor> AlternatePair(const StyledText& text, const std::string& chars,
                                                  Range range) {
    std::optional<PackedColor> a, b;
    for (std::size_t i = 0; i < range.length && !b; ++i) {
        const std::size_t p = range.start + i;
        const PackedColor c = text.StyleAt(p).Color;
        if (IsBlankSpace(text, chars, p) || c == PackedOf(PaletteColor::Black)) {
            continue;
        }
        if (!a) {
            a = c;
        } else if (c != *a) {
            b = c;
        }
    }
    if (a && b) {
        return {*a, *b};
    }
    return {PackedOf(PaletteColor::Red), PackedOf(PaletteColor::White)};
}

// Random: never the colour drawn just before, so a draw is among the others.
class RandomColors {
public:
    explicit RandomColors(std::uint32_t seed) : rng_(seed) {}

    PackedColor Next() {
        std::size_t draw = rng_() % (lastDraw_ ? DrawableCount - 1 : DrawableCount);
        if (lastDraw_ && draw >= *lastDraw_) {
            ++draw;
        }
        lastDraw_ = draw;
        return PackedOf(DrawableColors[draw]);
    }

private:
    std::mt19937 rng_;
    std::optional<std::size_t> lastDraw_;
};

// The fill colour of each visible character of the range; empty entries for blank spaces.
std::vector<std::optional<PackedColor>> FillColors(const StyledText& text, const std::string& chars,
                                                   Range range, QuickStyle style,
                                                   std::uint32_t seed) {
    std::vector<std::optional<PackedColor>> fill(range.length);
    std::size_t visibleIndex = 0;
    std::size_t word = 0;
    bool inWord = false;
    const auto [first, second] = style == QuickStyle::Alternate
                                     ? AlternatePair(text, chars, range)
                                     : std::pair{PackedColor{}, PackedColor{}};
    RandomColors random(seed);

    for (std::size_t i = 0; i < range.length; ++i) {
        const std::size_t p = range.start + i;
        if (IsBlankSpace(text, chars, p)) {
            inWord = false;
            continue;
        }
        if (!inWord && visibleIndex > 0) {
            ++word;
        }
        inWord = true;
        PackedColor color = PackedOf(PaletteColor::White);
        switch (style) {
            case QuickStyle::Rainbow:
                color = PackedOf(RainbowOrder[visibleIndex % RainbowLength]);
                break;
            case QuickStyle::ByWord:
                color = PackedOf(RainbowOrder[word % RainbowLength]);
                break;
            case QuickStyle::Alternate:
                color = visibleIndex % 2 == 0 ? first : second;
                break;
            case QuickStyle::Random:
                color = random.Next();
                break;
            case QuickStyle::Clear:
                break;
        }
        fill[i] = color;
        ++visibleIndex;
    }
    return fill;
}

std::vector<CharStyle> StylesOf(const StyledText& text) {
    std::vector<CharStyle> styles;
    styles.reserve(text.Length());
    for (std::size_t i = 0; i < text.Length(); ++i) {
        styles.push_back(text.StyleAt(i));
    }
    return styles;
}

}  // namespace

std::vector<CharStyle> QuickStyled(const StyledText& text, QuickStyle style,
                                   std::uint32_t randomSeed) {
    std::vector<CharStyle> styles = StylesOf(text);
    const Range range = RangeOf(text);
    if (range.length == 0) {
        return styles;
    }
    if (style == QuickStyle::Clear) {
        std::fill_n(styles.begin() + static_cast<std::ptrdiff_t>(range.start), range.length,
                    CharStyle{PackedOf(PaletteColor::White), true});
        return styles;
    }

    const std::string chars = text.Text();
    const std::vector<std::optional<PackedColor>> fill =
        FillColors(text, chars, range, style, randomSeed);

    // A blank space takes the colour of the character before it; at the start of the range the
    // one before lies outside and keeps its colour; at the very start of the text the first
    // visible character after it gives the colour.
    std::optional<PackedColor> before;
    if (range.start > 0) {
        before = styles[range.start - 1].Color;
    }
    std::optional<PackedColor> firstFill;
    for (const auto& f : fill) {
        if (f) {
            firstFill = f;
            break;
        }
    }
    if (!before) {
        before = firstFill;
    }
    if (!before) {
        // Only blank spaces and nothing before them: there is no colour to give.
        return styles;
    }
    for (std::size_t i = 0; i < range.length; ++i) {
        if (fill[i]) {
            before = fill[i];
        }
        styles[range.start + i].Color = *before;
    }
    return styles;
}

std::vector<CharStyle> TidiedStyles(const StyledText& text) {
    const std::string chars = text.Text();
    const std::size_t length = chars.size();
    std::vector<CharStyle> styles = StylesOf(text);
    std::vector<PackedColor> colors(length);
    std::vector<bool> blank(length);
    for (std::size_t i = 0; i < length; ++i) {
        colors[i] = text.StyleAt(i).Color;
        blank[i] = IsBlankSpace(text, chars, i);
    }
    for (std::size_t i = 0; i < length;) {
        if (!blank[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < length && blank[end]) {
            ++end;
        }
        const std::optional<PackedColor> before =
            i > 0 ? std::optional<PackedColor>(colors[i - 1]) : std::nullopt;
        const std::optional<PackedColor> after =
            end < length ? std::optional<PackedColor>(colors[end]) : std::nullopt;
        // A colour outside the palette is drawn in the digit it inherits; changing the run
        // before it would change what it shows.
        const bool afterInherits = after && PaletteEntryOf(*after) == nullptr;

        // The run is one colour only if the spaces share it; otherwise each one counts.
        std::size_t oldChanges = 0;
        PackedColor previous = before.value_or(NoColorYet);
        for (std::size_t k = i; k < end; ++k) {
            oldChanges += colors[k] != previous ? 1 : 0;
            previous = colors[k];
        }
        oldChanges += after && *after != previous ? 1 : 0;

        const std::optional<PackedColor> target = before ? before : after;
        if (target && !afterInherits) {
            const std::size_t newChanges = (before ? 0 : 1) + (after && *after != *target ? 1 : 0);
            if (newChanges < oldChanges) {
                for (std::size_t k = i; k < end; ++k) {
                    colors[k] = *target;
                    styles[k].Color = *target;
                }
            }
        }
        i = end;
    }
    return styles;
}

}  // namespace chromlet
