// Drawing text as the game draws it: each glyph's cell of the charset picture multiplied by its
// colour and blended by its alpha, its black shadow first; without the picture, in a bold
// desktop font with the alternative font slanted and underlined with dots.

const Cells = 16;
// A few colours cover every name; the bound only keeps a stream of odd colours from growing the
// cache without end.
const MaxTints = 64;

function Css(packed, alpha = 1) {
    return `rgba(${packed & 255},${(packed >> 8) & 255},${(packed >> 16) & 255},${alpha})`;
}

/// The charset picture: 16 x 16 cells, byte b in row b >> 4 and column b & 15.
export class Charset {
    /// `picture`: {width, height, rgba} as the core decodes it, or an ImageData.
    constructor(picture) {
        this.width = picture.width;
        this.height = picture.height;
        this.rgba = picture.rgba ?? picture.data;
        this.tints = new Map();
    }

    // The picture with every pixel multiplied by the colour, rounded as the window rounds it.
    Tinted(color) {
        let canvas = this.tints.get(color);
        if (canvas) return canvas;
        if (this.tints.size >= MaxTints) this.tints.clear();
        const r = color & 255;
        const g = (color >> 8) & 255;
        const b = (color >> 16) & 255;
        const out = new ImageData(this.width, this.height);
        const src = this.rgba;
        const dst = out.data;
        for (let i = 0; i < src.length; i += 4) {
            dst[i] = (src[i] * r + 127) / 255;
            dst[i + 1] = (src[i + 1] * g + 127) / 255;
            dst[i + 2] = (src[i + 2] * b + 127) / 255;
            dst[i + 3] = src[i + 3];
        }
        canvas = document.createElement("canvas");
        canvas.width = this.width;
        canvas.height = this.height;
        canvas.getContext("2d").putImageData(out, 0, 0);
        this.tints.set(color, canvas);
        return canvas;
    }

    DrawCell(context, x, y, w, h, cell, color) {
        const cw = this.width / Cells;
        const ch = this.height / Cells;
        context.drawImage(this.Tinted(color), (cell & 15) * cw, (cell >> 4) * ch, cw, ch, x, y, w, h);
    }
}

// Without the charset each character is drawn into a square and squeezed to its cell, as the
// game squeezes its square cells to small characters: the whole pass is scaled, not each glyph.
// `look`, in the context's units: the dotted underline's thickness and the length of its dots
// and gaps, and how much wider than the font each stroke is drawn. A control character has no
// glyph to draw.
const PlacesLook = { underline: 1, dot: 1, weight: 0 };

function DrawInFont(context, x, y, w, h, cells, colors, first, last, look = PlacesLook) {
    context.save();
    context.scale(w / h, 1);
    const size = Math.max(1, Math.round(h * 0.8));
    const fonts = [`bold ${size}px sans-serif`, `italic bold ${size}px sans-serif`];
    let font = -1;
    context.textAlign = "center";
    context.textBaseline = "middle";
    context.lineJoin = "round";
    for (let i = first; i < last; ++i) {
        const cell = cells[i];
        if (cell === 32) continue;
        const alternative = cell >= 128 ? 1 : 0;
        if (alternative !== font) context.font = fonts[(font = alternative)];
        const left = (x + w * i) * h / w;
        const code = cell & 127;
        context.fillStyle = context.strokeStyle = Css(colors === null ? 0 : colors[i]);
        if (code > 32 && code !== 127) {
            const c = String.fromCharCode(code);
            context.fillText(c, left + h / 2, y + h / 2);
            if (look.weight > 0) {
                context.setLineDash([]);
                context.lineWidth = look.weight;
                context.strokeText(c, left + h / 2, y + h / 2);
            }
        }
        if (alternative) {
            context.lineWidth = look.underline;
            context.setLineDash([look.dot, look.dot]);
            context.beginPath();
            context.moveTo(left, y + h - look.underline / 2);
            context.lineTo(left + h, y + h - look.underline / 2);
            context.stroke();
        }
    }
    context.restore();
}

const FontCell = 64;
let fontCharset = null;

/// A charset picture in the desktop's font, for the core to draw pictures from where the game's
/// is missing: 16 x 16 cells of 64 pixels, each character white as DrawInFont draws it, the
/// cells of a space and of the control characters clear. Made once; an ImageData.
export function FontCharset() {
    if (fontCharset) return fontCharset;
    const canvas = document.createElement("canvas");
    canvas.width = canvas.height = Cells * FontCell;
    const context = canvas.getContext("2d");
    const cells = Uint8Array.from({ length: 256 }, (_, i) => (i < 32 || i === 127 ? 32 : i));
    const white = new Uint32Array(256).fill(0xffffff);
    // As the window makes its own: the core takes the mean of the pixels a shrunk cell covers, so
    // that thin strokes stay at every scale.
    const look = PlacesLook;
    for (let row = 0; row < Cells; ++row) {
        DrawInFont(context, -row * Cells * FontCell, row * FontCell, FontCell, FontCell, cells, white,
            row * Cells, (row + 1) * Cells, look);
    }
    fontCharset = context.getImageData(0, 0, canvas.width, canvas.height);
    return fontCharset;
}

/// Draws glyphs ({cells, colors}) from (x, y), one cell of w x h each, with a black shadow
/// `shadow` right and down first (0 for none), at `alpha` (0 to 255). A space draws nothing.
export function DrawGlyphs(context, charset, x, y, cells, colors, w, h, shadow, alpha, first = 0, last = cells.length) {
    context.save();
    context.globalAlpha *= alpha / 255;
    context.imageSmoothingEnabled = true;
    const pass = (dx, shadowPass) => {
        if (!charset) {
            DrawInFont(context, x + dx, y + dx, w, h, cells, shadowPass ? null : colors, first, last);
            return;
        }
        for (let i = first; i < last; ++i) {
            if (cells[i] === 32) continue;
            charset.DrawCell(context, x + dx + w * i, y + dx, w, h, cells[i], shadowPass ? 0 : colors[i]);
        }
    };
    if (shadow > 0) pass(shadow, true);
    pass(0, false);
    context.restore();
}

/// The cells a styled text ({text, colors, q3Font}) draws: the alternative font 128 up.
export function CellsOf(styled) {
    const cells = new Uint8Array(styled.text.length);
    for (let i = 0; i < cells.length; ++i) {
        const c = styled.text.charCodeAt(i);
        cells[i] = styled.q3Font[i] ? c : c | 0x80;
    }
    return cells;
}

export { Css };
