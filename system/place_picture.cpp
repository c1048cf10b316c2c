#include "system/place_picture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace chromlet {

namespace {

constexpr int Cells = 16;
constexpr PackedColor FootnoteColor = PackColor(160, 160, 160);
constexpr int FootnoteChars = 60;  // the least a footnote's line holds

constexpr unsigned Multiply(unsigned a, unsigned b) {
    return (a * b + 127) / 255;
}

// The canvas, premultiplied: each channel already multiplied by the pixel's alpha.
class Canvas {
  public:
    Canvas(int width, int height, PackedColor ground, bool transparent)
        : width_(width), height_(height), rgba_(std::size_t(width) * std::size_t(height) * 4) {
        if (!transparent) {
            for (std::size_t i = 0; i < rgba_.size(); i += 4) {
                rgba_[i] = static_cast<std::uint8_t>(RedOf(ground));
                rgba_[i + 1] = static_cast<std::uint8_t>(GreenOf(ground));
                rgba_[i + 2] = static_cast<std::uint8_t>(BlueOf(ground));
                rgba_[i + 3] = 255;
            }
        }
    }

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Blends a colour (not premultiplied) of `alpha` over the pixel.
    void Blend(int x, int y, unsigned r, unsigned g, unsigned b, unsigned alpha) {
        std::uint8_t* p = &rgba_[(std::size_t(y) * std::size_t(width_) + std::size_t(x)) * 4];
        const unsigned keep = 255 - alpha;
        p[0] = static_cast<std::uint8_t>(Multiply(r, alpha) + Multiply(p[0], keep));
        p[1] = static_cast<std::uint8_t>(Multiply(g, alpha) + Multiply(p[1], keep));
        p[2] = static_cast<std::uint8_t>(Multiply(b, alpha) + Multiply(p[2], keep));
        p[3] = static_cast<std::uint8_t>(alpha + Multiply(p[3], keep));
    }

    Picture Finish() && {
        for (std::size_t i = 0; i < rgba_.size(); i += 4) {
            const unsigned a = rgba_[i + 3];
            if (a != 0 && a != 255) {
                for (std::size_t c = i; c < i + 3; ++c) {
                    rgba_[c] =
                        static_cast<std::uint8_t>(std::min(255u, (rgba_[c] * 255 + a / 2) / a));
                }
            }
        }
        return {width_, height_, std::move(rgba_)};
    }

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> rgba_;
};

// Where units of the screen land on the canvas.
struct Placement {
    int left = 0;  // the screen's unit at the canvas's left edge
    int top = 0;
    int scale = 1;
};

void FillRect(Canvas& canvas, const Placement& at, const PlaceFill& fill) {
    const int x0 = std::max(0, (fill.x - at.left) * at.scale);
    const int y0 = std::max(0, (fill.y - at.top) * at.scale);
    const int x1 = std::min(canvas.Width(), (fill.x + fill.width - at.left) * at.scale);
    const int y1 = std::min(canvas.Height(), (fill.y + fill.height - at.top) * at.scale);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            canvas.Blend(x, y, RedOf(fill.color), GreenOf(fill.color), BlueOf(fill.color),
                         fill.alpha);
        }
    }
}

// The charset's pixels a canvas pixel takes along one side of a cell of `cell` charset pixels
// drawn over `drawn` canvas pixels: the one its middle falls on where the cell is enlarged, so
// that the edges stay hard, and the mean of all it covers where the cell is shrunk, so that thin
// strokes stay as they do on the game's screen.
struct Span {
    int from;
    int to;
};
Span SpanOf(int pixel, int cell, int drawn) {
    if (cell <= drawn) {
        const int at = (2 * pixel + 1) * cell / (2 * drawn);
        return {at, at + 1};
    }
    const int from = pixel * cell / drawn;
    return {from, std::max(from + 1, (pixel + 1) * cell / drawn)};
}

// One cell of the charset, multiplied by `color`, into the canvas's rectangle from (x0, y0) of
// `w` x `h` pixels.
void DrawCell(Canvas& canvas, const Picture& charset, unsigned char cell, int x0, int y0, int w,
              int h, PackedColor color, unsigned alpha) {
    const int cellW = charset.width / Cells;
    const int cellH = charset.height / Cells;
    const int sx0 = (cell & 15) * cellW;
    const int sy0 = (cell >> 4) * cellH;
    const int fromY = std::max(0, -y0);
    const int toY = std::min(h, canvas.Height() - y0);
    const int fromX = std::max(0, -x0);
    const int toX = std::min(w, canvas.Width() - x0);
    if (cellW <= w && cellH <= h) {
        // Enlarged both ways, the common case: one pixel each.
        for (int y = fromY; y < toY; ++y) {
            const std::uint8_t* row = &charset.rgba[std::size_t(sy0 + SpanOf(y, cellH, h).from) *
                                                    std::size_t(charset.width) * 4];
            for (int x = fromX; x < toX; ++x) {
                const std::uint8_t* p = row + std::size_t(sx0 + SpanOf(x, cellW, w).from) * 4;
                const unsigned a = Multiply(p[3], alpha);
                if (a != 0) {
                    canvas.Blend(x0 + x, y0 + y, Multiply(p[0], RedOf(color)),
                                 Multiply(p[1], GreenOf(color)), Multiply(p[2], BlueOf(color)), a);
                }
            }
        }
        return;
    }
    for (int y = fromY; y < toY; ++y) {
        const Span rows = SpanOf(y, cellH, h);
        for (int x = fromX; x < toX; ++x) {
            const Span columns = SpanOf(x, cellW, w);
            // Premultiplied sums over the pixels taken, so that clear pixels add no colour.
            unsigned r = 0, g = 0, b = 0, a = 0, n = 0;
            for (int sy = rows.from; sy < rows.to; ++sy) {
                const std::uint8_t* p =
                    &charset.rgba[(std::size_t(sy0 + sy) * std::size_t(charset.width) +
                                   std::size_t(sx0 + columns.from)) *
                                  4];
                for (int sx = columns.from; sx < columns.to; ++sx, p += 4) {
                    r += p[0] * p[3];
                    g += p[1] * p[3];
                    b += p[2] * p[3];
                    a += p[3];
                    ++n;
                }
            }
            const unsigned covered = Multiply((a + n / 2) / n, alpha);
            if (covered != 0) {
                canvas.Blend(x0 + x, y0 + y, Multiply((r + a / 2) / a, RedOf(color)),
                             Multiply((g + a / 2) / a, GreenOf(color)),
                             Multiply((b + a / 2) / a, BlueOf(color)), covered);
            }
        }
    }
}

