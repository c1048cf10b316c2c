#include "ui/main_window/recent_names.h"

#include "config/settings_keys.h"

#include <QSettings>

#include "core/coded_name.h"
#include "ui/common/latin1.h"

namespace chromlet::ui {

namespace {

QString GroupOf(TargetGame target) {
    return QString::fromStdString(settings::RecentNames(target));
}

QByteArray Bytes(std::string_view s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// The value a written line holds between its quotes; the whole line if it holds none.
QByteArray CodeOf(std::string_view line) {
    return Bytes(QuotedValue(line).value_or(line));
}

// Codes travel as bytes, so that the escape and characters 128 to 255 come back as written.
QByteArray Stored(const QSettings& settings, const QString& codeKey, const QString& lineKey) {
    if (settings.contains(codeKey)) {
        return settings.value(codeKey).toByteArray();
    }
    return CodeOf(settings.value(lineKey).toByteArray().toStdString());
}

bool Store(TargetGame target, const QList<RecentName>& names) {
    QSettings settings;
    settings.remove(GroupOf(target));
    settings.beginWriteArray(GroupOf(target), static_cast<int>(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(settings::RecentNameCode, names[i].nameCode);
        settings.setValue(settings::RecentServerCode, names[i].serverCode);
        if (!names[i].written) {
            settings.setValue(settings::RecentWritten, false);
        }
    }
    settings.endArray();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool PutFirst(TargetGame target, const RecentName& pair) {
    QList<RecentName> names = RecentNames(target);
    names.removeIf([&](const RecentName& kept) {
        return (!kept.written && !pair.written) ||
               (kept.nameCode == pair.nameCode && kept.serverCode == pair.serverCode);
    });
    names.prepend(pair);
    while (names.size() > RecentNamesKept) {
        names.removeLast();
    }
    return Store(target, names);
}

}  // namespace

QList<RecentName> RecentNames(TargetGame target) {
    QSettings settings;
    QList<RecentName> names;
    const int count = settings.beginReadArray(GroupOf(target));
    for (int i = 0; i < count && names.size() < RecentNamesKept; ++i) {
        settings.setArrayIndex(i);
        RecentName pair{Stored(settings, settings::RecentNameCode, settings::OldRecentNameLine),
                        Stored(settings, settings::RecentServerCode, settings::OldRecentServerLine),
                        settings.value(settings::RecentWritten, true).toBool()};
        if (pair.nameCode.size() <= MaxRecentCodeBytes &&
            pair.serverCode.size() <= MaxRecentCodeBytes) {
            names.append(pair);
        }
    }
    settings.endArray();
    return names;
}

bool RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine) {
    return PutFirst(target, {CodeOf(nameLine), CodeOf(serverLine), true});
}

bool KeepUnwrittenNames(TargetGame target, const std::string& nameCode,
                        const std::string& serverCode) {
    const QList<RecentName> names = RecentNames(target);
    const RecentName closing{Bytes(nameCode), Bytes(serverCode), false};
    for (const RecentName& kept : names) {
        if (kept.written) {
            if (kept.nameCode == closing.nameCode && kept.serverCode == closing.serverCode) {
                return true;  // the names written last: nothing would be lost
            }
            break;
        }
    }
    return PutFirst(target, closing);
}

}  // namespace chromlet::ui
