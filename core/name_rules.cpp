#include "core/name_rules.h"

#include <algorithm>
#include <array>

#include "core/char_rules.h"
#include "core/color_code.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// Whether the engines draw the character after a caret in black.
bool IsBlackCode(char c) {
    return ColorOfCodeChar(c) == PaletteColor::Black;
}

// What the cleaning did, gathered while it runs.
struct CleanTrace {
    bool leadingSpaces = false;
    bool black = false;
    bool spaces = false;
    bool cut = false;
    bool colorsRemoved = false;
    bool unnamed = false;
};

std::string Clean132(std::string_view in, CleanTrace& trace) {
    in = AsCString(in);
    const int outSize = static_cast<int>(MaxNetName) - 1;  // room for the final zero byte
    std::string out;
    int len = 0;
    int colorlessLen = 0;
    int spaces = 0;

    std::size_t i = 0;
    while (i < in.size()) {
        const char ch = in[i++];
        // Leading spaces go only while nothing has been written: a space after a leading colour
        // code stays.
        if (out.empty() && ch == ' ') {
            trace.leadingSpaces = true;
            continue;
        }
        if (ch == CaretEscape) {
            if (i == in.size()) {
                break;  // a lone caret at the end is no colour and is dropped
            }
            // Any character after a caret is a colour here, even a second caret.
            if (IsBlackCode(in[i])) {
                trace.black = true;
                ++i;
                continue;
            }
            if (len > outSize - 2) {
                trace.cut = true;  // a code is never split at the end
                break;
            }
            out.push_back(ch);
            out.push_back(in[i++]);
            len += 2;
            continue;
        }
        if (ch == ' ') {
            if (++spaces > 3) {
                trace.spaces = true;
                continue;
            }
        } else {
            spaces = 0;
        }
        if (len > outSize - 1) {
            trace.cut = true;
            break;
        }
        out.push_back(ch);
        ++colorlessLen;
        ++len;
    }
    if (out.empty() || colorlessLen == 0) {
        trace.unnamed = true;
        out = UnnamedPlayer;
    }
    return out;
}

constexpr bool IsPrintable(char c) {
    return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) <= 0x7E;
}

// OpenArena's Q_CleanStr: colour codes and every byte outside 20 to 7E go, again and again
// while it still finds a code, since removing one can make another.
std::string OpenArenaCleanStr(std::string s) {
    bool hadColor = true;
    while (hadColor) {
        hadColor = false;
        std::string d;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (IsColorCodeAt(TargetGame::OpenArena, s, i)) {
                ++i;
                hadColor = true;
            } else if (IsPrintable(s[i])) {
                d.push_back(s[i]);
            }
        }
        s = std::move(d);
    }
    return s;
}

// ioquake3's ClientCleanName, and OpenArena's, which is the same loop with OpenArena's colour
// test: there the branch that drops a black code is commented out and only notes that black is
// on, and a name without a letter or digit outside black loses its colours at the end.
std::string CleanIoq3(TargetGame target, std::string_view in, CleanTrace& trace) {
    const bool openArena = RulesOf(target).cleaning == NameCleaning::OpenArena;
    in = AsCString(in);
    const std::size_t outSize = MaxNetName;
    std::string out(outSize, '\0');
    std::size_t outpos = 0;
    int colorlessLen = 0;
    int spaces = 0;
    int notBlack = 0;
    bool black = false;

    std::size_t i = 0;
    for (; i < in.size() && in[i] == ' '; ++i) {
        trace.leadingSpaces = true;
    }
    for (; i < in.size() && outpos < outSize - 1; ++i) {
        out[outpos] = in[i];
        if (in[i] == ' ') {
            if (spaces > 2) {
                trace.spaces = true;
                continue;
            }
            ++spaces;
        } else if (outpos > 0 && out[outpos - 1] == CaretEscape) {
            if (IsColorCodeAt(target, std::string_view(out).substr(outpos - 1, 2), 0)) {
                --colorlessLen;
                black = ColorOfCode(target, in[i]) == PackedOf(PaletteColor::Black);
                if (black && !openArena) {
                    // The black code was copied; stepping back lets the next byte overwrite its
                    // caret.
                    trace.black = true;
                    --outpos;
                    continue;
                }
            } else {
                spaces = 0;
                ++colorlessLen;
            }
        } else {
            spaces = 0;
            ++colorlessLen;
            if (!black && IsAsciiLetterOrDigit(in[i])) {
                ++notBlack;
            }
        }
        ++outpos;
    }
    trace.cut = i < in.size();
    out.resize(outpos);
    if (openArena && notBlack < 1) {
        std::string plain = OpenArenaCleanStr(out);
        trace.colorsRemoved = plain != out;
        out = std::move(plain);
    }
    if (out.empty() || colorlessLen == 0) {
        trace.unnamed = true;
        out = RulesOf(target).unnamed;
    }
    return out;
}

