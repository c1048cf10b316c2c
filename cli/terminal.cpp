#include "cli/terminal.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "core/coded_name.h"

namespace chromlet::cli {

namespace {

// The ground the game draws its console and names on, as the window's preview shows it.
constexpr PackedColor Ground = PackColor(20, 20, 26);

std::string Rgb(const char* layer, PackedColor color) {
    return "\x1b[" + std::string(layer) + ";2;" + std::to_string(RedOf(color)) + ";" +
           std::to_string(GreenOf(color)) + ";" + std::to_string(BlueOf(color)) + "m";
}

void AppendReadable(std::string& out, unsigned char c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        out += escaped;
    } else if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

bool UsesColor(ColorMode mode, int fd) {
    switch (mode) {
        case ColorMode::Always:
            return true;
        case ColorMode::Never:
            return false;
        case ColorMode::Auto:
            break;
    }
    const char* noColor = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    return isatty(fd) == 1 && (noColor == nullptr || *noColor == '\0') &&
           (term == nullptr || std::strcmp(term, "dumb") != 0);
}

std::string Readable(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        AppendReadable(out, static_cast<unsigned char>(c));
    }
    return out;
}

std::string Drawn(const std::vector<Glyph>& glyphs, bool color) {
    if (!color) {
        std::string cells;
        for (const Glyph& glyph : glyphs) {
            cells.push_back(static_cast<char>(glyph.cell));
        }
        return Readable(WithAltFontMarks(cells));
    }
    std::string out = Rgb("48", Ground);
    std::optional<PackedColor> lastColor;
    bool lastAlternative = false;
    for (const Glyph& glyph : glyphs) {
        const NameChar c = CharOfCell(glyph.cell);
        if (glyph.color != lastColor) {
            out += Rgb("38", glyph.color);
            lastColor = glyph.color;
        }
        if (!c.q3Font != lastAlternative) {
            out += c.q3Font ? "\x1b[23;24m" : "\x1b[3;4m";
            lastAlternative = !c.q3Font;
        }
        AppendReadable(out, c.code);
    }
    return out + "\x1b[0m";
}

std::string Warned(std::string_view text, bool color) {
    return color ? "\x1b[1;31m" + std::string(text) + "\x1b[0m" : std::string(text);
}

std::string HexColor(PackedColor color) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
    return hex;
}

void Print(std::string_view text) {
    Write(stdout, text);
}

void PrintError(std::string_view text) {
    Write(stderr, text);
}

void Say(const QString& message) {
    PrintError(QStringLiteral("%1: %2\n").arg(ProgramName, message).toStdString());
}

QString Latin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace chromlet::cli
