#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "ManualLookup.h"
#include "MessageBox.h"
#include "TFormAbout.h"

#include <QDesktopServices>
#include <QUrl>

void TFormHlav::connectHelpCommands()
{
    connect(ui->MenuContens, &QAction::triggered, this, &TFormHlav::MenuContensClick);
    connect(ui->MenuAbout, &QAction::triggered, this, &TFormHlav::MenuAboutClick);
    connect(ui->MenuExit, &QAction::triggered, this, &TFormHlav::MenuExitClick);
}

// The manual of the current language, opened with the desktop's viewer.
void TFormHlav::MenuContensClick()
{
    const QString manual = findManual(m_messages.text(lang::Msg::HelpFile), manualFolders());
    if (manual.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        showMessageBox(this, m_messages.text(lang::Msg::HelpError));
}

void TFormHlav::MenuAboutClick()
{
    m_about->exec();
}

void TFormHlav::MenuExitClick()
{
    close();
}
