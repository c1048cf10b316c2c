#include "cli/sharing.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

#include <unistd.h>

#include "chromlet/product.h"
#include "cli/show.h"
#include "cli/terminal.h"
#include "config/settings_keys.h"
#include "system/game_archive.h"
#include "system/game_folders.h"
#include "system/place_picture.h"
#include "system/png_file.h"

namespace chromlet::cli {

namespace {

QString Native(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

// The game folder: the one given, else the one the window remembers for the game.
std::string GameFolder(const Invocation& invocation) {
    if (!invocation.gameFolder.isEmpty()) {
        return invocation.gameFolder.toLatin1().toStdString();
    }
    const QString name = QString::fromUtf8(product::Name.data(), qsizetype(product::Name.size()));
    const QSettings settings(name, name);
    const QString remembered =
        settings.value(QString::fromStdString(settings::GameFolder(invocation.target))).toString();
    return QFile::encodeName(remembered).toStdString();
}

// The stand-in for a game's charset, drawn by the window's code in the desktop's font when the
// program was built.
Picture FallbackCharset() {
    QFile file(QStringLiteral(":/fallback_charset.tga"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeTga(file.readAll().toStdString()).value_or(Picture{});
}

// The game's charset from its data; the stand-in, said on standard error, where there is none.
Picture CharsetFor(const Invocation& invocation, bool& standIn) {
    const std::string chosen = GameFolder(invocation);
    if (!chosen.empty() &&
        !QFileInfo(QFile::decodeName(QByteArray::fromStdString(chosen))).isDir()) {
        Say(QStringLiteral("the game folder %1 is not there").arg(Native(chosen)));
    }
    const DataFolders folders = DataFoldersFor(invocation.target, CurrentHomeDirs(), chosen);
    const GameFileSearch search = FindGameFile(folders.search, CharsetFileNames, MaxCharsetBytes);
    for (const SkippedArchive& archive : search.skipped) {
        Say(QStringLiteral("passed over %1, which could not be read").arg(Native(archive.path)));
    }
    if (search.found && search.found->name.ends_with(".tga")) {
        if (std::optional<Picture> charset = DecodeTga(search.found->bytes)) {
            standIn = false;
            return *std::move(charset);
        }
    }
    QStringList looked;
    for (const std::string& folder : folders.looked) {
        looked << Native(folder);
    }
    Say(search.found
            ? QStringLiteral("the game's charset %1 in %2 is no TGA picture this program "
                             "reads: drawn in a stand-in font")
                  .arg(QString::fromStdString(search.found->name), Native(search.found->container))
            : QStringLiteral("no charset of the game found in %1: drawn in a stand-in "
                             "font (--game-folder DIR tells where the game is)")
                  .arg(looked.join(QStringLiteral(", "))));
    standIn = true;
    return FallbackCharset();
}

bool WritePng(const QString& output, const QByteArray& png) {
    if (output == QLatin1String("-")) {
        Print(std::string_view(png.constData(), std::size_t(png.size())));
        return true;
    }
    const QString path = QFile::decodeName(output.toLatin1());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit()) {
        Say(QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int RunPicture(const Invocation& invocation) {
    const std::optional<NamesReport> names = NamesOfOperand(invocation);
    if (!names) {
        return Usage;
    }
    bool standIn = false;
    const Picture charset = CharsetFor(invocation, standIn);
    const PictureSubject subject = invocation.place      ? PictureSubject::Place
                                   : invocation.asServer ? PictureSubject::ServerName
                                                         : PictureSubject::PlayerName;
    const PictureScene scene = SceneOf(
        *names, subject, invocation.place.value_or(GamePlace::Scoreboard), invocation.asWritten);
    PictureLook look{invocation.scale, invocation.transparent, {}};
    if (standIn && invocation.note) {
        look.footnote = "Not in the game's charset: its data was not found.";
    }
    const Picture picture = DrawPicture(scene.view, scene.frame, charset, look);
    if (picture.width == 0) {
        Say(QStringLiteral("no charset to draw with"));
        return Failed;
    }
    return WritePng(invocation.output, PngBytes(picture)) ? Done : Failed;
}

int RunExport(const Invocation& invocation) {
    const std::optional<NamesReport> names = NamesOfOperand(invocation);
    if (!names) {
        return Usage;
    }
    const std::string text = ShareText(
        SharedGlyphs(*names, invocation.asServer ? SharedName::Server : SharedName::Player,
                     invocation.asWritten),
        invocation.format);
    // Exactly the text for a script; a reader at a terminal gets the line ended.
    Print(text);
    if (isatty(STDOUT_FILENO) == 1) {
        Print("\n");
    }
    return Done;
}

}  // namespace chromlet::cli
