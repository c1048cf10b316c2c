// Chromlet's page: the desktop window's client area built from its layout table, over the core in
// WebAssembly. The page draws and asks; every rule of a game is the core's.
import words from "./words.js";
import { Charset, CellsOf, Css, DrawGlyphs } from "./draw.js";
import { ClientHeight, ClientWidth, Layout, StyleButtons, TabOrder } from "./layout.js";
import * as Notes from "./notes.js";
import { ShareDialog } from "./share.js";
import { Language, Plain, tr, UseWords } from "./texts.js";
import { DamagedEntry, FindEntry, ListEntries, NotAnArchive, ReadEntry } from "./zip.js";
import { product } from "./product.js";

// Pixels of the page to a pixel of the window at 96 dpi.
const Scale = 1.5;
const Px = (twips) => (twips / 15) * Scale;
const StyledType = "application/x-chromlet-styled-name";
const NoteMilliseconds = 5000;
const MaxUndo = 200;
// The desktop preview's charset cell, 16 units of the game's screen at three quarters.
const PreviewCell = 12 * Scale;
const CharsetNames = ["gfx/2d/bigchars.tga", "gfx/2d/bigchars.jpg"];
// The game's own charset is a quarter of a megabyte; anything far larger is no charset.
const MaxCharsetBytes = 32 << 20;

const Instructions =
    "Give in you name. Select the part of the text you want to color and click to color you " +
    "want it to be. Repeat this until you get the desired chromlet. You can do the same thing " +
    "with your Server name." + " ".repeat(54) +
    "Click 'Show code' to put the Chromlet in your q3config.cfg file.";
const TargetCaptions = ["Quake III Arena &test (1999)", "Quake III Arena &1.32",
    "&ioquake3", "&OpenArena", "&Quake3e"];
const QuickStyles = [
    ["StyleRainbow", "Ra&inbow", "1", 0], ["StyleByWord", "By w&ord", "2", 1],
    ["StyleAlternate", "Alter&nate", "3", 2], ["StyleRandom", "Ran&dom", "4", 3],
    ["StyleClear", "Cle&ar", "0", 4], ["StyleTidy", "&Tidy codes", "9", -1],
];

const $ = (id) => document.getElementById(id);

function Element(tag, props = {}, ...children) {
    const e = document.createElement(tag);
    for (const [key, value] of Object.entries(props)) {
        if (key === "style") Object.assign(e.style, value);
        else if (key in e && typeof value !== "string") e[key] = value;
        else e.setAttribute(key, value);
    }
    e.append(...children);
    return e;
}

// A caption with its access key underlined, and the key for the element's accesskey.
function Caption(element, caption) {
    const text = tr(caption);
    const at = text.indexOf("&");
    element.textContent = "";
    if (at < 0 || at + 1 >= text.length) {
        element.textContent = text;
        return;
    }
    element.append(text.slice(0, at), Element("u", {}, text[at + 1]), text.slice(at + 2));
    element.accessKey = text[at + 1].toLowerCase();
}

function Latin1Bytes(string) {
    const bytes = new Uint8Array(string.length);
    for (let i = 0; i < string.length; ++i) bytes[i] = string.charCodeAt(i);
    return bytes;
}

// How many arguments String.fromCharCode is handed at once: far below any engine's bound on a
// call's arguments.
const CharCodesACall = 32768;

function Latin1String(bytes) {
    let out = "";
    for (let i = 0; i < bytes.length; i += CharCodesACall) {
        out += String.fromCharCode.apply(null, bytes.subarray(i, i + CharCodesACall));
    }
    return out;
}

function Hex(string) {
    let out = "";
    for (let i = 0; i < string.length; ++i) out += string.charCodeAt(i).toString(16).padStart(2, "0");
    return out;
}

function FromHex(hex) {
    if (!/^([0-9a-f]{2})*$/.test(hex)) return null;
    let out = "";
    for (let i = 0; i < hex.length; i += 2) out += String.fromCharCode(parseInt(hex.slice(i, i + 2), 16));
    return out;
}

/// One of the two name editors: the core's NameBox drawn as characters in their colours on the
/// window's grey, with the selection, the caret and the marks, taking keys, the mouse and the
/// clipboard.
class Editor {
    constructor(page, element, box, note) {
        this.page = page;
        this.element = element;
        this.box = box;
        this.note = note;
        this.anchor = 0;
        this.undo = [];
        this.redo = [];
        this.noteTimer = 0;
        element.addEventListener("keydown", (e) => this.KeyDown(e));
        element.addEventListener("mousedown", (e) => this.MouseDown(e));
        element.addEventListener("copy", (e) => this.Copy(e, false));
        element.addEventListener("cut", (e) => this.Copy(e, true));
        element.addEventListener("paste", (e) => this.Paste(e));
        // Text that comes without a key of its own (an input method, a character the keyboard
        // has no key for) arrives as input; the editor takes it as typed and draws itself anew.
        element.addEventListener("beforeinput", (e) => {
            if (e.inputType === "insertText" && e.cancelable) {
                e.preventDefault();
                if (e.data) this.Insert(e.data, false);
            } else if (e.inputType !== "insertCompositionText" && e.cancelable) {
                e.preventDefault();
            }
        });
        element.addEventListener("compositionend", (e) => {
            if (e.data) this.Insert(e.data, false);
            else this.Render();
        });
        element.addEventListener("focus", () => {
            page.current = this;
            this.Render();
        });
        element.addEventListener("blur", () => this.Render());
    }

    Selection() {
        return { start: this.box.selectionStart(), length: this.box.selectionLength() };
    }

