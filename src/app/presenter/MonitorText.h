#pragma once

#include "MonitorLabels.h"

#include <QString>

#include <array>
#include <optional>

struct MonitorValues;

namespace lang {
class MessageTable;
}

// What one status answer shows: every monitor label's text, the colour of
// those that have a colour rule, the speed gauge, the version warning and the
// stored-data error flag.
struct MonitorDisplay
{
    struct Line
    {
        QString text;
        std::optional<LabelColour> colour; // empty: the label keeps its colour
    };

    std::array<Line, kMonitorLabelCount> lines;
    int rpmGauge = 0; // percent of the limiter speed, 0..kRpmGaugeMax
    bool versionMatches = true;
    QString versionText; // the mismatch warning, set when the versions differ
    bool eeDataError = false;

    const Line &line(MonitorLabel label) const { return lines[int(label)]; }
};

// Turns the values of a status answer into the live display in the current language.
class MonitorText
{
public:
    static constexpr int kRpmGaugeMax = 100;

    explicit MonitorText(const lang::MessageTable &messages) : m_messages(messages) {}

    // hardLimiter is the limiter speed in hundreds of rpm (page 1 byte 4).
    MonitorDisplay decode(const MonitorValues &values, quint8 hardLimiter) const;

    // The data-format warning for a unit reporting unitVersion.
    QString versionMismatchText(int unitVersion) const;

private:
    void setFlagLine(MonitorDisplay &display, MonitorLabel label, const QString &caption, bool on,
                     LabelColour onColour) const;

    const lang::MessageTable &m_messages;
};
