// The page as a person uses it, in Debian's Chromium without a display: typing, selecting with
// the keys, clicking the style buttons by their stored names, Show code, the game's charset from
// an archive, and q3config.cfg rewritten in memory, every result held against the desktop's core.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import { zipSync } from "fflate";

import { Launch } from "./browser.mjs";
import { ConfigCases, ConfigLines, Expected, Hex, NameCases } from "./cases.mjs";
import { Site } from "./core.mjs";
import { Serve } from "../tools/serve.mjs";
import { StyleButtons } from "../layout.js";

const expected = Expected(process.env.CHROMLET_CASES, ConfigLines);
let server;
let context;
let page;

before(async () => {
    server = await Serve(Site);
    context = await Launch();
    page = await context.newPage();
    page.on("pageerror", (error) => { throw error; });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector("body[data-ready=true]");
});

after(async () => {
    await context?.close();
    server?.close();
});

const HexOf = (bytes) => Buffer.from(bytes, "latin1").toString("hex") || "-";

async function Type(id, text) {
    await page.click(`#${id}`);
    await page.keyboard.press("Control+A");
    await page.keyboard.press("Backspace");
    // Keys for what a US keyboard has, the way an input method sends the rest.
    for (const c of text) {
        if (/^[\x20-\x7e]$/.test(c)) await page.keyboard.press(c === " " ? "Space" : c);
        else await page.keyboard.insertText(c);
    }
}

async function SelectKeys(id, start, length) {
    await page.focus(`#${id}`);
    await page.keyboard.press("Home");
    for (let i = 0; i < start; ++i) await page.keyboard.press("ArrowRight");
    for (let i = 0; i < length; ++i) await page.keyboard.press("Shift+ArrowRight");
}

function ButtonFor(editor, op, value) {
    return StyleButtons.find((b) => b[1] === editor && b[2] === op && b[3] === value)[0];
}

async function StyleName(editor, [text, steps]) {
    await Type(editor, text);
    for (const [start, length, op, value] of steps) {
        await SelectKeys(editor, start, length);
        await page.click(`#${ButtonFor(editor, op, value)}`);
    }
}

test("every control has its stored name as its id", async () => {
    for (const id of ["rtb", "rtb2", "Command9", "Text1", "Text2", "Preview1", "Budget1", "ShareButton",
        "SharePicture", "ShareSubject", "ShareScale", "ShareTransparent", "ShareAsWritten", "ShareFootnote",
        "ShareDownload", "ShareCopyPicture", "ShareFormat", "ShareCopyText", "ShareWhich"]) {
        assert.equal(await page.locator(`#${id}`).count(), 1, id);
    }
    for (const [id] of StyleButtons) assert.equal(await page.locator(`#${id}`).count(), 1, id);
    assert.equal(await page.textContent("#Command2"), "Red");
});

test("Show code gives the desktop core's lines, byte for byte, for every case", async () => {
    for (const [i, c] of NameCases.entries()) {
        await page.selectOption("#GameChoice", String(c.target));
        await StyleName("rtb", c.player);
        await StyleName("rtb2", c.server);
        await page.click("#Command9");
        assert.equal(HexOf(await page.inputValue("#Text1")), expected.names[i].name, c.title);
        assert.equal(HexOf(await page.inputValue("#Text2")), expected.names[i].server, c.title);
        await page.click("#OKButton");
    }
});

test("a colour button pulls in the space before the selection, and only that", async () => {
    await page.selectOption("#GameChoice", "0");
    await Type("rtb", "ab  cd");
    await SelectKeys("rtb", 4, 2);
    await page.click("#Command2");
    assert.equal(await page.getAttribute("#rtb", "data-selection"), "3,3");
    await page.click("#Command2");
    assert.equal(await page.getAttribute("#rtb", "data-selection"), "2,4");
    await page.click("#Command19");
    assert.equal(await page.getAttribute("#rtb", "data-selection"), "2,4");
});

test("copy and paste between the editors keep colours and fonts", async () => {
    await page.selectOption("#GameChoice", "1");
    await StyleName("rtb", ["Red", [[0, 3, "color", 1], [1, 1, "font", false]]]);
    await SelectKeys("rtb", 0, 3);
    await page.keyboard.press("Control+C");
    await Type("rtb2", "x");
    await page.keyboard.press("End");
    await page.keyboard.press("Control+V");
    await page.click("#Command9");
    assert.equal(await page.inputValue("#Text2"), "seta sv_hostname \"^7x^1R\xe5d^7\"");
    await page.click("#OKButton");
});

test("what a name cannot hold is left out, with the desktop's note", async () => {
    await Type("rtb", "a");
    await page.keyboard.press("Enter");
    assert.equal(await page.textContent("#rtbNote"), "A name is one line: the line break was left out.");
    await page.keyboard.press("Shift+Quote");
    assert.match(await page.textContent("#rtbNote"), /^A name cannot hold a double quote/);
});

