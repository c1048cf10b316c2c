// Starts Debian's Chromium headless for the page's tests and benchmark: never a downloaded
// browser, no network of its own, a fresh profile each time (playwright hands it over as --user-data-dir).
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { chromium } = require("playwright-core");

export const ChromiumPath = process.env.CHROMIUM ?? "/usr/bin/chromium";

/// A headless Chromium; close it with its own close(), which also removes its profile.
export async function Launch() {
    const profile = mkdtempSync(join(tmpdir(), "chromlet-web-"));
    const args = ["--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync"];
    if (process.getuid && process.getuid() === 0) args.push("--no-sandbox");
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: ChromiumPath, headless: true, args, viewport: { width: 1280, height: 1000 },
    });
    const close = context.close.bind(context);
    context.close = async () => {
        await close();
        rmSync(profile, { recursive: true, force: true });
    };
    return context;
}
