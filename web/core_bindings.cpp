// The page's way into the core: every rule the page shows is asked of core/, config/passes/ and
// the charset decoder here, through embind. Bytes cross as JavaScript strings of char codes 0 to
// 255 (the build turns off embind's UTF-8 for std::string), styled texts as a text with a colour
// array and a font array, results as plain objects.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/passes/update_passes.h"
#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/color_code.h"
#include "core/config_limits.h"
#include "core/game_places.h"
#include "core/memory_styled_text.h"
#include "core/name_fit.h"
#include "core/name_input.h"
#include "core/name_rules.h"
#include "core/quick_styles.h"
#include "core/share_text.h"
#include "core/styled_clip.h"
#include "core/styled_text.h"
#include "core/target_game.h"
#include "system/charset_picture.h"
#include "system/game_folders.h"
#include "system/place_picture.h"

namespace chromlet::web {

namespace {

using emscripten::val;

TargetGame TargetOf(int target) {
    for (TargetGame t : AllTargets) {
        if (static_cast<int>(t) == target) {
            return t;
        }
    }
    return TargetGame::Q3Test;
}

template <typename T>
val TypedArray(const char* type, const std::vector<T>& values) {
    return val::global(type).new_(emscripten::typed_memory_view(values.size(), values.data()));
}

// A copy in JavaScript's memory: the view into the module's memory lasts only until it grows.
template <typename T>
val ArrayCopy(const char* type, const std::vector<T>& values) {
    const val view = TypedArray(type, values);
    return view.call<val>("slice");
}

val StyledToJs(const StyledText& text) {
    std::vector<std::uint32_t> colors;
    std::vector<std::uint8_t> q3Font;
    colors.reserve(text.Length());
    q3Font.reserve(text.Length());
    for (std::size_t i = 0; i < text.Length(); ++i) {
        const CharStyle style = text.StyleAt(i);
        colors.push_back(style.Color);
        q3Font.push_back(style.Q3Font ? 1 : 0);
    }
    val out = val::object();
    out.set("text", text.Text());
    out.set("colors", ArrayCopy("Uint32Array", colors));
    out.set("q3Font", ArrayCopy("Uint8Array", q3Font));
    return out;
}

val LeftOutToJs(const LeftOut& leftOut) {
    val notLatin1 = val::array();
    for (char32_t c : leftOut.notLatin1) {
        notLatin1.call<void>("push", static_cast<std::uint32_t>(c));
    }
    val out = val::object();
    out.set("notLatin1", notLatin1);
    out.set("controls", leftOut.controls);
    out.set("lineBreaks", leftOut.lineBreaks);
    out.set("quotes", leftOut.quotes);
    out.set("cut", leftOut.cut);
    out.set("lineFull", leftOut.lineFull);
    out.set("any", leftOut.Any());
    return out;
}

}  // namespace

/// One of the page's two editors: the name in memory with its selection, and the configuration
/// line it goes into. The page draws it and hands every edit to it.
class NameBox {
  public:
    NameBox(std::string text, bool server) : text_(std::move(text)), server_(server) {
        InitialStyling(text_);
    }

    /// The server name's line carries on with the digit the player name's code leaves.
    void SetLine(int target, NameBox* before) {
        target_ = TargetOf(target);
        before_ = before;
    }

    val Styled() const { return StyledToJs(text_); }
    std::string Text() const { return text_.Text(); }
    std::size_t Length() const { return text_.Length(); }
    std::size_t SelectionStart() const { return text_.GetSelection().start; }
    std::size_t SelectionLength() const { return text_.GetSelection().length; }
    void Select(std::size_t start, std::size_t length) { text_.SetSelection({start, length}); }

    void ApplyColor(PackedColor color) { chromlet::ApplyColor(text_, color); }
    void SetFontFlag(bool q3Font) { chromlet::SetFontFlag(text_, q3Font); }

