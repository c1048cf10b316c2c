// Writes the page's words table from the program's translations: for each translations/*.ts,
// every source text with its translation (the plural forms as a list), keyed by the source, as
// an ES module. Run at build time: node words.mjs OUT.js TS...
import { readFileSync, writeFileSync } from "node:fs";
import { basename } from "node:path";

function Unescape(text) {
    return text
        .replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"")
        .replace(/&apos;/g, "'").replace(/&#x([0-9a-fA-F]+);/g, (_, h) => String.fromCodePoint(parseInt(h, 16)))
        .replace(/&#(\d+);/g, (_, d) => String.fromCodePoint(Number(d))).replace(/&amp;/g, "&");
}

/// {source: translation or [forms]} of one .ts file; a source translated two ways in two
/// contexts is reported, as the page could not tell which one it means.
export function ReadTs(xml) {
    const words = {};
    const clashes = [];
    for (const message of xml.matchAll(/<message( numerus="yes")?>([\s\S]*?)<\/message>/g)) {
        const body = message[2];
        const source = Unescape(/<source>([\s\S]*?)<\/source>/.exec(body)[1]);
        const translation = /<translation[^>]*>([\s\S]*?)<\/translation>/.exec(body);
        if (!translation || /type="(unfinished|vanished|obsolete)"/.test(body)) continue;
        let value = Unescape(translation[1]);
        if (message[1]) {
            value = [...translation[1].matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)]
                .map((form) => Unescape(form[1]));
        }
        if (source in words && JSON.stringify(words[source]) !== JSON.stringify(value)) {
            clashes.push(source);
        }
        words[source] = value;
    }
    return { words, clashes };
}

if (process.argv[1] && process.argv[1].endsWith("words.mjs")) {
    const [out, ...files] = process.argv.slice(2);
    const table = {};
    for (const file of files) {
        const language = /_([a-z]+)(_[A-Z]+)?\.ts$/.exec(basename(file))[1];
        const { words, clashes } = ReadTs(readFileSync(file, "utf8"));
        for (const source of clashes) {
            console.error(`words: ${file}: "${source}" has two translations; the last one is used`);
        }
        table[language] = words;
    }
    writeFileSync(out, "// Generated from translations/*.ts by web/tools/words.mjs.\n" +
        `export default ${JSON.stringify(table)};\n`);
}
