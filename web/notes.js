// What the page says about a result of the core, in the desktop window's own words: which
// sentence applies is read off the core's result, the sentence itself comes from texts.js.
import { Number as Num, Plain, tr, trn } from "./texts.js";

// The control characters' names, for the note that refuses them.
const ControlNames = [
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "TAB", "LF", "VT", "FF", "CR",
    "SO", "SI", "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC",
    "FS", "GS", "RS", "US",
];

function Named(names, namedLeftOut) {
    return (names.length > namedLeftOut ? [...names.slice(0, namedLeftOut), "\u2026"] : names)
        .join(" ");
}

/// The note for what was left out of a text on its way into a name (LeftOut).
export function LeftOutNote(leftOut, lineBreaksBecomeSpaces, facts) {
    const notes = [];
    if (leftOut.notLatin1.length > 0) {
        const shown = leftOut.notLatin1.map((c) => String.fromCodePoint(c));
        notes.push(tr(shown.length > 1
            ? "%1 are not characters the game can show; they were left out."
            : "%1 is not a character the game can show; it was left out.",
        Named(shown, facts.namedLeftOut)));
    }
    if (leftOut.controls.length > 0) {
        const shown = [...leftOut.controls].map((c) => ControlNames[c.charCodeAt(0)] ?? "DEL");
        notes.push(tr(shown.length > 1
            ? "%1 are control characters, which a name cannot hold (the game ends a name at NUL); they were left out."
            : "%1 is a control character, which a name cannot hold (the game ends a name at NUL); it was left out.",
        Named(shown, facts.namedLeftOut)));
    }
    if (leftOut.quotes) {
        notes.push(tr("A name cannot hold a double quote (\"): it would end the name early in q3config.cfg. It was left out."));
    }
    if (leftOut.lineBreaks) {
        notes.push(lineBreaksBecomeSpaces
            ? tr("A name is one line: each line break became a space.")
            : tr("A name is one line: the line break was left out."));
    }
    if (leftOut.lineFull) {
        notes.push(tr("A name's configuration line holds at most %L1 bytes, colour codes included: the game runs the rest of a longer line as console commands. What did not fit was left out.",
            facts.maxConfigLineBytes));
    } else if (leftOut.cut) {
        notes.push(trn("A name holds at most %Ln characters; what did not fit was left out.",
            facts.maxNameChars));
    }
    return notes.join("\n");
}

// CountLimit::Kind, in its order.
const Kind = { KeptByGame: 0, SeenByOthers: 1, SettingsField: 2, InGameBrowser: 3,
    IoQ3ServerList: 4, InfoString: 5, ConfigLine: 6, ServerInfoRoom: 7 };

/// What a one-click style says when it gave colours back, or did not fit at all.
export function StyleNote(result) {
    let where;
    if (result.boundKind === Kind.KeptByGame) {
        where = tr("the %1 bytes the game keeps of a name", result.boundBytes);
    } else if (result.boundKind === Kind.ServerInfoRoom) {
        where = tr("the %1 bytes a default server's settings string has room for", result.boundBytes);
    } else {
        where = tr("the %1 bytes its configuration line holds", result.boundBytes);
    }
    if (!result.fits) {
        return tr("This style does not fit: even in one colour the name would take more than %1. Nothing was changed.", where);
    }
    if (result.colorsGivenBack === 0) return "";
    return tr("In full this style takes %1 bytes, more than %2, so the last colours share one: the game shows the whole name as you see it. Ctrl+Z undoes the style.",
        result.fullBytes, where);
}

