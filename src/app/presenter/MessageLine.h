#pragma once

#include "MonitorLabels.h"

#include <QString>

class LinkDisplay;

// The message line LabelHlaseni with the transfer gauge CGaugeProgram under
// it: its text, colour and the ticks it stays on screen. The one writer of
// the line; print mode (asked of the display) keeps it hidden.
class MessageLine
{
public:
    static constexpr int kHoldTicks = 200; // time a message stays shown

    explicit MessageLine(LinkDisplay &display) : m_display(display) {}

    // New text and colour, held for kHoldTicks.
    void show(const QString &text, LabelColour colour);
    // New text; colour and hold stay.
    void setText(const QString &text);
    void setColour(LabelColour colour);
    void reveal();
    void setProgress(int value);
    void revealProgress();
    // Shows the line as it stands with its gauge for kHoldTicks ticks.
    void hold() { m_ticks = kHoldTicks; }
    // Ends the hold: the next tick hides the line.
    void release() { m_ticks = 0; }
    // Takes the line and the gauge off screen at once; the hold runs on.
    void hide();
    // The print command's date line on white, held, without the gauge.
    void showPrintLine(const QString &text);

    // One tick: counts the hold down. True when it has run out, in which case
    // the line and the gauge are hidden.
    bool countDown();

    int ticks() const { return m_ticks; }
    // The line shows a failure (in red).
    bool showsFailure() const { return m_failure; }

private:
    LinkDisplay &m_display;
    int m_ticks = 0;
    bool m_failure = false;
};
