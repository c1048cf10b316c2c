#include "system/png_file.h"

#include <QtEndian>

#include <array>
#include <cstdint>

namespace chromlet {

namespace {

// The CRC every PNG chunk ends with (ISO 3309's, reflected, polynomial 0xEDB88320).
std::uint32_t Crc(const QByteArray& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out += typed;
    AppendBigEndian(out, Crc(typed));
}

}  // namespace

QByteArray PngBytes(const Picture& picture) {
    QByteArray header;
    AppendBigEndian(header, static_cast<std::uint32_t>(picture.width));
    AppendBigEndian(header, static_cast<std::uint32_t>(picture.height));
    header.append("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    // Each row as its difference from the row above (PNG's filter Up): a picture drawn at 2x or
    // 4x repeats its rows, which then become runs of zeros, small and quick to compress.
    const qsizetype rowBytes = qsizetype(picture.width) * 4;
    QByteArray rows((rowBytes + 1) * picture.height, Qt::Uninitialized);
    const auto* pixels = reinterpret_cast<const unsigned char*>(picture.rgba.data());
    auto* out = reinterpret_cast<unsigned char*>(rows.data());
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = pixels + y * rowBytes;
        *out++ = 2;
        for (qsizetype x = 0; x < rowBytes; ++x) {
            *out++ = static_cast<unsigned char>(row[x] - (y > 0 ? row[x - rowBytes] : 0));
        }
    }
    // qCompress puts the length before the zlib stream. Level 3 takes about half the time of
    // zlib's default for files about twice as large, a few kilobytes: a picture of every place at
    // 4x stays well within the time a click may take.
    constexpr int Level = 3;
    const QByteArray compressed = qCompress(rows, Level).mid(4);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace chromlet
