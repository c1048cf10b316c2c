// The program's translations and Qt's own, chosen from the user's languages.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace chromlet {

/// Loads the program's translation for the first of `locale`'s languages that it speaks, and
/// Qt's own translation (qtbase) for the same language, and installs both in the running
/// application for as long as this object lives. English is the language of the source texts:
/// when it comes first, nothing is loaded, so that an English user never sees a fallback
/// language. Needs a QCoreApplication.
class Translations {
  public:
    explicit Translations(const QLocale& locale);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// The language loaded, e.g. "de"; empty when the texts stay English.
    QString Language() const { return language_; }

  private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
};

}  // namespace chromlet