    /// Typed or plain pasted text in place of the selection, in the style the caret gives it.
    val InsertText(const std::u16string& text, bool lineBreaksBecomeSpaces) {
        LeftOut leftOut;
        std::string bytes = AcceptText(
            text, lineBreaksBecomeSpaces ? LineBreaks::BecomeSpaces : LineBreaks::LeftOut, Room(),
            leftOut);
        const MemoryStyledText insert(bytes, TypingStyle(text_));
        bytes.resize(FitToLine(insert, leftOut));
        Replace(MemoryStyledText(bytes, TypingStyle(text_)));
        return LeftOutToJs(leftOut);
    }

    /// Characters with their own styles (from the other editor, or a pasted code) in place of
    /// the selection; `leftOutBefore` is what was lost before they came here.
    val InsertStyled(const MemoryStyledText& styled, LeftOut leftOut) {
        MemoryStyledText accepted = AcceptStyled(styled, Room(), leftOut);
        accepted = accepted.Prefix(FitToLine(accepted, leftOut));
        Replace(accepted);
        return LeftOutToJs(leftOut);
    }

    /// A styled clipboard entry of the page; null when it is damaged.
    val PasteClip(const std::string& clip) {
        bool cut = false;
        const std::optional<MemoryStyledText> styled = ReadStyledClip(clip, MaxNameChars, cut);
        if (!styled) {
            return val::null();
        }
        LeftOut leftOut;
        leftOut.cut = cut;
        return InsertStyled(*styled, leftOut);
    }

    /// The selection in the styled clipboard format.
    std::string CopyClip() const {
        const Selection selection = text_.GetSelection();
        return StyledClipOf(text_, selection.start, selection.length);
    }

    /// The whole name, for the page's undo.
    std::string Snapshot() const { return StyledClipOf(text_, 0, text_.Length()); }
    void Restore(const std::string& clip, std::size_t start, std::size_t length) {
        bool cut = false;
        text_ = ReadStyledClip(clip, MaxNameChars, cut).value_or(MemoryStyledText());
        text_.SetSelection({start, length});
    }

