#include "WindowState.h"

WindowState::WindowState(QObject *parent) : QObject(parent) {}

void WindowState::setLanguage(quint8 language)
{
    m_language = language;
    m_messages.fill(language);
    emit languageChanged();
}

void WindowState::setComPort(quint8 comPort)
{
    if (comPort == m_comPort)
        return;
    m_comPort = comPort;
    emit comPortChanged();
}
