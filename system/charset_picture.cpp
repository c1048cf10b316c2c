#include "system/charset_picture.h"

namespace chromlet {

namespace {

// The 18-byte header's fields the renderer looks at, by their offsets.
struct TgaHeader {
    unsigned idLength = 0;           // 0: bytes of an image ID after the header
    unsigned colorMapType = 0;       // 1
    unsigned imageType = 0;          // 2: 2 true colour, 10 the same run-length coded, 3 grey
    unsigned width = 0, height = 0;  // 12 and 14, little-endian
    unsigned pixelBits = 0;          // 16
    bool topDown = false;            // 17, bit 5: the rows run from the top
};

constexpr std::size_t HeaderSize = 18;

TgaHeader ReadHeader(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    TgaHeader header;
    header.idLength = byte(0);
    header.colorMapType = byte(1);
    header.imageType = byte(2);
    header.width = byte(12) | byte(13) << 8;
    header.height = byte(14) | byte(15) << 8;
    header.pixelBits = byte(16);
    header.topDown = (byte(17) & 0x20) != 0;
    return header;
}

// What R_LoadTGA accepts; it stops the game with an error on everything else.
bool Supported(const TgaHeader& header) {
    if (header.colorMapType != 0 || header.width == 0 || header.height == 0) {
        return false;
    }
    // Greyscale may also hold true-colour pixels, which are read as such.
    switch (header.imageType) {
        case 2:
        case 10:
            return header.pixelBits == 24 || header.pixelBits == 32;
        case 3:
            return header.pixelBits == 8 || header.pixelBits == 24 || header.pixelBits == 32;
        default:
            return false;
    }
}

// Reads the pixels in the order they are stored, one at a time, and puts them in the rows the
// file's order gives: from the bottom row up, or from the top down.
class PixelWriter {
  public:
    PixelWriter(Picture& picture, bool topDown) : picture_(picture), topDown_(topDown) {}

    bool Full() const {
        return done_ == static_cast<std::size_t>(picture_.width) * picture_.height;
    }

    void Put(const std::uint8_t (&rgba)[4]) {
        const std::size_t width = static_cast<std::size_t>(picture_.width);
        const std::size_t stored = done_ / width;
        const std::size_t row = topDown_ ? stored : picture_.height - 1 - stored;
        std::uint8_t* at = picture_.rgba.data() + (row * width + done_ % width) * 4;
        for (int c = 0; c < 4; ++c) {
            at[c] = rgba[c];
        }
        ++done_;
    }

  private:
    Picture& picture_;
    bool topDown_;
    std::size_t done_ = 0;
};

// One pixel as stored: blue, green, red (and alpha), or one grey byte.
void ReadPixel(const unsigned char* p, unsigned bits, std::uint8_t (&rgba)[4]) {
    if (bits == 8) {
        rgba[0] = rgba[1] = rgba[2] = p[0];
        rgba[3] = 255;
        return;
    }
    rgba[0] = p[2];
    rgba[1] = p[1];
    rgba[2] = p[0];
    rgba[3] = bits == 32 ? p[3] : 255;
}

}  // namespace

std::optional<Picture> DecodeTga(std::string_view bytes) {
    if (bytes.size() < HeaderSize) {
        return std::nullopt;
    }
    const TgaHeader header = ReadHeader(bytes);
    if (!Supported(header) || std::size_t{header.width} * header.height > MaxPictureBytes / 4) {
        return std::nullopt;
    }
    Picture picture;
    picture.width = static_cast<int>(header.width);
    picture.height = static_cast<int>(header.height);
    picture.rgba.resize(std::size_t{header.width} * header.height * 4);
    PixelWriter out(picture, header.topDown);

    const std::size_t pixelBytes = header.pixelBits / 8;
    std::size_t pos = HeaderSize + header.idLength;
    const auto available = [&](std::size_t count) {
        return pos <= bytes.size() && bytes.size() - pos >= count;
    };
    const auto at = [&] { return reinterpret_cast<const unsigned char*>(bytes.data()) + pos; };
    std::uint8_t rgba[4];
    while (!out.Full()) {
        std::size_t count = 1;
        bool repeat = false;
        if (header.imageType == 10) {
            if (!available(1)) {
                return std::nullopt;
            }
            // A run takes one pixel for all of its length; a raw packet has a pixel each.
            const unsigned packet = *at();
            ++pos;
            count = (packet & 0x7Fu) + 1;
            repeat = (packet & 0x80u) != 0;
        }
        if (!available(repeat ? pixelBytes : pixelBytes * count)) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < count && !out.Full(); ++i) {
            ReadPixel(at() + (repeat ? 0 : i * pixelBytes), header.pixelBits, rgba);
            out.Put(rgba);
        }
        pos += repeat ? pixelBytes : pixelBytes * count;
    }
    return picture;
}

}  // namespace chromlet
