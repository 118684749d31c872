#pragma once

#include <QString>

#include <optional>

class Pty;
class SimSession;

// The unit's cable, pulled and plugged in again like a USB adapter: unplug
// closes the pseudo-terminal, so the program's port hangs up, and removes the
// link; plug opens a new pseudo-terminal and makes the link again at the same
// path. The unit keeps its stored set in between.
class PlugSwitch
{
public:
    PlugSwitch(Pty &pty, SimSession &session, const QString &linkPath)
        : m_pty(pty), m_session(session), m_linkPath(linkPath)
    {
    }

    // The reply to "unplug" or "plug"; none for any other command.
    std::optional<QString> execute(const QString &line);

    // The link to the current device; true when none is wanted.
    bool makeLink();
    void removeLink();

private:
    QString unplug();
    QString plug();

    Pty &m_pty;
    SimSession &m_session;
    QString m_linkPath;
    bool m_plugged = true;
};
