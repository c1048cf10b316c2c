#include "core/name_fit.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/config_limits.h"
#include "core/memory_styled_text.h"

namespace chromlet {

namespace {

// The line start, the two quotes, the code and the closing switch back to white.
std::size_t LineBytesOfCode(const NameLine& line, std::size_t codeBytes) {
    return line.lineStart.size() + 2 + codeBytes + 2;
}

std::size_t CodeBytes(const NameLine& line, StyledText& text) {
    CodeDigit digit = line.digitBefore;
    return BuildCode(line.target, text, digit).size();
}

// `text` with `replaced` taken out and the first `count` characters of `insert` in its place.
MemoryStyledText Spliced(const StyledText& text, Selection replaced, const StyledText& insert,
                         std::size_t count) {
    const std::string chars = text.Text();
    const std::string inserted = insert.Text().substr(0, count);
    const std::size_t end = replaced.start + replaced.length;
    std::string out = chars.substr(0, replaced.start) + inserted + chars.substr(end);
    std::vector<CharStyle> styles;
    styles.reserve(out.size());
    for (std::size_t i = 0; i < replaced.start; ++i) {
        styles.push_back(text.StyleAt(i));
    }
    for (std::size_t i = 0; i < inserted.size(); ++i) {
        styles.push_back(insert.StyleAt(i));
    }
    for (std::size_t i = end; i < chars.size(); ++i) {
        styles.push_back(text.StyleAt(i));
    }
    return MemoryStyledText(std::move(out), std::move(styles));
}

// The runs of one colour in [begin, end) of `styles`, by where each starts.
std::vector<std::size_t> ColorRunStarts(const std::vector<CharStyle>& styles, std::size_t begin,
                                        std::size_t end) {
    std::vector<std::size_t> starts;
    for (std::size_t i = begin; i < end; ++i) {
        if (i == begin || styles[i].Color != styles[i - 1].Color) {
            starts.push_back(i);
        }
    }
    return starts;
}

}  // namespace

std::size_t LineBytes(const NameLine& line, const StyledText& text) {
    MemoryStyledText copy = MemoryStyledText::CopyOf(text);
    return LineBytesOfCode(line, CodeBytes(line, copy));
}

std::size_t FittingLength(const NameLine& line, const StyledText& text, Selection replaced,
                          const StyledText& insert) {
    replaced.start = std::min(replaced.start, text.Length());
    replaced.length = std::min(replaced.length, text.Length() - replaced.start);
    const auto fits = [&](std::size_t count) {
        MemoryStyledText candidate = Spliced(text, replaced, insert, count);
        return LineBytesOfCode(line, CodeBytes(line, candidate)) <= MaxConfigLineBytes;
    };
    const std::size_t all = insert.Length();
    if (all == 0 || fits(all)) {
        return all;
    }
    // A character more never makes the code shorter: it adds itself, and at most the colour
    // changes before and after it. So the longest prefix that fits is found by halving.
    std::size_t low = 0;     // fits, or nothing fits at all
    std::size_t high = all;  // does not fit
    while (high - low > 1) {
        const std::size_t mid = low + (high - low) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return low;
}

std::string ValueOf(const NameLine& line, const StyledText& text) {
    MemoryStyledText copy = MemoryStyledText::CopyOf(text);
    CodeDigit digit = line.digitBefore;
    const std::string setaLine =
        BuildSetaLine(line.target, line.lineStart, BuildCode(line.target, copy, digit));
    return setaLine.substr(line.lineStart.size() + 1, setaLine.size() - line.lineStart.size() - 2);
}

std::vector<CountLimit> LimitsOf(const NameLine& line, const StyledText& text) {
    const std::string value = ValueOf(line, text);
    return line.lineStart == ServerLineStart ? AnalyseServerName(line.target, value).limits
                                             : AnalysePlayerName(line.target, value).limits;
}

StyleBound StyleBudget(const std::vector<CountLimit>& before) {
    // A name over every bound already has none left to keep to.
    StyleBound bound{std::numeric_limits<std::size_t>::max(), CountLimit::Kind::ConfigLine};
    for (const CountLimit& limit : before) {
        switch (limit.kind) {
            case CountLimit::Kind::KeptByGame:
            case CountLimit::Kind::ServerInfoRoom:
            case CountLimit::Kind::ConfigLine:
                if (!limit.over && limit.limit < bound.bytes) {
                    bound = {limit.limit, limit.kind};
                }
                break;
            default:
                break;
        }
    }
    return bound;
}

std::optional<FittedStyles> FitStyles(const NameLine& line, const StyledText& text,
                                      std::vector<CharStyle> styles, Selection range,
                                      std::size_t maxValueBytes) {
    const std::string chars = text.Text();
    const std::size_t begin = std::min(range.start, chars.size());
    const std::size_t end = std::min(begin + range.length, chars.size());
    const std::vector<std::size_t> runs = ColorRunStarts(styles, begin, end);
    // The styles with only the first `kept` runs' colours of the range; the rest takes the last
    // of them.
    const auto keeping = [&](std::size_t kept) {
        std::vector<CharStyle> out = styles;
        if (kept < runs.size()) {
            const PackedColor last = styles[runs[kept] - 1].Color;
            for (std::size_t i = runs[kept]; i < end; ++i) {
                out[i].Color = last;
            }
        }
        return out;
    };
    const auto valueBytes = [&](const std::vector<CharStyle>& candidate) {
        MemoryStyledText styled(chars, candidate);
        return CodeBytes(line, styled) + 2;
    };
    FittedStyles fitted;
    fitted.fullBytes = valueBytes(styles);
    if (fitted.fullBytes <= maxValueBytes || runs.empty()) {
        fitted.bytes = fitted.fullBytes;
        fitted.styles = std::move(styles);
        return fitted;
    }
    // Fewer colours never take more bytes, so the most that fit are found by halving.
    std::size_t low = 0;             // fits (or nothing does)
    std::size_t high = runs.size();  // does not fit
    while (high - low > 1) {
        const std::size_t mid = low + (high - low) / 2;
        (valueBytes(keeping(mid)) <= maxValueBytes ? low : high) = mid;
    }
    if (low == 0) {
        return std::nullopt;
    }
    fitted.styles = keeping(low);
    fitted.bytes = valueBytes(fitted.styles);
    fitted.colorsGivenBack = runs.size() - low;
    return fitted;
}

}  // namespace chromlet
