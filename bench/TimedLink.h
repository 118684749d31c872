#pragma once

#include "LinkPresenter.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "RecordingDisplay.h"
#include "SerialPort.h"
#include "TappedPort.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <vector>

// The link and its presenter as the window runs them: a precise timer calls
// tick() every kTickMs.
// Several can run side by side on one event loop.
class TimedLink
{
public:
    explicit TimedLink(const QString &device)
    {
        m_image.SetDefaults();
        m_presenter.openComPort(PollCycle::kFirstComPort, device);
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(PollCycle::kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { onTick(); });
        m_clock.start();
        m_timer.start();
    }

    bool isOpen() const { return m_port.isOpen(); }
    PollCycle &link() { return m_link; }
    LinkPresenter &presenter() { return m_presenter; }
    ParameterSet &image() { return m_image; }
    const RecordingDisplay &view() const { return m_view; }
    const TappedPort &port() const { return m_port; }
    int ticks() const { return int(m_tickNs.size()); }
    // When tick number n (from 1) began, in ns since the start.
    qint64 tickNs(int n) const { return m_tickNs[size_t(n - 1)]; }
    // How long tick number n ran, in ns.
    qint64 workNs(int n) const { return m_workNs[size_t(n - 1)]; }

    // Called after every tick, until replaced or cleared.
    void setAfterTick(std::function<void()> afterTick) { m_afterTick = std::move(afterTick); }
    void stop() { m_timer.stop(); }

    // Runs the event loop until done() holds after a tick, or limitTicks have passed.
    bool runUntil(const std::function<bool()> &done, int limitTicks)
    {
        QEventLoop loop;
        const int last = ticks() + limitTicks;
        bool reached = false;
        m_afterTick = [&] {
            if (done())
                reached = true;
            if (reached || ticks() >= last)
                loop.quit();
        };
        loop.exec();
        m_afterTick = nullptr;
        return reached;
    }

    void runFor(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    void onTick()
    {
        m_tickNs.push_back(m_clock.nsecsElapsed());
        m_port.setTick(ticks());
        m_link.tick();
        m_workNs.push_back(m_clock.nsecsElapsed() - m_tickNs.back());
        if (m_afterTick)
            m_afterTick();
    }

    ParameterSet m_image;
    lang::MessageTable m_messages;
    SerialPort m_serial;
    TappedPort m_port{m_serial};
    RecordingDisplay m_view;
    PollCycle m_link{m_port};
    LinkPresenter m_presenter{m_link, m_image, m_messages, m_view};
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<qint64> m_tickNs;
    std::vector<qint64> m_workNs;
    std::function<void()> m_afterTick;
};
