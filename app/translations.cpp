#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace chromlet {

Translations::Translations(const QLocale& locale) {
    for (const QString& tag : locale.uiLanguages()) {
        const QLocale language(tag);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return;
        }
        // The program's translations are built into it, under :/i18n.
        if (program_.load(language, QStringLiteral("chromlet"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(&program_);
            language_ = program_.language();
            // Qt's own texts (standard buttons, the file dialog, the editors' context menu);
            // where they are missing Qt speaks English, which the program's texts still match.
            if (qt_.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qt_);
            }
            return;
        }
    }
}

}  // namespace chromlet
