#include "ui/in_game/charset_painter.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>

#include "core/char_rules.h"
#include "system/charset_picture.h"
#include "ui/common/packed_color.h"
#include "ui/common/ui_font.h"

namespace chromlet::ui {

namespace {

constexpr int Cells = 16;
// A few colours cover every name; the bound only keeps a stream of odd colours from growing the
// cache without end.
constexpr std::size_t MaxTints = 64;

constexpr unsigned MultiplyByte(unsigned a, unsigned b) {
    return (a * b + 127) / 255;
}

}  // namespace

GameCharset::GameCharset(const QImage& picture)
    : picture_(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

// A TGA is decoded as the renderer decodes it; a JPEG, which the renderer reads with libjpeg, by
// Qt's own reader.
std::shared_ptr<const GameCharset> GameCharset::Decode(const std::string& bytes,
                                                       const std::string& name) {
    QImage picture;
    if (name.ends_with(".jpg") || name.ends_with(".jpeg")) {
        picture.loadFromData(
            QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), "JPG");
    } else if (const std::optional<chromlet::Picture> tga = DecodeTga(bytes)) {
        picture = QImage(tga->rgba.data(), tga->width, tga->height, tga->width * 4,
                         QImage::Format_RGBA8888)
                      .copy();
    }
    if (picture.width() < Cells || picture.height() < Cells) {
        return nullptr;
    }
    return std::make_shared<const GameCharset>(picture);
}

const QImage& GameCharset::Tinted(PackedColor color) const {
    if (const auto it = tinted_.find(color); it != tinted_.end()) {
        return it->second;
    }
    if (tinted_.size() >= MaxTints) {
        tinted_.clear();
    }
    QImage tinted = picture_.copy();
    const unsigned r = RedOf(color);
    const unsigned g = GreenOf(color);
    const unsigned b = BlueOf(color);
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(static_cast<int>(MultiplyByte(static_cast<unsigned>(qRed(p)), r)),
                            static_cast<int>(MultiplyByte(static_cast<unsigned>(qGreen(p)), g)),
                            static_cast<int>(MultiplyByte(static_cast<unsigned>(qBlue(p)), b)),
                            qAlpha(p));
        }
    }
    return tinted_.emplace(color, std::move(tinted)).first->second;
}

void GameCharset::DrawCell(QPainter& painter, const QRectF& target, unsigned char cell,
                           PackedColor color) const {
    const qreal w = picture_.width() / qreal(Cells);
    const qreal h = picture_.height() / qreal(Cells);
    painter.drawImage(target, Tinted(color), QRectF((cell & 15) * w, (cell >> 4) * h, w, h));
}

namespace {

// The preview's look from before the game's charset: bold, the alternative font slanted and
// underlined with dots. Each character is drawn into a square and squeezed to its cell, as the
// game squeezes its square cells to small characters. `fonts` holds the standard font and the
// slanted one, sized for the square.
void DrawInFont(QPainter& painter, const QFont (&fonts)[2], QRectF cell, const Glyph& glyph,
                PackedColor color) {
    const NameChar drawn = CharOfByte(glyph.cell);
    const bool alternative = !drawn.q3Font;
    const qreal side = cell.height();
    painter.save();
    painter.translate(cell.topLeft());
    painter.scale(cell.width() / side, 1);
    painter.setFont(fonts[alternative ? 1 : 0]);
    painter.setPen(ToQColor(color));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QString(QChar(drawn.code)));
    if (alternative) {
        QPen dots(ToQColor(color));
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        painter.drawLine(QPointF(0, side - 1), QPointF(side, side - 1));
    }
    painter.restore();
}

QFont FallbackFont(qreal cellHeight, bool italic) {
    QFont font = UiFont(8, true);
    font.setPixelSize(std::max(1, qRound(cellHeight * 0.8)));
    font.setItalic(italic);
    return font;
}

}  // namespace

QImage FallbackCharsetImage(int cellPixels) {
    QImage charset(Cells * cellPixels, Cells * cellPixels, QImage::Format_ARGB32_Premultiplied);
    charset.fill(Qt::transparent);
    QPainter painter(&charset);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont fonts[2] = {FallbackFont(cellPixels, false), FallbackFont(cellPixels, true)};
    for (int cell = 0; cell < Cells * Cells; ++cell) {
        const unsigned char code = static_cast<unsigned char>(cell & 0x7F);
        if (code <= ' ' || code == 0x7F) {
            continue;
        }
        const QRectF square((cell & 15) * cellPixels, (cell >> 4) * cellPixels, cellPixels,
                            cellPixels);
        DrawInFont(painter, fonts, square, {static_cast<unsigned char>(cell), 0},
                   PackedOf(PaletteColor::White));
    }
    return charset;
}

void DrawGlyphs(QPainter& painter, const GameCharset* charset, QPointF topLeft,
                std::span<const Glyph> glyphs, const GlyphLook& look) {
    painter.save();
    painter.setOpacity(painter.opacity() * look.alpha / 255.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont fonts[2];
    if (!charset) {
        fonts[0] = FallbackFont(look.cell.height(), false);
        fonts[1] = FallbackFont(look.cell.height(), true);
    }
    const auto pass = [&](QPointF offset, bool shadow) {
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            if (glyphs[i].cell == ' ') {
                continue;
            }
            const QRectF cell(topLeft + offset + QPointF(look.cell.width() * qreal(i), 0),
                              look.cell);
            const PackedColor color = shadow ? PackedOf(PaletteColor::Black) : glyphs[i].color;
            if (charset) {
                charset->DrawCell(painter, cell, glyphs[i].cell, color);
            } else {
                DrawInFont(painter, fonts, cell, glyphs[i], color);
            }
        }
    };
    if (look.shadowOffset > 0) {
        pass(QPointF(look.shadowOffset, look.shadowOffset), true);
    }
    pass(QPointF(), false);
    painter.restore();
}

}  // namespace chromlet::ui
