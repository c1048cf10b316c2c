#include "ui/share/name_picture.h"

#include <QSaveFile>

#include <cstring>

#include "system/png_file.h"
#include "ui/in_game/charset_painter.h"

namespace chromlet::ui {

chromlet::Picture ToPicture(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    chromlet::Picture picture{rgba.width(), rgba.height(), {}};
    picture.rgba.resize(std::size_t(rgba.width()) * std::size_t(rgba.height()) * 4);
    for (int y = 0; y < rgba.height(); ++y) {
        std::memcpy(&picture.rgba[std::size_t(y) * std::size_t(rgba.width()) * 4],
                    rgba.constScanLine(y), std::size_t(rgba.width()) * 4);
    }
    return picture;
}

QImage ToQImage(const chromlet::Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    return QImage(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

chromlet::Picture PictureCharset(const GameCharset* charset) {
    if (charset) {
        return ToPicture(charset->Picture());
    }
    static const chromlet::Picture fallback = ToPicture(FallbackCharsetImage());
    return fallback;
}

chromlet::Picture NamePicture(const NamesReport& names, PictureSubject subject, GamePlace place,
                              bool asWritten, const GameCharset* charset, const PictureLook& look) {
    const PictureScene scene = SceneOf(names, subject, place, asWritten);
    return DrawPicture(scene.view, scene.frame, PictureCharset(charset), look);
}

QString SavePng(const chromlet::Picture& picture, const QString& path) {
    const QByteArray png = PngBytes(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace chromlet::ui