std::string Clean(TargetGame target, std::string_view in, CleanTrace& trace) {
    switch (RulesOf(target).cleaning) {
        case NameCleaning::None:
            break;
        case NameCleaning::Q3_132:
            return Clean132(in, trace);
        case NameCleaning::Ioq3:
        case NameCleaning::OpenArena:
            return CleanIoq3(target, in, trace);
    }
    return std::string(in);
}

bool HasRefusedCharacter(std::string_view code) {
    return code.find_first_of("\\;\"") != std::string_view::npos;
}

// The longest value an info string takes whole under `key`: "\key\value" must stay below
// MaxInfoString bytes, the final zero byte included.
constexpr std::size_t InfoValueLimit(std::string_view key) {
    return MaxInfoString - 1 - key.size() - 2;
}

CountLimit Limit(std::size_t count, std::size_t limit, CountLimit::Kind kind) {
    return {limit, kind, count > limit, count};
}

// The info string pair \sv_hostname\value of a default server, beside its other settings, must
// stay below MaxInfoString bytes (Info_SetValueForKey); a setting that no longer fits is left out.
std::size_t ServerInfoRoom(TargetGame target) {
    const std::size_t others = RulesOf(target).serverInfoOthers;
    const std::size_t pair = std::string_view("\\sv_hostname\\").size();
    return others + pair < MaxInfoString - 1 ? MaxInfoString - 1 - others - pair : 0;
}

// The browser keeps the first bytes, then Q_CleanStr (or OpenArena's Q_CleanStrWithColor, which
// keeps the codes) drops every byte outside 20 to 7E and Q_strupr makes capitals; the list shows
// the first characters of that, colour codes not counted.
std::string BrowserView(TargetGame target, std::string_view arrived, std::size_t keptBytes,
                        std::size_t shownChars) {
    const std::string_view cut = AsCString(arrived).substr(0, keptBytes);
    std::string view;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < cut.size() && shown < shownChars; ++i) {
        if (IsColorCodeAt(target, cut, i)) {
            if (RulesOf(target).browser.keepsColors) {
                view.append(cut.substr(i, 2));
            }
            ++i;
        } else if (IsPrintable(cut[i])) {
            view.push_back(AsciiUpper(cut[i]));
            ++shown;
        }
    }
    return view;
}

}  // namespace

std::string CleanName132(std::string_view in) {
    CleanTrace trace;
    return Clean132(in, trace);
}

std::string CleanNameIoq3(std::string_view in) {
    CleanTrace trace;
    return CleanIoq3(TargetGame::IoQuake3, in, trace);
}

std::string CleanNameOpenArena(std::string_view in) {
    CleanTrace trace;
    return CleanIoq3(TargetGame::OpenArena, in, trace);
}

std::string AsArrived(TargetGame target, std::string_view code) {
    std::string arrived(AsCString(code));
    if (RulesOf(target).networkDots) {
        for (char& c : arrived) {
            if (ArrivesAsDot(static_cast<unsigned char>(c))) {
                c = '.';
            }
        }
    }
    return arrived;
}

std::size_t VisibleLength(TargetGame target, std::string_view code) {
    if (CodeFormOf(target) == CodeForm::Escape) {
        return DecodeCode(target, code).Length();
    }
    std::size_t visible = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (IsColorCodeAt(target, code, i)) {
            ++i;
        } else {
            ++visible;
        }
    }
    return visible;
}

namespace {

// A report's counts, which every target has: the code, its bytes and its visible characters.
template <typename Report>
Report CountedReport(TargetGame target, std::string_view code) {
    Report report;
    report.code = std::string(code);
    report.bytes = code.size();
    report.visible = VisibleLength(target, code);
    report.arrived = AsArrived(target, code);
    return report;
}

// The limit of the configuration line that starts with `lineStart`, the one limit the test
// release is known to hold a name to.
CountLimit LineLimit(std::size_t bytes, std::string_view lineStart) {
    return Limit(bytes, MaxValueBytes(lineStart), CountLimit::Kind::ConfigLine);
}

// Counts the bytes that arrive as dots although they were something else.
std::size_t DotsIn(std::string_view code, std::string_view arrived) {
    std::size_t dots = 0;
    for (std::size_t i = 0; i < arrived.size(); ++i) {
        dots += arrived[i] != code[i] ? 1 : 0;
    }
    return dots;
}

}  // namespace

CharMark MarkOf(TargetGame target, unsigned char code, bool q3Font) {
    if (RulesOf(target).networkDots) {
        return ArrivesAsDot(GameByte(code, q3Font)) ? CharMark::ArrivesAsDot : CharMark::None;
    }
    return code >= 0x80 && q3Font ? CharMark::FromAlternativeFont : CharMark::None;
}

