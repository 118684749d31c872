#pragma once

#include "PortSurvey.h"

#include <QList>
#include <QObject>
#include <QStringList>

class FindUnitCommand;
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
    };

    // settings keeps the [PORTS] mapping; the state's Com port is the one chosen.
    ComPortCommands(const Items &items, QWidget &window, QStatusBar &statusBar, Settings &settings,
                    WindowState &state, PollCycle &link, LinkPresenter &presenter);

    QActionGroup &group() const { return *m_group; }
    void setPortAccessCheck(PortSurvey::AccessCheck check);

    void choosePort(int number);
    void chooseDevice();
    void openComPort();
    void checkComMenuItem();
    void updateComMenuTips();

    // The device of each Com item, Com 1 first; the devices [PORTS] names.
    QStringList comDevices() const;
    QStringList mappedDevices() const;
    // Gives the device to the checked item ([PORTS], written when the window
    // closes) and opens it.
    void useDevice(const QString &device);
    FindUnitCommand &findUnit() const { return *m_findUnit; }

private:
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
    FindUnitCommand *m_findUnit;
};