    /// Paste coded name: the clipboard's text read as a coded name, at the selection.
    val PasteCoded(const std::u16string& units) {
        LeftOut leftOut;
        std::string bytes;
        leftOut.cut = units.size() > MaxPastedChars;
        for (std::size_t i = 0; i < std::min(units.size(), MaxPastedChars); ++i) {
            char32_t c = units[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                units[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
            }
            if (c > 0xFF) {
                LeftOut one;
                one.notLatin1 = std::u32string(1, c);
                leftOut.Add(one);
            } else {
                bytes.push_back(static_cast<char>(c));
            }
        }
        ParseNotes notes;
        const std::optional<MemoryStyledText> name = ParseCodedName(target_, bytes, &notes);
        val out = val::object();
        out.set("pasted", name.has_value());
        out.set("otherLines", notes.otherLines);
        if (name) {
            leftOut.Add(notes.leftOut);
            out.set("leftOut", InsertStyled(*name, leftOut));
        }
        return out;
    }

    /// A one-click style on the selection, or on the whole name when nothing is selected, fitted
    /// to the bound the name kept to before.
    val QuickStyle(int style, std::uint32_t seed) {
        const NameLine line = Line();
        const StyleBound bound = StyleBudget(LimitsOf(line, text_));
        Selection range = text_.GetSelection();
        if (range.length == 0) {
            range = {0, text_.Length()};
        }
        const std::optional<FittedStyles> fitted = FitStyles(
            line, text_, QuickStyled(text_, static_cast<chromlet::QuickStyle>(style), seed), range,
            bound.bytes);
        val out = val::object();
        out.set("fits", fitted.has_value());
        out.set("boundBytes", bound.bytes);
        out.set("boundKind", static_cast<int>(bound.kind));
        out.set("colorsGivenBack", fitted ? fitted->colorsGivenBack : 0);
        out.set("fullBytes", fitted ? fitted->fullBytes : 0);
        if (fitted) {
            SetStyles(fitted->styles);
        }
        return out;
    }

    void Tidy() { SetStyles(TidiedStyles(text_)); }

    /// For each character, whether the editor marks it: one the game shows otherwise than the
    /// editor does (a dot where the network turns it into one; the alternative font where the
    /// test release draws a byte of 128 or more from it).
    val Marks(int target) const {
        const TargetGame game = TargetOf(target);
        const std::string chars = text_.Text();
        std::vector<std::uint8_t> marks(chars.size());
        for (std::size_t i = 0; i < chars.size(); ++i) {
            const bool q3Font = text_.StyleAt(i).Q3Font;
            const auto code = static_cast<unsigned char>(chars[i]);
            const std::string byte(1, static_cast<char>(q3Font ? code : (code | 0x80)));
            if (RulesOf(game).networkDots) {
                marks[i] = AsArrived(game, byte) != byte ? 1 : 0;
            } else {
                marks[i] = q3Font && !DecodeCode(game, byte).StyleAt(0).Q3Font ? 1 : 0;
            }
        }
        return ArrayCopy("Uint8Array", marks);
    }

    /// Copy as console command: the command, or why there is none ("testRelease", "tooLong").
    val ConsoleCommandOf() const {
        val out = val::object();
        if (CodeFormOf(target_) != CodeForm::Caret) {
            out.set("refused", std::string("testRelease"));
            return out;
        }
        MemoryStyledText copy = text_;
        CodeDigit digit;
        const std::string code = BuildCode(target_, copy, digit);
        const std::optional<std::string> command =
            chromlet::ConsoleCommand(target_, server_ ? "sv_hostname" : "name", code);
        if (!command) {
            // The editors let in no quote and no line break, so the command is too long.
            out.set("refused", std::string("tooLong"));
            return out;
        }
        out.set("command", *command);
        return out;
    }

    MemoryStyledText& Model() { return text_; }
    const MemoryStyledText& Model() const { return text_; }

  private:
    NameLine Line() const {
        NameLine line{target_, server_ ? ServerLineStart : NameLineStart, {}};
        if (before_) {
            MemoryStyledText before = before_->text_;
            BuildCode(target_, before, line.digitBefore);
        }
        return line;
    }

    std::size_t Room() const {
        const std::size_t kept = text_.Length() - text_.GetSelection().length;
        return kept < MaxNameChars ? MaxNameChars - kept : 0;
    }

    std::size_t FitToLine(const StyledText& insert, LeftOut& leftOut) const {
        const std::size_t fits = FittingLength(Line(), text_, text_.GetSelection(), insert);
        if (fits < insert.Length()) {
            leftOut.lineFull = true;
        }
        return fits;
    }

    // The selection replaced, the caret after what came in.
    void Replace(const MemoryStyledText& insert) {
        const Selection selection = text_.GetSelection();
        std::string chars = text_.Text();
        std::vector<CharStyle> styles = text_.Styles();
        chars.replace(selection.start, selection.length, insert.Text());
        styles.erase(
            styles.begin() + static_cast<std::ptrdiff_t>(selection.start),
            styles.begin() + static_cast<std::ptrdiff_t>(selection.start + selection.length));
        styles.insert(styles.begin() + static_cast<std::ptrdiff_t>(selection.start),
                      insert.Styles().begin(), insert.Styles().end());
        text_ = MemoryStyledText(std::move(chars), std::move(styles));
        text_.SetSelection({selection.start + insert.Length(), 0});
    }

    void SetStyles(const std::vector<CharStyle>& styles) {
        const Selection selection = text_.GetSelection();
        text_ = MemoryStyledText(text_.Text(), styles);
        text_.SetSelection(selection);
    }

    MemoryStyledText text_;
    bool server_;
    TargetGame target_ = TargetGame::Q3Test;
    NameBox* before_ = nullptr;
};

namespace {

val ChangesToJs(const std::vector<NameChange>& changes) {
    val out = val::array();
    for (NameChange change : changes) {
        out.call<void>("push", static_cast<int>(change));
    }
    return out;
}

val LimitsToJs(const std::vector<CountLimit>& limits) {
    val out = val::array();
    for (const CountLimit& limit : limits) {
        val one = val::object();
        one.set("limit", limit.limit);
        one.set("kind", static_cast<int>(limit.kind));
        one.set("over", limit.over);
        one.set("count", limit.count);
        one.set("worthAMark", IsWorthAMark(limit));
        out.call<void>("push", one);
    }
    return out;
}

val GlyphLinesToJs(const std::vector<GlyphLine>& lines) {
    val out = val::array();
    for (const GlyphLine& line : lines) {
        std::vector<std::uint8_t> cells;
        std::vector<std::uint32_t> colors;
        for (const Glyph& glyph : line.glyphs) {
            cells.push_back(glyph.cell);
            colors.push_back(glyph.color);
        }
        val one = val::object();
        one.set("x", line.x);
        one.set("y", line.y);
        one.set("cells", ArrayCopy("Uint8Array", cells));
        one.set("colors", ArrayCopy("Uint32Array", colors));
        out.call<void>("push", one);
    }
    return out;
}

// What a player's and a server's report share.
template <typename Report>
val ReportToJs(TargetGame game, const Report& report) {
    val out = val::object();
    out.set("code", report.code);
    out.set("bytes", report.bytes);
    out.set("visible", report.visible);
    out.set("dots", report.dots);
    out.set("limits", LimitsToJs(report.limits));
    out.set("changes", ChangesToJs(report.changes));
    out.set("drawn", StyledToJs(DecodeCode(game, report.code)));
    return out;
}

// What the game makes of both names as the editors hold them now; the names are encoded from
// copies, so the selections stay.
NamesReport NamesOf(int target, const NameBox& player, const NameBox& server) {
    return AnalyseNames(TargetOf(target), player.Model(), server.Model());
}

/// What the game makes of both names as the editors hold them now, for the preview, the counts
/// and the In game places: the reports, each text as the target's engine draws it, and the
/// places.
val Look(int target, const NameBox& player, const NameBox& server) {
    const TargetGame game = TargetOf(target);
    const NamesReport names = NamesOf(target, player, server);
    const NameReport& playerReport = names.player;
    const ServerReport& serverReport = names.server;

    val p = ReportToJs(game, playerReport);
    p.set("cleaned", playerReport.cleaned);
    p.set("seenByOthers", playerReport.seenByOthers);
    p.set("keptDrawn", StyledToJs(DecodeCode(game, playerReport.cleaned)));

    val s = ReportToJs(game, serverReport);
    s.set("browserView", serverReport.browserView);
    s.set("arrivedDrawn", StyledToJs(DecodeCode(game, serverReport.arrived)));
    s.set("browserDrawn", StyledToJs(DecodeCode(game, serverReport.browserView)));

    val places = val::array();
    for (const PlaceView& view : ViewsOf(names)) {
        val one = val::object();
        one.set("place", static_cast<int>(view.place));
        one.set("width", view.size.width);
        one.set("height", view.size.height);
        one.set("shadow", view.shadow);
        one.set("alpha", view.alpha);
        if (view.fill) {
            val fill = val::object();
            fill.set("x", view.fill->x);
            fill.set("y", view.fill->y);
            fill.set("width", view.fill->width);
            fill.set("height", view.fill->height);
            fill.set("color", view.fill->color);
            fill.set("alpha", view.fill->alpha);
            one.set("fill", fill);
        }
        one.set("lines", GlyphLinesToJs(view.lines));
        one.set("limit", view.limit);
        one.set("overLimit", view.overLimit);
        one.set("offScreen", view.offScreen);
        // How many colours the engine draws where it reads the codes apart from the game; 0.
        one.set("engineColors", view.colorRules == RulesOf(game).colorCodes
                                    ? 0
                                    : ColorCount(view.colorRules));
        places.call<void>("push", one);
    }

    val out = val::object();
    out.set("player", p);
    out.set("server", s);
    out.set("places", places);
    return out;
}

/// Show code: both configuration lines of one run, read from the editors themselves, which
/// leaves each non-empty editor's last character selected, as reading them does in the window.
val ShowCode(int target, NameBox& player, NameBox& server) {
    const SetaLines lines = BuildShowCodeLines(TargetOf(target), player.Model(), server.Model());
    val out = val::object();
    out.set("name", lines.name);
    out.set("server", lines.server);
    return out;
}

/// The check of the two lines that comes before any file is asked for.
val CheckLines(const std::string& nameLine, const std::string& serverLine) {
    const NewLinesCheck check = CheckNewLineBytes(nameLine, serverLine);
    val out = val::object();
    out.set("fault", static_cast<int>(check.fault));
    out.set("serverLine", check.serverLine);
    out.set("bytes", check.bytes);
    out.set("maxLineBytes", MaxConfigLineBytes);
    return out;
}

/// An update of a configuration file's bytes, exactly as the desktop updater writes it, with the
/// file's refusal: the side copy and the new file, or why the game would not read the new file.
val Rewrite(int target, const std::string& before, const std::string& nameLine,
            const std::string& serverLine) {
    const TargetGame game = TargetOf(target);
    RewrittenText rewritten = RewriteText(game, before, nameLine, serverLine);
    const std::size_t zero = rewritten.config.find('\0');
    const std::optional<std::uintmax_t> firstZero =
        zero == std::string::npos ? std::nullopt : std::optional<std::uintmax_t>(zero);
    val out = val::object();
    out.set("fault", static_cast<int>(CheckConfigFile(game, rewritten.config.size(), firstZero)));
    out.set("oldBytes", before.size());
    out.set("newBytes", rewritten.config.size());
    out.set("fileLimit", MaxConfigFileBytes(game));
    out.set("firstZero", firstZero ? val(static_cast<double>(*firstZero)) : val::null());
    out.set("side", std::move(rewritten.side));
    out.set("config", std::move(rewritten.config));
    return out;
}

/// What the chosen configuration file will hold after an update with the names as they are,
/// for the file's mark beside the counts.
val FileBudget(int target, const std::string& before, const NameBox& player,
               const NameBox& server) {
    const TargetGame game = TargetOf(target);
    MemoryStyledText playerCopy = player.Model();
    MemoryStyledText serverCopy = server.Model();
    const SetaLines lines = BuildShowCodeLines(game, playerCopy, serverCopy);
    const RewrittenSize size = RewrittenSizeOf(game, before, lines.name, lines.server);
    const std::optional<std::uintmax_t> firstZero =
        size.firstZero ? std::optional<std::uintmax_t>(*size.firstZero) : std::nullopt;
    val out = val::object();
    out.set("bytes", static_cast<double>(size.bytes));
    out.set("firstZero", firstZero ? val(static_cast<double>(*firstZero)) : val::null());
    out.set("limit", MaxConfigFileBytes(game));
    out.set("fault", static_cast<int>(CheckConfigFile(game, size.bytes, firstZero)));
    out.set("worthAMark", IsFileWorthAMark(game, size.bytes, firstZero));
    return out;
}

/// The charset picture of a .tga, as the renderer decodes it; null for anything else.
val DecodeCharsetTga(const std::string& bytes) {
    const std::optional<Picture> picture = DecodeTga(bytes);
    if (!picture) {
        return val::null();
    }
    val out = val::object();
    out.set("width", picture->width);
    out.set("height", picture->height);
    out.set("rgba", ArrayCopy("Uint8ClampedArray", picture->rgba));
    return out;
}

/// The picked archives' names in the order the engine searches them, later archives first.
val ArchiveOrder(const val& names) {
    std::vector<std::string> order = InSearchOrder(emscripten::vecFromJSArray<std::string>(names));
    val out = val::array();
    for (const std::string& name : order) {
        out.call<void>("push", name);
    }
    return out;
}

/// What of `text` a configuration line may hold, as the control-code dialog's boxes take it.
std::string ConfigLineChars(const std::u16string& text) {
    std::string kept;
    for (char16_t c : text) {
        if (IsConfigLineChar(c)) {
            kept.push_back(static_cast<char>(c));
        }
    }
    return kept;
}

/// A charset picture copied into the module's memory once, so that each picture drawn from it
/// does not carry four megabytes across. The page deletes it when it lets the charset go.
class PictureCharset {
  public:
    PictureCharset(int width, int height, const val& rgba)
        : picture_{width, height, emscripten::convertJSArrayToNumberVector<std::uint8_t>(rgba)} {}

