#include "config/left_out_note.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// The names of the control characters, for the note that refuses them.
constexpr const char* ControlNames[] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",
};

QString ControlName(char c) {
    const auto code = static_cast<unsigned char>(c);
    return QLatin1String(code < std::size(ControlNames) ? ControlNames[code] : "DEL");
}

// Up to NamedLeftOut of `names`, an ellipsis after them when there were more.
QString Named(QStringList names) {
    if (static_cast<std::size_t>(names.size()) > NamedLeftOut) {
        names.resize(static_cast<qsizetype>(NamedLeftOut));
        names.append(QStringLiteral("\u2026"));
    }
    return names.join(QLatin1Char(' '));
}

}  // namespace

// The notes were the name editor's first, and keep its translations (context
// chromlet::ui::NameEditor).
QString LeftOutNote(const LeftOut& leftOut, LineBreaks lineBreaks) {
    QStringList notes;
    if (!leftOut.notLatin1.empty()) {
        QStringList shown;
        for (char32_t c : leftOut.notLatin1) {
            shown << QString::fromUcs4(&c, 1);
        }
        notes << (shown.size() > 1
                      ? QCoreApplication::translate(
                            "chromlet::ui::NameEditor",
                            "%1 are not characters the game can show; they were left out.")
                      : QCoreApplication::translate(
                            "chromlet::ui::NameEditor",
                            "%1 is not a character the game can show; it was left out."))
                     .arg(Named(shown));
    }
    if (!leftOut.controls.empty()) {
        QStringList shown;
        for (char c : leftOut.controls) {
            shown << ControlName(c);
        }
        notes << (shown.size() > 1 ? QCoreApplication::translate(
                                         "chromlet::ui::NameEditor",
                                         "%1 are control characters, which a name cannot hold "
                                         "(the game ends a name at NUL); they were left out.")
                                   : QCoreApplication::translate(
                                         "chromlet::ui::NameEditor",
                                         "%1 is a control character, which a name cannot hold "
                                         "(the game ends a name at NUL); it was left out."))
                     .arg(Named(shown));
    }
    if (leftOut.quotes) {
        notes << QCoreApplication::translate(
            "chromlet::ui::NameEditor",
            "A name cannot hold a double quote (\"): it would end the name early in "
            "q3config.cfg. It was left out.");
    }
    if (leftOut.lineBreaks) {
        notes << (lineBreaks == LineBreaks::BecomeSpaces
                      ? QCoreApplication::translate(
                            "chromlet::ui::NameEditor",
                            "A name is one line: each line break became a space.")
                      : QCoreApplication::translate(
                            "chromlet::ui::NameEditor",
                            "A name is one line: the line break was left out."));
    }
    if (leftOut.lineFull) {
        notes << QCoreApplication::translate(
                     "chromlet::ui::NameEditor",
                     "A name's configuration line holds at most %L1 bytes, colour codes "
                     "included: the game runs the rest of a longer line as console commands. "
                     "What did not fit was left out.")
                     .arg(MaxConfigLineBytes);
    } else if (leftOut.cut) {
        const int most = static_cast<int>(MaxNameChars);
        notes << QCoreApplication::translate(
            "chromlet::ui::NameEditor",
            "A name holds at most %Ln characters; what did not fit was left out.", nullptr, most);
    }
    return notes.join(QLatin1Char('\n'));
}

}  // namespace chromlet
