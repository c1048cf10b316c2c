// The page's own texts, beside the desktop's: lupdate reads this file with the program's sources
// (app/CMakeLists.txt), so translations/chromlet_de.ts holds their translations and the page's
// words table (web/tools/words.mjs) carries them with the rest. Nothing compiles it.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace chromlet::web {

inline constexpr const char* PageTexts[] = {
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Game's .pk3 files..."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "Pick the game's .pk3 files (pak0.pk3 and the others in baseq3, or in baseoa "
                      "for OpenArena): the preview and the places draw with the charset in them. "
                      "Nothing leaves this computer."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "No charset picked yet: the desktop's font stands in. Pick the game's .pk3 "
                      "files to see the names in the game's own charset."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "No charset of the game in %1: pick the .pk3 files of the game's baseq3 "
                      "folder, or of baseoa for OpenArena."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The browser does not let the page read the clipboard: press Ctrl+Shift+V "
                      "in the name instead."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The browser does not let the page write the clipboard: nothing was copied."),
    // Chromium's blocked folders, as its file system access permission context lists them.
    QT_TRANSLATE_NOOP(
        "chromlet::web::Page",
        "Chromium-based browsers write the file in place, but let no page open files in some "
        "folders: on Windows Program Files, the Windows folder, %APPDATA%, %LOCALAPPDATA% and "
        "ProgramData; on a Mac ~/Library and the Applications folders; on Linux ~/.config; "
        "everywhere ~/.ssh and ~/.gnupg. If your q3config.cfg lies there (ioquake3 and OpenArena "
        "keep it in %APPDATA% on Windows and in ~/Library on a Mac, Quake III Arena in its own "
        "folder under Program Files), copy it to a folder such as Documents, update the copy "
        "here, then copy it and q3config.cfg_ back."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "No copy of the previous contents was saved, so nothing was written."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Download %1"),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "This browser cannot write a file in place. Download the new %1 and the copy "
                      "of its previous contents, %2, and put both into the folder your "
                      "q3config.cfg came from."),
    // Sharing: the names as a picture, a name as text for elsewhere.
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Share..."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The names or a place of the game as a picture, or a name as coloured text "
                      "for web pages, forums, terminals and Discord"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Share the names"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "As written, not as the game keeps it"),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The names as you wrote them instead of what the chosen game keeps of them, "
                      "for the picture of a name and for the text. A place of the game always "
                      "shows what that place draws."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Picture"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Show:"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Player name"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Server name"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Both names"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Scale:"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Transparent background"),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "Say under the picture that it is not drawn in the game's charset"),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "Not drawn in the game's charset: no game data was given."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "%1 × %2 pixels"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "The name is empty: there is nothing to draw."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The picture would be %1 × %2 pixels, more than a browser can draw: choose a "
                      "smaller scale."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Download picture"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Copy picture"),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The browser could not make a PNG file of the picture."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The browser does not let the page copy pictures: use Download picture "
                      "instead."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Copied the picture."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Text"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Copy as:"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Copy text"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "The text to copy"),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "The name is empty: nothing was copied."),
    QT_TRANSLATE_NOOP("chromlet::web::Page",
                      "The browser does not let the page write the clipboard: the text is below, "
                      "selected; copy it with Ctrl+C (⌘C on a Mac)."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Copied as %1."),
    QT_TRANSLATE_NOOP("chromlet::web::Page", "Close"),
};

}  // namespace chromlet::web
