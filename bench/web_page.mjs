// The page's figures: its weight (WebAssembly, JavaScript, CSS; raw and gzip), the time from
// navigation to the editors being ready on 127.0.0.1 in headless Chromium, a keystroke's way to
// the preview with 1,000 characters in the name, and rewriting a 20 KB q3config.cfg.
// After scripts/web:  node bench/web_page.mjs [build-web]
import { readdirSync, readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { gzipSync } from "node:zlib";

const site = resolve(process.argv[2] ?? "build-web");
const { Launch } = await import("../web/tests/browser.mjs");
const { Serve } = await import("../web/tools/serve.mjs");

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

let total = 0;
let totalGzip = 0;
console.log("page weight            raw        gzip");
for (const [kind, test] of [["WebAssembly", (f) => f.endsWith(".wasm")], ["JavaScript", (f) => f.endsWith(".js")],
    ["CSS", (f) => f.endsWith(".css")], ["HTML", (f) => f.endsWith(".html")]]) {
    let raw = 0;
    let gzip = 0;
    for (const file of readdirSync(site).filter(test)) {
        const bytes = readFileSync(join(site, file));
        raw += bytes.length;
        gzip += gzipSync(bytes, { level: 9 }).length;
    }
    total += raw;
    totalGzip += gzip;
    console.log(`  ${kind.padEnd(20)} ${kb(raw).padStart(10)} ${kb(gzip).padStart(10)}`);
}
console.log(`  ${"all".padEnd(20)} ${kb(total).padStart(10)} ${kb(totalGzip).padStart(10)}`);

const server = await Serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;
const context = await Launch();
const page = await context.newPage();
const ready = [];
for (let run = 0; run < 11; ++run) {
    await page.goto(`${url}?run=${run}`);
    await page.waitForSelector("body[data-ready=true]");
    ready.push(await page.evaluate(() => window.readyAt));
}
console.log(`navigation to editors ready: median ${median(ready.slice(1)).toFixed(1)} ms of 10 (first, cold: ${ready[0].toFixed(1)} ms)`);

const figures = await page.evaluate(async () => {
    const page = window.chromlet;
    const editor = page.rtb;
    editor.box.select(0, editor.box.length());
    editor.box.insertText("abcdefghij".repeat(100), false);
    editor.box.select(0, 1000);
    editor.box.applyColor(255);
    editor.box.select(500, 0);
    page.Changed();
    const frame = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
    const keys = [];
    const frames = [];
    for (let i = 0; i < 30; ++i) {
        editor.box.select(500, 1);  // typed over, so the name stays at 1,000 characters
        const start = performance.now();
        editor.element.dispatchEvent(new KeyboardEvent("keydown", { key: "x", bubbles: true, cancelable: true }));
        keys.push(performance.now() - start);
        // The In game places follow on the next frame.
        await new Promise((done) => requestAnimationFrame(() => { frames.push(performance.now() - start); done(); }));
        await frame();
    }
    const config = Array.from({ length: 500 }, (_, i) => `seta cvar_${i} "${"v".repeat(30)}"\n`).join("").slice(0, 20480);
    const rewrites = [];
    for (let i = 0; i < 30; ++i) {
        const start = performance.now();
        page.core.rewrite(2, config, "seta name \"^1Pl^7ayer^7\"", "seta sv_hostname \"noname^7\"");
        rewrites.push(performance.now() - start);
    }
    return { length: editor.box.length(), keys, frames, rewrites, configBytes: config.length };
});
console.log(`keystroke to preview, ${figures.length} characters: median ${median(figures.keys).toFixed(2)} ms, most ${Math.max(...figures.keys).toFixed(2)} ms of 30`);
console.log(`keystroke to the next frame, the places drawn too: median ${median(figures.frames).toFixed(2)} ms`);
console.log(`rewriting a ${figures.configBytes}-byte q3config.cfg: median ${median(figures.rewrites).toFixed(2)} ms of 30`);
await context.close();
server.close();
