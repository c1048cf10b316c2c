#include "ui/recent_names.h"

#include <QSettings>

namespace chromlet::ui {

namespace {

QString GroupOf(TargetGame target) {
    const std::string_view key = TargetKey(target);
    return QStringLiteral("recentNames/") +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QList<RecentName> RecentNames(TargetGame target) {
    QSettings settings;
    QList<RecentName> names;
    const int count = settings.beginReadArray(GroupOf(target));
    for (int i = 0; i < count && i < RecentNamesKept; ++i) {
        settings.setArrayIndex(i);
        // Lines travel as bytes, so that the escape and characters 128 to 255 come back as
        // they were written.
        names.append({settings.value(QStringLiteral("name")).toByteArray(),
                      settings.value(QStringLiteral("server")).toByteArray()});
    }
    settings.endArray();
    return names;
}

void RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine) {
    QList<RecentName> names = RecentNames(target);
    const RecentName written{Bytes(nameLine), Bytes(serverLine)};
    names.removeAll(written);
    names.prepend(written);
    while (names.size() > RecentNamesKept) {
        names.removeLast();
    }
    QSettings settings;
    settings.remove(GroupOf(target));
    settings.beginWriteArray(GroupOf(target), static_cast<int>(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("name"), names[i].nameLine);
        settings.setValue(QStringLiteral("server"), names[i].serverLine);
    }
    settings.endArray();
}

}  // namespace chromlet::ui
