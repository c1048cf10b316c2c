#include "ui/common/target_choice.h"

#include "config/settings_keys.h"

#include <QCoreApplication>

namespace chromlet::ui {

namespace {

// In the order of AllTargets. The access keys stay clear of the letters the window's buttons
// use (B R G Y M C W S E L), so Alt and a letter never has two meanings while the menu is open.
const char* const TargetCaptions[] = {
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Quake III Arena &test (1999)"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "Quake III Arena &1.32"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&ioquake3"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&OpenArena"),
    QT_TRANSLATE_NOOP("chromlet::ui::Form1", "&Quake3e"),
};
static_assert(std::size(TargetCaptions) == AllTargets.size());

}  // namespace

ChosenGame::ChosenGame(QObject* parent) : QObject(parent), target_(StoredTarget(QSettings())) {}

void ChosenGame::SetTarget(TargetGame target) {
    if (target == target_) {
        return;
    }
    target_ = target;
    QSettings settings;
    StoreTarget(settings, target);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        emit NotRemembered(settings.fileName());
    }
    emit Changed(target);
}

QString TargetMenuCaption(TargetGame target) {
    return QCoreApplication::translate("chromlet::ui::Form1",
                                       TargetCaptions[static_cast<int>(target)]);
}

QString TargetName(TargetGame target) {
    return TargetMenuCaption(target).remove(QLatin1Char('&'));
}

TargetGame StoredTarget(const QSettings& settings) {
    const QByteArray key = settings.value(settings::Target).toString().toUtf8();
    return TargetFromKey(std::string_view(key.constData(), static_cast<std::size_t>(key.size())))
        .value_or(TargetGame::Q3Test);
}

void StoreTarget(QSettings& settings, TargetGame target) {
    const std::string_view key = TargetKey(target);
    settings.setValue(settings::Target,
                      QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace chromlet::ui
