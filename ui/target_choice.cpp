#include "ui/target_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/config_folder.h"

namespace chromlet::ui {

namespace {

// In the order of AllTargets. The access keys stay clear of the letters the window's buttons
// use (B R G Y M C W S E L), so Alt and a letter never has two meanings while the menu is open.
const char* const TargetCaptions[] = {
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Quake III Arena &test (1999)"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Quake III Arena &1.32 / Quake3e"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&ioquake3"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&OpenArena"),
};
static_assert(std::size(TargetCaptions) == AllTargets.size());

PlatformDirs CurrentPlatformDirs() {
    PlatformDirs dirs;
    dirs.home = QDir::homePath().toStdString();
    dirs.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    dirs.appData = qEnvironmentVariable("APPDATA").toStdString();
#if defined(Q_OS_WIN)
    dirs.os = PlatformDirs::Os::Windows;
#elif defined(Q_OS_MACOS)
    dirs.os = PlatformDirs::Os::MacOs;
#else
    dirs.os = PlatformDirs::Os::Linux;
#endif
    return dirs;
}

}  // namespace

ChosenGame::ChosenGame(QObject* parent) : QObject(parent), target_(StoredTarget(QSettings())) {}

void ChosenGame::SetTarget(TargetGame target) {
    if (target == target_) {
        return;
    }
    target_ = target;
    QSettings settings;
    StoreTarget(settings, target);
    emit Changed(target);
}

QString TargetMenuCaption(TargetGame target) {
    return QCoreApplication::translate("chromlet::ui::Form1",
                                       TargetCaptions[static_cast<int>(target)]);
}

TargetGame StoredTarget(const QSettings& settings) {
    const QByteArray key = settings.value(TargetSettingsKey).toString().toUtf8();
    return TargetFromKey(std::string_view(key.constData(), static_cast<std::size_t>(key.size())))
        .value_or(TargetGame::Q3Test);
}

void StoreTarget(QSettings& settings, TargetGame target) {
    const std::string_view key = TargetKey(target);
    settings.setValue(TargetSettingsKey,
                      QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

QString ConfigFolderFor(TargetGame target) {
    for (const std::string& folder : ConfigFolderCandidates(target, CurrentPlatformDirs())) {
        const QString path = QString::fromStdString(folder);
        if (QFileInfo(path).isDir()) {
            return QDir::toNativeSeparators(path);
        }
    }
    return QDir::toNativeSeparators(QDir::homePath());
}

}  // namespace chromlet::ui