    // The caret stands where the user moved last: the selection's end away from the anchor.
    Caret() {
        const { start, length } = this.Selection();
        return this.anchor === start ? start + length : start;
    }

    Select(anchor, caret) {
        this.anchor = anchor;
        this.box.select(Math.min(anchor, caret), Math.abs(caret - anchor));
    }

    // The selection the core left, with the anchor at its start.
    Adopt() {
        this.anchor = this.box.selectionStart();
    }

    Remember() {
        this.undo.push([this.box.snapshot(), this.box.selectionStart(), this.box.selectionLength()]);
        if (this.undo.length > MaxUndo) this.undo.shift();
        this.redo = [];
    }

    Back(from, to) {
        const state = from.pop();
        if (!state) return;
        to.push([this.box.snapshot(), this.box.selectionStart(), this.box.selectionLength()]);
        this.box.restore(...state);
        this.Adopt();
        this.page.Changed(this);
    }

    /// Runs an edit of the name as one undo step, and shows what changed.
    Edit(act) {
        this.Remember();
        const result = act();
        this.Adopt();
        this.page.Changed(this);
        return result;
    }

    ShowNote(text) {
        this.note.textContent = text;
        this.note.hidden = !text;
        clearTimeout(this.noteTimer);
        if (text) this.noteTimer = setTimeout(() => { this.note.hidden = true; }, NoteMilliseconds);
    }

    Insert(text, lineBreaksBecomeSpaces) {
        const leftOut = this.Edit(() => this.box.insertText(text, lineBreaksBecomeSpaces));
        this.ShowNote(leftOut.any ? Notes.LeftOutNote(leftOut, lineBreaksBecomeSpaces, this.page.facts) : "");
    }

    ApplyQuickStyle(style) {
        if (style < 0) {
            this.Edit(() => this.box.tidy());
            return;
        }
        const seed = crypto.getRandomValues(new Uint32Array(1))[0];
        const result = this.Edit(() => this.box.quickStyle(style, seed));
        this.ShowNote(Notes.StyleNote(result));
    }

    KeyDown(e) {
        const ctrl = e.ctrlKey || e.metaKey;
        const length = this.box.length();
        const { start, length: selected } = this.Selection();
        const caret = this.Caret();
        const move = (to) => {
            const at = Math.max(0, Math.min(length, to));
            if (e.shiftKey) this.Select(this.anchor, at);
            else this.Select(at, at);
            this.Render();
        };
        if (ctrl && !e.altKey) {
            const quick = QuickStyles.find((q) => q[2] === e.key);
            if (quick) {
                e.preventDefault();
                this.ApplyQuickStyle(quick[3]);
                return;
            }
            switch (e.key.toLowerCase()) {
                case "a": e.preventDefault(); this.Select(0, length); this.Render(); return;
                case "z": e.preventDefault(); this.Back(e.shiftKey ? this.redo : this.undo, e.shiftKey ? this.undo : this.redo); return;
                case "y": e.preventDefault(); this.Back(this.redo, this.undo); return;
                case "v": this.page.codedPaste = e.shiftKey; return;  // the paste event follows
                default: return;
            }
        }
        switch (e.key) {
            case "ArrowLeft": e.preventDefault(); move(!e.shiftKey && selected ? start : caret - 1); return;
            case "ArrowRight": e.preventDefault(); move(!e.shiftKey && selected ? start + selected : caret + 1); return;
            case "Home": e.preventDefault(); move(0); return;
            case "End": e.preventDefault(); move(length); return;
            case "Backspace":
            case "Delete":
                e.preventDefault();
                if (!selected) {
                    const from = e.key === "Backspace" ? caret - 1 : caret;
                    if (from < 0 || from >= length) return;
                    this.box.select(from, 1);
                }
                this.Insert("", false);
                return;
            case "Enter":
                e.preventDefault();
                this.Insert("\n", false);
                return;
            default:
                break;
        }
        if (!e.altKey && [...e.key].length === 1) {
            e.preventDefault();
            this.Insert(e.key, false);
        }
    }

    // The position between characters nearest to the pointer.
    PositionAt(clientX) {
        const chars = this.element.querySelectorAll(".c");
        for (let i = 0; i < chars.length; ++i) {
            const r = chars[i].getBoundingClientRect();
            if (clientX < r.left + r.width / 2) return i;
        }
        return chars.length;
    }

    MouseDown(e) {
        if (e.button !== 0) return;
        e.preventDefault();
        this.element.focus();
        const at = this.PositionAt(e.clientX);
        this.Select(e.shiftKey ? this.anchor : at, at);
        this.Render();
        const drag = (m) => {
            this.Select(this.anchor, this.PositionAt(m.clientX));
            this.Render();
        };
        const up = () => {
            window.removeEventListener("mousemove", drag);
            window.removeEventListener("mouseup", up);
        };
        window.addEventListener("mousemove", drag);
        window.addEventListener("mouseup", up);
    }

    Copy(e, cut) {
        const { start, length } = this.Selection();
        e.preventDefault();
        if (!length) return;
        const text = this.box.text().slice(start, start + length);
        const clip = this.box.copyClip();
        e.clipboardData.setData("text/plain", text);
        e.clipboardData.setData(StyledType, Hex(clip));
        // Kept here too: not every browser carries a type of its own through the clipboard.
        this.page.lastCopy = { text, clip };
        if (cut) this.Insert("", false);
    }

