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
};

}  // namespace chromlet::web
