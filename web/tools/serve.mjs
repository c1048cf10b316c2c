// Serves a folder on 127.0.0.1 only, for scripts/web --serve, the page's tests and its benchmark.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, resolve, sep } from "node:path";

const Types = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8", ".wasm": "application/wasm", ".png": "image/png",
};

/// Starts serving `folder`; resolves to the server once it listens (port 0: any free port).
export function Serve(folder, port = 0) {
    const root = resolve(folder);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
        const file = normalize(join(root, path.endsWith("/") ? `${path}index.html` : path));
        if (file !== root && !file.startsWith(root + sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            response.writeHead(200, { "Content-Type": Types[extname(file)] ?? "application/octet-stream",
                "Cache-Control": "no-store" });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((done, failed) => {
        server.once("error", failed);
        server.listen(port, "127.0.0.1", () => done(server));
    });
}

if (process.argv[1] && process.argv[1].endsWith("serve.mjs")) {
    const [folder, port] = process.argv.slice(2);
    const server = await Serve(folder, Number(port ?? 8029));
    console.log(`Chromlet's page: http://127.0.0.1:${server.address().port}/`);
}
