#include "cli/show.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include <string>

#include "cli/terminal.h"
#include "core/color_code.h"
#include "core/game_places.h"
#include "core/name_rules.h"

namespace chromlet::cli {

namespace {

// Each thing shown has a label for the reader and a key for JSON.
template <typename Kind>
struct Label {
    Kind kind;
    const char* text;
    const char* key;
};

using LimitKind = CountLimit::Kind;
constexpr Label<LimitKind> LimitLabels[] = {
    {LimitKind::KeptByGame, "kept by the game", "kept-by-game"},
    {LimitKind::SeenByOthers, "seen by others", "seen-by-others"},
    {LimitKind::SettingsField, "settings field", "settings-field"},
    {LimitKind::InGameBrowser, "in-game browser", "in-game-browser"},
    {LimitKind::IoQ3ServerList, "ioquake3's list", "ioquake3-server-list"},
    {LimitKind::InfoString, "settings string", "info-string"},
    {LimitKind::ConfigLine, "configuration line", "config-line"},
    {LimitKind::ServerInfoRoom, "room by its settings", "server-info-room"},
};

constexpr Label<NameChange> ChangeLabels[] = {
    {NameChange::ArrivedAsDots, "% and characters 128 to 255 arrive as dots", "arrived-as-dots"},
    {NameChange::BlackRemoved, "black taken out", "black-removed"},
    {NameChange::LeadingSpacesDropped, "spaces at the start dropped", "leading-spaces-dropped"},
    {NameChange::SpacesCollapsed, "runs of spaces cut to three", "spaces-collapsed"},
    {NameChange::CutToLength, "cut to the length kept", "cut-to-length"},
    {NameChange::RefusedCharacter, "refused whole for its \\, ; or \"", "refused-character"},
    {NameChange::ColorsRemoved, "every colour taken out (no letter or digit outside black)",
     "colors-removed"},
    {NameChange::BecameUnnamedPlayer, "nothing visible left: a stand-in name", "unnamed"},
};

constexpr Label<GamePlace> PlaceLabels[] = {
    {GamePlace::Scoreboard, "scoreboard", "scoreboard"},
    {GamePlace::Chat, "chat", "chat"},
    {GamePlace::Console, "console", "console"},
    {GamePlace::Crosshair, "crosshair", "crosshair"},
    {GamePlace::FragMessage, "frag message", "frag-message"},
    {GamePlace::SettingsField, "settings field", "settings-field"},
    {GamePlace::Departure, "on leaving", "departure"},
    {GamePlace::ServerBrowser, "server browser", "server-browser"},
};

template <typename Kind, std::size_t N>
const Label<Kind>& LabelOf(const Label<Kind> (&labels)[N], Kind kind) {
    for (const Label<Kind>& label : labels) {
        if (label.kind == kind) {
            return label;
        }
    }
    return labels[0];
}

constexpr std::size_t LabelWidth = 26;

// A row of a section, or of a part of one (depth 2), its value in the column after the labels.
std::string Row(std::string_view label, std::string_view value, int depth = 1) {
    std::string row = std::string(2 * depth, ' ') + std::string(label);
    if (!value.empty()) {
        row.resize(std::max(row.size() + 1, LabelWidth), ' ');
    }
    return row + std::string(value) + "\n";
}

// The glyphs of a place's line that the screen shows.
std::vector<Glyph> OnScreen(const PlaceView& view, const GlyphLine& line) {
    std::vector<Glyph> shown;
    for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
        if (IsOnScreen(view, line, i)) {
            shown.push_back(line.glyphs[i]);
        }
    }
    return shown;
}

std::string PlaceNotes(TargetGame target, const PlaceView& view, bool color) {
    std::string notes;
    if (view.overLimit) {
        notes += Warned("over the " + std::to_string(view.limit) + " it keeps", color);
    }
    if (view.offScreen > 0) {
        notes += std::string(notes.empty() ? "" : "; ") + std::to_string(view.offScreen) +
                 " past the screen's edge";
    }
    if (view.colorRules != RulesOf(target).colorCodes) {
        notes += std::string(notes.empty() ? "" : "; ") + "the engine's own " +
                 (ColorCount(view.colorRules) == 36 ? "36" : "eight") + " colours";
    }
    return notes.empty() ? "" : "  (" + notes + ")";
}

std::string PlaceRows(TargetGame target, const PlaceView& view, bool color) {
    std::string rows;
    std::string label = LabelOf(PlaceLabels, view.place).text;
    for (std::size_t i = 0; i < view.lines.size(); ++i) {
        const bool last = i + 1 == view.lines.size();
        rows += Row(label,
                    Drawn(OnScreen(view, view.lines[i]), color) +
                        (last ? PlaceNotes(target, view, color) : ""),
                    2);
        label.clear();
    }
    if (view.lines.empty()) {
        rows += Row(label, PlaceNotes(target, view, color), 2);
    }
    return rows;
}

std::string Counts(std::size_t bytes, std::size_t visible, std::size_t dots, bool color) {
    std::string counts = std::to_string(bytes) + " bytes, " + std::to_string(visible) + " visible";
    if (dots > 0) {
        counts += ", " + Warned(std::to_string(dots) + " arrive as dots", color);
    }
    return counts;
}

std::string LimitRows(const std::vector<CountLimit>& limits, bool color) {
    std::string rows = Row("limits", "");
    for (const CountLimit& limit : limits) {
        const std::string value =
            std::to_string(limit.count) + " of " + std::to_string(limit.limit);
        rows += Row(LabelOf(LimitLabels, limit.kind).text,
                    limit.over ? Warned(value + ", over", color) : value, 2);
    }
    return rows;
}

std::string ChangeRows(const std::vector<NameChange>& changes) {
    if (changes.empty()) {
        return Row("changes", "none");
    }
    std::string rows;
    std::string label = "changes";
    for (NameChange change : changes) {
        rows += Row(label, LabelOf(ChangeLabels, change).text);
        label.clear();
    }
    return rows;
}

std::string ShownText(TargetGame target, const NameReport& player, const ServerReport& server,
                      const std::vector<PlaceView>& places, bool color) {
    const std::string game(TargetKey(target));
    std::string out = "Player name (" + game + ")\n";
    out += Row("code", Readable(player.code));
    out += Row("length", Counts(player.bytes, player.visible, player.dots, color));
    out += LimitRows(player.limits, color);
    if (target != TargetGame::Q3Test) {
        out += Row("arrives as", Readable(player.arrived));
        out += Row("the game keeps", Readable(player.cleaned));
        out += Row("others see", Readable(player.seenByOthers));
        out += ChangeRows(player.changes);
    }
    out += Row("in the game", "");
    for (const PlaceView& view : places) {
        if (view.place != GamePlace::ServerBrowser) {
            out += PlaceRows(target, view, color);
        }
    }
    out += "\nServer name (" + game + ")\n";
    out += Row("code", Readable(server.code));
    out += Row("length", Counts(server.bytes, server.visible, server.dots, color));
    out += LimitRows(server.limits, color);
    if (target != TargetGame::Q3Test) {
        out += Row("arrives as", Readable(server.arrived));
        out += Row("browser view", Readable(server.browserView));
        out += ChangeRows(server.changes);
    }
    out += Row("in the game", "");
    for (const PlaceView& view : places) {
        if (view.place == GamePlace::ServerBrowser) {
            out += PlaceRows(target, view, color);
        }
    }
    return out;
}

QJsonArray LimitsJson(const std::vector<CountLimit>& limits) {
    QJsonArray array;
    for (const CountLimit& limit : limits) {
        array.append(QJsonObject{{"kind", LabelOf(LimitLabels, limit.kind).key},
                                 {"count", qint64(limit.count)},
                                 {"limit", qint64(limit.limit)},
                                 {"over", limit.over}});
    }
    return array;
}

QJsonArray ChangesJson(const std::vector<NameChange>& changes) {
    QJsonArray array;
    for (NameChange change : changes) {
        array.append(LabelOf(ChangeLabels, change).key);
    }
    return array;
}

// A line's glyphs on the screen as runs of one colour and font.
QJsonArray RunsJson(const std::vector<Glyph>& glyphs) {
    QJsonArray runs;
    std::string text;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const NameChar c = CharOfCell(glyphs[i].cell);
        text.push_back(static_cast<char>(c.code));
        const bool ends = i + 1 == glyphs.size() || glyphs[i + 1].color != glyphs[i].color ||
                          CharOfCell(glyphs[i + 1].cell).q3Font != c.q3Font;
        if (ends) {
            runs.append(QJsonObject{{"text", Latin1(text)},
                                    {"color", QString::fromStdString(HexColor(glyphs[i].color))},
                                    {"altFont", !c.q3Font}});
            text.clear();
        }
    }
    return runs;
}

