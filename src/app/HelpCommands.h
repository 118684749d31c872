#pragma once

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

private:
    QWidget &m_window;
    const lang::MessageTable &m_messages;
    QDialog &m_about;
};
