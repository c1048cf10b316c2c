#include "system/charset_picture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chromlet {
namespace {

// An 18-byte header for a 2 x 2 picture: image type, bits a pixel, descriptor.
std::string Header(int type, int bits, int descriptor, int width = 2, int height = 2) {
    std::string h(18, '\0');
    h[2] = static_cast<char>(type);
    h[12] = static_cast<char>(width & 0xFF);
    h[13] = static_cast<char>(width >> 8);
    h[14] = static_cast<char>(height & 0xFF);
    h[15] = static_cast<char>(height >> 8);
    h[16] = static_cast<char>(bits);
    h[17] = static_cast<char>(descriptor);
    return h;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

using Rgba = std::vector<std::uint8_t>;

// Pixels stored as blue, green, red (and alpha), rows from the bottom unless bit 5 of the
// descriptor is set; as R_LoadTGA reads them.
TEST(DecodeTga, readsWhatTheRendererReads) {
    struct Case {
        const char* name;
        std::string file;
        Rgba rgba;  // empty: refused
    };
    const Rgba fourColours{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const Case cases[] = {
        // Stored bottom row first: the last two pixels of the file are the top row.
        {"32 bits from the bottom",
         Header(2, 32, 8) + Bytes({11, 10, 9, 12, 15, 14, 13, 16, 3, 2, 1, 4, 7, 6, 5, 8}),
         fourColours},
        {"32 bits from the top",
         Header(2, 32, 0x28) + Bytes({3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 15, 14, 13, 16}),
         fourColours},
        {"24 bits are opaque", Header(2, 24, 0x20) + Bytes({3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}),
         {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}},
        {"greyscale", Header(3, 8, 0x20) + Bytes({0, 50, 100, 255}),
         {0, 0, 0, 255, 50, 50, 50, 255, 100, 100, 100, 255, 255, 255, 255, 255}},
        {"greyscale holding true colour", Header(3, 24, 0x20) + Bytes({3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}),
         {1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255}},
        // A run of three pixels crosses from the first stored row into the second, then one raw.
        {"run-length, a run across rows",
         Header(10, 32, 0x20) + Bytes({0x82, 3, 2, 1, 4, 0x00, 7, 6, 5, 8}),
         {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"run-length, a run past the picture's end", Header(10, 24, 0x20) + Bytes({0xFF, 3, 2, 1}),
         {1, 2, 3, 255, 1, 2, 3, 255, 1, 2, 3, 255, 1, 2, 3, 255}},
        {"an image id is skipped",
         [] {
             std::string f = Header(3, 8, 0x20, 1, 1) + "id" + Bytes({9});
             f[0] = 2;
             return f;
         }(),
         {9, 9, 9, 255}},
        {"truncated", Header(2, 32, 0x20) + Bytes({1, 2, 3}), {}},
        {"truncated run-length", Header(10, 32, 0x20) + Bytes({0x83, 1, 2}), {}},
        {"a raw packet past the data", Header(10, 24, 0x20) + Bytes({0x03, 1, 2, 3, 4, 5, 6}), {}},
        {"colour-mapped", [] { std::string f = Header(2, 32, 0x20) + std::string(16, 'x'); f[1] = 1; return f; }(), {}},
        {"a colour-mapped type", Header(1, 8, 0x20) + std::string(4, 'x'), {}},
        {"run-length greyscale", Header(11, 8, 0x20) + std::string(8, 'x'), {}},
        {"16 bits", Header(2, 16, 0x20) + std::string(8, 'x'), {}},
        {"no width", Header(2, 32, 0x20, 0, 2), {}},
        {"far too large", Header(10, 32, 0x20, 65535, 65535) + Bytes({0xFF, 1, 2, 3, 4}), {}},
        {"shorter than a header", std::string(17, '\0'), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Picture> picture = DecodeTga(c.file);
        ASSERT_EQ(picture.has_value(), !c.rgba.empty());
        if (picture) {
            EXPECT_EQ(picture->rgba, c.rgba);
            EXPECT_EQ(picture->rgba.size(),
                      static_cast<std::size_t>(picture->width * picture->height * 4));
        }
    }
}

}  // namespace
}  // namespace chromlet
