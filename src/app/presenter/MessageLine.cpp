#include "MessageLine.h"

#include "LinkDisplay.h"

void MessageLine::show(const QString &text, LabelColour colour)
{
    m_failure = colour == LabelColour::Red;
    m_display.setMessageColour(colour);
    m_display.setMessageText(text);
    hold();
}

void MessageLine::setText(const QString &text)
{
    m_display.setMessageText(text);
}

void MessageLine::setColour(LabelColour colour)
{
    m_display.setMessageColour(colour);
}

void MessageLine::reveal()
{
    m_display.setMessageVisible(true);
}

void MessageLine::setProgress(int value)
{
    m_display.setProgress(value);
}

void MessageLine::revealProgress()
{
    m_display.setProgressVisible(true);
}

void MessageLine::hide()
{
    m_display.setMessageVisible(false);
    m_display.setProgressVisible(false);
}

void MessageLine::showPrintLine(const QString &text)
{
    m_display.setMessageText(text);
    m_display.setMessageColour(LabelColour::White);
    m_display.setMessageVisible(true);
    hold();
    m_display.setProgressVisible(false);
}

bool MessageLine::countDown()
{
    if (m_ticks > 0) {
        --m_ticks;
        m_display.setMessageVisible(!m_display.printMode());
        return false;
    }
    hide();
    return true;
}