// What each limit says: within it, and over it (%1 the limit, %2 what is left there).
const LimitTexts = [
    ["The game keeps up to %1 bytes of a name, colour codes included.",
        "The game keeps only the first %1 bytes of a name, colour codes included: %2"],
    ["Other players and server lists see up to %1 bytes.",
        "Other players and server lists see only the first %1 bytes: %2"],
    ["Fits the %1 characters of the game's Player Settings field.",
        "The game's Player Settings field holds only %1 characters, codes included: editing the name there cuts it."],
    ["The in-game server browser shows up to %1 bytes.",
        "The in-game server browser shows only the first %1 bytes, without colours and in capitals: %2"],
    ["ioquake3's server list shows up to %1 bytes.",
        "ioquake3's server list shows only the first %1 bytes."],
    ["Within the %1 bytes of the game's settings string.",
        "The game's settings string holds at most %1 bytes: the game refuses this name."],
    ["Its configuration line holds up to %1 bytes of the name, colour codes included: the game reads 1,023 bytes of a line.",
        "Its configuration line holds only %1 bytes of the name: the game reads 1,023 bytes of a line and runs the rest as console commands, so Chromlet will not write it. Shorten the name, or use fewer colour changes."],
    ["A server keeps its name in one settings string of 1,023 bytes with all its other settings; a default server leaves %1 bytes for the name.",
        "A server keeps its name in one settings string of 1,023 bytes with all its other settings; a default server leaves %1 bytes for the name. A longer name pushes settings out of it, first the version, then limits, the game type and the map (players' games then take the game type for free for all). A name set on the command line or kept in the server's q3config.cfg is left out itself instead."],
];

// Codes and raised characters as the bytes they are, anything unprintable as a dot.
function Printable(bytes) {
    return bytes.replace(/[\x00-\x1f\x7f-\x9f]/g, ".");
}

/// The counts' line and its marks, as the budget under the preview shows them.
export function BudgetLine(report, player) {
    const marks = report.limits.filter((limit) => limit.worthAMark).map((limit) => {
        const [within, over] = LimitTexts[limit.kind];
        const cut = player
            ? Printable(limit.kind === Kind.SeenByOthers ? report.seenByOthers : report.cleaned)
            : Printable(report.browserView);
        let title = tr(limit.over ? over : within, String(limit.limit));
        if (title.includes("%2")) title = title.replace("%2", cut);
        return { text: (limit.over ? ">" : "\u2264") + limit.limit, over: limit.over, title };
    });
    return {
        counts: tr(player ? "Name: %1 bytes, %2 visible" : "Server: %1 bytes, %2 visible",
            report.bytes, report.visible),
        dots: report.dots > 0 ? {
            text: `${report.dots}\u00d7.`,
            title: tr("Arriving as dots: %1. The game's network turns é, ü, % and every character of the alternative font into a dot (.), which the game and the other players get.", report.dots),
        } : null,
        marks,
    };
}

// FileFault, in its order.
export const FileFault = { None: 0, TooLarge: 1, ZeroByte: 2 };

/// The file's mark beside the counts, and its tool tip; null where the file is worth none.
export function FileMark(budget, name) {
    if (!budget.worthAMark) return null;
    const over = budget.fault !== FileFault.None;
    let title;
    if (budget.fault === FileFault.ZeroByte) {
        title = tr("%1 holds a zero byte at byte %2: the game stops reading the file there, so Chromlet will not write the names into it. Remove the zero byte.",
            name, Num(budget.firstZero + 1));
    } else if (budget.fault === FileFault.TooLarge) {
        title = tr("With these names %1 would hold %2 bytes, but the game reads a configuration file of at most %3 bytes and ignores a longer one entirely, so Chromlet will not write it. Shorten the names, use fewer colour changes or remove lines the file does not need.",
            name, Num(budget.bytes), Num(budget.limit));
    } else {
        title = tr("With these names %1 will hold %2 bytes; the game reads a configuration file of at most %3 bytes.",
            name, Num(budget.bytes), Num(budget.limit));
    }
    return { text: tr(over ? "file >%1" : "file \u2264%1", budget.limit), over, title };
}

