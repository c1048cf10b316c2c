// A charset made for the tests and benchmarks, in the game's format: a 32-bit TGA of 256 x 256
// pixels, 16 x 16 cells. Every cell is clear but for an opaque 8 x 8 block in its middle whose
// colour names the cell: red is the cell's byte, green 255 minus it, blue 0x80.
#pragma once

#include <QByteArray>

namespace chromlet::test {

inline constexpr int CellBlockFrom = 4;  ///< the block covers pixels 4 to 11 of its cell
inline constexpr int CellBlockTo = 12;

/// The colour of the block of cell `cell`, as a QRgb: 0xAARRGGBB.
constexpr unsigned CellColor(int cell) {
    return 0xFF000000u | unsigned(cell) << 16 | unsigned(255 - cell) << 8 | 0x80u;
}

/// The TGA file, without the TGA 2.0 footer. `bottomUp`: rows stored from the bottom, as the
/// game's own charsets are. `runLength`: each row's runs of one colour packed (image type 10).
inline QByteArray TestCharsetTga(bool bottomUp = true, bool runLength = false) {
    constexpr int Side = 256;
    QByteArray tga(18, '\0');
    tga[2] = runLength ? 10 : 2;  // true colour
    tga[12] = static_cast<char>(Side & 0xFF);
    tga[13] = static_cast<char>(Side >> 8);
    tga[14] = static_cast<char>(Side & 0xFF);
    tga[15] = static_cast<char>(Side >> 8);
    tga[16] = 32;
    tga[17] = static_cast<char>(bottomUp ? 0x08 : 0x28);  // 8 alpha bits; 0x20: rows top down
    tga.reserve(18 + Side * Side * 4);
    const auto pixel = [](int x, int y) {
        const int lx = x % 16;
        const int ly = y % 16;
        const bool block =
            lx >= CellBlockFrom && lx < CellBlockTo && ly >= CellBlockFrom && ly < CellBlockTo;
        return block ? CellColor((y / 16) * 16 + x / 16) : 0u;
    };
    for (int stored = 0; stored < Side; ++stored) {
        const int y = bottomUp ? Side - 1 - stored : stored;
        for (int x = 0; x < Side;) {
            const unsigned c = pixel(x, y);
            int run = 1;
            while (runLength && x + run < Side && run < 128 && pixel(x + run, y) == c) {
                ++run;
            }
            if (runLength) {
                tga.append(static_cast<char>(0x80 | (run - 1)));
            }
            for (const int shift : {0, 8, 16, 24}) {  // blue, green, red, alpha
                tga.append(static_cast<char>((c >> shift) & 0xFF));
            }
            x += run;
        }
    }
    return tga;
}

}  // namespace chromlet::test