    Paste(e) {
        e.preventDefault();
        const coded = this.page.codedPaste;
        this.page.codedPaste = false;
        const text = e.clipboardData.getData("text/plain");
        if (coded) {
            this.PasteCoded(text);
            return;
        }
        let clip = FromHex(e.clipboardData.getData(StyledType) || "");
        if (!clip && this.page.lastCopy && this.page.lastCopy.text === text) clip = this.page.lastCopy.clip;
        if (clip) {
            const leftOut = this.Edit(() => this.box.pasteClip(clip));
            if (leftOut) {
                this.ShowNote(leftOut.any ? Notes.LeftOutNote(leftOut, false, this.page.facts) : "");
                return;
            }
        }
        if (!text) {
            this.ShowNote(tr("The clipboard holds no text to paste."));
            return;
        }
        this.Insert(text, true);
    }

    PasteCoded(text) {
        const result = this.Edit(() => this.box.pasteCoded(text));
        if (!result.pasted) {
            this.ShowNote(tr("The clipboard holds no name to paste."));
            return;
        }
        const notes = [];
        if (result.otherLines) notes.push(tr("Only the first line of the clipboard was pasted."));
        if (result.leftOut.any) notes.push(Notes.LeftOutNote(result.leftOut, false, this.page.facts));
        this.ShowNote(notes.join("\n"));
    }

    // One string of markup for the whole name: a thousand characters are drawn anew at every
    // keystroke, and the browser parses markup faster than it builds elements one by one.
    Render() {
        const styled = this.box.styled();
        const marks = this.box.marks(this.page.target);
        const { start, length } = this.Selection();
        const caret = this.Caret();
        const focused = document.activeElement === this.element;
        let html = "";
        for (let i = 0; i <= styled.text.length; ++i) {
            if (focused && i === caret && !length) html += "<span class=\"caret\"></span>";
            if (i === styled.text.length) break;
            const c = styled.text[i];
            let classes = "c";
            if (!styled.q3Font[i]) classes += " alt";
            if (marks[i]) classes += " mark";
            if (i >= start && i < start + length) classes += " sel";
            const shown = c === " " ? "&nbsp;" : c === "&" ? "&amp;" : c === "<" ? "&lt;" : c === ">" ? "&gt;" : c;
            html += `<span class="${classes}" style="color:${Css(styled.colors[i])}">${shown}</span>`;
        }
        this.element.innerHTML = html;
        this.element.setAttribute("aria-valuetext", styled.text);
        this.element.dataset.selection = `${start},${length}`;
    }
}

/// The page: the window, the preview and the places, the Show code dialog and the files.
class Page {
    constructor(core) {
        this.core = core;
        this.facts = core.facts();
        this.target = 0;
        this.current = null;
        this.lastCopy = null;
        this.codedPaste = false;
        this.charsets = new Map();    // target -> {charset, status, problems}
        this.configs = new Map();     // target -> {name, bytes}
        this.placeItems = [];
        this.BuildWindow();
        this.BuildMenu();
        this.BuildDialog();
        this.share = new ShareDialog(this);
        this.Changed();
        // Milliseconds from the navigation's start, for the benchmark.
        window.readyAt = performance.now();
        document.body.dataset.ready = "true";
    }

    Rules() {
        return this.facts.targets[this.target];
    }

