#include "cli/terminal.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/coded_name.h"
#include "core/share_text.h"

namespace chromlet::cli {

namespace {

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
    return ShareText(glyphs, ShareFormat::Ansi);
}

std::string Warned(std::string_view text, bool color) {
    return color ? "\x1b[1;31m" + std::string(text) + "\x1b[0m" : std::string(text);
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