NamesReport AnalyseNames(TargetGame target, const StyledText& player, const StyledText& server) {
    const NameCodes codes = EncodeNames(target, player, server);
    return {target, AnalysePlayerName(target, codes.player),
            AnalyseServerName(target, codes.server)};
}

bool IsWorthAMark(const CountLimit& limit) {
    switch (limit.kind) {
        case CountLimit::Kind::InfoString:
            return limit.over;
        case CountLimit::Kind::ConfigLine:
        case CountLimit::Kind::ServerInfoRoom:
            return limit.over || limit.count * 10 >= limit.limit * 9;
        default:
            return true;
    }
}

NameReport AnalysePlayerName(TargetGame target, std::string_view code) {
    NameReport report = CountedReport<NameReport>(target, code);
    report.cleaned = report.code;
    const CountLimit line = LineLimit(report.bytes, NameLineStart);
    if (target == TargetGame::Q3Test) {
        report.limits = {line};
        return report;
    }
    using Kind = CountLimit::Kind;

    report.limits = {
        Limit(report.bytes, MaxNetName - 1, Kind::KeptByGame),
        Limit(report.bytes, MaxNameLength - 1, Kind::SeenByOthers),
        Limit(report.bytes, SettingsFieldChars, Kind::SettingsField),
        Limit(report.bytes, InfoValueLimit("name"), Kind::InfoString),
        line,
    };

    if (HasRefusedCharacter(code)) {
        // The client's info string refuses the whole value: the name never reaches the server,
        // which then sees a player without a name.
        report.changes = {NameChange::RefusedCharacter, NameChange::BecameUnnamedPlayer};
        report.cleaned = RulesOf(target).unnamed;
        return report;
    }

    report.dots = DotsIn(code, report.arrived);
    CleanTrace trace;
    report.cleaned = Clean(target, report.arrived, trace);
    // The server keeps the name as it arrives, before the game module cleans it; browsers and
    // status queries show that copy.
    report.seenByOthers = report.arrived.substr(0, MaxNameLength - 1);

    const std::array<std::pair<bool, NameChange>, 7> order{{
        {report.dots > 0, NameChange::ArrivedAsDots},
        {trace.leadingSpaces, NameChange::LeadingSpacesDropped},
        {trace.black, NameChange::BlackRemoved},
        {trace.spaces, NameChange::SpacesCollapsed},
        {trace.cut, NameChange::CutToLength},
        {trace.colorsRemoved, NameChange::ColorsRemoved},
        {trace.unnamed, NameChange::BecameUnnamedPlayer},
    }};
    for (const auto& [happened, change] : order) {
        if (happened) {
            report.changes.push_back(change);
        }
    }
    return report;
}

ServerReport AnalyseServerName(TargetGame target, std::string_view code) {
    ServerReport report = CountedReport<ServerReport>(target, code);
    if (target == TargetGame::Q3Test) {
        report.limits = {LineLimit(report.bytes, ServerLineStart)};
        return report;
    }
    using Kind = CountLimit::Kind;

    const BrowserRule& browser = RulesOf(target).browser;
    const std::string whole =
        BrowserView(target, report.arrived, std::string::npos, std::string::npos);
    report.browserView = BrowserView(target, report.arrived, browser.keptBytes, browser.shownChars);
    const bool cut = VisibleLength(target, report.browserView) < VisibleLength(target, whole);
    report.limits.push_back(
        {browser.shownChars, Kind::InGameBrowser, cut, VisibleLength(target, whole)});
    if (RulesOf(target).cleaning != NameCleaning::Q3_132) {
        // ioquake3's engine, which OpenArena runs too
        report.limits.push_back(Limit(report.bytes, IoQ3ServerListBytes, Kind::IoQ3ServerList));
    }
    report.limits.push_back(Limit(report.bytes, InfoValueLimit("sv_hostname"), Kind::InfoString));
    if (const std::size_t room = ServerInfoRoom(target); room > 0) {
        report.limits.push_back(Limit(report.bytes, room, Kind::ServerInfoRoom));
    }
    report.limits.push_back(LineLimit(report.bytes, ServerLineStart));

    if (HasRefusedCharacter(code)) {
        report.browserView.clear();
        report.changes.push_back(NameChange::RefusedCharacter);
        return report;  // the server info holds no name, the browser shows none
    }
    report.dots = DotsIn(code, report.arrived);
    if (report.dots > 0) {
        report.changes.push_back(NameChange::ArrivedAsDots);
    }
    if (cut) {
        report.changes.push_back(NameChange::CutToLength);
    }
    return report;
}

}  // namespace chromlet
