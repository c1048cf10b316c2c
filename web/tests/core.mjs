// The page's core for node's tests: the WebAssembly module the page loads, handed its bytes.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";

export const Site = resolve(process.env.CHROMLET_WEB ?? "build-web");

export async function LoadCore() {
    const require = createRequire(import.meta.url);
    const factory = require(join(Site, "chromlet_core.js"));
    return factory({ wasmBinary: readFileSync(join(Site, "chromlet_core.wasm")) });
}
