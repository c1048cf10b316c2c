// The cases the page's tests hold against the desktop's own core (web_cases): names typed and
// styled button by button, for each game, and configuration files rewritten.
import { spawnSync } from "node:child_process";

// Targets: 0 the test release, 1 Quake III Arena 1.32 / Quake3e, 2 ioquake3, 3 OpenArena.
// Steps: [start, length, "color", palette index] or [start, length, "font", q3Font].
export const NameCases = [
    { title: "the start names", target: 0, player: ["Player", []], server: ["noname", []] },
    { title: "red Pl, the alternative font at the end", target: 0,
        player: ["Player", [[0, 2, "color", 1], [4, 2, "font", false]]], server: ["noname", []] },
    { title: "a colour pulls in the space before it", target: 0,
        player: ["ab cdef", [[3, 4, "color", 4]]], server: ["x y", [[2, 1, "color", 2], [1, 0, "color", 3]]] },
    { title: "caret codes, a caret in the name", target: 1,
        player: ["^a%b", [[0, 2, "color", 1], [2, 2, "font", false]]], server: ["Srv", [[0, 3, "color", 6]]] },
    { title: "ioquake3, black and Latin-1", target: 2,
        player: ["Bl\u00e9ck", [[0, 5, "color", 0]]], server: ["caf\u00e9 net", [[5, 3, "color", 5]]] },
    { title: "OpenArena, every colour", target: 3,
        player: ["rainbow!", [[0, 1, "color", 1], [1, 1, "color", 2], [2, 1, "color", 3], [3, 1, "color", 4],
            [4, 1, "color", 5], [5, 1, "color", 6], [6, 1, "color", 7], [7, 1, "color", 0]]],
        server: ["", []] },
    { title: "an empty player name in the test release", target: 0, player: ["", []], server: ["s", [[0, 1, "font", false]]] },
];

const Cr = "\r";
const Lf = "\n";
export const ConfigCases = [
    { title: "a later engine keeps every other line byte for byte", target: 2,
        before: `seta name "Old"${Lf}seta namecolor "3"${Cr}${Lf}bind x "say hi"${Lf}` },
    { title: "the test release normalises line ends", target: 0,
        before: `seta sv_hostname "a"${Cr}${Lf}seta r_mode "4"${Lf}unbindall${Cr}` },
    { title: "an empty file", target: 1, before: "" },
    { title: "a file the game would stop reading at a zero byte", target: 3, before: `seta x "1"\0${Lf}` },
    { title: "a file too large for 1.32's buffer", target: 1, before: `// ${"x".repeat(16400)}${Lf}` },
];

export function Hex(string) {
    return [...string].map((c) => c.charCodeAt(0).toString(16).padStart(2, "0")).join("") || "-";
}

function Steps(steps) {
    return steps.map(([s, l, op, v]) => `${s}:${l}:${op === "color" ? "c" : "f"}:${op === "color" ? v : v ? 1 : 0}`)
        .join(",") || "-";
}

/// What the desktop's core gives for every case: {names: [{name, server}], configs:
/// [{fault, side, config}]}, each byte string in hex.
export function Expected(helper, configLines) {
    if (!helper) throw new Error("CHROMLET_CASES names no web_cases helper: run scripts/web --test");
    const input = [
        ...NameCases.map((c) => `N ${c.target} ${Hex(c.player[0])} ${Steps(c.player[1])} ${Hex(c.server[0])} ${Steps(c.server[1])}`),
        ...ConfigCases.map((c) => `C ${c.target} ${Hex(c.before)} ${Hex(configLines.name)} ${Hex(configLines.server)}`),
    ].join("\n") + "\n";
    const run = spawnSync(helper, { input, encoding: "latin1" });
    if (run.status !== 0) throw new Error(`web_cases failed: ${run.stderr}`);
    const lines = run.stdout.trim().split("\n");
    return {
        names: lines.slice(0, NameCases.length).map((l) => { const [name, server] = l.split(" "); return { name, server }; }),
        configs: lines.slice(NameCases.length).map((l) => { const [fault, side, config] = l.split(" "); return { fault: Number(fault), side, config }; }),
    };
}

// The lines written into every config case.
export const ConfigLines = { name: "seta name \"^1Pl^7ayer^7\"", server: "seta sv_hostname \"\x1b4srv\x1b7\"" };
