#pragma once

#include "MessageTable.h"

#include <QObject>

// What the whole window shares and follows: the language with its message
// table, and the Com port. Owned by the window; parts read it or connect to
// its signals, and nobody keeps a copy.
class WindowState : public QObject
{
    Q_OBJECT

public:
    explicit WindowState(QObject *parent = nullptr);

    quint8 language() const { return m_language; }
    quint8 comPort() const { return m_comPort; }
    // The texts of the current language.
    const lang::MessageTable &messages() const { return m_messages; }

    // Also when it is the language already shown: choosing it again shows the
    // window again. An index above 3 is kept for the range rule to mend; the
    // table then holds English.
    void setLanguage(quint8 language);
    void setComPort(quint8 comPort);

signals:
    // The message table holds the new language's texts.
    void languageChanged();
    void comPortChanged();

private:
    quint8 m_language = lang::English;
    quint8 m_comPort = 1;
    lang::MessageTable m_messages;
};
