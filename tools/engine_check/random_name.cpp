#include "tools/engine_check/random_name.h"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>

namespace chromlet::engine_check {

namespace {

// std::mt19937's output is fixed by the standard, the distributions are not; drawing by
// remainder keeps the names the same with every standard library.
class Draws {
  public:
    Draws(std::uint32_t seed, std::uint32_t index) {
        std::seed_seq seq{seed, index};
        engine_.seed(seq);
    }
    std::size_t Below(std::size_t n) { return engine_() % n; }
    std::size_t Between(std::size_t low, std::size_t high) { return low + Below(high - low + 1); }
    bool Percent(std::size_t p) { return Below(100) < p; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& from) {
        return from[Below(N)];
    }

  private:
    std::mt19937 engine_;
};

constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view Digits = "0123456789";
// Å é ö ñ ß ä ü É: what a European keyboard types most.
constexpr std::array<char, 8> Accented{'\xC5', '\xE9', '\xF6', '\xF1',
                                       '\xDF', '\xE4', '\xFC', '\xC9'};
constexpr std::size_t MaxChars = 28;

std::string RandomText(Draws& draws) {
    std::string text;
    if (draws.Percent(10)) {
        text.append(draws.Between(1, 3), ' ');
    }
    const std::size_t pieces = draws.Between(1, 5);
    for (std::size_t piece = 0; piece < pieces && text.size() < MaxChars; ++piece) {
        if (piece > 0) {
            text.append(draws.Percent(25) ? draws.Between(2, 6) : 1, ' ');
        }
        const std::size_t length = draws.Between(1, 7);
        for (std::size_t i = 0; i < length; ++i) {
            const std::size_t kind = draws.Below(100);
            if (kind < 70) {
                text.push_back(Letters[draws.Below(Letters.size())]);
            } else if (kind < 85) {
                text.push_back(Digits[draws.Below(Digits.size())]);
            } else if (kind < 90) {
                text.push_back('^');
            } else if (kind < 94) {
                text.push_back('%');
            } else {
                text.push_back(draws.Pick(Accented));
            }
        }
    }
    if (draws.Percent(10)) {
        text.append(draws.Between(1, 3), ' ');
    }
    if (text.size() > MaxChars) {
        text.resize(MaxChars);
    }
    if (text.find_first_not_of(' ') == std::string::npos) {
        text += "Player";  // the editor's user would not leave a name of spaces only
    }
    return text;
}

void Select(StyledText& text, Draws& draws, std::size_t maxLength) {
    const std::size_t start = draws.Below(text.Length());
    const std::size_t length = draws.Between(1, std::min(maxLength, text.Length() - start));
    text.SetSelection({start, length});
}

}  // namespace

MemoryStyledText RandomStyledName(std::uint32_t seed, std::uint32_t index) {
    Draws draws(seed, index);
    MemoryStyledText name(RandomText(draws));
    InitialStyling(name);
    const std::size_t stretches = draws.Between(1, 4);
    for (std::size_t i = 0; i < stretches; ++i) {
        Select(name, draws, name.Length());
        ApplyColor(name, ColorPalette[draws.Below(ColorPalette.size())].packed);
    }
    if (draws.Percent(25)) {
        Select(name, draws, 3);
        SetFontFlag(name, false);
    }
    name.SetSelection({name.Length(), 0});
    return name;
}

std::string DescribeStyles(const StyledText& text) {
    std::string out;
    const std::string chars = text.Text();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const CharStyle style = text.StyleAt(i);
        const PaletteEntry* entry = PaletteEntryOf(style.Color);
        if (!out.empty()) {
            out += ' ';
        }
        const auto byte = static_cast<unsigned char>(chars[i]);
        if (byte == ' ' || byte < 0x20 || byte >= 0x7F) {
            static constexpr char Hex[] = "0123456789ABCDEF";
            out += byte == ' ' ? std::string("' '")
                               : std::string{'<', Hex[byte >> 4], Hex[byte & 15], '>'};
        } else {
            out += chars[i];
        }
        if (!style.Q3Font) {
            out += '*';
        }
        out += entry != nullptr ? entry->digit : '?';
    }
    return out;
}

}  // namespace chromlet::engine_check