test("the charset comes from the picked archives, a damaged one passed over", async () => {
    // A picture of 16 x 16 cells of 8 x 8 pixels: each cell's first row white, the rest clear.
    const side = 128;
    const tga = new Uint8Array(18 + side * side * 4);
    tga.set([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, side, 0, side, 0, 32, 0x28]);
    for (let y = 0; y < side; y += 8) tga.fill(255, 18 + y * side * 4, 18 + (y + 1) * side * 4);
    const good = Buffer.from(zipSync({ "gfx/2d/bigchars.tga": tga }));
    const damaged = Buffer.from(zipSync({ "gfx/2d/BIGCHARS.TGA": tga }));
    damaged.fill(0xff, 40, 140);
    await page.setInputFiles("#CharsetFiles", [
        { name: "pak0.pk3", mimeType: "application/zip", buffer: good },
        { name: "\u20ac-other.txt", mimeType: "text/plain", buffer: Buffer.from("not an archive") },
        { name: "zz_damaged.pk3", mimeType: "application/zip", buffer: damaged },
        // Searched first: later archives win, so one after pak0.pk3 is never reached.
        { name: "zzz_notes.pk3", mimeType: "application/zip", buffer: Buffer.from("no zip") },
    ]);
    await page.waitForFunction(() => document.getElementById("InGameStatus").textContent.startsWith("The game's own"));
    assert.equal(await page.textContent("#InGameStatus"), "The game's own charset: gfx/2d/bigchars.tga in pak0.pk3");
    assert.equal(await page.textContent("#InGameProblems"),
        // The engine compares names in capitals: "_" sorts after "Z", so zz_damaged.pk3 comes last.
        "Passed over what could not be read: zz_damaged.pk3 (its charset is damaged), zzz_notes.pk3 (no zip archive, or a damaged one).");
    // The preview now draws from the picture: its first glyph's top row is the name's colour.
    const lit = await page.evaluate(() => {
        const canvas = document.getElementById("PreviewCanvas");
        const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        let bright = 0;
        for (let i = 0; i < data.length; i += 4) if (data[i] > 200 && data[i + 1] > 200) ++bright;
        return bright;
    });
    assert.ok(lit > 0);
});

// Handles as the File System Access API gives them, over bytes in the page's memory.
async function FakeFiles(name, before) {
    await page.evaluate(([fileName, bytes]) => {
        const store = window.fakeFiles = { [fileName]: bytes, writes: [] };
        const handle = (n) => ({
            name: n, kind: "file",
            getFile: async () => new File([Uint8Array.from(store[n], (c) => c.charCodeAt(0))], n),
            createWritable: async () => {
                const parts = [];
                return {
                    write: async (data) => parts.push(...data),
                    abort: async () => {},
                    close: async () => { store[n] = String.fromCharCode(...parts); store.writes.push(n); },
                };
            },
        });
        window.showOpenFilePicker = async () => [handle(fileName)];
        window.showSaveFilePicker = async ({ suggestedName }) => handle(suggestedName);
    }, [name, before]);
}

async function UpdateWith(target, before) {
    await page.selectOption("#GameChoice", String(target));
    await page.click("#Command9");
    await page.fill("#Text1", ConfigLines.name);
    await page.fill("#Text2", ConfigLines.server);
    await FakeFiles("q3config.cfg", before);
    await page.click("#Dialog_Command1");
    await page.waitForFunction(() => !document.getElementById("UpdateMessage").hidden);
    const result = await page.evaluate(() => ({ store: window.fakeFiles, message: document.getElementById("UpdateMessage").textContent }));
    await page.click("#OKButton");
    return result;
}

test("q3config.cfg and its copy are written as the desktop's updater writes them", async () => {
    for (const [i, c] of ConfigCases.entries()) {
        const { store, message } = await UpdateWith(c.target, c.before);
        if (expected.configs[i].fault !== 0) {
            assert.deepEqual(store.writes, [], c.title);
            assert.match(message, /^Could not update q3config\.cfg/, c.title);
            continue;
        }
        assert.deepEqual(store.writes, ["q3config.cfg_", "q3config.cfg"], c.title);
        assert.equal(Hex(store["q3config.cfg_"]), expected.configs[i].side, c.title);
        assert.equal(Hex(store["q3config.cfg"]), expected.configs[i].config, c.title);
        assert.equal(message, "\u2713 Written to q3config.cfgWritten to q3config.cfg; the previous contents are in q3config.cfg_.");
    }
});

test("a line the game would cut is refused before any file is asked for", async () => {
    await page.click("#Command9");
    await page.fill("#Text1", `seta name "${"x".repeat(1100)}"`);
    assert.equal(await page.evaluate(() => document.getElementById("Text1").classList.contains("toolong")), true);
    await FakeFiles("q3config.cfg", "");
    await page.click("#Dialog_Command1");
    assert.match(await page.textContent("#UpdateMessage"), /The name line has 1,112 bytes, but the game reads at most 1,023 bytes/);
    assert.deepEqual(await page.evaluate(() => window.fakeFiles.writes), []);
    await page.click("#OKButton");
});

