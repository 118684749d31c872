#pragma once

#include "DocumentViewer.h"

class QDialog;
class QWidget;
namespace lang {
class MessageTable;
}

// The Help menu: the manual of the current language and the about box.
class HelpCommands
{
public:
    HelpCommands(QWidget &window, const lang::MessageTable &messages, QDialog &about);

    // Opened with the desktop's viewer.
    void showManual();
    void showAbout();

    void setViewerCheck(ViewerCheck check) { m_hasViewer = std::move(check); }

private:
    QWidget &m_window;
    const lang::MessageTable &m_messages;
    QDialog &m_about;
    ViewerCheck m_hasViewer = desktopHasViewer;
};
