// Reads single files out of the player's .pk3 archives (zip files) in the browser. Only the
// archive's directory at its end and the one entry asked for are read, so a pak0.pk3 of half a
// gigabyte costs a few hundred kilobytes; fflate inflates the entry.
import { inflateSync } from "./fflate.js";

const EndRecord = 0x06054b50;
const DirectoryEntry = 0x02014b50;
const LocalHeader = 0x04034b50;
// The end record and the longest comment a zip file may carry after it.
const EndSearch = 22 + 0xffff;

export class NotAnArchive extends Error {}
export class DamagedEntry extends Error {}

async function Bytes(blob, start, end) {
    return new Uint8Array(await blob.slice(start, end).arrayBuffer());
}

/// The archive's entries, {name, method, compressed, size, offset} each; throws NotAnArchive for
/// anything that is no zip file.
export async function ListEntries(blob) {
    const tailStart = Math.max(0, blob.size - EndSearch);
    const tail = await Bytes(blob, tailStart, blob.size);
    const view = new DataView(tail.buffer);
    let end = -1;
    for (let i = tail.length - 22; i >= 0; --i) {
        if (view.getUint32(i, true) === EndRecord) {
            end = i;
            break;
        }
    }
    if (end < 0) throw new NotAnArchive();
    const count = view.getUint16(end + 10, true);
    const size = view.getUint32(end + 12, true);
    const offset = view.getUint32(end + 16, true);
    if (offset + size > blob.size) throw new NotAnArchive();
    const directory = await Bytes(blob, offset, offset + size);
    const dir = new DataView(directory.buffer);
    const entries = [];
    let at = 0;
    for (let n = 0; n < count; ++n) {
        if (at + 46 > directory.length || dir.getUint32(at, true) !== DirectoryEntry) {
            throw new NotAnArchive();
        }
        const nameLength = dir.getUint16(at + 28, true);
        const extra = dir.getUint16(at + 30, true);
        const comment = dir.getUint16(at + 32, true);
        if (at + 46 + nameLength > directory.length) throw new NotAnArchive();
        entries.push({
            name: new TextDecoder("latin1").decode(directory.subarray(at + 46, at + 46 + nameLength)),
            method: dir.getUint16(at + 10, true),
            compressed: dir.getUint32(at + 20, true),
            size: dir.getUint32(at + 24, true),
            offset: dir.getUint32(at + 42, true),
        });
        at += 46 + nameLength + extra + comment;
    }
    return entries;
}

/// The entry named `name`, compared without regard to case as the engine's file system does;
/// undefined when there is none.
export function FindEntry(entries, name) {
    const wanted = name.toLowerCase();
    return entries.find((entry) => entry.name.toLowerCase() === wanted);
}

/// The entry's bytes; throws DamagedEntry where they cannot be had whole.
export async function ReadEntry(blob, entry) {
    const header = await Bytes(blob, entry.offset, entry.offset + 30);
    const view = new DataView(header.buffer);
    if (header.length < 30 || view.getUint32(0, true) !== LocalHeader) throw new DamagedEntry();
    const start = entry.offset + 30 + view.getUint16(26, true) + view.getUint16(28, true);
    const data = await Bytes(blob, start, start + entry.compressed);
    if (data.length !== entry.compressed) throw new DamagedEntry();
    let bytes;
    try {
        bytes = entry.method === 0 ? data : entry.method === 8 ?
            inflateSync(data, { out: new Uint8Array(entry.size) }) : null;
    } catch {
        throw new DamagedEntry();
    }
    if (!bytes || bytes.length !== entry.size) throw new DamagedEntry();
    return bytes;
}
