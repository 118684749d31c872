#include "HelpCommands.h"

#include "ManualLookup.h"
#include "MessageBox.h"
#include "MessageTable.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QUrl>

HelpCommands::HelpCommands(QWidget &window, const lang::MessageTable &messages, QDialog &about)
    : m_window(window), m_messages(messages), m_about(about)
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
    m_about.exec();
}
