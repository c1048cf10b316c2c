// A PNG file of a picture, made with Qt Core alone: its zlib stream from qCompress.
#pragma once

#include <QByteArray>

#include "system/charset_picture.h"

namespace chromlet {

/// The picture as a PNG: 8-bit RGBA, not interlaced, each row filtered by the row above.
QByteArray PngBytes(const Picture& picture);

}  // namespace chromlet