    const Picture& Get() const { return picture_; }

  private:
    Picture picture_;
};

/// One name as text to paste elsewhere, in the format `key` names (ShareFormatKey): its UTF-8
/// bytes, empty for an empty name; null for a key the core does not know. `which` 0 is the
/// player name, 1 the server name.
val ShareTextOf(int target, const NameBox& player, const NameBox& server, int which,
                const std::string& key, bool asWritten) {
    const std::optional<ShareFormat> format = ShareFormatFromKey(key);
    if (!format) {
        return val::null();
    }
    const std::vector<Glyph> glyphs =
        SharedGlyphs(NamesOf(target, player, server),
                     which == 1 ? SharedName::Server : SharedName::Player, asWritten);
    return val(ShareText(glyphs, *format));
}

PictureSubject SubjectOf(int subject) {
    switch (subject) {
        case 1: return PictureSubject::ServerName;
        case 2: return PictureSubject::BothNames;
        case 3: return PictureSubject::Place;
        default: return PictureSubject::PlayerName;
    }
}

/// A picture of the names or of a place, drawn from `charset` as the game draws them: options
/// {subject (PictureSubject's order), place (GamePlace's), asWritten, scale, transparent,
/// footnote (UTF-8 bytes, "" for none)}. Gives {width, height, rgba (straight), empty (nothing is
/// drawn but the ground)}; 0 x 0 for a charset under 16 x 16 pixels.
val SharePicture(int target, const NameBox& player, const NameBox& server, const val& options,
                 const PictureCharset& charset) {
    const int place = options["place"].as<int>();
    const PictureScene scene = SceneOf(
        NamesOf(target, player, server), SubjectOf(options["subject"].as<int>()),
        AllPlaces[place >= 0 && std::size_t(place) < AllPlaces.size() ? std::size_t(place) : 0],
        options["asWritten"].as<bool>());
    PictureLook look;
    look.scale = options["scale"].as<int>();
    look.transparent = options["transparent"].as<bool>();
    look.footnote = options["footnote"].as<std::string>();
    const Picture picture = DrawPicture(scene.view, scene.frame, charset.Get(), look);
    bool empty = true;
    for (const GlyphLine& line : scene.view.lines) {
        empty = empty && line.glyphs.empty();
    }
    val out = val::object();
    out.set("width", picture.width);
    out.set("height", picture.height);
    out.set("rgba", ArrayCopy("Uint8ClampedArray", picture.rgba));
    out.set("empty", empty && !scene.view.fill);
    return out;
}

/// The page's constants and tables, read once.
val Facts() {
    val palette = val::array();
    for (const PaletteEntry& entry : ColorPalette) {
        val one = val::object();
        one.set("caption", std::string(entry.caption));
        one.set("packed", entry.packed);
        one.set("digit", std::string(1, entry.digit));
        palette.call<void>("push", one);
    }
    val targets = val::array();
    for (TargetGame target : AllTargets) {
        const TargetRules& rules = RulesOf(target);
        val one = val::object();
        one.set("id", static_cast<int>(target));
        one.set("key", std::string(rules.key));
        one.set("caret", rules.form == CodeForm::Caret);
        one.set("networkDots", rules.networkDots);
        one.set("unnamed", std::string(rules.unnamed));
        one.set("browserShownChars", rules.browser.shownChars);
        one.set("browserKeptBytes", rules.browser.keptBytes);
        one.set("browserKeepsColors", rules.browser.keepsColors);
        one.set("fileLimit", MaxConfigFileBytes(target));
        one.set("consoleLineChars", ConsoleLineChars);
        one.set("orange", rules.colorCodes == ColorCodeRule::CaretDigitTo8);
        one.set("sampleScore", SampleScore);
        one.set("samplePing", SamplePing);
        one.set("sampleMinutes", SampleMinutes);
        targets.call<void>("push", one);
    }
    val out = val::object();
    out.set("palette", palette);
    out.set("targets", targets);
    out.set("maxNameChars", MaxNameChars);
    out.set("namedLeftOut", NamedLeftOut);
    out.set("maxConfigLineBytes", MaxConfigLineBytes);
    out.set("maxConsoleLine", MaxConsoleLine);
    out.set("openArenaOrange", OpenArenaOrange);
    out.set("keptNameBytes", MaxNetName - 1);
    out.set("virtualWidth", VirtualScreenWidth);
    out.set("virtualHeight", VirtualScreenHeight);
    out.set("shadowOffset", ShadowOffset);
    out.set("bigChar", BigChar.width);
    out.set("maxPictureBytes", MaxPictureBytes);
    val formats = val::array();
    for (const ShareFormat format : AllShareFormats) {
        formats.call<void>("push", std::string(ShareFormatKey(format)));
    }
    out.set("shareFormats", formats);
    val scales = val::array();
    for (const int scale : PictureScales) {
        scales.call<void>("push", scale);
    }
    out.set("pictureScales", scales);
    val places = val::array();
    for (const GamePlace place : AllPlaces) {
        places.call<void>("push", std::string(PlaceKey(place)));
    }
    out.set("placeKeys", places);
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(chromlet) {
    using namespace emscripten;
    class_<NameBox>("NameBox")
        .constructor<std::string, bool>()
        .function("setLine", &NameBox::SetLine, allow_raw_pointers())
        .function("styled", &NameBox::Styled)
        .function("text", &NameBox::Text)
        .function("length", &NameBox::Length)
        .function("selectionStart", &NameBox::SelectionStart)
        .function("selectionLength", &NameBox::SelectionLength)
        .function("select", &NameBox::Select)
        .function("applyColor", &NameBox::ApplyColor)
        .function("setFontFlag", &NameBox::SetFontFlag)
        .function("insertText", &NameBox::InsertText)
        .function("pasteClip", &NameBox::PasteClip)
        .function("copyClip", &NameBox::CopyClip)
        .function("snapshot", &NameBox::Snapshot)
        .function("restore", &NameBox::Restore)
        .function("pasteCoded", &NameBox::PasteCoded)
        .function("quickStyle", &NameBox::QuickStyle)
        .function("tidy", &NameBox::Tidy)
        .function("marks", &NameBox::Marks)
        .function("consoleCommand", &NameBox::ConsoleCommandOf);
    function("look", &Look);
    function("showCode", &ShowCode);
    function("checkLines", &CheckLines);
    function("rewrite", &Rewrite);
    function("fileBudget", &FileBudget);
    function("decodeTga", &DecodeCharsetTga);
    function("archiveOrder", &ArchiveOrder);
    function("configLineChars", &ConfigLineChars);
    function("facts", &Facts);
    class_<PictureCharset>("PictureCharset").constructor<int, int, const val&>();
    function("shareText", &ShareTextOf);
    function("sharePicture", &SharePicture);
}

}  // namespace chromlet::web
