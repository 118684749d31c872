#include "HelpCommands.h"

#include "ManualLookup.h"
#include "MessageBox.h"
#include "MessageTable.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

HelpCommands::HelpCommands(QWidget &window, const lang::MessageTable &messages,
                           TFormAbout::LanguageSource language)
    : m_window(window), m_messages(messages), m_language(std::move(language))
{
}

void HelpCommands::showManual()
{
    const QString manual = findManual(m_messages.text(lang::Msg::HelpFile), manualFolders());
    if (manual.isEmpty()) {
        showMessageBox(&m_window, m_messages.text(lang::Msg::HelpError));
    } else if (!m_hasViewer(manual)) {
        showMessageBox(&m_window,
                       m_messages.text(lang::Msg::NoViewer).arg(QFileInfo(manual).fileName()));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        showMessageBox(&m_window, m_messages.text(lang::Msg::HelpError));
    }
}

void HelpCommands::showAbout()
{
    if (!m_about)
        m_about = new TFormAbout(m_language, &m_window);
    m_about->exec();
}
