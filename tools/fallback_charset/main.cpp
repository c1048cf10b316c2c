// Draws the desktop font's stand-in for the game's charset, as the window draws it, into a TGA
// file for chromlet-name, which has no font of its own: chromlet-fallback-charset FILE.tga
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/in_game/charset_painter.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: chromlet-fallback-charset FILE.tga\n");
        return 2;
    }
    const QImage charset =
        chromlet::ui::FallbackCharsetImage().convertToFormat(QImage::Format_ARGB32);
    // An uncompressed 32-bit TGA, rows from the top, blue, green, red and alpha a pixel.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = static_cast<char>(charset.width() & 0xFF);
    tga[13] = static_cast<char>(charset.width() >> 8);
    tga[14] = static_cast<char>(charset.height() & 0xFF);
    tga[15] = static_cast<char>(charset.height() >> 8);
    tga[16] = 32;
    tga[17] = 0x28;
    for (int y = 0; y < charset.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(charset.constScanLine(y));
        for (int x = 0; x < charset.width(); ++x) {
            const char pixel[4] = {
                static_cast<char>(qBlue(line[x])), static_cast<char>(qGreen(line[x])),
                static_cast<char>(qRed(line[x])), static_cast<char>(qAlpha(line[x]))};
            tga.append(pixel, 4);
        }
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(tga) != tga.size()) {
        std::fprintf(stderr, "chromlet-fallback-charset: %s cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
