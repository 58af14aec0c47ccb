#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return;
        if (m_program.load(locale, QStringLiteral("tallyvane"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            m_language = QLocale::languageToCode(locale.language());
            break;
        }
    }
    if (m_language.isEmpty())
        return;
    QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(QLocale(m_language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
