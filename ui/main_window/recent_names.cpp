#include "ui/main_window/recent_names.h"

#include "config/settings_keys.h"

#include <QSettings>

#include "core/coded_name.h"
#include "ui/common/target_choice.h"

namespace chromlet::ui {

namespace {

QString Key(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QByteArray Bytes(std::string_view s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// The value a written line holds between its quotes; the whole line if it holds none.
QByteArray CodeOf(std::string_view line) {
    return Bytes(QuotedValue(line).value_or(line));
}

// Codes travel as bytes, so that the escape and characters 128 to 255 come back as written.
QByteArray Stored(const QSettings& settings, const char* codeKey, const char* lineKey) {
    if (settings.contains(QLatin1String(codeKey))) {
        return settings.value(QLatin1String(codeKey)).toByteArray();
    }
    return CodeOf(settings.value(QLatin1String(lineKey)).toByteArray().toStdString());
}

bool Fits(const RecentName& pair) {
    return pair.nameCode.size() <= MaxRecentCodeBytes && pair.serverCode.size() <= MaxRecentCodeBytes;
}

// One array's entries; `game` stands where an entry names none (the arrays of earlier versions).
void ReadArray(QSettings& settings, const QString& group, TargetGame game,
               QList<RecentName>& names) {
    const int count = settings.beginReadArray(group);
    for (int i = 0; i < count && names.size() < RecentNamesKept; ++i) {
        settings.setArrayIndex(i);
        const QByteArray key = settings.value(QLatin1String(settings::RecentGame)).toByteArray();
        const std::optional<TargetGame> named =
            key.isEmpty() ? game : TargetFromKey(std::string_view(key.constData(), key.size()));
        const RecentName pair{
            named.value_or(game),
            Stored(settings, settings::RecentNameCode, settings::OldRecentNameLine),
            Stored(settings, settings::RecentServerCode, settings::OldRecentServerLine),
            settings.value(QLatin1String(settings::RecentWritten), true).toBool()};
        // An entry of a game this version does not know is passed over, not read as another's.
        if (named && Fits(pair)) {
            names.append(pair);
        }
    }
    settings.endArray();
}

bool Store(const QList<RecentName>& names) {
    QSettings settings;
    const QString group = QLatin1String(settings::RecentNames);
    settings.remove(group);
    settings.beginWriteArray(group, static_cast<int>(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(settings::RecentGame), Key(TargetKey(names[i].game)));
        settings.setValue(QLatin1String(settings::RecentNameCode), names[i].nameCode);
        settings.setValue(QLatin1String(settings::RecentServerCode), names[i].serverCode);
        if (!names[i].written) {
            settings.setValue(QLatin1String(settings::RecentWritten), false);
        }
    }
    settings.endArray();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool PutFirst(const RecentName& pair) {
    QList<RecentName> names = RecentNames();
    names.removeIf([&](const RecentName& kept) {
        return (!kept.written && !pair.written) ||
               (kept.game == pair.game && kept.nameCode == pair.nameCode &&
                kept.serverCode == pair.serverCode);
    });
    names.prepend(pair);
    while (names.size() > RecentNamesKept) {
        names.removeLast();
    }
    return Store(names);
}

}  // namespace

QList<RecentName> RecentNames() {
    QSettings settings;
    QList<RecentName> names;
    const QString group = QLatin1String(settings::RecentNames);
    if (settings.contains(group + QStringLiteral("/size"))) {
        ReadArray(settings, group, TargetGame::Q3Test, names);
        return names;
    }
    const TargetGame chosen = StoredTarget(settings);
    ReadArray(settings, Key(settings::OldRecentNames(chosen)), chosen, names);
    for (TargetGame game : AllTargets) {
        if (game != chosen) {
            ReadArray(settings, Key(settings::OldRecentNames(game)), game, names);
        }
    }
    return names;
}

bool RememberNames(TargetGame game, const std::string& nameLine, const std::string& serverLine) {
    return PutFirst({game, CodeOf(nameLine), CodeOf(serverLine), true});
}

bool KeepUnwrittenNames(TargetGame game, const std::string& nameCode,
                        const std::string& serverCode) {
    const RecentName closing{game, Bytes(nameCode), Bytes(serverCode), false};
    for (const RecentName& kept : RecentNames()) {
        if (kept.written) {
            if (kept.game == game && kept.nameCode == closing.nameCode &&
                kept.serverCode == closing.serverCode) {
                return true;  // the names written last: nothing would be lost
            }
            break;
        }
    }
    return PutFirst(closing);
}

}  // namespace chromlet::ui
