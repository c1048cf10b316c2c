// The page's module and the core in WebAssembly under node's test runner: the same bytes as the
// desktop's core for every case, the desktop's words for what the core reports, the desktop's
// layout, and the charset read out of an archive.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync, readdirSync, statSync } from "node:fs";
import { join } from "node:path";
import { zipSync } from "fflate";

import { LoadCore, Site } from "./core.mjs";
import { ConfigCases, ConfigLines, Expected, Hex, NameCases } from "./cases.mjs";
import { ReadTs } from "../tools/words.mjs";

// The modules as the page serves them, fflate beside them.
const Page = async (name) => import(join(Site, name));
const { Layout } = await Page("layout.js");
const Notes = await Page("notes.js");
const { tr, trn, UseWords } = await Page("texts.js");
const { DamagedEntry, FindEntry, ListEntries, NotAnArchive, ReadEntry } = await Page("zip.js");

const Root = join(import.meta.dirname, "..", "..");
const core = await LoadCore();
const facts = core.facts();
const expected = Expected(process.env.CHROMLET_CASES, ConfigLines);
const words = (await import(join(Site, "words.js"))).default;

function Styled(core, [text, steps], server) {
    const box = new core.NameBox("", server);
    box.insertText(text, false);
    for (const [start, length, op, value] of steps) {
        box.select(start, length);
        if (op === "color") box.applyColor(facts.palette[value].packed);
        else box.setFontFlag(value);
    }
    return box;
}

test("Show code gives the desktop core's bytes for every case", () => {
    NameCases.forEach((c, i) => {
        const player = Styled(core, c.player, false);
        const server = Styled(core, c.server, true);
        const lines = core.showCode(c.target, player, server);
        assert.equal(Hex(lines.name), expected.names[i].name, c.title);
        assert.equal(Hex(lines.server), expected.names[i].server, c.title);
    });
});

test("the worked example's bytes stand as the desktop's tests hold them", () => {
    const i = NameCases.findIndex((c) => c.title.startsWith("red Pl"));
    assert.equal(expected.names[i].name, "73657461206e616d6520221b31506c1b376179e5f21b3722");
});

test("a rewritten config is the desktop updater's, byte for byte, with its refusal", () => {
    ConfigCases.forEach((c, i) => {
        const result = core.rewrite(c.target, c.before, ConfigLines.name, ConfigLines.server);
        assert.equal(result.fault, expected.configs[i].fault, c.title);
        assert.equal(Hex(result.side), expected.configs[i].side, c.title);
        assert.equal(Hex(result.config), expected.configs[i].config, c.title);
    });
    assert.ok(expected.configs.some((c) => c.fault !== 0), "the table holds refused files");
});

test("the editors keep out what a name cannot hold, and say so in the desktop's words", () => {
    UseWords(words, ["en"]);
    const box = new core.NameBox("ab", false);
    box.select(2, 0);
    const leftOut = box.insertText("c\"d\u20ac\x07\ne", false);
    assert.equal(box.text(), "abcde");
    assert.deepEqual(leftOut.notLatin1, [0x20ac]);
    assert.equal(leftOut.controls, "\x07");
    const note = Notes.LeftOutNote(leftOut, false, facts);
    assert.match(note, /^€ is not a character the game can show; it was left out\.$/m);
    assert.match(note, /^BEL is a control character, which a name cannot hold/m);
    assert.match(note, /double quote/);
    assert.match(note, /the line break was left out\.$/m);
    UseWords(words, ["de-DE"]);
    assert.match(Notes.LeftOutNote(leftOut, false, facts), /^€ ist kein Zeichen/m);
});

test("typing stops where the configuration line would pass what the game reads", () => {
    UseWords(words, ["en"]);
    const box = new core.NameBox("", false);
    box.setLine(0, null);
    const leftOut = box.insertText("x".repeat(2000), false);
    assert.equal(box.length(), facts.maxConfigLineBytes - "seta name \"".length - "\x1b7\x1b7\"".length);
    assert.ok(leftOut.lineFull);
    assert.match(Notes.LeftOutNote(leftOut, false, facts), /at most 1,023 bytes/);
});

