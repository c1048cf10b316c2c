#include "cli/name_argument.h"

#include <QLocale>
#include <QStringDecoder>

#include <string>

#include "core/char_rules.h"
#include "core/coded_name.h"
#include "core/config_limits.h"
#include "core/name_input.h"

namespace chromlet::cli {

namespace {

// The characters an argument holds as the game's bytes; characters beyond ISO 8859-1 are left
// out and noted.
std::string GameBytes(const QByteArray& raw, LeftOut& leftOut) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(raw);
    if (utf8.hasError()) {
        return raw.toStdString();
    }
    std::string bytes;
    for (const char32_t c : text.toUcs4()) {
        if (c <= 0xFF) {
            bytes.push_back(static_cast<char>(c));
        } else if (leftOut.notLatin1.size() <= NamedLeftOut &&
                   leftOut.notLatin1.find(c) == std::u32string::npos) {
            leftOut.notLatin1.push_back(c);
        }
    }
    return bytes;
}

QString Listed(const QStringList& items) {
    QStringList shown = items.mid(0, static_cast<qsizetype>(NamedLeftOut));
    if (static_cast<std::size_t>(items.size()) > NamedLeftOut) {
        shown << QStringLiteral("...");
    }
    return shown.join(QLatin1Char(' '));
}

QStringList NotesOf(const LeftOut& leftOut, bool otherLines) {
    QStringList notes;
    if (otherLines) {
        notes << QStringLiteral("Only its first line was read.");
    }
    if (!leftOut.notLatin1.empty()) {
        QStringList shown;
        for (char32_t c : leftOut.notLatin1) {
            shown << QString::fromUcs4(&c, 1);
        }
        notes << QStringLiteral("%1: not a character the game can show; left out.")
                     .arg(Listed(shown));
    }
    if (!leftOut.controls.empty()) {
        QStringList shown;
        for (char c : leftOut.controls) {
            shown << QStringLiteral("\\x%1").arg(static_cast<unsigned char>(c), 2, 16,
                                                 QLatin1Char('0'));
        }
        notes << QStringLiteral(
                     "%1: a control character, which a name cannot hold (the game ends a name at "
                     "NUL); left out.")
                     .arg(Listed(shown));
    }
    if (leftOut.quotes) {
        notes << QStringLiteral(
            "A name cannot hold a double quote (\"): it would end the name early in its "
            "configuration line. It was left out.");
    }
    if (leftOut.lineBreaks) {
        notes << QStringLiteral("A name is one line: its line break was left out.");
    }
    if (leftOut.lineFull) {
        notes << QStringLiteral(
                     "A name's configuration line holds at most %1 bytes, colour codes included: "
                     "the game runs the rest of a longer line as console commands. What did not "
                     "fit was left out.")
                     .arg(QLocale().toString(qulonglong(MaxConfigLineBytes)));
    } else if (leftOut.cut) {
        notes << QStringLiteral(
                     "A name holds at most %1 characters; what did not fit was left out.")
                     .arg(QLocale().toString(qulonglong(MaxNameChars)));
    }
    return notes;
}

}  // namespace

NameArgument ReadNameArgument(const QByteArray& raw, const NameLine& line) {
    NameArgument argument;
    LeftOut leftOut;
    const std::optional<std::string> bytes = ResolveAltFontMarks(GameBytes(raw, leftOut));
    if (!bytes) {
        argument.refusal = QStringLiteral(
            "its alternative-font marks do not match: each \\{ needs a \\} after it");
        return argument;
    }
    ParseNotes notes;
    std::optional<MemoryStyledText> name = ParseCodedName(line.target, *bytes, &notes);
    leftOut.Add(notes.leftOut);
    if (name) {
        const std::size_t fits = FittingLength(line, MemoryStyledText(), {}, *name);
        if (fits < name->Length()) {
            leftOut.lineFull = true;
            name = AcceptStyled(*name, fits, leftOut);
        }
    }
    argument.notes = NotesOf(leftOut, notes.otherLines);
    if (!name || name->Length() == 0) {
        argument.refusal = QStringLiteral(
            "it holds no name: nothing a name can hold, or a configuration line of another "
            "setting");
        return argument;
    }
    argument.name = std::move(name);
    return argument;
}

}  // namespace chromlet::cli