// NameChange, in its order.
const Change = { ArrivedAsDots: 0, BlackRemoved: 1, LeadingSpacesDropped: 2, SpacesCollapsed: 3,
    CutToLength: 4, RefusedCharacter: 5, ColorsRemoved: 6, BecameUnnamedPlayer: 7 };

function ChangeText(change, unnamed, facts) {
    switch (change) {
        case Change.ArrivedAsDots: return tr("é, ü, % and the alternative font arrive as dots");
        case Change.ColorsRemoved: return tr("no letter or digit outside black: colours removed");
        case Change.BlackRemoved: return tr("black removed");
        case Change.LeadingSpacesDropped: return tr("leading spaces dropped");
        case Change.SpacesCollapsed: return tr("spaces cut to three");
        case Change.CutToLength: return tr("cut at %1 bytes", facts.keptNameBytes);
        case Change.RefusedCharacter: return tr("\\, ; or \" refused");
        case Change.BecameUnnamedPlayer: return tr("no name left: %1", unnamed);
        default: return "";
    }
}

export function RefusedServerNameNote() {
    return tr("The server refuses this name (\\, ; or \"): the browser shows none.");
}

/// The preview's rows: {note, text} each, as the desktop preview shows them.
export function PreviewRows(look, rules, facts) {
    const { player, server } = look;
    const rows = [{ note: "", text: player.drawn }];
    if (player.changes.length > 0) {
        const reasons = player.changes.map((c) => ChangeText(c, rules.unnamed, facts));
        rows.push({ note: tr("The game keeps (%1):", reasons.join(", ")), text: player.keptDrawn });
    }
    rows.push({ note: "", text: server.drawn });
    if (server.dots > 0) {
        rows.push({ note: tr("Other players' games receive (é, ü, % and the alternative font arrive as dots):"),
            text: server.arrivedDrawn });
    }
    if (server.changes.includes(Change.RefusedCharacter)) {
        rows.push({ note: RefusedServerNameNote(), text: null });
    } else if (server.browserView.length > 0) {
        rows.push({
            note: server.changes.includes(Change.CutToLength)
                ? tr("In the game's server browser (cut to %1 characters):", rules.browserShownChars)
                : tr("In the game's server browser:"),
            text: server.browserDrawn,
        });
    }
    return rows;
}

// GamePlace, in its order.
const PlaceTitles = ["Scoreboard", "Chat", "Console", "Under the crosshair", "Frag message",
    "Name field of the player settings", "Console, on leaving", "Server browser"];

export function PlaceTitle(place) {
    return tr(PlaceTitles[place]);
}

function WhatShows(rules, view, server) {
    switch (view.place) {
        case 0: return tr("The name the game keeps, after score, ping and time, big with a shadow; your own row lies on a bar. The score %1, the ping %2 and the %3 minutes are samples: in the game each row shows its player's own, a newcomer's score 0.",
            rules.sampleScore, rules.samplePing, rules.sampleMinutes);
        case 1: return tr("The name the game keeps, a white \": \" and the text in green, small without a shadow.");
        case 2: return tr("The name the game keeps and \"connected\", small without a shadow, lines of %1 characters.", rules.consoleLineChars);
        case 3: return tr("The name the game keeps, big, centred, half transparent.");
        case 4: return tr("\"You fragged\" and the first %1 bytes of the name the game keeps, centred, %2 by %3 units.", view.limit, view.width, view.height);
        case 5: return tr("Your name as written, not as the game keeps it: black shows white, and while the field has the focus the codes show as typed. One can type %1 bytes there.", view.limit);
        case 6: return tr("The server's own copy of the name and \"disconnected\", when the player leaves: the first %1 bytes as they arrived, not cleaned, so black and runs of spaces stay and a cut can leave a lone ^. The server's status list shows the same copy.", view.limit);
        default: break;
    }
    if (!rules.caret) return tr("The test release's server browser is not known: the name as written.");
    if (server.changes.includes(Change.RefusedCharacter)) return RefusedServerNameNote();
    if (rules.browserKeepsColors) {
        return tr("The server name as the players' games receive it: colours kept, unprintable characters removed, capitals, %1 characters shown.", view.limit);
    }
    return tr("The server name as the players' games receive it: %1 bytes kept, colours and unprintable characters removed, capitals, %2 characters shown.",
        rules.browserKeptBytes, view.limit);
}

