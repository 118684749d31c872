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
struct Settings;
namespace lang {
class MessageTable;
}

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

    // comPort and language are the window's own; settings keeps the [PORTS] mapping.
    ComPortCommands(const Items &items, QWidget &window, QStatusBar &statusBar, Settings &settings,
                    quint8 &comPort, const quint8 &language, PollCycle &link,
                    LinkPresenter &presenter, const lang::MessageTable &messages);

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
    quint8 &m_comPort;
    const quint8 &m_language;
    PollCycle &m_link;
    LinkPresenter &m_presenter;
    const lang::MessageTable &m_messages;
    PortSurvey m_survey;
    FindUnitCommand *m_findUnit;
};
