#include "LanguageCommands.h"

#include "FormBinding.h"
#include "LanguageTexts.h"
#include "MessageTable.h"
#include "TextFit.h"
#include "WindowState.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

namespace {

const char *const kLanguageWords[lang::kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};

} // namespace

LanguageCommands::LanguageCommands(const QList<QAction *> &items, QWidget &window,
                                   WindowState &state, FormBinding &binding)
    : QObject(&window), m_group(new QActionGroup(this)), m_window(window), m_state(state),
      m_binding(binding)
{
    // First of the state's listeners: the others find the form's texts in the new language.
    connect(&m_state, &WindowState::languageChanged, this, &LanguageCommands::showLanguage);
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setCheckable(true);
        items[i]->setData(i);
        m_group->addAction(items[i]);
    }
}

void LanguageCommands::choose(const QAction &item)
{
    switchLanguage(quint8(item.data().toInt()));
}

void LanguageCommands::switchLanguage(quint8 language)
{
    m_state.setLanguage(language);
}

void LanguageCommands::showLanguage()
{
    const TextFitLayout::Batch fitOnce;
    lang::applyLanguageTexts(&m_window, m_state.messages());
    m_binding.ShowParameterSet();
}

bool LanguageCommands::isLanguageWord(const QString &word)
{
    for (const char *languageWord : kLanguageWords) {
        if (word == QLatin1String(languageWord))
            return true;
    }
    return false;
}

std::optional<quint8> LanguageCommands::languageOfWord(const QStringList &arguments)
{
    for (quint8 i = 0; i < lang::kLanguageCount && !arguments.isEmpty(); ++i) {
        if (arguments.first() == QLatin1String(kLanguageWords[i]))
            return i;
    }
    return std::nullopt;
}

void LanguageCommands::applyLanguageWord(const QStringList &arguments)
{
    if (const auto language = languageOfWord(arguments))
        m_state.setLanguage(*language);
}
