// Pictures of names for the window: the game's charset, or the desktop font's stand-in, as the
// plain picture the drawing code takes, and its result as a QImage to show, copy and save.
#pragma once

#include <QImage>
#include <QString>

#include "core/share_text.h"
#include "system/place_picture.h"

namespace chromlet::ui {

class GameCharset;

/// The pixels of `charset`, or of the desktop font's stand-in (made once) for null.
chromlet::Picture PictureCharset(const GameCharset* charset);

chromlet::Picture ToPicture(const QImage& image);
QImage ToQImage(const chromlet::Picture& picture);

/// What the picture shows, drawn from `charset` (null: the desktop font's stand-in).
chromlet::Picture NamePicture(const NamesReport& names, PictureSubject subject, GamePlace place,
                              bool asWritten, const GameCharset* charset, const PictureLook& look);

/// Writes `picture` as a PNG to `path`, whole or not at all; the reason it failed, else empty.
QString SavePng(const chromlet::Picture& picture, const QString& path);

}  // namespace chromlet::ui
