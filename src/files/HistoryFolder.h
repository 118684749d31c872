#pragma once

#include "ParameterSet.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What put a set into the history: a read from the unit, or a set that was
// programmed into the unit and verified.
enum class HistoryEvent : quint8
{
    Read,
    Programmed
};

struct HistoryEntry
{
    QString path;
    QDateTime when; // UTC, to the millisecond
    QString unit;   // the unit's program name as it stands in the file name
    HistoryEvent event = HistoryEvent::Read;
};

// The sets read from or programmed into a unit, one .ign file per event,
// named by the time (UTC, so that names sort in time order), the unit and the
// event. Keeps at most maxFiles of its own files; the oldest go first. Files
// of other names in the folder are neither listed nor removed.
class HistoryFolder
{
public:
    static constexpr int kMaxFiles = 500;

    explicit HistoryFolder(QString folder, int maxFiles = kMaxFiles);

    const QString &folder() const { return m_folder; }

    // Writes the parameter page as a .ign file, atomically, creating the
    // folder if needed, then removes the oldest files beyond the limit.
    // False when the file could not be written; nothing is removed then.
    bool record(const ParameterSet &set, const QString &unit, HistoryEvent event,
                const QDateTime &when = QDateTime::currentDateTimeUtc());

    // Newest first.
    QList<HistoryEntry> entries() const;

    // "20261208T134512.345Z_SIL13_read.ign"; characters of the unit name
    // that a file name cannot safely carry become '-'.
    static QString fileName(const QDateTime &when, const QString &unit, HistoryEvent event);
    // The entry a history file name stands for; none for any other name.
    static std::optional<HistoryEntry> parse(const QString &fileName);

private:
    QStringList ownFileNames() const; // oldest first
    void prune() const;

    QString m_folder;
    int m_maxFiles;
};
