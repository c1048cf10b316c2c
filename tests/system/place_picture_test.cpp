#include "system/place_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace chromlet {
namespace {

using Rgba = std::array<int, 4>;

// A charset of 256 x 256 pixels whose cells are clear but for an opaque 8 x 8 block in their
// middle (pixels 4 to 11), coloured after the cell: red is its byte, green 255 minus it.
Picture TestCharset() {
    Picture charset{256, 256, std::vector<std::uint8_t>(256 * 256 * 4)};
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (x % 16 >= 4 && x % 16 < 12 && y % 16 >= 4 && y % 16 < 12) {
                const int cell = (y / 16) * 16 + x / 16;
                std::uint8_t* p = &charset.rgba[std::size_t(y * 256 + x) * 4];
                p[0] = static_cast<std::uint8_t>(cell);
                p[1] = static_cast<std::uint8_t>(255 - cell);
                p[2] = 0x80;
                p[3] = 255;
            }
        }
    }
    return charset;
}

Rgba At(const Picture& picture, int x, int y) {
    const std::uint8_t* p = &picture.rgba[std::size_t(y * picture.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

PlaceView OneLine(CharSize size, std::vector<Glyph> glyphs, bool shadow = false, int x = 0) {
    PlaceView view;
    view.size = size;
    view.shadow = shadow;
    view.lines.push_back({x, 0, std::move(glyphs)});
    return view;
}

constexpr Rgba Ground{20, 20, 26, 255};
constexpr PackedColor White = PackColor(255, 255, 255);

TEST(DrawPicture, drawsEachCellScaledWithHardEdges) {
    const Picture charset = TestCharset();
    // A small 'A' (cell 65) at scale 2: its cell of 16 x 16 pixels becomes 16 x 32, StripPadding
    // (4 units, 8 pixels) from the picture's edges; its block covers pixels 4 to 11 across and,
    // stretched twice, 8 to 23 down.
    const PlaceView view = OneLine(SmallChar, {{'A', White}});
    const Picture picture = DrawPicture(view, FrameOf(view, false), charset, {2, false, {}});
    ASSERT_EQ(picture.width, 32);
    ASSERT_EQ(picture.height, 48);
    const Rgba block{65, 190, 0x80, 255};
    const struct {
        int x, y;
        Rgba expected;
    } cases[] = {{12, 16, block},  {19, 31, block},  {11, 16, Ground}, {20, 16, Ground},
                 {12, 15, Ground}, {12, 32, Ground}, {0, 0, Ground}};
    for (const auto& c : cases) {
        EXPECT_EQ(At(picture, c.x, c.y), c.expected) << c.x << "," << c.y;
    }
    // Scales other than 1, 2 and 4 are taken as the nearest below.
    EXPECT_EQ(DrawPicture(view, FrameOf(view, false), charset, {3, false, {}}).width, 32);
    EXPECT_EQ(DrawPicture(view, FrameOf(view, false), charset, {4, false, {}}).width, 64);
}

TEST(DrawPicture, keepsThinStrokesWhereACellIsShrunk) {
    // A white stroke one pixel wide, column 4 of cell 'I'; a small character at 1x takes every
    // two columns of its cell into one pixel, which holds half the stroke.
    Picture charset{256, 256, std::vector<std::uint8_t>(256 * 256 * 4)};
    for (int y = 4 * 16; y < 5 * 16; ++y) {
        std::uint8_t* p = &charset.rgba[std::size_t(y * 256 + 9 * 16 + 4) * 4];
        p[0] = p[1] = p[2] = p[3] = 255;
    }
    const PlaceView view = OneLine(SmallChar, {{'I', White}});
    const Picture picture = DrawPicture(view, FrameOf(view, false), charset, {1, true, {}});
    EXPECT_EQ(At(picture, 4 + 2, 4 + 8), (Rgba{255, 255, 255, 128}));
    EXPECT_EQ(At(picture, 4 + 1, 4 + 8), (Rgba{0, 0, 0, 0}));
}

TEST(DrawPicture, multipliesColoursAndDrawsTheShadowFirst) {
    const Picture charset = TestCharset();
    // A red big 'A' with its shadow at scale 1: the block at 8 to 15, the shadow's at 10 to 17.
    PlaceView view = OneLine(BigChar, {{'A', PackColor(255, 0, 0)}, {' ', White}}, true);
    const ScreenRect frame = FrameOf(view, false);
    EXPECT_EQ(frame, (ScreenRect{-4, -4, 2 * 16 + 2 + 8, 16 + 2 + 8}));
    Picture picture = DrawPicture(view, frame, charset, {1, false, {}});
    EXPECT_EQ(At(picture, 8, 8), (Rgba{65, 0, 0, 255}));
    EXPECT_EQ(At(picture, 16, 16), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(At(picture, 17, 9), Ground);
    // Half transparent text over the ground; on a transparent ground the shadow stays half black.
    view.alpha = 128;
    picture = DrawPicture(view, frame, charset, {1, false, {}});
    EXPECT_EQ(At(picture, 8, 8), (Rgba{43, 10, 13, 255}));
    picture = DrawPicture(view, frame, charset, {1, true, {}});
    EXPECT_EQ(At(picture, 0, 0), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(At(picture, 16, 16), (Rgba{0, 0, 0, 128}));
    EXPECT_EQ(At(picture, 8, 8), (Rgba{66, 0, 0, 128}));
    EXPECT_EQ(At(picture, 10, 10), (Rgba{44, 0, 0, 192}));
}

TEST(DrawPicture, cutsAPlaceAtTheScreensEdgeAndAddsTheFootnote) {
    const Picture charset = TestCharset();
    // Two small glyphs from 632: the second lies beyond the screen's 640 units.
    const PlaceView view = OneLine(SmallChar, {{'B', White}, {'C', White}}, false, 632);
    const ScreenRect frame = FrameOf(view, true);
    EXPECT_EQ(frame, (ScreenRect{0, -4, 640, 24}));
    Picture picture = DrawPicture(view, frame, charset, {1, false, {}});
    ASSERT_EQ(picture.width, 640);
    EXPECT_EQ(At(picture, 635, 8), (Rgba{66, 189, 0x80, 255}));
    // A footnote of small grey characters under it, its letters in ASCII.
    picture = DrawPicture(view, frame, charset, {1, false, "\xC3\xA4"});
    ASSERT_EQ(picture.height, 24 + 16 + 4);
    EXPECT_EQ(At(picture, 4 + 2, 24 + 4), (Rgba{61, 99, 80, 255}));
    EXPECT_EQ(At(picture, 4 + 8 + 2, 24 + 4)[0], 63);  // "ae": the e
    // A charset too small for its cells draws nothing.
    EXPECT_EQ(DrawPicture(view, frame, Picture{8, 8, std::vector<std::uint8_t>(256)}, {}).width, 0);
}

}  // namespace
}  // namespace chromlet
