#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "FormBinding.h"
#include "LanguageTexts.h"

void TFormHlav::connectLanguageCommands()
{
    connect(ui->MenuEnglish, &QAction::triggered, this, &TFormHlav::MenuEnglishClick);
    connect(ui->MenuGerman, &QAction::triggered, this, &TFormHlav::MenuGermanClick);
    connect(ui->MenuFrench, &QAction::triggered, this, &TFormHlav::MenuFrenchClick);
    connect(ui->MenuCzech, &QAction::triggered, this, &TFormHlav::MenuCzechClick);
}

void TFormHlav::MenuEnglishClick()
{
    switchLanguage(lang::English);
}

void TFormHlav::MenuGermanClick()
{
    switchLanguage(lang::German);
}

void TFormHlav::MenuFrenchClick()
{
    switchLanguage(lang::French);
}

void TFormHlav::MenuCzechClick()
{
    switchLanguage(lang::Czech);
}

// Only texts change: the port, the link, the file name and the undo history
// stay. The controls are shown from the image again, not read first, so the
// radio groups select their items anew and an unconfirmed value is dropped.
void TFormHlav::switchLanguage(quint8 language)
{
    m_language = language;
    lang::applyLanguageTexts(this, m_messages, m_language);
    updateComMenuTips();
    showTuningTexts();
    m_binding->ShowParameterSet();
}
