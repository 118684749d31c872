#pragma once

#include "SimFrame.h"

#include <QByteArray>
#include <QHash>
#include <QRandomGenerator>
#include <QString>

struct FaultSettings
{
    bool silent = false;  // never answers
    int firstSilent = 0;  // ignores the first N requests of each code
    int dropPercent = 0;  // answers lost on the line
    int flipPercent = 0;  // answers with one bit flipped
    bool garbage = false; // stray bytes before some answers
    int splitSize = 0;    // answers written in chunks of this many bytes
    int lateMs = 0;       // answers held back this long
};

// How one answer goes out on the line.
struct Delivery
{
    QByteArray bytes; // empty: nothing is sent
    int delayMs = 0;
    int chunkSize = 0; // 0: all at once
    QString note;      // the faults applied, for the request log
};

// Spoils the unit's answers on purpose, reproducibly from a fixed seed.
class FaultInjector
{
public:
    static constexpr int kGarbagePercent = 25;
    static constexpr int kMaxGarbageBytes = 20;
    static constexpr int kSplitGapMs = 3;

    explicit FaultInjector(quint32 seed, const FaultSettings &settings = {});

    FaultSettings &settings() { return m_settings; }
    QString describe() const;

    // True when the unit is to act as if the request never arrived.
    bool ignores(quint8 requestCode);
    Delivery deliver(const Frame &answer);

private:
    bool chance(int percent);

    FaultSettings m_settings;
    QRandomGenerator m_random;
    QHash<quint8, int> m_seen; // requests per code, for firstSilent
};
