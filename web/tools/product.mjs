// Writes product.js, the page's name, version and home page, from project() of CMakeLists.txt,
// where they stand once: node product.mjs CMakeLists.txt OUT.js
import { readFileSync, writeFileSync } from "node:fs";

const [cmake, out] = process.argv.slice(2);
const text = readFileSync(cmake, "utf8");
const project = /project\((\w+)\s+VERSION\s+([\d.]+)[\s\S]*?HOMEPAGE_URL\s+"([^"]+)"/.exec(text);
if (!project) throw new Error(`${cmake}: no project() with VERSION and HOMEPAGE_URL`);
const product = { name: project[1], version: `v${project[2]}`, homePage: project[3] };
writeFileSync(out, `// Generated from CMakeLists.txt by web/tools/product.mjs.\nexport const product = ${JSON.stringify(product)};\n`);
