// The game's charset as any archive may hold it: DecodeTga never reads past the file's end and
// gives a picture of exactly its size, within MaxPictureBytes, or nothing; a name drawn from
// whatever it gives, shrunk and enlarged, stays within its picture.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "system/charset_picture.h"
#include "system/place_picture.h"

using namespace chromlet;
using chromlet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<Picture> picture =
        DecodeTga(std::string_view(reinterpret_cast<const char*>(data), size));
    if (picture) {
        Check(picture->width > 0 && picture->height > 0, "a picture has pixels");
        Check(
            picture->rgba.size() == static_cast<std::size_t>(picture->width) * picture->height * 4,
            "four bytes a pixel");
        Check(picture->rgba.size() <= MaxPictureBytes, "no larger than the bound");
        if (picture->rgba.size() <= (std::size_t{1} << 20)) {  // the drawing's time, not its rules
            std::vector<Glyph> glyphs;
            for (int cell = 0; cell < 256; cell += 37) {
                glyphs.push_back({static_cast<unsigned char>(cell), 0xFFFFFFu});
            }
            PlaceView view = NamesView({glyphs});
            view.size = SmallChar;
            for (const int scale : PictureScales) {
                const Picture drawn =
                    DrawPicture(view, FrameOf(view, false), *picture, {scale, true, "x"});
                Check(drawn.rgba.size() == std::size_t(drawn.width) * std::size_t(drawn.height) * 4,
                      "a drawn picture of four bytes a pixel");
            }
        }
    }
    return 0;
}
