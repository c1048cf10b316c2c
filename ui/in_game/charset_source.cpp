#include "ui/in_game/charset_source.h"

#include "config/settings_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>

#include "system/game_archive.h"
#include "ui/common/latin1.h"

namespace chromlet::ui {

namespace {

QString Native(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

QString JoinNative(const std::vector<std::string>& paths) {
    QStringList shown;
    for (const std::string& path : paths) {
        shown << Native(path);
    }
    return shown.join(QStringLiteral(", "));
}

QString WhyText(SkippedArchive::Why why) {
    switch (why) {
        case SkippedArchive::Why::Unreadable:
            return CharsetSource::tr("cannot be opened");
        case SkippedArchive::Why::NotAnArchive:
            return CharsetSource::tr("no zip archive, or a damaged one");
        case SkippedArchive::Why::Damaged:
            return CharsetSource::tr("its charset is damaged");
        case SkippedArchive::Why::TooLarge:
            return CharsetSource::tr("its charset is far too large");
    }
    return {};
}

// The menu path to the folder question, in the user's language.
QString GameFolderMenuPath() {
    return CharsetSource::tr("%1 > %2").arg(
        QCoreApplication::translate("chromlet::ui::Form1", "G&ame").remove(u'&'),
        QCoreApplication::translate("chromlet::ui::GameLook", "Game &folder...").remove(u'&'));
}

}  // namespace

QString GameFolderSettingsKey(TargetGame target) {
    return QString::fromStdString(settings::GameFolder(target));
}

DataFolders DataFoldersHere(TargetGame target, const std::string& chosenFolder) {
    return DataFoldersFor(target, CurrentHomeDirs(), chosenFolder);
}

QString DefaultFolderChooser(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

CharsetSource::CharsetSource(QObject* parent) : QObject(parent) {}

void CharsetSource::SetDataFolderFinder(DataFolderFinder finder) {
    finder_ = std::move(finder);
    found_.clear();
    for (TargetGame target : AllTargets) {
        emit Changed(target);
    }
}

const CharsetState& CharsetSource::StateFor(TargetGame target) {
    auto it = found_.find(target);
    if (it == found_.end()) {
        it = found_.emplace(target, Find(target)).first;
    }
    return it->second;
}

QString CharsetSource::ChosenFolder(TargetGame target) {
    return QSettings().value(GameFolderSettingsKey(target)).toString();
}

void CharsetSource::ChooseFolder(TargetGame target, QWidget* parent) {
    QString start = ChosenFolder(target);
    if (start.isEmpty()) {
        const DataFolders folders = finder_(target, {});
        start = folders.search.empty() ? QDir::homePath() : Native(folders.search.front());
    }
    const QString folder = chooser_(parent, tr("Where is the game installed?"), start);
    if (folder.isEmpty()) {
        return;  // cancelled: the folder and the charset stay as they were
    }
    QSettings().setValue(GameFolderSettingsKey(target), QDir::fromNativeSeparators(folder));
    found_.erase(target);
    emit Changed(target);
}

CharsetState CharsetSource::Find(TargetGame target) const {
    const QString chosen = ChosenFolder(target);
    const DataFolders folders = finder_(target, QFile::encodeName(chosen).toStdString());
    const GameFileSearch search = FindGameFile(folders.search, CharsetFileNames, MaxCharsetBytes);

    CharsetState state;
    QStringList problems;
    if (!chosen.isEmpty() && !QFileInfo(chosen).isDir()) {
        problems << tr("The game folder you chose, %1, is not there.")
                        .arg(QDir::toNativeSeparators(chosen));
    }
    if (!search.skipped.empty()) {
        QStringList skipped;
        for (const SkippedArchive& archive : search.skipped) {
            skipped << tr("%1 (%2)").arg(Native(archive.path), WhyText(archive.why));
        }
        problems << tr("Passed over what could not be read: %1.").arg(skipped.join(u", "));
    }
    state.problems = problems.join(u' ');

    if (!search.found) {
        state.status = tr("No charset of the game found in %1: point Chromlet at the game with %2")
                           .arg(JoinNative(folders.looked), GameFolderMenuPath());
        return state;
    }
    const QString where =
        tr("%1 in %2").arg(FromLatin1(search.found->name), Native(search.found->container));
    state.charset = GameCharset::Decode(search.found->bytes, search.found->name);
    if (state.charset) {
        state.status = tr("The game's own charset: %1").arg(where);
    } else {
        state.status = tr("The game's charset %1 is no picture Chromlet can read; the desktop's "
                          "font stands in.")
                           .arg(where);
    }
    return state;
}

}  // namespace chromlet::ui
