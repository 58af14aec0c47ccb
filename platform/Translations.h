#pragma once

// The program's words, and Qt's own for its standard buttons and dialogs, in
// the first of the user's languages that Tallyvane has a translation for.
// English, the language the program is written in, needs none: a user who
// puts it before another language gets it. The translations are installed
// for the lifetime of this object. Numbers keep following the region.

#include <QStringList>
#include <QTranslator>

class Translations {
public:
    // uiLanguages as QLocale::uiLanguages() gives them: "de-DE", "fr", "C" …
    explicit Translations(const QStringList &uiLanguages);

    // "de"; empty for English.
    QString language() const { return m_language; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};
