#include "ui/recent_names.h"

#include <QSettings>

#include "core/coded_name.h"

namespace chromlet::ui {

namespace {

QString GroupOf(TargetGame target) {
    const std::string_view key = TargetKey(target);
    return QStringLiteral("recentNames/") +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

// The value a written line holds between its quotes; the whole line if it holds none.
QByteArray CodeOf(std::string_view line) {
    const std::string_view code = QuotedValue(line).value_or(line);
    return QByteArray(code.data(), static_cast<qsizetype>(code.size()));
}

// Codes travel as bytes, so that the escape and characters 128 to 255 come back as written.
QByteArray Stored(const QSettings& settings, const QString& codeKey, const QString& lineKey) {
    if (settings.contains(codeKey)) {
        return settings.value(codeKey).toByteArray();
    }
    return CodeOf(settings.value(lineKey).toByteArray().toStdString());
}

}  // namespace

QList<RecentName> RecentNames(TargetGame target) {
    QSettings settings;
    QList<RecentName> names;
    const int count = settings.beginReadArray(GroupOf(target));
    for (int i = 0; i < count && i < RecentNamesKept; ++i) {
        settings.setArrayIndex(i);
        names.append({Stored(settings, QStringLiteral("nameCode"), QStringLiteral("name")),
                      Stored(settings, QStringLiteral("serverCode"), QStringLiteral("server"))});
    }
    settings.endArray();
    return names;
}

void RememberNames(TargetGame target, const std::string& nameLine, const std::string& serverLine) {
    QList<RecentName> names = RecentNames(target);
    const RecentName written{CodeOf(nameLine), CodeOf(serverLine)};
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
        settings.setValue(QStringLiteral("nameCode"), names[i].nameCode);
        settings.setValue(QStringLiteral("serverCode"), names[i].serverCode);
    }
    settings.endArray();
}

}  // namespace chromlet::ui
