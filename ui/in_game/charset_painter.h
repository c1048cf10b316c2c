// The game's charset picture, gfx/2d/bigchars, and drawing text from it as the renderer does:
// each glyph's cell multiplied by its colour and blended by its alpha over what lies below, the
// black drop shadow first. Without the picture the same layout is drawn in the desktop's font.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

#include "core/game_places.h"

class QPainter;

namespace chromlet::ui {

/// The charset picture: 16 x 16 cells, byte b in row b >> 4 and column b & 15.
class GameCharset {
  public:
    /// Takes a decoded picture of any size; a picture without alpha covers its cells wholly,
    /// as it does in the game.
    explicit GameCharset(const QImage& picture);

    /// Decodes the bytes of a charset file, its format told by the name's extension (".tga",
    /// ".jpg"); null when they are no picture.
    static std::shared_ptr<const GameCharset> Decode(const std::string& bytes,
                                                     const std::string& name);

    const QImage& Picture() const { return picture_; }

    /// Draws `cell` into `target`, every pixel multiplied by `color`; the painter's opacity is
    /// the alpha.
    void DrawCell(QPainter& painter, const QRectF& target, unsigned char cell,
                  PackedColor color) const;

  private:
    const QImage& Tinted(PackedColor color) const;

    QImage picture_;  // premultiplied, so that multiplying each channel multiplies the colour
    mutable std::unordered_map<PackedColor, QImage> tinted_;
};

/// The desktop font's stand-in for the charset, for pictures drawn without the game's data: 16 x
/// 16 square cells of `cellPixels`, each character white in the look DrawGlyphs gives it without
/// a charset; the cells of no character (0 to 32, 127 and their alternative ones) clear.
QImage FallbackCharsetImage(int cellPixels = 64);

/// How a run of glyphs is drawn, in the painter's coordinates.
struct GlyphLook {
    QSizeF cell;
    qreal shadowOffset = 0;  ///< 0: no shadow
    std::uint8_t alpha = 255;
};

/// Draws `glyphs` from `topLeft`, one cell each, from the charset, or in the desktop's font
/// when there is none (the alternative font slanted and underlined with dots). A space draws
/// nothing.
void DrawGlyphs(QPainter& painter, const GameCharset* charset, QPointF topLeft,
                std::span<const Glyph> glyphs, const GlyphLook& look);

}  // namespace chromlet::ui
