// What the tests that read the game's charset back from pixels share: archives made for them, and
// the renderer's arithmetic on colours.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <cstdlib>

#include "core/styled_text.h"

namespace chromlet::test {

/// The background the preview and the In game places lie on.
inline constexpr QRgb Background = qRgb(20, 20, 26);

/// Writes an archive at `path` that holds `bytes` as `name`.
inline void WritePk3(const QString& path, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    QuaZipFile file(&zip);
    QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
    file.write(bytes);
    file.close();
    zip.close();
}

/// A cell's colour multiplied by a glyph's, as the renderer multiplies them.
inline QRgb Times(QRgb cell, PackedColor color) {
    const auto mul = [](int a, unsigned b) { return (a * static_cast<int>(b) + 127) / 255; };
    return qRgb(mul(qRed(cell), RedOf(color)), mul(qGreen(cell), GreenOf(color)),
                mul(qBlue(cell), BlueOf(color)));
}

/// Colours within the rounding of drawing.
inline bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

inline QString Rgb(QRgb c) {
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

inline QRgb PixelAt(QWidget* widget, QPointF at) {
    return widget->grab().toImage().pixel(at.toPoint());
}

}  // namespace chromlet::test
