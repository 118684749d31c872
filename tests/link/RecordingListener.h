#pragma once

#include "LinkListener.h"
#include "MonitorValues.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

// Keeps everything the poll cycle reported.
struct RecordingListener : LinkListener
{
    void statusTaken(const MonitorValues &values) override
    {
        ++statuses;
        lastStatus = values;
    }
    void unitInfoTaken() override { ++unitInfos; }
    void setChanged() override { ++setChanges; }
    void phaseChanged(Phase phase) override { phases << phase; }
    void progressChanged(int value) override { progress << value; }
    void sequenceEnded(const SequenceEnd &end) override { ends.push_back(end); }
    void idleStep() override { ++idleSteps; }
    void tickEnded() override { ++ticks; }
    void portLost(const QString &device) override
    {
        portEvents << QStringLiteral("lost ") + device;
    }
    void portBack(const QString &device) override
    {
        portEvents << QStringLiteral("back ") + device;
    }

    bool ended() const { return !ends.empty(); }
    const SequenceEnd &lastEnd() const { return ends.back(); }

    int statuses = 0;
    std::optional<MonitorValues> lastStatus;
    int unitInfos = 0;
    int setChanges = 0;
    QList<Phase> phases;
    QList<int> progress;
    std::vector<SequenceEnd> ends;
    int idleSteps = 0;
    int ticks = 0;
    QStringList portEvents;
};
