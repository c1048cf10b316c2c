// The Share dialog: the names, or one place of the game, as a picture the core draws from the
// game's charset (or from one made in the desktop's font), and either name as text for web
// pages, forums, terminals and Discord. Every colour, cut, glyph and escape is the core's; the
// dialog only chooses, shows and hands over.
import { FontCharset } from "./draw.js";
import * as Notes from "./notes.js";
import { Number as Num, tr } from "./texts.js";

const $ = (id) => document.getElementById(id);

// PictureSubject, in its order; a place's option is Subject.Place and the place.
const Subject = { PlayerName: 0, ServerName: 1, BothNames: 2, Place: 3 };
// The pictures' file names, each place by the core's word for it (page.facts.placeKeys).
const SubjectFiles = ["chromlet-name.png", "chromlet-server.png", "chromlet-names.png"];
const FormatCaptions = { html: "HTML", bbcode: "BBCode", ansi: "Terminal (ANSI)", discord: "Discord" };
const DefaultScale = 2;
// Browsers draw no canvas beyond about 16,000 pixels a side (Safari's bound on its area is
// about 16.7 million pixels): a longer name at 4x is refused with a word rather than lost.
const MaxPictureSide = 16384;
const MaxPictureArea = 16 << 20;

function Latin1Bytes(string) {
    const bytes = new Uint8Array(string.length);
    for (let i = 0; i < string.length; ++i) bytes[i] = string.charCodeAt(i);
    return bytes;
}

// A text as its UTF-8 bytes, one char code each, as the core takes bytes.
function Utf8(text) {
    return String.fromCharCode(...new TextEncoder().encode(text));
}

function Option(value, text) {
    const option = document.createElement("option");
    option.value = value;
    option.textContent = text;
    return option;
}

export class ShareDialog {
    constructor(page) {
        this.page = page;
        this.core = page.core;
        this.fontCharset = null;  // the core's copy of FontCharset(), made when first needed
        this.picture = null;
        const dialog = $("ShareDialog");
        dialog.querySelector("h2").textContent = tr("Share the names");
        $("ShareAsWrittenText").textContent = tr("As written, not as the game keeps it");
        $("ShareAsWrittenChoice").title = tr("The names as you wrote them instead of what the chosen game keeps of them, for the picture of a name and for the text. A place of the game always shows what that place draws.");
        $("SharePictureLegend").textContent = tr("Picture");
        $("ShareSubjectLabel").textContent = tr("Show:");
        const subject = $("ShareSubject");
        subject.append(Option("0", tr("Player name")), Option("1", tr("Server name")), Option("2", tr("Both names")));
        const places = document.createElement("optgroup");
        places.label = tr("In game");
        for (let place = 0; place < page.facts.placeKeys.length; ++place) places.append(Option(`3:${place}`, Notes.PlaceTitle(place)));
        subject.append(places);
        $("ShareScaleLabel").textContent = tr("Scale:");
        for (const scale of page.facts.pictureScales) $("ShareScale").append(Option(String(scale), `${scale}\u00d7`));
        $("ShareScale").value = String(DefaultScale);
        $("ShareTransparentText").textContent = tr("Transparent background");
        $("ShareFootnoteText").textContent = tr("Say under the picture that it is not drawn in the game's charset");
        $("ShareDownload").textContent = tr("Download picture");
        $("ShareCopyPicture").textContent = tr("Copy picture");
        $("ShareTextLegend").textContent = tr("Text");
        $("ShareWhichLabel").textContent = tr("Name:");
        $("ShareWhich").append(Option("0", tr("Player name")), Option("1", tr("Server name")));
        $("ShareFormatLabel").textContent = tr("Copy as:");
        for (const key of page.facts.shareFormats) $("ShareFormat").append(Option(key, FormatCaptions[key] ?? key));
        $("ShareCopyText").textContent = tr("Copy text");
        $("ShareTextBox").setAttribute("aria-label", tr("The text to copy"));
        $("ShareClose").textContent = tr("Close");
        $("ShareClose").addEventListener("click", () => dialog.close());
        for (const id of ["ShareSubject", "ShareScale", "ShareTransparent", "ShareAsWritten", "ShareFootnote"]) {
            $(id).addEventListener("change", () => this.Draw());
        }
        for (const id of ["ShareWhich", "ShareFormat", "ShareAsWritten"]) {
            $(id).addEventListener("change", () => this.TextNote(""));
        }
        $("ShareDownload").addEventListener("click", () => this.Download());
        $("ShareCopyPicture").addEventListener("click", () => this.CopyPicture());
        $("ShareCopyText").addEventListener("click", () => this.CopyText());
    }

    /// Opens the dialog over the names as they stand, the text on the editor used last.
    Open() {
        $("ShareWhich").value = this.page.current === this.page.rtb2 ? "1" : "0";
        this.PictureNote("");
        this.TextNote("");
        this.Draw();
        $("ShareDialog").showModal();
        $("ShareSubject").focus();
    }

    Subject() {
        const [subject, place = "0"] = $("ShareSubject").value.split(":");
        return { subject: Number(subject), place: Number(place) };
    }

    // The charset the picture is drawn from: the game's, copied into the core once, or the
    // desktop's font.
    Charset() {
        const state = this.page.CharsetState();
        if (state.charset) {
            const { width, height, rgba } = state.charset;
            state.pictureCharset ??= new this.core.PictureCharset(width, height, rgba);
            return { charset: state.pictureCharset, game: true, status: state.status };
        }
        if (!this.fontCharset) {
            const font = FontCharset();
            this.fontCharset = new this.core.PictureCharset(font.width, font.height, font.data);
        }
        return { charset: this.fontCharset, game: false, status: state.status };
    }

