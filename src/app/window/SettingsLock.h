#pragma once

#include <QLockFile>
#include <QString>

class QWidget;

// One window at a time on a settings folder: both would write their image
// and settings at close, each over the other's. The lock is a file in the
// folder, held while the window runs; a lock left by a program that ended
// without removing it counts for nothing.
class SettingsLock
{
public:
    static constexpr const char *kFileName = "zevras.lock";

    explicit SettingsLock(const QString &folder);

    // True when the window may start: it holds the lock, the lock cannot be
    // made at all (nothing to share then), or another window holds it and the
    // user, asked in language, chooses to start anyway.
    bool acquire(quint8 language, QWidget *parent = nullptr);

private:
    QString m_folder;
    QLockFile m_lock;
};