test("a one-click style gives colours back to stay within what the game keeps", () => {
    UseWords(words, ["en"]);
    const box = new core.NameBox("abcdefghijklmnopqrstuvwxyz", false);
    box.setLine(1, null);
    const result = box.quickStyle(0, 1);
    assert.ok(result.fits);
    assert.ok(result.colorsGivenBack > 0);
    assert.ok(core.look(1, box, new core.NameBox("s", true)).player.bytes <= result.boundBytes);
    assert.match(Notes.StyleNote(result), /^In full this style takes \d+ bytes, more than the 35 bytes the game keeps of a name/);
});

test("Copy as console command and Paste coded name go through the core", () => {
    const box = new core.NameBox("Player", false);
    box.select(0, 2);
    box.applyColor(facts.palette[1].packed);
    box.setLine(0, null);
    assert.equal(box.consoleCommand().refused, "testRelease");
    box.setLine(1, null);
    assert.equal(box.consoleCommand().command, "/name \"^1Pl^7ayer^7\"");
    const long = new core.NameBox("x".repeat(300), false);
    long.setLine(1, null);
    assert.equal(long.consoleCommand().refused, "tooLong");
    const target = new core.NameBox("", false);
    target.setLine(1, null);
    const pasted = target.pasteCoded("/name \"^2Gr^3een\"\nsecond line");
    assert.ok(pasted.pasted && pasted.otherLines);
    assert.equal(target.text(), "Green");
    assert.equal(target.styled().colors[0], facts.palette[2].packed);
    assert.equal(new core.NameBox("", false).pasteCoded("").pasted, false);
});

