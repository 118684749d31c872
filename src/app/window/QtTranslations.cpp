#include "QtTranslations.h"

#include "MessageTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The locale of each language index; English is Qt's own.
const char *const kLocales[lang::kLanguageCount] = {nullptr, "de", "fr", "cs"};

} // namespace

QtTranslations::QtTranslations(QObject *parent, const QString &folder)
    : QObject(parent),
      m_folder(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)
{
}

void QtTranslations::setLanguage(quint8 language)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    const char *locale = language < lang::kLanguageCount ? kLocales[language] : nullptr;
    if (!locale)
        return;
    auto *translator = new QTranslator(this);
    if (translator->load(QLatin1String("qtbase_") + QLatin1String(locale), m_folder)) {
        QCoreApplication::installTranslator(translator);
        m_translator = translator;
    } else {
        delete translator;
    }
}
