// The game's charset as any archive may hold it: DecodeTga never reads past the file's end and
// gives a picture of exactly its size, within MaxPictureBytes, or nothing.
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "system/charset_picture.h"

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
    }
    return 0;
}
