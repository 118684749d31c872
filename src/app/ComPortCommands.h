#pragma once

#include "PortSurvey.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <utility>

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
    void setPortAccessCheck(PortSurvey::AccessCheck check)
    {
        m_survey = PortSurvey(std::move(check));
    }

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
    quint8 &m_comPort;
    const quint8 &m_language;
    PollCycle &m_link;
    LinkPresenter &m_presenter;
    const lang::MessageTable &m_messages;
    PortSurvey m_survey;
};