QJsonObject PlaceJson(const PlaceView& view) {
    QJsonArray lines;
    for (const GlyphLine& line : view.lines) {
        lines.append(
            QJsonObject{{"x", line.x}, {"y", line.y}, {"runs", RunsJson(OnScreen(view, line))}});
    }
    return QJsonObject{{"place", LabelOf(PlaceLabels, view.place).key},
                       {"limit", qint64(view.limit)},
                       {"overLimit", view.overLimit},
                       {"offScreen", qint64(view.offScreen)},
                       {"lines", lines}};
}

QByteArray ShownJson(TargetGame target, const NameReport& player, const ServerReport& server,
                     const std::vector<PlaceView>& places) {
    QJsonArray playerPlaces;
    QJsonArray serverPlaces;
    for (const PlaceView& view : places) {
        (view.place == GamePlace::ServerBrowser ? serverPlaces : playerPlaces)
            .append(PlaceJson(view));
    }
    const QJsonObject playerJson{{"code", Latin1(player.code)},
                                 {"bytes", qint64(player.bytes)},
                                 {"visible", qint64(player.visible)},
                                 {"dots", qint64(player.dots)},
                                 {"limits", LimitsJson(player.limits)},
                                 {"arrived", Latin1(player.arrived)},
                                 {"kept", Latin1(player.cleaned)},
                                 {"seenByOthers", Latin1(player.seenByOthers)},
                                 {"changes", ChangesJson(player.changes)},
                                 {"places", playerPlaces}};
    const QJsonObject serverJson{{"code", Latin1(server.code)},
                                 {"bytes", qint64(server.bytes)},
                                 {"visible", qint64(server.visible)},
                                 {"dots", qint64(server.dots)},
                                 {"limits", LimitsJson(server.limits)},
                                 {"arrived", Latin1(server.arrived)},
                                 {"browserView", Latin1(server.browserView)},
                                 {"changes", ChangesJson(server.changes)},
                                 {"places", serverPlaces}};
    const QJsonObject root{
        {"game", Latin1(TargetKey(target))}, {"player", playerJson}, {"server", serverJson}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// The bytes a lone name's configuration line holds between its quotes.
std::string CodeOf(TargetGame target, const MemoryStyledText& name) {
    return EncodeNames(target, name, MemoryStyledText()).player;
}

}  // namespace

std::optional<MemoryStyledText> NameOrRefusal(const QByteArray& raw, const NameLine& line,
                                              const char* what) {
    const NameArgument argument = ReadNameArgument(raw, line);
    for (const QString& note : argument.notes) {
        Say(QStringLiteral("%1: %2").arg(QLatin1String(what), note));
    }
    if (!argument.name) {
        Say(QStringLiteral("%1: %2").arg(QLatin1String(what), argument.refusal));
    }
    return argument.name;
}

// A name shown and coded alone keeps to the server name's line, the shorter, so that it fits
// either.
std::optional<NamesReport> NamesOfOperand(const Invocation& invocation) {
    const TargetGame target = invocation.target;
    const std::optional<MemoryStyledText> name =
        NameOrRefusal(invocation.operand, {target, ServerLineStart}, "NAME");
    if (!name) {
        return std::nullopt;
    }
    const std::string code = CodeOf(target, *name);
    return NamesReport{target, AnalysePlayerName(target, code), AnalyseServerName(target, code)};
}

int RunShow(const Invocation& invocation) {
    const TargetGame target = invocation.target;
    const std::optional<NamesReport> shown = NamesOfOperand(invocation);
    if (!shown) {
        return Usage;
    }
    const NamesReport& names = *shown;
    const NameReport& player = names.player;
    const ServerReport& server = names.server;
    const std::vector<PlaceView> places = ViewsOf(names);
    if (invocation.json) {
        Print(ShownJson(target, player, server, places).toStdString());
    } else {
        Print(
            ShownText(target, player, server, places, UsesColor(invocation.color, STDOUT_FILENO)));
    }
    return Done;
}

int RunCode(const Invocation& invocation) {
    const std::optional<MemoryStyledText> name =
        NameOrRefusal(invocation.operand, {invocation.target, ServerLineStart}, "NAME");
    if (!name) {
        return Usage;
    }
    // Exactly the bytes for a script; a reader at a terminal gets the line ended.
    Print(CodeOf(invocation.target, *name));
    if (isatty(STDOUT_FILENO) == 1) {
        Print("\n");
    }
    return Done;
}

}  // namespace chromlet::cli
