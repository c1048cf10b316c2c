#include "config/load_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

#include "config/seta_reader.h"
#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/color_code.h"
#include "core/config_limits.h"
#include "core/name_fit.h"
#include "core/name_input.h"

namespace chromlet {

namespace {

struct DecodedValue {
    MemoryStyledText name;
    bool leftOut = false;  ///< characters a name cannot hold were left out
    bool cut = false;      ///< the name did not fit its configuration line (core/name_fit.h)
};

// A stored value decoded as Paste coded name decodes a pasted name, so that both code forms read
// alike in every target, and let into the name as the editors let anything in: what a name
// cannot hold (a quote or a line break would break the line written back, every engine ends a
// value at NUL) is left out, an alternative-font character only the standard font can carry
// keeps its byte, and the name is cut where its line, written back, would be longer than the
// game reads whole.
DecodedValue DecodeValue(const NameLine& line, std::string_view value) {
    LeftOut leftOut;
    DecodedValue result;
    MemoryStyledText name = AcceptStyled(DecodeAnyCode(line.target, value), MaxNameChars, leftOut);
    const std::size_t fits = FittingLength(line, MemoryStyledText(), {}, name);
    result.cut = fits < name.Length();
    result.name = AcceptStyled(name, fits, leftOut);
    leftOut.cut = false;
    result.leftOut = leftOut.Any();
    return result;
}

// The value of a stored line, as the engines' tokenizer reads it.
std::optional<std::string_view> ValueOf(const std::optional<std::string>& line) {
    return line ? QuotedValue(*line) : std::nullopt;
}

NameLineState StateOf(const std::optional<std::string_view>& value, bool tooLong) {
    if (tooLong) {
        return NameLineState::TooLong;
    }
    return value ? NameLineState::Found : NameLineState::Missing;
}

bool HasCode(std::string_view value, char start) {
    for (std::size_t i = 0; i + 1 < value.size(); ++i) {
        if (value[i] == start && value[i + 1] >= '0' && value[i + 1] <= '9') {
            return true;
        }
    }
    return false;
}

// The note when the file was written for a game of the other code form than `target`'s; empty
// when it was not, or when the file does not tell.
QString FormNote(TargetGame target, std::string_view player, std::string_view server,
                 const LineEndCounts& ends) {
    const bool escape = HasCode(player, ColorEscape) || HasCode(server, ColorEscape);
    const bool caret = HasCode(player, CaretEscape) || HasCode(server, CaretEscape);
    const bool lfOnly = ends.lf > 0 && ends.crLf == 0 && ends.cr == 0;
    const bool targetIsLater = CodeFormOf(target) == CodeForm::Caret;
    if (escape && !caret && targetIsLater) {
        return QCoreApplication::translate("chromlet::LoadNames",
                                           "This file was written for the 1999 test release (its "
                                           "names use escape colour codes).");
    }
    if (caret && !escape && !targetIsLater) {
        return QCoreApplication::translate(
            "chromlet::LoadNames",
            "This file was written for a later engine (its names use ^ colour codes).");
    }
    if (escape == caret && lfOnly && !targetIsLater) {
        return QCoreApplication::translate(
            "chromlet::LoadNames",
            "This file was written for a later engine (its lines end in LF alone).");
    }
    return {};
}

}  // namespace

LoadedNames LoadNames(const QString& path, TargetGame target) {
    LoadedNames loaded;
    loaded.path = path;
    const StoredSetaLines stored = ReadSetaLines(path, target);
    if (!stored.Readable()) {
        loaded.readError = stored.error;
        return loaded;
    }
    const std::optional<std::string_view> player = ValueOf(stored.nameLine);
    const std::optional<std::string_view> server = stored.serverValue;
    loaded.player = StateOf(player, stored.nameLineTooLong);
    loaded.server = server ? NameLineState::Found : NameLineState::Missing;
    if (!loaded.Ok()) {
        return loaded;
    }
    const DecodedValue playerName = DecodeValue({target, NameLineStart, {}}, *player);
    NameLine serverLine{target, ServerLineStart, {}};
    MemoryStyledText encoded = playerName.name;
    BuildCode(target, encoded, serverLine.digitBefore);
    const DecodedValue serverName = DecodeValue(serverLine, *server);
    loaded.playerName = playerName.name;
    loaded.serverName = serverName.name;

    QStringList notes;
    if (QString form = FormNote(target, *player, *server, stored.ends); !form.isEmpty()) {
        notes << form;
    }
    for (const bool server : {false, true}) {
        const DecodedValue& value = server ? serverName : playerName;
        if (value.cut) {
            //: %1 is a number of bytes.
            notes << (server ? QCoreApplication::translate(
                                   "chromlet::LoadNames",
                                   "The server name was cut where its configuration line reaches "
                                   "%L1 bytes, the most the game reads of a line.")
                             : QCoreApplication::translate(
                                   "chromlet::LoadNames",
                                   "The player name was cut where its configuration line reaches "
                                   "%L1 bytes, the most the game reads of a line."))
                         .arg(MaxConfigLineBytes);
        }
        if (value.leftOut) {
            notes << (server ? QCoreApplication::translate(
                                   "chromlet::LoadNames",
                                   "Characters a name cannot hold (control characters such as "
                                   "NUL, double quotes, line breaks) were left out of the server "
                                   "name.")
                             : QCoreApplication::translate(
                                   "chromlet::LoadNames",
                                   "Characters a name cannot hold (control characters such as "
                                   "NUL, double quotes, line breaks) were left out of the player "
                                   "name."));
        }
    }
    loaded.note = notes.join(QLatin1Char(' '));
    return loaded;
}

QString DescribeLoadFailure(const LoadedNames& loaded) {
    if (loaded.Ok()) {
        return {};
    }
    const QString file = QDir::toNativeSeparators(loaded.path);
    QStringList sentences;
    const bool noPlayer = loaded.player != NameLineState::Found;
    const bool noServer = loaded.server != NameLineState::Found;
    if (!loaded.readError.isEmpty()) {
        //: %1 is the file, %2 the system's reason.
        sentences << QCoreApplication::translate("chromlet::LoadNames",
                                                 "Could not read \"%1\" (%2).")
                         .arg(file, loaded.readError);
    } else if (noPlayer && noServer) {
        //: seta name and set sv_hostname are lines of the file: not to be translated.
        sentences << QCoreApplication::translate(
                         "chromlet::LoadNames",
                         "\"%1\" holds no player name (a line seta name \"...\") and no server "
                         "name (a line such as set sv_hostname \"...\").")
                         .arg(file);
    } else if (noPlayer) {
        sentences << QCoreApplication::translate(
                         "chromlet::LoadNames",
                         "\"%1\" holds no player name (a line seta name \"...\").")
                         .arg(file);
    } else {
        sentences << QCoreApplication::translate(
                         "chromlet::LoadNames",
                         "\"%1\" holds no server name (a line such as set sv_hostname "
                         "\"...\").")
                         .arg(file);
    }
    // The engine reads at most MaxConfigLineBytes of the command that sets the server name, so
    // only the player name's line can be too long to be held.
    const int kib = static_cast<int>(MaxSetaLineSize / 1024);
    if (loaded.player == NameLineState::TooLong) {
        sentences << QCoreApplication::translate(
            "chromlet::LoadNames",
            "Its last seta name line is longer than %n KiB, too long for a name.", nullptr, kib);
    }
    sentences << QCoreApplication::translate("chromlet::LoadNames",
                                             "The names in the editors were left as they were.");
    return sentences.join(QLatin1Char(' '));
}

}  // namespace chromlet
