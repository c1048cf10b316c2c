#include "core/share_text.h"

#include <cstdio>

#include "core/char_rules.h"

namespace chromlet {

namespace {

constexpr std::string_view NoText = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
constexpr std::string_view ZeroWidthSpace = "\xE2\x80\x8B";

constexpr bool DrawsText(unsigned char code) {
    return code >= 0x20 && code != 0x7F;
}

std::string Rgb(const char* layer, PackedColor color) {
    return "\x1b[" + std::string(layer) + ";2;" + std::to_string(RedOf(color)) + ";" +
           std::to_string(GreenOf(color)) + ";" + std::to_string(BlueOf(color)) + "m";
}

// A run of glyphs of one colour and one font.
struct Run {
    PackedColor color;
    bool alternative;
    std::string_view text;  // the standard characters, 0 to 127
};

// Splits the glyphs into runs; `apart` chars each take a run of their own.
std::vector<Run> RunsOf(std::span<const Glyph> glyphs, std::string& chars, char apart = '\0') {
    chars.clear();
    for (const Glyph& glyph : glyphs) {
        chars.push_back(static_cast<char>(CharOfCell(glyph.cell).code));
    }
    std::vector<Run> runs;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const bool alternative = !CharOfCell(glyphs[i].cell).q3Font;
        const bool alone = apart != '\0' && (chars[i] == apart || (i > 0 && chars[i - 1] == apart));
        if (runs.empty() || alone || runs.back().color != glyphs[i].color ||
            runs.back().alternative != alternative) {
            runs.push_back({glyphs[i].color, alternative, std::string_view(chars).substr(i, 0)});
        }
        runs.back().text = std::string_view(runs.back().text.data(), runs.back().text.size() + 1);
    }
    return runs;
}

std::string Html(std::span<const Glyph> glyphs) {
    std::string chars;
    std::string out = "<span style=\"background-color:" + HexColor(ScreenGround) +
                      ";font-family:monospace;font-weight:bold;white-space:pre\">";
    for (const Run& run : RunsOf(glyphs, chars)) {
        out += "<span style=\"color:" + HexColor(run.color);
        out += run.alternative ? ";font-style:italic;text-decoration:underline dotted\">" : "\">";
        for (const char c : run.text) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '"':
                    out += "&quot;";
                    break;
                case '\'':
                    out += "&#39;";
                    break;
                default:
                    if (DrawsText(static_cast<unsigned char>(c))) {
                        out.push_back(c);
                    } else {
                        out += NoText;
                    }
            }
        }
        out += "</span>";
    }
    return out + "</span>";
}

std::string BBCode(std::span<const Glyph> glyphs) {
    std::string chars;
    std::string out;
    for (const Run& run : RunsOf(glyphs, chars, '[')) {
        out += "[color=" + HexColor(run.color) + "]";
        out += run.alternative ? "[i]" : "";
        for (const char c : run.text) {
            if (DrawsText(static_cast<unsigned char>(c))) {
                out.push_back(c);
            } else {
                out += NoText;
            }
        }
        out += run.alternative ? "[/i][/color]" : "[/color]";
    }
    return out;
}

// The terminal's form: each character in its colour on the game's dark ground, the alternative
// font slanted and underlined, the colours ending with the glyphs.
std::string Ansi(std::span<const Glyph> glyphs) {
    std::string chars;
    std::string out = Rgb("48", ScreenGround);
    std::optional<PackedColor> color;
    bool alternative = false;
    for (const Run& run : RunsOf(glyphs, chars)) {
        if (run.color != color) {
            out += Rgb("38", run.color);
            color = run.color;
        }
        if (run.alternative != alternative) {
            out += run.alternative ? "\x1b[3;4m" : "\x1b[23;24m";
            alternative = run.alternative;
        }
        for (const char c : run.text) {
            if (DrawsText(static_cast<unsigned char>(c))) {
                out.push_back(c);
            } else {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
                out += escaped;
            }
        }
    }
    return out + "\x1b[0m";
}