// A line's glyphs, its shadow first; a space draws nothing.
void DrawLine(Canvas& canvas, const Placement& at, const Picture& charset, const GlyphLine& line,
              CharSize size, bool shadow, unsigned alpha) {
    const int w = size.width * at.scale;
    const int h = size.height * at.scale;
    const auto pass = [&](int offset, bool black) {
        for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
            const Glyph& glyph = line.glyphs[i];
            const int x = (line.x - at.left + offset) * at.scale + static_cast<int>(i) * w;
            if (glyph.cell == ' ' || x >= canvas.Width() || x + w <= 0) {
                continue;
            }
            DrawCell(canvas, charset, glyph.cell, x, (line.y - at.top + offset) * at.scale, w, h,
                     black ? PackedOf(PaletteColor::Black) : glyph.color, alpha);
        }
    };
    if (shadow) {
        pass(ShadowOffset, true);
    }
    pass(0, false);
}

// The footnote's text in ASCII, which every charset draws in its standard font.
std::string AsAscii(std::string_view utf8) {
    struct Letter {
        char32_t code;
        const char* ascii;
    };
    constexpr Letter Letters[] = {{U'ä', "ae"}, {U'ö', "oe"}, {U'ü', "ue"}, {U'Ä', "Ae"},
                                  {U'Ö', "Oe"}, {U'Ü', "Ue"}, {U'ß', "ss"}, {U'é', "e"},
                                  {U'è', "e"},  {U'à', "a"},  {U'ç', "c"},  {U'’', "'"}};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (code >= 0x20 && code < 0x7F) {
            out.push_back(static_cast<char>(code));
            continue;
        }
        const auto* letter = std::find_if(std::begin(Letters), std::end(Letters),
                                          [code](const Letter& l) { return l.code == code; });
        out += letter != std::end(Letters) ? letter->ascii : "?";
    }
    return out;
}

// The footnote's lines, broken between words to `width` characters.
std::vector<std::string> Wrapped(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        end = end == std::string::npos ? text.size() : end;
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        while (line.size() > width) {
            lines.push_back(line.substr(0, width));
            line.erase(0, width);
        }
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

Picture DrawPicture(const PlaceView& view, const ScreenRect& frame, const Picture& charset,
                    const PictureLook& look) {
    if (charset.width < Cells || charset.height < Cells ||
        charset.rgba.size() < std::size_t(charset.width) * std::size_t(charset.height) * 4) {
        return {};
    }
    const int scale = look.scale >= 4 ? 4 : look.scale >= 2 ? 2 : 1;
    std::vector<std::string> footnote;
    int width = frame.width;
    int height = frame.height;
    if (!look.footnote.empty()) {
        const std::size_t chars = std::max<std::size_t>(
            FootnoteChars, std::size_t(std::max(0, frame.width - 2 * StripPadding)) /
                               std::size_t(SmallChar.width));
        footnote = Wrapped(AsAscii(look.footnote), chars);
        width = std::max(width, static_cast<int>(chars) * SmallChar.width + 2 * StripPadding);
        height += static_cast<int>(footnote.size()) * SmallChar.height + StripPadding;
    }
    Canvas canvas(width * scale, height * scale, ScreenGround, look.transparent);
    const Placement at{frame.x, frame.y, scale};
    if (view.fill) {
        FillRect(canvas, at, *view.fill);
    }
    for (const GlyphLine& line : view.lines) {
        DrawLine(canvas, at, charset, line, view.size, view.shadow, view.alpha);
    }
    int y = frame.y + frame.height;
    for (const std::string& text : footnote) {
        GlyphLine line{frame.x + StripPadding, y, {}};
        for (const char c : text) {
            line.glyphs.push_back({static_cast<unsigned char>(c), FootnoteColor});
        }
        DrawLine(canvas, at, charset, line, SmallChar, false, 255);
        y += SmallChar.height;
    }
    return std::move(canvas).Finish();
}

}  // namespace chromlet
