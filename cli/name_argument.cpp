#include "cli/name_argument.h"

#include <QStringDecoder>

#include <string>

#include "config/left_out_note.h"
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

QStringList NotesOf(const LeftOut& leftOut, bool otherLines) {
    QStringList notes;
    if (otherLines) {
        notes << QStringLiteral("Only its first line was read.");
    }
    if (leftOut.Any()) {
        notes << LeftOutNote(leftOut, LineBreaks::LeftOut).split(QLatin1Char('\n'));
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