function WhatCuts(view) {
    switch (view.place) {
        case 1: return tr("The chat keeps %1 bytes of the name.", view.limit);
        case 5: return tr("This name is longer.");
        case 4: case 6: case 7: return tr("This name is cut there.");
        default: return "";
    }
}

/// What one In game place says in a line: what it shows, what it cuts, whose colours, and what
/// lies past the screen's edge.
export function PlaceNote(rules, view, server, first) {
    const sentences = [WhatShows(rules, view, server)];
    if (view.overLimit) sentences.push(WhatCuts(view));
    if (view.engineColors === 36) {
        sentences.push(tr("The engine draws these lines and reads the colour codes by its own rule: 36 colours, ^0 to ^9 and ^a to ^z, ^8 orange; the game's other places have eight."));
    } else if (view.engineColors) {
        sentences.push(tr("The engine draws these lines and reads the colour codes by its own rule: eight colours, ^8 is black."));
    }
    if (view.offScreen > 0) sentences.push(trn("%n character(s) lie past the edge of the screen.", view.offScreen));
    if (first && !rules.caret) {
        sentences.unshift(tr("The test release's own code is not public: its places follow Quake III Arena 1.32's."));
    }
    return sentences.filter((s) => s).join(" ");
}

// LineFault, in its order.
export const LineFault = { None: 0, LineBreak: 1, TooLong: 2 };

/// Why the two lines cannot be written, as the update's message says it; "" when they can.
export function LinesRefusal(check) {
    if (check.fault === LineFault.LineBreak) {
        const reason = check.serverLine ? tr("The server-name line holds a line break.")
            : tr("The name line holds a line break.");
        return tr("%1 A configuration line must be a single line; nothing was written.", reason);
    }
    if (check.fault === LineFault.TooLong) {
        const reason = tr(check.serverLine
            ? "The server-name line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest of it as console commands."
            : "The name line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest of it as console commands.",
        check.bytes, check.maxLineBytes);
        return [reason, tr("Nothing was written."),
            tr("Shorten the name, or use fewer colour changes: each one takes two bytes.")].join(" ");
    }
    return "";
}

/// Why the rewritten file would not be read by the game, as the update's message says it; ""
/// when it would.
export function FileRefusal(result, name) {
    let reason;
    let advice;
    if (result.fault === FileFault.TooLarge) {
        reason = tr("with the new names it would hold %1 bytes, but the game reads a configuration file of at most %2 bytes and ignores a longer one entirely",
            Num(result.newBytes), Num(result.fileLimit));
        advice = result.oldBytes > result.fileLimit
            ? tr("It holds %1 bytes already, so the game ignores it as it is: remove lines it does not need (old binds and aliases), then try again.", Num(result.oldBytes))
            : tr("Shorten the names or use fewer colour changes, or remove lines the file does not need (old binds and aliases), then try again.");
    } else if (result.fault === FileFault.ZeroByte) {
        reason = tr("it holds a zero byte at byte %1, where the game stops reading it, so the game would never read the new names",
            Num(result.firstZero + 1));
        advice = tr("Remove the zero byte (the game never writes one), then try again.");
    } else {
        return "";
    }
    return [tr("Could not update %1: %2.", name, reason), advice, tr("%1 is unchanged.", name)].join(" ");
}

/// The access-key-free caption of a palette colour, for the names screen readers hear.
export function ButtonName(caption, server) {
    const colour = Plain(tr(caption));
    return server ? tr("%1, server name", colour) : tr("%1, player name", colour);
}
