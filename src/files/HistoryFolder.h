#pragma once

#include "ParameterSet.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What put a set into the history: a read from the unit, a set that was
// programmed into the unit, verified and stored, or one programmed and
// verified whose storing the unit never reported finished.
enum class HistoryEvent : quint8
{
    Read,
    Programmed,
    Unconfirmed
};

struct HistoryEntry
{
    QString path;
    QDateTime when; // UTC, to the millisecond
    QString unit;   // the unit's program name as it stands in the file name
    HistoryEvent event = HistoryEvent::Read;
    int readAgain = 0; // later reads of the same set from the same unit
    QString note;      // the user's words on it: customer, bike, plate

    // Its local date and time in the user's short formats, as the file line
    // and the compare window's headers name it; empty when the time is not valid.
    QString shortLocalTime() const;
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
    // A read of the set the unit's newest entry holds only counts as read
    // again on that entry. False when the file could not be written; nothing
    // is removed then.
    bool record(const ParameterSet &set, const QString &unit, HistoryEvent event,
                const QDateTime &when = QDateTime::currentDateTimeUtc());

    // Newest first.
    QList<HistoryEntry> entries() const;

    // Keeps the note beside the entry's file (an empty note removes it).
    bool setNote(const HistoryEntry &entry, const QString &note) const;

    // Whether the path names a file in the folder, which only the history writes.
    bool holds(const QString &path) const;

    // "20261208T134512.345Z_SIL13_read.ign"; characters of the unit name
    // that a file name cannot safely carry become '-'.
    static QString fileName(const QDateTime &when, const QString &unit, HistoryEvent event);
    // The entry a history file name stands for; none for any other name.
    static std::optional<HistoryEntry> parse(const QString &fileName);

private:
    QStringList ownFileNames() const; // oldest first
    bool countReadAgain(const ParameterSet &set, const QString &unit) const;
    void prune() const;

    QString m_folder;
    int m_maxFiles;
};