std::string Discord(std::span<const Glyph> glyphs) {
    std::string chars;
    std::string out = "```ansi\n";
    int last = 0;
    bool alternative = false;
    char before = '\0';
    for (const Run& run : RunsOf(glyphs, chars)) {
        const int code = NearestDiscordColor(run.color).code;
        if (code != last || run.alternative != alternative) {
            out +=
                "\x1b[" + std::string(run.alternative ? "4;" : "0;") + std::to_string(code) + "m";
            last = code;
            alternative = run.alternative;
        }
        for (const char c : run.text) {
            if (c == '`' && before == '`') {
                out += ZeroWidthSpace;
            }
            if (DrawsText(static_cast<unsigned char>(c))) {
                out.push_back(c);
            } else {
                out += NoText;
            }
            before = c;
        }
    }
    return out + "\x1b[0m\n```";
}

}  // namespace

std::string_view ShareFormatKey(ShareFormat format) {
    constexpr std::string_view Keys[] = {"html", "bbcode", "ansi", "discord"};  // in enum order
    return Keys[static_cast<std::size_t>(format)];
}

std::optional<ShareFormat> ShareFormatFromKey(std::string_view key) {
    for (const ShareFormat format : AllShareFormats) {
        if (ShareFormatKey(format) == key) {
            return format;
        }
    }
    return std::nullopt;
}

std::vector<Glyph> SharedGlyphs(const NamesReport& names, SharedName which, bool asWritten) {
    const CodeReport& report =
        which == SharedName::Player ? static_cast<const CodeReport&>(names.player) : names.server;
    std::string_view code = report.code;
    if (!asWritten) {
        code = which == SharedName::Player ? std::string_view(names.player.cleaned)
                                           : std::string_view(names.server.arrived);
    }
    return GlyphsOfCode(names.target, AsCString(code));
}

PictureScene SceneOf(const NamesReport& names, PictureSubject subject, GamePlace place,
                     bool asWritten) {
    PictureScene scene;
    if (subject == PictureSubject::Place) {
        for (PlaceView& view : ViewsOf(names)) {
            if (view.place == place) {
                scene.view = std::move(view);
            }
        }
    } else {
        std::vector<std::vector<Glyph>> lines;
        if (subject != PictureSubject::ServerName) {
            lines.push_back(SharedGlyphs(names, SharedName::Player, asWritten));
        }
        if (subject != PictureSubject::PlayerName) {
            lines.push_back(SharedGlyphs(names, SharedName::Server, asWritten));
        }
        scene.view = NamesView(lines);
    }
    scene.frame = FrameOf(scene.view, subject == PictureSubject::Place);
    return scene;
}

std::string ShareText(std::span<const Glyph> glyphs, ShareFormat format) {
    if (glyphs.empty()) {
        return {};
    }
    switch (format) {
        case ShareFormat::Html:
            return Html(glyphs);
        case ShareFormat::BBCode:
            return BBCode(glyphs);
        case ShareFormat::Ansi:
            return Ansi(glyphs);
        case ShareFormat::Discord:
            return Discord(glyphs);
    }
    return {};
}

std::string HexColor(PackedColor color) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
    return hex;
}

const DiscordColor& NearestDiscordColor(PackedColor color) {
    const auto distance = [color](PackedColor other) {
        const auto square = [](unsigned a, unsigned b) {
            const long d = static_cast<long>(a) - static_cast<long>(b);
            return d * d;
        };
        return square(RedOf(color), RedOf(other)) + square(GreenOf(color), GreenOf(other)) +
               square(BlueOf(color), BlueOf(other));
    };
    const DiscordColor* nearest = &DiscordColors.front();
    for (const DiscordColor& candidate : DiscordColors) {
        if (distance(candidate.shown) < distance(nearest->shown)) {
            nearest = &candidate;
        }
    }
    return *nearest;
}

}  // namespace chromlet
