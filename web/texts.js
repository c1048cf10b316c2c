// The words the page says are the desktop program's: its English source texts, and their German
// translations read from translations/chromlet_de.ts at build time (words.js). A text is looked
// up by its source; the arguments are filled in as Qt's QString::arg does.

let table = {};
let language = "en";

/// Takes the generated table ({language: {source: translation or [plural forms]}}) and the
/// language to speak: German where the browser asks for it, English otherwise.
export function UseWords(words, languages) {
    table = words;
    language = "en";
    for (const wanted of languages) {
        const code = String(wanted).toLowerCase().split("-")[0];
        if (code === "en") break;
        if (table[code]) {
            language = code;
            break;
        }
    }
}

export function Language() {
    return language;
}

/// A number as the language writes it, as %L1 does.
export function Number(value) {
    return new Intl.NumberFormat(language === "de" ? "de-DE" : "en-US").format(value);
}

function Fill(text, args) {
    return text.replace(/%(L?)(\d)/g, (whole, local, digit) => {
        const value = args[digit - 1];
        if (value === undefined) return whole;
        return local && typeof value === "number" ? Number(value) : String(value);
    });
}

/// The text whose English source is `source` in the page's language, %1 ... filled from `args`.
export function tr(source, ...args) {
    const translated = table[language]?.[source];
    const text = typeof translated === "string" ? translated : source;
    return Fill(text, args);
}

/// A text with a count, %n, in the form the language takes for it (Qt's numerus forms).
export function trn(source, count, ...args) {
    const forms = table[language]?.[source];
    let text = source;
    if (Array.isArray(forms)) {
        text = forms[count === 1 ? 0 : Math.min(1, forms.length - 1)];
    }
    return Fill(text.replace(/%L?n/g, language === "de" ? Number(count) : String(count)), args);
}

/// A caption without its access-key marker: "&Black" is Black.
export function Plain(caption) {
    return caption.replace(/&(.)/g, "$1");
}