test("the preview and the counts say what the desktop window says", () => {
    UseWords(words, ["en"]);
    const player = new core.NameBox("   Black", false);
    player.select(3, 2);
    player.applyColor(facts.palette[0].packed);
    const server = new core.NameBox("caf\u00e9", true);
    const look = core.look(1, player, server);
    const rows = Notes.PreviewRows(look, facts.targets[1], facts);
    assert.equal(rows[1].note, "The game keeps (black removed):");
    assert.match(rows.map((r) => r.note).join("\n"), /Other players' games receive/);
    const refused = core.look(1, player, new core.NameBox("a;b", true));
    assert.ok(Notes.PreviewRows(refused, facts.targets[1], facts)
        .some((r) => r.note === Notes.RefusedServerNameNote() && r.text === null));
    const line = Notes.BudgetLine(look.server, false);
    assert.equal(line.counts, `Server: ${look.server.bytes} bytes, ${look.server.visible} visible`);
    assert.equal(line.dots.text, "1\u00d7.");
    assert.equal(look.places.length, 8);
    assert.match(Notes.PlaceNote(facts.targets[2], look.places[6], look.server, false), /server.s own copy/);
    assert.match(Notes.PlaceNote(facts.targets[0], core.look(0, player, server).places[0], look.server, true),
        /^The test release's own code is not public/);
});

test("the update's refusals are the desktop's sentences", () => {
    UseWords(words, ["en"]);
    const long = `seta name "${"x".repeat(1020)}"`;
    assert.equal(Notes.LinesRefusal(core.checkLines(long, "seta sv_hostname \"s\"")),
        "The name line has 1,032 bytes, but the game reads at most 1,023 bytes of a line and runs the rest of it as console commands. Nothing was written. Shorten the name, or use fewer colour changes: each one takes two bytes.");
    assert.match(Notes.LinesRefusal(core.checkLines("seta name \"a\"", "seta sv\nx")), /^The server-name line holds a line break\. A configuration line must be a single line/);
    assert.equal(Notes.LinesRefusal(core.checkLines("seta name \"a\"", "seta sv_hostname \"b\"")), "");
    const zero = core.rewrite(3, "a\0b\n", ConfigLines.name, ConfigLines.server);
    assert.equal(Notes.FileRefusal(zero, "q3config.cfg"),
        "Could not update q3config.cfg: it holds a zero byte at byte 2, where the game stops reading it, so the game would never read the new names. Remove the zero byte (the game never writes one), then try again. q3config.cfg is unchanged.");
    UseWords(words, ["de"]);
    assert.match(Notes.FileRefusal(core.rewrite(1, "x".repeat(17000), "a", "b"), "q3config.cfg"), /17\.0\d\d/);
    assert.equal(core.configLineChars("a\r\n\x1b\x07\u20acb"), "a\x1bb");
});

test("every text the page says is one of the program's, with a German translation", () => {
    const { words: german } = ReadTs(readFileSync(join(Root, "translations", "chromlet_de.ts"), "utf8"));
    const sources = join(Root, "web");
    const missing = [];
    for (const file of readdirSync(sources).filter((f) => f.endsWith(".js"))) {
        const text = readFileSync(join(sources, file), "utf8");
        for (const call of text.matchAll(/\btrn?\(\s*((?:"(?:[^"\\]|\\.)*"\s*(?:\+\s*)?)+)/g)) {
            const source = JSON.parse(`[${call[1].replace(/"\s*\+\s*"/g, "").trim()}]`)[0];
            if (!(source in german)) missing.push(`${file}: ${source}`);
        }
    }
    assert.deepEqual(missing, []);
    UseWords(words, ["de"]);
    assert.equal(trn("%n character(s) lie past the edge of the screen.", 2), "2 Zeichen liegen hinter dem Bildschirmrand.");
    assert.equal(tr("&Black"), "&Schwarz");
});

test("the page's layout is the desktop window's table", () => {
    const find = (dir) => readdirSync(dir).flatMap((name) => {
        const path = join(dir, name);
        return statSync(path).isDirectory() ? find(path) : name.endsWith(".cpp") ? [path] : [];
    });
    const source = find(join(Root, "ui")).map((f) => readFileSync(f, "utf8"))
        .find((text) => /ControlSpec Layout\[\][\s\S]*"Command9"/.test(text));
    assert.ok(source, "the desktop window's layout table");
    const table = source.slice(source.indexOf("ControlSpec Layout[]"));
    const rows = [...table.slice(0, table.indexOf("};")).matchAll(/\{"(\w+)",\s*K::(\w+),[\s\S]*?(-?\d+),\s*(-?\d+),\s*(-?\d+),\s*(-?\d+)\}/g)]
        .map((m) => [m[1], m[2], ...m.slice(3).map(Number)]);
    assert.deepEqual(Layout.map(([name, kind, , ...box]) => [name, kind, ...box]), rows);
});

test("the charset is read out of an archive as the engine finds it", async () => {
    const tga = new Uint8Array(18 + 16 * 16 * 4);
    tga.set([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 16, 0, 32, 0x28]);
    tga.fill(200, 18);
    const archive = new Blob([zipSync({ "GFX/2D/BigChars.TGA": tga, "other.txt": new Uint8Array(3) })]);
    const entries = await ListEntries(archive);
    const entry = FindEntry(entries, "gfx/2d/bigchars.tga");
    assert.ok(entry);
    const picture = core.decodeTga(String.fromCharCode(...await ReadEntry(archive, entry)));
    assert.equal(picture.width, 16);
    assert.equal(picture.rgba[0], 200);
    await assert.rejects(ListEntries(new Blob(["no zip at all"])), NotAnArchive);
    const broken = new Uint8Array(await archive.arrayBuffer());
    broken.fill(0, 40, 60);
    await assert.rejects(ReadEntry(new Blob([broken]), entry), DamagedEntry);
    assert.equal(core.decodeTga("not a picture"), null);
    assert.deepEqual(core.archiveOrder(["pak0.pk3", "zpak.txt", "PAK1.PK3", "pak10.pk3"]), ["pak10.pk3", "PAK1.PK3", "pak0.pk3"]);
});

test("a name is shared as text from the core, as the game keeps it or as written", () => {
    // ioquake3 takes black out of the name it keeps, and é arrives as a dot.
    const player = new core.NameBox("Black", false);
    player.select(0, 2);
    player.applyColor(facts.palette[0].packed);
    player.select(2, 3);
    player.applyColor(facts.palette[1].packed);
    const server = new core.NameBox("caf\u00e9", true);
    const ticks = new core.NameBox("x``", false);
    const cases = [
        [player, 0, "bbcode", false, "[color=#ffffff]Bl[/color][color=#ff0000]ack[/color]"],
        [player, 0, "bbcode", true, "[color=#000000]Bl[/color][color=#ff0000]ack[/color]"],
        [player, 0, "discord", false, "```ansi\n\x1b[0;37mBl\x1b[0;31mack\x1b[0m\n```"],
        [player, 0, "discord", true, "```ansi\n\x1b[0;30mBl\x1b[0;31mack\x1b[0m\n```"],
        [player, 1, "bbcode", false, "[color=#ffffff]caf.[/color]"],
        // UTF-8 crosses as its bytes: the zero-width space that keeps Discord's block whole.
        [ticks, 0, "discord", true, "```ansi\n\x1b[0;37mx`\xe2\x80\x8b`\x1b[0m\n```"],
    ];
    for (const [name, which, key, asWritten, text] of cases) {
        assert.equal(Hex(core.shareText(2, name, server, which, key, asWritten)), Hex(text), `${key} ${asWritten}`);
    }
    assert.deepEqual(facts.shareFormats, ["html", "bbcode", "ansi", "discord"]);
    const empty = new core.NameBox("", false);
    assert.equal(core.shareText(2, empty, server, 0, "html", true), "");
    assert.match(core.shareText(2, empty, server, 0, "html", false), /UnnamedPlayer/);
    assert.equal(core.shareText(2, player, server, 0, "HTML", false), null);
});

test("a picture is drawn by the core from the charset it is given", () => {
    // 16 x 16 cells of 4 x 4 pixels, each clear but for a 2 x 2 block at 1, 1 coloured after
    // the cell: red its byte, green 255 minus it.
    const side = 64;
    const rgba = new Uint8ClampedArray(side * side * 4);
    for (let y = 0; y < side; ++y) {
        for (let x = 0; x < side; ++x) {
            if (x % 4 < 1 || x % 4 > 2 || y % 4 < 1 || y % 4 > 2) continue;
            const cell = (y >> 2) * 16 + (x >> 2);
            rgba.set([cell, 255 - cell, 0x80, 255], (y * side + x) * 4);
        }
    }
    const charset = new core.PictureCharset(side, side, rgba);
    const player = new core.NameBox("A", false);
    const server = new core.NameBox("B", true);
    const draw = (options, name = player, chars = charset) => core.sharePicture(2, name, server, {
        subject: 0, place: 0, asWritten: false, scale: 1, transparent: false, footnote: "", ...options }, chars);
    const at = (picture, x, y) => [...picture.rgba.slice((y * picture.width + x) * 4, (y * picture.width + x + 1) * 4)];
    // A big 'A' with its shadow, 4 units of ground around: the block's 8 x 8 pixels from 8, 8,
    // the shadow's 2 further right and down.
    let picture = draw({});
    assert.deepEqual([picture.width, picture.height, picture.empty], [26, 26, false]);
    const ground = [20, 20, 26, 255];
    for (const [x, y, expected] of [[8, 8, [65, 190, 0x80, 255]], [15, 15, [65, 190, 0x80, 255]],
        [16, 16, [0, 0, 0, 255]], [17, 9, ground], [7, 8, ground], [0, 0, ground]]) {
        assert.deepEqual(at(picture, x, y), expected, `${x},${y}`);
    }
    picture = draw({ transparent: true });
    assert.deepEqual(at(picture, 0, 0), [0, 0, 0, 0]);
    assert.deepEqual(at(picture, 8, 8), [65, 190, 0x80, 255]);
    picture = draw({ scale: 2 });
    assert.deepEqual([picture.width, picture.height], [52, 52]);
    assert.deepEqual(at(picture, 16, 16), [65, 190, 0x80, 255]);
    assert.deepEqual(at(draw({ subject: 1 }), 8, 8), [66, 189, 0x80, 255]);
    assert.equal(draw({ subject: 2 }).height, 16 + 4 + 16 + 2 + 8);
    assert.equal(draw({ subject: 3, place: 7 }).width, facts.virtualWidth);
    // A footnote takes small characters under the picture, at least 60 of them a line.
    picture = draw({ footnote: "x" });
    assert.deepEqual([picture.width, picture.height], [60 * 8 + 8, 26 + 16 + 4]);
    const empty = new core.NameBox("", false);
    assert.equal(draw({ asWritten: true }, empty).empty, true);
    assert.equal(draw({}, empty).empty, false);  // the game keeps UnnamedPlayer
    const tiny = new core.PictureCharset(8, 8, new Uint8ClampedArray(8 * 8 * 4));
    assert.equal(draw({}, player, tiny).width, 0);
    for (const c of [charset, tiny]) c.delete();
});