    BuildWindow() {
        const form = $("Form1");
        form.style.width = `${Px(ClientWidth)}px`;
        form.style.height = `${Px(ClientHeight)}px`;
        const player = new this.core.NameBox("Player", false);
        const server = new this.core.NameBox("noname", true);
        for (const [name, kind, caption, left, top, width, height] of Layout) {
            // A page cannot close its window, and names are loaded from no file here: the space
            // of the desktop's Exit stays empty, and Load's takes the game's charset instead.
            if (name === "Command10") continue;
            let e;
            const id = name === "Command23" ? "PickCharset" : name;
            switch (kind) {
                case "Label":
                case "BoldLabel":
                    e = Element("div", { class: kind === "BoldLabel" ? "label bold" : "label" });
                    e.textContent = name === "Label3" ? tr(Instructions) : caption ? Plain(tr(caption)) : "";
                    break;
                case "Editor":
                    e = Element("div", { class: "editor", role: "textbox", "aria-multiline": "false",
                        contenteditable: "true", spellcheck: "false", autocapitalize: "off",
                        "aria-label": Plain(tr(name === "rtb" ? "Name:" : "Server name:")).replace(/:$/, "") });
                    break;
                case "Button":
                    e = Element("button", { type: "button" });
                    if (id === "PickCharset") {
                        e.textContent = tr("Game's .pk3 files...");
                        e.title = tr("Pick the game's .pk3 files (pak0.pk3 and the others in baseq3, or in baseoa for OpenArena): the preview and the places draw with the charset in them. Nothing leaves this computer.");
                    } else {
                        Caption(e, caption);
                    }
                    break;
                case "HorizontalDivider":
                case "VerticalDivider":
                    e = Element("div", { class: "divider" });
                    break;
                case "Preview":
                    e = Element("div", { class: "preview", title: tr("How the game shows your name and your server name, and what it makes of them. Slanted, underlined characters are in the alternative font. Click to see both names in each place of the game.") },
                        Element("canvas", { id: "PreviewCanvas" }));
                    e.addEventListener("click", () => $("InGame").scrollIntoView({ behavior: "smooth" }));
                    break;
                case "Budget":
                    e = Element("div", { class: "budget", "aria-label": tr("Length of the names against the game's limits") },
                        Element("div", { class: "line", id: "PlayerLine" }), Element("div", { class: "line", id: "ServerLine" }));
                    break;
                case "FileBudget":
                    e = Element("div", { class: "filebudget" });
                    break;
                default:
                    e = Element("div");
            }
            e.id = id;
            Object.assign(e.style, { left: `${Px(left)}px`, top: `${Px(top)}px`,
                width: `${Px(width)}px`, height: `${Px(height)}px` });
            form.append(e);
            if (kind === "Editor") {
                const note = Element("div", { class: "note", role: "status", id: `${name}Note`, hidden: true });
                note.style.left = `${Px(left)}px`;
                note.style.top = `${Px(top + height) + 2}px`;
                form.append(note);
            }
        }
        TabOrder.forEach((name, i) => { if ($(name)) $(name).tabIndex = i + 1; });
        $("Label4").append(`${product.name} ${product.version}`, Element("br"),
            `${tr("For news and updates:")} `,
            Element("a", { href: product.homePage, target: "_blank", rel: "noopener" },
                product.homePage.replace(/^https?:\/\//, "").replace(/\/$/, "")));
        this.rtb = new Editor(this, $("rtb"), player, $("rtbNote"));
        this.rtb2 = new Editor(this, $("rtb2"), server, $("rtb2Note"));
        this.current = this.rtb;
        for (const [name, editor, operation, value] of StyleButtons) {
            const button = $(name);
            const ed = editor === "rtb" ? this.rtb : this.rtb2;
            const caption = operation === "color" ? this.facts.palette[value].caption : value ? "Q3 Font" : "Alt. Font";
            button.setAttribute("aria-label", Notes.ButtonName(caption, editor === "rtb2"));
            button.addEventListener("click", () => {
                if (operation === "color") {
                    ed.Edit(() => ed.box.applyColor(this.facts.palette[value].packed));
                } else {
                    ed.Edit(() => ed.box.setFontFlag(value));
                    if (!value && this.Rules().networkDots) ed.ShowNote(this.AltFontOnlineNote());
                }
            });
        }
        $("Command9").addEventListener("click", () => this.Command9_Click());
        $("PickCharset").addEventListener("click", () => $("CharsetFiles").click());
        $("CharsetFiles").addEventListener("change", (e) => this.LoadCharset([...e.target.files]));
        $("rtb").focus();
    }

    AltFontOnlineNote() {
        return tr("Online the game shows the alternative font as dots: its network turns every character 128 to 255 into a dot (.) for the game and the other players.");
    }

    BuildMenu() {
        const select = $("GameChoice");
        TargetCaptions.forEach((caption, i) => select.append(Element("option", { value: String(i) }, Plain(tr(caption)))));
        $("GameLabel").textContent = `${Plain(tr("G&ame"))}:`;
        // OpenArena's ninth colour, there while OpenArena is chosen.
        const orange = Element("button", { type: "button", id: "StyleOrange", title: tr("Colour the selection orange, which OpenArena's scoreboard, chat and browser show; the console, which OpenArena's engine draws, shows it black") },
            Plain(tr("Orange (O&penArena's ^8)")));
        orange.addEventListener("mousedown", (e) => e.preventDefault());
        orange.addEventListener("click", () => this.current.Edit(() => this.current.box.applyColor(this.facts.openArenaOrange)));
        const showOrange = () => { orange.hidden = !this.Rules().orange; };
        select.addEventListener("change", () => {
            this.target = Number(select.value);
            showOrange();
            this.Changed();
        });
        $("StyleLabel").textContent = `${Plain(tr("S&tyle"))}:`;
        $("StyleButtons").append(orange);
        showOrange();
        for (const [id, caption, key, style] of QuickStyles) {
            const button = Element("button", { type: "button", id, title: `Ctrl+${key}` }, Plain(tr(caption)));
            if (style < 0) button.title = tr("Remove colour changes nobody can see: spaces take the colour next to them. The name looks the same and takes fewer bytes.");
            // The buttons take the focus; the style goes to the editor used last.
            button.addEventListener("mousedown", (e) => e.preventDefault());
            button.addEventListener("click", () => this.current.ApplyQuickStyle(style));
            $("StyleButtons").append(button);
        }
        const paste = $("PasteCodedName");
        paste.textContent = Plain(tr("Paste coded &name"));
        paste.title = tr("Paste a name in the game's colour codes (^1Pl^7ayer), a seta line or a /name command, with its colours");
        paste.addEventListener("mousedown", (e) => e.preventDefault());
        paste.addEventListener("click", async () => {
            let text;
            try {
                text = await navigator.clipboard.readText();
            } catch {
                this.current.ShowNote(tr("The browser does not let the page read the clipboard: press Ctrl+Shift+V in the name instead."));
                return;
            }
            this.current.PasteCoded(text);
        });
        const copy = $("CopyAsConsoleCommand");
        copy.textContent = Plain(tr("Copy as console comm&and"));
        copy.addEventListener("mousedown", (e) => e.preventDefault());
        copy.addEventListener("click", () => this.CopyAsConsoleCommand());
        const share = $("ShareButton");
        share.textContent = tr("Share...");
        share.title = tr("The names or a place of the game as a picture, or a name as coloured text for web pages, forums, terminals and Discord");
        share.addEventListener("mousedown", (e) => e.preventDefault());
        share.addEventListener("click", () => this.share.Open());
    }

    async CopyAsConsoleCommand() {
        const editor = this.current;
        const result = editor.box.consoleCommand();
        if (result.refused === "testRelease") {
            editor.ShowNote(tr("The test release's console cannot type the colour escape: use Show code and write the name into q3config.cfg instead."));
            return;
        }
        if (result.refused === "tooLong") {
            editor.ShowNote(tr("This name is too long for the game's console, which holds %1 characters: nothing was copied. Use Show code and write it into q3config.cfg instead.", this.facts.maxConsoleLine));
            return;
        }
        // Beside the button, to select and copy by hand where the browser keeps the clipboard.
        $("ConsoleCommand").value = result.command;
        $("ConsoleCommand").hidden = false;
        try {
            await navigator.clipboard.writeText(result.command);
        } catch {
            editor.ShowNote(tr("The browser does not let the page write the clipboard: nothing was copied."));
            return;
        }
        editor.ShowNote(tr("Copied. Paste it into the game's console (opened with ~)."));
    }

    /// Everything that follows the names: the editors (`editor` alone where only it changed), the
    /// preview, the counts, and on the next frame the places.
    Changed(editor = null) {
        this.rtb.box.setLine(this.target, null);
        this.rtb2.box.setLine(this.target, this.rtb.box);
        for (const e of editor ? [editor] : [this.rtb, this.rtb2]) e.Render();
        const dots = this.Rules().networkDots;
        for (const name of ["Command21", "Command22"]) $(name).title = dots ? this.AltFontOnlineNote() : "";
        $("CopyAsConsoleCommand").title = this.Rules().caret
            ? tr(this.current === this.rtb2 ? "Put /sv_hostname \"...\" on the clipboard, to paste into the game's console"
                : "Put /name \"...\" on the clipboard, to paste into the game's console")
            : tr("The test release's console cannot type the colour escape: use Show code and write the name into q3config.cfg instead.");
        const look = this.core.look(this.target, this.rtb.box, this.rtb2.box);
        this.look = look;
        this.DrawPreview(look);
        this.ShowBudget(look);
        if ($("ShareDialog").open) this.share.Draw();
        if (!this.placesPending) {
            this.placesPending = true;
            requestAnimationFrame(() => {
                this.placesPending = false;
                this.DrawPlaces(this.look);
            });
        }
    }

    CharsetState() {
        return this.charsets.get(this.target) ?? { charset: null,
            status: tr("No charset picked yet: the desktop's font stands in. Pick the game's .pk3 files to see the names in the game's own charset."),
            problems: "" };
    }

    DrawPreview(look) {
        const state = this.CharsetState();
        const rows = Notes.PreviewRows(look, this.Rules(), this.facts);
        const canvas = $("PreviewCanvas");
        const box = $("Preview1");
        const width = box.clientWidth;
        const margin = 6 * Scale;
        const noteFont = `italic ${7.5 * Scale * 4 / 3}px sans-serif`;
        const nameFont = (q3) => `${q3 ? "" : "italic "}bold ${10 * Scale * 4 / 3}px sans-serif`;
        const context = canvas.getContext("2d");
        const cell = PreviewCell;
        const nameHeight = state.charset ? cell + 2 * Scale : 10 * Scale * 4 / 3 * 1.3;
        const noteHeight = 7.5 * Scale * 4 / 3 * 1.25;
        // Laid out first, drawn second: the canvas takes the height the rows need.
        const items = [];
        let y = 4 * Scale;
        const addNote = (text) => {
            context.font = noteFont;
            let line = "";
            for (const word of text.split(/(?<= )/)) {
                if (line && context.measureText(line + word).width > width - 2 * margin) {
                    items.push({ note: line, y });
                    y += noteHeight;
                    line = "";
                }
                line += word;
            }
            items.push({ note: line, y });
            y += noteHeight;
        };
        const advances = this.advances ??= new Map();
        const advance = (c, q3) => {
            if (state.charset) return cell;
            const key = q3 ? c : `*${c}`;
            let a = advances.get(key);
            if (a === undefined) {
                context.font = nameFont(q3);
                a = context.measureText(c).width;
                advances.set(key, a);
            }
            return a;
        };
        for (const row of rows) {
            if (row.note) addNote(row.note);
            if (!row.text) continue;
            let x = margin;
            let begin = 0;
            const flush = (end) => {
                items.push({ text: row.text, begin, end, y });
                y += nameHeight;
            };
            for (let i = 0; i < row.text.text.length; ++i) {
                const a = advance(row.text.text[i], row.text.q3Font[i]);
                if (x + a > width - margin && x > margin) {
                    flush(i);
                    begin = i;
                    x = margin;
                }
                x += a;
            }
            flush(row.text.text.length);
        }
        if (!state.charset) addNote(state.status);
        const ratio = window.devicePixelRatio || 1;
        const height = Math.max(box.clientHeight, y + 4 * Scale);
        canvas.width = Math.round(width * ratio);
        canvas.height = Math.round(height * ratio);
        canvas.style.width = `${width}px`;
        canvas.style.height = `${height}px`;
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        context.fillStyle = "rgb(20,20,26)";
        context.fillRect(0, 0, width, height);
        for (const item of items) {
            if (item.note !== undefined) {
                context.font = noteFont;
                context.fillStyle = "rgb(150,150,160)";
                context.textBaseline = "top";
                context.fillText(item.note, margin, item.y);
                continue;
            }
            const { text } = item;
            if (state.charset) {
                const cells = CellsOf(text);
                DrawGlyphs(context, state.charset, margin - item.begin * cell, item.y, cells, text.colors,
                    cell, cell, cell * this.facts.shadowOffset / this.facts.bigChar, 255, item.begin, item.end);
                continue;
            }
            // Runs of one style, each drawn once in black one pixel down and right, then in its
            // colour; the alternative font slanted and underlined with dots.
            let x = margin;
            context.textBaseline = "top";
            for (let i = item.begin; i < item.end;) {
                let end = i + 1;
                while (end < item.end && text.colors[end] === text.colors[i] && text.q3Font[end] === text.q3Font[i]) ++end;
                const q3 = text.q3Font[i];
                const piece = text.text.slice(i, end);
                let w = 0;
                for (const c of piece) w += advance(c, q3);
                context.font = nameFont(q3);
                context.fillStyle = "black";
                context.fillText(piece, x + 1, item.y + 1);
                context.fillStyle = Css(text.colors[i]);
                context.fillText(piece, x, item.y);
                if (!q3) {
                    context.strokeStyle = Css(text.colors[i]);
                    context.setLineDash([1, 1]);
                    context.beginPath();
                    context.moveTo(x, item.y + nameHeight - 3);
                    context.lineTo(x + w, item.y + nameHeight - 3);
                    context.stroke();
                    context.setLineDash([]);
                }
                x += w;
                i = end;
            }
        }
        box.setAttribute("aria-description", rows.map((r) => [r.note, r.text ? r.text.text : ""].filter((s) => s).join("\n")).join("\n"));
    }

    ShowBudget(look) {
        for (const [id, report, player] of [["PlayerLine", look.player, true], ["ServerLine", look.server, false]]) {
            const line = Notes.BudgetLine(report, player);
            const marks = [];
            if (line.dots) marks.push(Element("span", { class: "mark over dots", title: line.dots.title }, line.dots.text));
            for (const mark of line.marks) {
                marks.push(Element("span", { class: mark.over ? "mark over" : "mark", title: mark.title }, mark.text));
            }
            $(id).replaceChildren(Element("span", { class: "counts" }, line.counts), Element("span", { class: "marks" }, ...marks));
        }
        const config = this.configs.get(this.target);
        const fileBudget = $("Budget2");
        fileBudget.replaceChildren();
        if (config) {
            const mark = Notes.FileMark(this.core.fileBudget(this.target, config.bytes, this.rtb.box, this.rtb2.box), config.name);
            if (mark) fileBudget.append(Element("span", { class: mark.over ? "mark over" : "mark", title: mark.title }, mark.text));
        }
    }

    DrawPlaces(look) {
        const state = this.CharsetState();
        $("InGameStatus").textContent = state.charset ? state.status : state.status;
        $("InGameProblems").textContent = state.problems;
        $("InGameProblems").hidden = !state.problems;
        const list = $("Places");
        const width = Math.min(list.clientWidth || 960, 960);
        const scale = width / this.facts.virtualWidth;
        const items = look.places.map((view, i) => {
            let top = Infinity;
            let bottom = -Infinity;
            for (const line of view.lines) {
                top = Math.min(top, line.y);
                bottom = Math.max(bottom, line.y + view.height + (view.shadow ? this.facts.shadowOffset : 0));
            }
            if (view.fill) {
                top = Math.min(top, view.fill.y);
                bottom = Math.max(bottom, view.fill.y + view.fill.height);
            }
            if (top > bottom) {
                top = 0;
                bottom = view.height;
            }
            top -= 4;
            bottom += 4;
            // Each place keeps its element and its canvas: only their contents change.
            const item = this.placeItems[i] ??= Element("li", { class: "place" }, Element("h3"), Element("p"),
                Element("canvas", { class: "strip" }));
            const [title, note, canvas] = item.children;
            const ratio = window.devicePixelRatio || 1;
            const pixels = [Math.round(width * ratio), Math.round((bottom - top) * scale * ratio)];
            if (canvas.width !== pixels[0] || canvas.height !== pixels[1]) {
                [canvas.width, canvas.height] = pixels;
                canvas.style.width = `${width}px`;
                canvas.style.height = `${(bottom - top) * scale}px`;
            }
            const context = canvas.getContext("2d");
            context.setTransform(scale * ratio, 0, 0, scale * ratio, 0, -top * scale * ratio);
            context.fillStyle = "rgb(8,8,12)";
            context.fillRect(0, top, this.facts.virtualWidth, bottom - top);
            if (view.fill) {
                context.fillStyle = Css(view.fill.color, view.fill.alpha / 255);
                context.fillRect(view.fill.x, view.fill.y, view.fill.width, view.fill.height);
            }
            for (const line of view.lines) {
                // Only what lies on the screen: a name can run far past its edge.
                const count = line.cells.length;
                const first = Math.max(0, Math.min(count, Math.trunc((-line.x - this.facts.shadowOffset) / view.width)));
                const last = Math.max(first, Math.min(count, Math.trunc((this.facts.virtualWidth - line.x) / view.width) + 1));
                DrawGlyphs(context, state.charset, line.x, line.y, line.cells, line.colors, view.width, view.height,
                    view.shadow ? this.facts.shadowOffset : 0, view.alpha, first, last);
            }
            item.dataset.place = String(view.place);
            title.textContent = Notes.PlaceTitle(view.place);
            note.textContent = Notes.PlaceNote(this.Rules(), view, look.server, i === 0);
            return item;
        });
        if (list.children.length !== items.length) list.replaceChildren(...items);
    }

    /// The game's charset from the picked archives, searched as the engine searches its data:
    /// later archives first, a .tga anywhere before a .jpg.
    async LoadCharset(files) {
        // The engine sorts the names' bytes, which are UTF-8 on the players' systems.
        const bytesOf = (name) => Latin1String(new TextEncoder().encode(name));
        const byName = new Map(files.map((f) => [bytesOf(f.name), f]));
        const order = this.core.archiveOrder([...byName.keys()]).map((key) => byName.get(key));
        const skipped = [];
        let found = null;
        let best = CharsetNames.length;
        for (const file of order) {
            if (best === 0) break;
            const { name } = file;
            let entries;
            try {
                entries = await ListEntries(file);
            } catch (error) {
                skipped.push(tr("%1 (%2)", name, error instanceof NotAnArchive ? tr("no zip archive, or a damaged one") : tr("cannot be opened")));
                continue;
            }
            for (let n = 0; n < best; ++n) {
                const entry = FindEntry(entries, CharsetNames[n]);
                if (!entry) continue;
                if (entry.size > MaxCharsetBytes) {
                    skipped.push(tr("%1 (%2)", name, tr("its charset is far too large")));
                    break;
                }
                try {
                    found = { name: entry.name, container: name, bytes: await ReadEntry(file, entry) };
                    best = n;
                } catch (error) {
                    skipped.push(tr("%1 (%2)", name, error instanceof DamagedEntry ? tr("its charset is damaged") : tr("cannot be opened")));
                }
                break;
            }
        }
        const state = { charset: null, status: "", problems: skipped.length ? tr("Passed over what could not be read: %1.", skipped.join(", ")) : "" };
        if (!found) {
            state.status = tr("No charset of the game in %1: pick the .pk3 files of the game's baseq3 folder, or of baseoa for OpenArena.", files.map((f) => f.name).join(", ") || "\u2014");
        } else {
            const where = tr("%1 in %2", found.name, found.container);
            const picture = await this.DecodePicture(found);
            if (picture && picture.width >= 16 && picture.height >= 16) {
                state.charset = new Charset(picture);
                state.status = tr("The game's own charset: %1", where);
            } else {
                state.status = tr("The game's charset %1 is no picture Chromlet can read; the desktop's font stands in.", where);
            }
        }
        // The core's copy of the charset a picture was drawn from goes with it.
        this.charsets.get(this.target)?.pictureCharset?.delete();
        this.charsets.set(this.target, state);
        $("CharsetFiles").value = "";
        this.Changed();
    }

    // A TGA as the game's renderer decodes it, in the core; a JPEG by the browser.
    async DecodePicture(found) {
        if (/\.tga$/i.test(found.name)) return this.core.decodeTga(Latin1String(found.bytes));
        try {
            const bitmap = await createImageBitmap(new Blob([found.bytes], { type: "image/jpeg" }));
            const canvas = Element("canvas", { width: bitmap.width, height: bitmap.height });
            const context = canvas.getContext("2d");
            context.drawImage(bitmap, 0, 0);
            return context.getImageData(0, 0, bitmap.width, bitmap.height);
        } catch {
            return null;
        }
    }

    BuildDialog() {
        const dialog = $("Dialog");
        dialog.querySelector("h2").textContent = tr("Control code");
        $("Text1").setAttribute("aria-label", tr("Player name line"));
        $("Text2").setAttribute("aria-label", tr("Server name line"));
        for (const box of [$("Text1"), $("Text2")]) {
            // The boxes take what a configuration line may hold, and nothing else.
            box.addEventListener("input", () => {
                const kept = this.core.configLineChars(box.value);
                if (kept !== box.value) box.value = kept;
                this.ShowLineLength(box);
            });
        }
        const update = $("Dialog_Command1");
        update.textContent = tr("Add Chromlet to q3config.cfg");
        update.title = tr("Click this button to automatically add Chromlet to your config file");
        update.addEventListener("click", () => this.Dialog_Command1_Click());
        $("OKButton").textContent = tr("OK");
        $("OKButton").addEventListener("click", () => dialog.close());
        $("FolderAdvice").textContent = tr("Chromium-based browsers write the file in place, but let no page open files in some folders: on Windows Program Files, the Windows folder, %APPDATA%, %LOCALAPPDATA% and ProgramData; on a Mac ~/Library and the Applications folders; on Linux ~/.config; everywhere ~/.ssh and ~/.gnupg. If your q3config.cfg lies there (ioquake3 and OpenArena keep it in %APPDATA% on Windows and in ~/Library on a Mac, Quake III Arena in its own folder under Program Files), copy it to a folder such as Documents, update the copy here, then copy it and q3config.cfg_ back.");
        $("ConfigFile").addEventListener("change", (e) => this.UpdateFromInput(e.target.files[0]));
    }

    // A line the game would cut turns red, with a tool tip that says why: the update refuses it.
    ShowLineLength(box) {
        const check = this.core.checkLines(box.value, "");
        const tooLong = check.fault === Notes.LineFault.TooLong;
        box.classList.toggle("toolong", tooLong);
        box.title = tooLong ? tr("This line has %L1 bytes, but the game reads at most %L2 bytes of a line and runs the rest as console commands: it cannot be written. Shorten the name, or use fewer colour changes.",
            box.value.length, check.maxLineBytes) : "";
    }

    Command9_Click() {
        const lines = this.core.showCode(this.target, this.rtb.box, this.rtb2.box);
        this.rtb.Adopt();
        this.rtb2.Adopt();
        this.rtb.Render();
        this.rtb2.Render();
        $("Text1").value = lines.name;
        $("Text2").value = lines.server;
        for (const box of [$("Text1"), $("Text2")]) this.ShowLineLength(box);
        this.ShowMessage("", "");
        $("Downloads").replaceChildren();
        $("Dialog").showModal();
        $("OKButton").focus();
    }

    ShowMessage(title, text, kind = "failure") {
        const message = $("UpdateMessage");
        message.hidden = !text;
        message.className = kind;
        message.replaceChildren(Element("strong", {}, title), Element("span", {}, text));
    }

    // The lines as they stand in the boxes, with anything a line cannot hold left for the check.
    Lines() {
        return [$("Text1").value, $("Text2").value];
    }

    async Dialog_Command1_Click() {
        const [nameLine, serverLine] = this.Lines();
        const refusal = Notes.LinesRefusal(this.core.checkLines(nameLine, serverLine));
        if (refusal) {
            this.ShowMessage(tr("Could not write the lines"), refusal);
            return;
        }
        if (typeof window.showOpenFilePicker !== "function") {
            $("ConfigFile").click();
            return;
        }
        let handle;
        try {
            [handle] = await window.showOpenFilePicker({ id: "q3config", multiple: false,
                types: [{ description: "q3config.cfg", accept: { "text/plain": [".cfg"] } }] });
        } catch (error) {
            if (error.name === "AbortError") return;  // cancelled: nothing is written
            this.ShowMessage(tr("Could not update %1", "q3config.cfg"), `${tr("Could not open %1 (%2).", "q3config.cfg", error.message)} ${$("FolderAdvice").textContent}`);
            return;
        }
        await this.UpdateInPlace(handle, nameLine, serverLine);
    }

    // The file's new contents and its side copy, or a message why there are none.
    Rewritten(name, before, nameLine, serverLine) {
        const result = this.core.rewrite(this.target, before, nameLine, serverLine);
        this.configs.set(this.target, { name, bytes: before });
        this.ShowBudget(this.look);
        const refusal = Notes.FileRefusal(result, name);
        if (refusal) {
            this.ShowMessage(tr("Could not update %1", name), refusal);
            return null;
        }
        return result;
    }

    async UpdateInPlace(handle, nameLine, serverLine) {
        const name = handle.name;
        const side = `${name}_`;
        const fail = (text) => this.ShowMessage(tr("Could not update %1", name), text);
        let before;
        try {
            before = Latin1String(new Uint8Array(await (await handle.getFile()).arrayBuffer()));
        } catch (error) {
            fail(tr("Could not read %1 (%2).", name, error.message));
            return;
        }
        const result = this.Rewritten(name, before, nameLine, serverLine);
        if (!result) return;
        // The copy first, beside the file: the browser lets a page write only where the user
        // said so, so it asks for the copy's place, starting in the file's folder.
        let sideHandle;
        try {
            sideHandle = await window.showSaveFilePicker({ suggestedName: side, startIn: handle, id: "q3config" });
        } catch (error) {
            if (error.name === "AbortError") {
                fail(`${tr("No copy of the previous contents was saved, so nothing was written.")} ${tr("%1 is unchanged.", name)}`);
            } else {
                fail(`${tr("Could not create the copy %1 (%2).", side, error.message)} ${$("FolderAdvice").textContent} ${tr("%1 is unchanged.", name)}`);
            }
            return;
        }
        const changed = async () => Latin1String(new Uint8Array(await (await handle.getFile()).arrayBuffer())) !== before;
        const changedMessage = (state) => [tr("Another program changed %1 during the update (%2).", name, tr("its contents changed")),
            tr("This is usually the game, which rewrites the file whenever a setting changes: close it and try again."), state].join(" ");
        try {
            if (await changed()) {
                fail(changedMessage(tr("Nothing was written.")));
                return;
            }
            await this.Write(sideHandle, result.side);
        } catch (error) {
            fail(`${tr("Could not write the copy %1 (%2).", sideHandle.name, error.message)} ${tr("%1 is unchanged.", name)}`);
            return;
        }
        try {
            if (await changed()) {
                fail(changedMessage(tr("%1 is unchanged; %2 now holds a copy of it.", name, sideHandle.name)));
                return;
            }
            await this.Write(handle, result.config);
        } catch (error) {
            fail(`${tr("Could not write the new version of %1 (%2).", name, error.message)} ${tr("%1 is unchanged; %2 now holds a copy of it.", name, sideHandle.name)}`);
            return;
        }
        this.configs.set(this.target, { name, bytes: result.config });
        this.ShowBudget(this.look);
        this.ShowMessage(tr("\u2713 Written to %1", name), tr("Written to %1; the previous contents are in %2.", name, sideHandle.name), "success");
    }

    // The browser writes into a file of its own beside the target and puts it in place when it
    // is closed, so a failure leaves the file as it was.
    async Write(handle, bytes) {
        const writable = await handle.createWritable({ keepExistingData: false });
        try {
            await writable.write(Latin1Bytes(bytes));
        } catch (error) {
            await writable.abort();
            throw error;
        }
        await writable.close();
    }

    // Without the File System Access API: the new file and its copy as downloads.
    async UpdateFromInput(file) {
        $("ConfigFile").value = "";
        if (!file) return;
        const [nameLine, serverLine] = this.Lines();
        let before;
        try {
            before = Latin1String(new Uint8Array(await file.arrayBuffer()));
        } catch (error) {
            this.ShowMessage(tr("Could not update %1", file.name), tr("Could not read %1 (%2).", file.name, error.message));
            return;
        }
        const result = this.Rewritten(file.name, before, nameLine, serverLine);
        if (!result) return;
        const side = `${file.name}_`;
        const link = (name, bytes) => Element("a", { href: URL.createObjectURL(new Blob([Latin1Bytes(bytes)], { type: "application/octet-stream" })), download: name, class: "download" }, tr("Download %1", name));
        $("Downloads").replaceChildren(link(file.name, result.config), link(side, result.side));
        this.ShowMessage(tr("Download %1", file.name), tr("This browser cannot write a file in place. Download the new %1 and the copy of its previous contents, %2, and put both into the folder your q3config.cfg came from.", file.name, side), "success");
    }
}

export async function Start(core, languages = navigator.languages) {
    UseWords(words, languages);
    document.documentElement.lang = Language();
    document.title = product.name;
    const page = new Page(core);
    window.chromlet = page;
    return page;
}

// The module factory comes from a classic script (the emscripten loader) loaded before this one.
if (globalThis.ChromletCore && !globalThis.ChromletNoStart) {
    globalThis.ChromletCore({ locateFile: (file) => new URL(file, import.meta.url).href })
        .then((core) => Start(core))
        .catch((error) => {
            $("LoadFailure").hidden = false;
            $("LoadFailure").textContent += ` (${error.message})`;
        });
}
