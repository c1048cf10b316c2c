#include "config/load_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "config/seta_reader.h"
#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/color_code.h"

namespace chromlet {

namespace {

// The one place where a stored value becomes styled text.
MemoryStyledText DecodeName(TargetGame target, std::string_view code) {
    const MemoryStyledText decoded = DecodeCode(target, code);
    const std::string text = decoded.Text();
    std::string kept;
    std::vector<CharStyle> styles;
    for (std::size_t i = 0; i < text.size(); ++i) {
        CharStyle style = decoded.StyleAt(i);
        const NameChar c = AsNameChar({static_cast<unsigned char>(text[i]), style.Q3Font});
        if (IsNameChar(c.code)) {
            kept.push_back(static_cast<char>(c.code));
            style.Q3Font = c.q3Font;
            styles.push_back(style);
        }
    }
    return MemoryStyledText(std::move(kept), std::move(styles));
}

NameLineState StateOf(const std::optional<std::string>& line, bool tooLong,
                      std::optional<std::string>& code) {
    if (tooLong) {
        return NameLineState::TooLong;
    }
    const std::optional<std::string_view> value = line ? QuotedValue(*line) : std::nullopt;
    code = value ? std::optional<std::string>(*value) : std::nullopt;
    return code ? NameLineState::Found : NameLineState::Missing;
}

QString Absent(NameLineState state, const char* what, const char* line) {
    if (state == NameLineState::TooLong) {
        return QCoreApplication::translate(
                   "chromlet::LoadNames",
                   "%1 (its last line %2 is longer than %3 KiB, too long to be a name)")
            .arg(QLatin1String(what), QLatin1String(line))
            .arg(MaxSetaLineSize / 1024);
    }
    return QCoreApplication::translate("chromlet::LoadNames", "%1 (a line %2 \"...\")")
        .arg(QLatin1String(what), QLatin1String(line));
}

}  // namespace

LoadedNames LoadNames(const QString& path, TargetGame target) {
    LoadedNames loaded;
    loaded.path = path;
    const StoredSetaLines stored = ReadSetaLines(
        path, CodeFormOf(target) == CodeForm::Caret ? LineEnds::AlsoLf : LineEnds::CrOrCrLf);
    if (!stored.Readable()) {
        loaded.readError = stored.error;
        return loaded;
    }
    std::optional<std::string> playerCode;
    std::optional<std::string> serverCode;
    loaded.player = StateOf(stored.nameLine, stored.nameLineTooLong, playerCode);
    loaded.server = StateOf(stored.serverLine, stored.serverLineTooLong, serverCode);
    if (loaded.Ok()) {
        loaded.playerName = DecodeName(target, *playerCode);
        loaded.serverName = DecodeName(target, *serverCode);
    }
    return loaded;
}

QString DescribeLoadFailure(const LoadedNames& loaded) {
    if (loaded.Ok()) {
        return {};
    }
    const QString file = QDir::toNativeSeparators(loaded.path);
    QString why;
    if (!loaded.readError.isEmpty()) {
        why = QCoreApplication::translate("chromlet::LoadNames", "Could not read \"%1\" (%2).")
                  .arg(file, loaded.readError);
    } else {
        QStringList missing;
        if (loaded.player != NameLineState::Found) {
            missing << Absent(loaded.player, "player name", "seta name");
        }
        if (loaded.server != NameLineState::Found) {
            missing << Absent(loaded.server, "server name", "seta sv_hostname");
        }
        why =
            QCoreApplication::translate("chromlet::LoadNames", "\"%1\" holds no %2.")
                .arg(file,
                     missing.join(QCoreApplication::translate("chromlet::LoadNames", " and no ")));
    }
    return why + QCoreApplication::translate("chromlet::LoadNames",
                                             " The names in the editors were left as they were.");
}

}  // namespace chromlet
