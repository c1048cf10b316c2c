// Takes pictures of the page in headless Chromium, into build-web/screenshots/: OpenArena with a
// coloured name and the game's charset (from the .pk3 files named after the folder), the Show
// code dialog, the Share dialog with both names and with the scoreboard, and the test release in
// German without a charset, its Share dialog too. Checks nothing.
//   node web/tools/screenshot.mjs [build-web] [pak0.pk3 ...]
import { mkdirSync, readFileSync } from "node:fs";
import { basename, join, resolve } from "node:path";

const [site = "build-web", ...paks] = process.argv.slice(2);
const { Launch } = await import("../tests/browser.mjs");
const { Serve } = await import("./serve.mjs");
const out = join(resolve(site), "screenshots");
mkdirSync(out, { recursive: true });
const server = await Serve(resolve(site));
const context = await Launch();

async function Open(language) {
    const page = await context.newPage();
    await page.addInitScript((l) => Object.defineProperty(navigator, "languages", { get: () => [l] }), language);
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector("body[data-ready=true]");
    return page;
}

async function Style(page, id, text, steps) {
    await page.click(`#${id}`);
    await page.keyboard.press("Control+A");
    await page.keyboard.type(text);
    for (const [start, length, button] of steps) {
        await page.keyboard.press("Home");
        for (let i = 0; i < start; ++i) await page.keyboard.press("ArrowRight");
        for (let i = 0; i < length; ++i) await page.keyboard.press("Shift+ArrowRight");
        await page.click(`#${button}`);
        await page.click(`#${id}`);
    }
}

const page = await Open("en");
await page.selectOption("#GameChoice", "3");
await Style(page, "rtb", "Sarge Lives", [[0, 5, "Command2"], [6, 5, "Command5"]]);
await Style(page, "rtb2", "Frag Fest 24/7", [[0, 4, "Command14"], [5, 4, "Command12"]]);
if (paks.length) {
    await page.setInputFiles("#CharsetFiles", paks.map((p) => ({ name: basename(p), mimeType: "application/zip", buffer: readFileSync(p) })));
    await page.waitForFunction(() => !document.getElementById("InGameStatus").textContent.startsWith("No charset picked"));
}
await page.screenshot({ path: join(out, "page-openarena.png"), fullPage: true });
await page.locator("#Form1").screenshot({ path: join(out, "window-openarena.png") });
await page.click("#Command9");
await page.locator("#Dialog").screenshot({ path: join(out, "show-code.png") });
await page.click("#OKButton");
await page.click("#ShareButton");
await page.selectOption("#ShareSubject", "2");
await page.locator("#ShareDialog").screenshot({ path: join(out, "share-names.png") });
await page.selectOption("#ShareSubject", "3:0");
await page.check("#ShareTransparent");
await page.locator("#ShareDialog").screenshot({ path: join(out, "share-scoreboard.png") });
await page.click("#ShareClose");

const german = await Open("de");
await Style(german, "rtb", "Spieler", [[0, 3, "Command2"], [3, 4, "Command21"]]);
await german.screenshot({ path: join(out, "page-q3test-de.png"), fullPage: true });
await german.click("#ShareButton");
await german.check("#ShareFootnote");
await german.locator("#ShareDialog").screenshot({ path: join(out, "share-de.png") });
await context.close();
server.close();
console.log(`screenshots in ${out}`);
