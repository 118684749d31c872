#pragma once

#include "PortSurvey.h"

#include <QList>
#include <QObject>
#include <QStringList>

class LinkPresenter;
class PollCycle;
class QAction;
class QActionGroup;
class QMenu;
class QStatusBar;
class QWidget;
class WindowState;
struct Settings;

// The Com menu: its ten numbered items, one exclusive group that carries
// each item's port number, the device chooser, and the status tips that name
// the device behind every number.
class ComPortCommands : public QObject
{
    Q_OBJECT

public:
    struct Items
    {
        QMenu &comMenu;
        QList<QAction *> numbered; // Com 1 .. Com 10, in order
        QAction &chooseDevice;
    };

    // settings keeps the [PORTS] mapping; the state's Com port is the one chosen.
    ComPortCommands(const Items &items, QWidget &window, QStatusBar &statusBar, Settings &settings,
                    WindowState &state, PollCycle &link, LinkPresenter &presenter);

    QActionGroup &group() const { return *m_group; }
    void setPortAccessCheck(PortSurvey::AccessCheck check) { m_survey = PortSurvey(check); }

    void choosePort(int number);
    void chooseDevice();
    void openComPort();
    void checkComMenuItem();
    void updateComMenuTips();

private:
    QStringList comDevices() const;
    void reopen();

    Items m_items;
    QActionGroup *m_group;
    QWidget &m_window;
    QStatusBar &m_statusBar;
    Settings &m_settings;
    WindowState &m_state;
    PollCycle &m_link;
    LinkPresenter &m_presenter;
    PortSurvey m_survey;
};
