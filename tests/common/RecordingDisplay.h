#pragma once

#include "LinkDisplay.h"
#include "UnitInfo.h"

#include <QStringList>

#include <array>
#include <functional>

// Keeps what the presenter last showed, plus the history of message texts
// and the boxes asked for.
class RecordingDisplay : public LinkDisplay
{
public:
    void setMessageText(const QString &text) override
    {
        messageText = text;
        if (messageHistory.isEmpty() || messageHistory.last() != text)
            messageHistory << text;
    }
    void setMessageColour(LabelColour colour) override { messageColour = colour; }
    void setMessageVisible(bool visible) override { messageVisible = visible; }
    void setProgress(int value) override
    {
        progress = value;
        if (progressHistory.isEmpty() || progressHistory.last() != value)
            progressHistory << value;
    }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setConnectionLabelVisible(bool visible) override { connectionVisible = visible; }
    void setVersionLabelText(const QString &text) override { versionText = text; }
    void setVersionLabelVisible(bool visible) override { versionVisible = visible; }
    void setEeDataErrorVisible(bool visible) override { eeDataErrorVisible = visible; }
    void setMonitorText(MonitorLabel label, const QString &text) override
    {
        monitorTexts[int(label)] = text;
    }
    void setMonitorColour(MonitorLabel label, LabelColour colour) override
    {
        monitorColours[int(label)] = colour;
    }
    void setRpmGauge(int percent) override { rpmGauge = percent; }
    void setCurrentPoint(std::optional<int> row) override { currentPoint = row; }
    void setUnitTexts(const UnitIdentification &texts) override { unitTexts = texts; }
    void showParameterSet() override
    {
        ++showCalls;
        shownUnitTexts = unitTexts;
    }
    bool printMode() const override { return printing; }
    void showVersionMismatch(const QString &text, std::function<void()> closed) override
    {
        versionBoxes << text;
        closeVersionBox = std::move(closed);
    }
    void showComOpeningError(const QString &text) override { comErrorBoxes << text; }
    void showStatusNote(const QString &text) override { statusNotes << text; }

    QString messageText;
    QStringList messageHistory;
    LabelColour messageColour = LabelColour::Normal;
    bool messageVisible = false;
    int progress = 0;
    QList<int> progressHistory;
    bool progressVisible = false;
    bool connectionVisible = false;
    QString versionText;
    bool versionVisible = false;
    bool eeDataErrorVisible = false;
    std::array<QString, kMonitorLabelCount> monitorTexts;
    std::array<LabelColour, kMonitorLabelCount> monitorColours{};
    int rpmGauge = 0;
    std::optional<int> currentPoint;
    UnitIdentification unitTexts;
    UnitIdentification shownUnitTexts; // as the last refresh showed them
    int showCalls = 0;
    bool printing = false;
    QStringList versionBoxes;
    QStringList comErrorBoxes;
    QStringList statusNotes;
    // Closes the open version box, as the user's click would.
    std::function<void()> closeVersionBox;
};
