// The game's charset picture decoded as the renderer decodes it: plain C++, no Qt, so that every
// front end (the window, the page in a browser) draws from the very same pixels. Its bytes come
// from the player's own .pk3 archives, outside input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace chromlet {

/// A decoded picture: red, green, blue and alpha, a byte each, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  ///< width * height * 4 bytes
};

/// Larger pictures are refused: far more than any charset (1024 x 1024 pixels take 4 MiB).
inline constexpr std::size_t MaxPictureBytes = std::size_t{64} << 20;

/// Decodes a TGA file as the renderer's R_LoadTGA does (code/renderercommon/tr_image_tga.c):
/// uncompressed true colour (type 2, 24 or 32 bits), uncompressed greyscale (type 3, 8 bits, or
/// 24 or 32 read as true colour) and run-length encoded true colour (type 10), without a colour
/// map; rows stored from the
/// bottom unless bit 5 of the descriptor says from the top; 24-bit pixels opaque. nullopt for
/// anything else, a file that ends too soon, or a picture larger than MaxPictureBytes.
std::optional<Picture> DecodeTga(std::string_view bytes);

}  // namespace chromlet
