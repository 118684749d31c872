#pragma once

#include "DocumentViewer.h"
#include "TFormAbout.h"

class QWidget;
namespace lang {
class MessageTable;
}

// The Help menu: the manual of the current language and the about box.
class HelpCommands
{
public:
    // The about box is made when first shown, as a child of window, and kept.
    HelpCommands(QWidget &window, const lang::MessageTable &messages,
                 TFormAbout::LanguageSource language);

    // Opened with the desktop's viewer.
    void showManual();
    void showAbout();

    void setViewerCheck(ViewerCheck check) { m_hasViewer = std::move(check); }

private:
    QWidget &m_window;
    const lang::MessageTable &m_messages;
    TFormAbout::LanguageSource m_language;
    TFormAbout *m_about = nullptr;
    ViewerCheck m_hasViewer = desktopHasViewer;
};