test("without the File System Access API the new file and its copy are downloads", async () => {
    const c = ConfigCases[0];
    await page.selectOption("#GameChoice", String(c.target));
    await page.click("#Command9");
    await page.fill("#Text1", ConfigLines.name);
    await page.fill("#Text2", ConfigLines.server);
    await page.evaluate(() => { delete window.showOpenFilePicker; });
    const chooser = page.waitForEvent("filechooser");
    await page.click("#Dialog_Command1");
    await (await chooser).setFiles({ name: "q3config.cfg", mimeType: "text/plain", buffer: Buffer.from(c.before, "latin1") });
    await page.waitForSelector("#Downloads a");
    const files = await page.evaluate(async () => Promise.all([...document.querySelectorAll("#Downloads a")].map(async (a) =>
        [a.download, String.fromCharCode(...new Uint8Array(await (await fetch(a.href)).arrayBuffer()))])));
    assert.deepEqual(files.map(([name, bytes]) => [name, Hex(bytes)]),
        [["q3config.cfg", expected.configs[0].config], ["q3config.cfg_", expected.configs[0].side]]);
    await page.click("#OKButton");
});

// The width and height a PNG file's header gives.
const PngSize = (png) => [png.readUInt32BE(16), png.readUInt32BE(20)];

test("Share downloads the core's picture as a PNG of its size", async () => {
    // ioquake3 without a charset picked: the desktop's font, and the footnote that says so.
    await page.selectOption("#GameChoice", "2");
    await Type("rtb", "Sarge");
    await page.click("#ShareButton");
    assert.equal(await page.isVisible("#ShareFootnote"), true);
    // Five big characters and their shadow, 4 units of ground around, at 2x; the footnote, only
    // where asked for, adds a line 60 small characters wide.
    assert.equal(await page.textContent("#ShareSize"), "180 \u00d7 52 pixels");
    await page.check("#ShareFootnote");
    assert.equal(await page.textContent("#ShareSize"), `${(60 * 8 + 8) * 2} \u00d7 ${(26 + 16 + 4) * 2} pixels`);
    await page.uncheck("#ShareFootnote");
    const download = page.waitForEvent("download");
    await page.click("#ShareDownload");
    const file = await download;
    assert.equal(file.suggestedFilename(), "chromlet-name.png");
    assert.deepEqual(PngSize(await readFile(await file.path())), [180, 52]);
    await page.selectOption("#ShareSubject", "3:4");
    await page.selectOption("#ShareScale", "1");
    assert.deepEqual(await page.evaluate(() => [document.getElementById("SharePicture").width,
        document.getElementById("SharePicture").height > 0]), [640, true]);
    const place = page.waitForEvent("download");
    await page.click("#ShareDownload");
    assert.equal((await place).suggestedFilename(), "chromlet-frag-message.png");
    await page.click("#ShareClose");
});

test("Share copies a name as text, or shows it to copy where the clipboard is refused", async () => {
    await context.grantPermissions(["clipboard-read", "clipboard-write"]);
    await page.selectOption("#GameChoice", "2");
    await Type("rtb2", "Srv");
    await page.click("#ShareButton");
    // The server name's editor had the focus last.
    assert.equal(await page.inputValue("#ShareWhich"), "1");
    await page.selectOption("#ShareFormat", "bbcode");
    await page.click("#ShareCopyText");
    await page.waitForSelector("#ShareTextNote:not([hidden])");
    assert.equal(await page.textContent("#ShareTextNote"), "Copied as BBCode.");
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), "[color=#ffffff]Srv[/color]");
    await page.evaluate(() => {
        const refuse = () => Promise.reject(new DOMException("refused", "NotAllowedError"));
        Object.assign(navigator.clipboard, { write: refuse, writeText: refuse });
    });
    await page.selectOption("#ShareFormat", "html");
    await page.click("#ShareCopyText");
    await page.waitForSelector("#ShareTextBox:not([hidden])");
    assert.match(await page.textContent("#ShareTextNote"), /^The browser does not let the page write the clipboard: the text is below, selected/);
    const box = await page.evaluate(() => {
        const e = document.getElementById("ShareTextBox");
        return [document.activeElement === e, e.selectionStart, e.selectionEnd, e.value.length, e.value];
    });
    assert.deepEqual(box.slice(0, 3), [true, 0, box[3]]);
    assert.match(box[4], /^<span style="background-color:#14141a;[^"]*"><span style="color:#ffffff">Srv<\/span><\/span>$/);
    await page.click("#ShareClose");
    await Type("rtb2", "");
    await page.click("#ShareButton");
    await page.check("#ShareAsWritten");
    await page.click("#ShareCopyText");
    assert.equal(await page.textContent("#ShareTextNote"), "The name is empty: nothing was copied.");
    await page.click("#ShareClose");
});
