#include "ui/charset_painter.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <string_view>

#include "ui/packed_color.h"
#include "ui/ui_font.h"

namespace chromlet::ui {

namespace {

constexpr int Cells = 16;
// A few colours cover every name; the bound only keeps a stream of odd colours from growing the
// cache without end.
constexpr std::size_t MaxTints = 64;

constexpr unsigned MultiplyByte(unsigned a, unsigned b) {
    return (a * b + 127) / 255;
}

// Far more than a charset of 1024 x 1024 pixels needs.
constexpr std::size_t MaxPlainBytes = 64u << 20;

// Qt's TGA reader takes uncompressed true colour with the TGA 2.0 footer only. The engines also
// read files without the footer, greyscale ones and run-length encoded ones (LoadTGA in
// renderer/tr_image_tga.c: types 2, 3 and 10), so such a file goes to Qt as the uncompressed
// true-colour file it stands for, with the footer. Anything else goes as it is, for Qt to refuse.
std::string AsPlainTga(const std::string& tga) {
    constexpr std::string_view Footer("\0\0\0\0\0\0\0\0TRUEVISION-XFILE.\0", 26);
    if (tga.size() < 18 || tga.ends_with(Footer)) {
        return tga;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(tga[i]); };
    const unsigned type = byte(2);
    const unsigned depth = byte(16);
    const bool gray = type == 3 && depth == 8;
    const bool color = (type == 2 || type == 10) && (depth == 24 || depth == 32);
    if (byte(1) != 0 || !(gray || color)) {
        return tga;
    }
    const std::size_t in = depth / 8;
    const std::size_t out = gray ? 3 : in;
    const std::size_t pixels = std::size_t(byte(12) | byte(13) << 8) * (byte(14) | byte(15) << 8);
    if (pixels > MaxPlainBytes / out) {
        return tga;  // no charset is that large; a header that claims so is damaged
    }
    std::string plain = tga.substr(0, 18);
    plain[0] = 0;  // no image id
    plain[2] = 2;
    plain[16] = static_cast<char>(out * 8);
    plain[17] = static_cast<char>(gray ? byte(17) & 0x30 : byte(17));
    plain.reserve(18 + pixels * out + Footer.size());
    const auto put = [&](std::size_t at) {
        if (gray) {
            plain.append(3, tga[at]);
        } else {
            plain.append(tga, at, in);
        }
    };
    std::size_t pos = 18 + byte(0);
    for (std::size_t done = 0; done < pixels;) {
        std::size_t count = 1;
        bool repeat = false;
        if (type == 10) {
            if (pos >= tga.size()) {
                return tga;
            }
            count = (byte(pos) & 127u) + 1;
            repeat = byte(pos++) & 128u;
        }
        count = std::min(count, pixels - done);
        if (pos + (repeat ? 1 : count) * in > tga.size()) {
            return tga;
        }
        for (std::size_t i = 0; i < count; ++i) {
            put(repeat ? pos : pos + i * in);
        }
        pos += (repeat ? 1 : count) * in;
        done += count;
    }
    plain.append(Footer);
    return plain;
}

}  // namespace

GameCharset::GameCharset(const QImage& picture)
    : picture_(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

std::shared_ptr<const GameCharset> GameCharset::Decode(const std::string& bytes,
                                                       const std::string& name) {
    const bool jpeg = name.ends_with(".jpg") || name.ends_with(".jpeg");
    const std::string data = jpeg ? bytes : AsPlainTga(bytes);
    QImage picture;
    if (!picture.loadFromData(
            QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size())),
            jpeg ? "JPG" : "TGA") ||
        picture.width() < Cells || picture.height() < Cells) {
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
    const bool alternative = glyph.cell >= 128;
    const qreal side = cell.height();
    painter.save();
    painter.translate(cell.topLeft());
    painter.scale(cell.width() / side, 1);
    painter.setFont(fonts[alternative ? 1 : 0]);
    painter.setPen(ToQColor(color));
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QString(QChar(glyph.cell & 127)));
    if (alternative) {
        QPen dots(ToQColor(color));
        dots.setStyle(Qt::DotLine);
        painter.setPen(dots);
        painter.drawLine(QPointF(0, side - 1), QPointF(side, side - 1));
    }
    painter.restore();
}

}  // namespace

void DrawGlyphs(QPainter& painter, const GameCharset* charset, QPointF topLeft,
                std::span<const Glyph> glyphs, const GlyphLook& look) {
    painter.save();
    painter.setOpacity(painter.opacity() * look.alpha / 255.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont fonts[2];
    if (!charset) {
        fonts[0] = UiFont(8, true);
        fonts[0].setPixelSize(std::max(1, qRound(look.cell.height() * 0.8)));
        fonts[1] = fonts[0];
        fonts[1].setItalic(true);
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