    /// The picture as the choices stand, into the preview, with its size.
    Draw() {
        const page = this.page;
        const { subject, place } = this.Subject();
        const { charset, game, status } = this.Charset();
        $("ShareFootnoteChoice").hidden = game;
        $("ShareCharset").textContent = status;
        const footnote = !game && $("ShareFootnote").checked
            ? tr("Not drawn in the game's charset: no game data was given.") : "";
        const picture = this.core.sharePicture(page.target, page.rtb.box, page.rtb2.box, {
            subject, place, asWritten: $("ShareAsWritten").checked, scale: Number($("ShareScale").value),
            transparent: $("ShareTransparent").checked, footnote: Utf8(footnote),
        }, charset);
        const tooLarge = picture.width > MaxPictureSide || picture.height > MaxPictureSide ||
            picture.width * picture.height > MaxPictureArea;
        const canvas = $("SharePicture");
        const shown = !picture.empty && !tooLarge && picture.width > 0 && picture.height > 0;
        canvas.width = shown ? picture.width : 0;
        canvas.height = shown ? picture.height : 0;
        canvas.parentElement.hidden = !shown;
        if (shown) canvas.getContext("2d").putImageData(new ImageData(picture.rgba, picture.width, picture.height), 0, 0);
        this.picture = shown ? { subject, place, width: picture.width, height: picture.height } : null;
        let size = tr("%1 \u00d7 %2 pixels", Num(picture.width), Num(picture.height));
        if (picture.empty) {
            size = tr("The name is empty: there is nothing to draw.");
        } else if (tooLarge) {
            size = tr("The picture would be %1 \u00d7 %2 pixels, more than a browser can draw: choose a smaller scale.",
                Num(picture.width), Num(picture.height));
        }
        $("ShareSize").textContent = size;
        $("ShareDownload").disabled = !shown;
        $("ShareCopyPicture").disabled = !shown;
        this.PictureNote("");
    }

    FileName() {
        const { subject, place } = this.picture;
        return subject === Subject.Place ? `chromlet-${this.page.facts.placeKeys[place]}.png` : SubjectFiles[subject];
    }

    Png() {
        return new Promise((done, failed) => $("SharePicture").toBlob(
            (blob) => (blob ? done(blob) : failed(new Error("no PNG"))), "image/png"));
    }

    async Download() {
        if (!this.picture) return;
        let blob;
        try {
            blob = await this.Png();
        } catch {
            this.PictureNote(tr("The browser could not make a PNG file of the picture."));
            return;
        }
        const url = URL.createObjectURL(blob);
        const link = document.createElement("a");
        link.href = url;
        link.download = this.FileName();
        link.hidden = true;
        $("ShareDialog").append(link);
        link.click();
        link.remove();
        // Some browsers read the address only after the click has returned.
        setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    async CopyPicture() {
        if (!this.picture) return;
        const refused = tr("The browser does not let the page copy pictures: use Download picture instead.");
        if (typeof ClipboardItem !== "function" || !navigator.clipboard?.write) {
            this.PictureNote(refused);
            return;
        }
        try {
            // The PNG as a promise: Safari lets the page write only while the click lasts.
            await navigator.clipboard.write([new ClipboardItem({ "image/png": this.Png() })]);
        } catch {
            this.PictureNote(refused);
            return;
        }
        this.PictureNote(tr("Copied the picture."));
    }

    async CopyText() {
        const page = this.page;
        const key = $("ShareFormat").value;
        const bytes = this.core.shareText(page.target, page.rtb.box, page.rtb2.box, Number($("ShareWhich").value),
            key, $("ShareAsWritten").checked);
        const box = $("ShareTextBox");
        box.hidden = true;
        if (!bytes) {
            this.TextNote(tr("The name is empty: nothing was copied."));
            return;
        }
        const text = new TextDecoder().decode(Latin1Bytes(bytes));
        if (!await this.Write(text, key === "html")) {
            // Shown to copy by hand: nothing is lost where the browser keeps the clipboard.
            box.value = text;
            box.hidden = false;
            box.focus();
            box.select();
            this.TextNote(tr("The browser does not let the page write the clipboard: the text is below, selected; copy it with Ctrl+C (\u2318C on a Mac)."));
            return;
        }
        this.TextNote(tr("Copied as %1.", FormatCaptions[key] ?? key));
    }

    // The text onto the clipboard, HTML also as HTML where the browser takes it, so that a page
    // or a mail with formatting pastes the coloured name and a plain editor its markup.
    async Write(text, html) {
        if (html && typeof ClipboardItem === "function" && navigator.clipboard?.write) {
            try {
                await navigator.clipboard.write([new ClipboardItem({
                    "text/html": new Blob([text], { type: "text/html" }),
                    "text/plain": new Blob([text], { type: "text/plain" }),
                })]);
                return true;
            } catch {
                // Some browsers refuse text/html alone: plain text may still be let through.
            }
        }
        try {
            await navigator.clipboard.writeText(text);
            return true;
        } catch {
            return false;
        }
    }

    PictureNote(text) {
        $("SharePictureNote").textContent = text;
        $("SharePictureNote").hidden = !text;
    }

    TextNote(text) {
        $("ShareTextNote").textContent = text;
        $("ShareTextNote").hidden = !text;
        if (!text) $("ShareTextBox").hidden = true;
    }
}
