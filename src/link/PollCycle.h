#pragma once

#include "ComItems.h"
#include "LinkFrame.h"
#include "LinkListeners.h"
#include "PageExchange.h"
#include "Sequence.h"

#include <QString>

#include <optional>

class ParameterSet;
class Port;

// The link to the unit, driven by one tick every kTickMs: collects answers,
// runs a Read, Program, Verify or read-only read sequence over page
// exchanges with their resends, polls the status while idle and keeps the
// connection watchdog. Counts time in ticks only, speaks protocol only, and
// reports plain values to its listeners; it never shows anything itself.
class PollCycle
{
public:
    enum class LinkState : quint8
    {
        Idle,
        Programming,
        Verifying,
        Reading
    };

    static constexpr int kTickMs = wire::kTickMs;
    static constexpr int kStatusPollTicks = 6; // idle poll period
    static constexpr int kResendTicks = 4;     // page request resend period
    static constexpr int kMaxSends = PageExchange::kMaxSends;
    static constexpr int kWatchdogTicks = 18; // silence before "no connection"
    static constexpr int kReopenTicks = 18;   // between tries to open a lost device
    static constexpr int kProgressMax = Sequence::kProgressMax;
    static constexpr int kFirstComPort = comitems::kFirst;
    static constexpr int kLastComPort = comitems::kLast;

    explicit PollCycle(Port &port);

    // Listeners hear every report in the order they were added. One that is
    // destroyed drops out by itself, also while the link runs.
    void addListener(LinkListener &listener) { m_listeners.add(listener); }
    void removeListener(const LinkListener &listener) { m_listeners.remove(listener); }

    // Opens the port numbered comPort at devicePath (the caller maps the
    // number to its platform's device). A number outside 1..10 leaves the
    // port closed. False only when an open was tried and failed; portError()
    // says why.
    bool openComPort(int comPort, const QString &devicePath);
    void closeComPort();
    const QString &portError() const { return m_portError; }
    // The open port's device went away; every kReopenTicks the cycle tries
    // to open it again, until it opens or another port is opened or closed.
    bool deviceLost() const { return m_deviceLost; }

    // One poll tick; call every kTickMs.
    void tick();

    // Sequence starts; each replaces a running sequence, and the first
    // request goes out 1 to 4 ticks later. The set must outlive the
    // sequence; Program and Verify send it as it stands at each send, so the
    // caller collects and normalises it first. Read and Program write the
    // unit's pages into it; a read-only read fills `into` and nothing else.
    void startRead(ParameterSet &image);
    void startProgram(ParameterSet &image);
    void startVerify(ParameterSet &image);
    void startReadOnly(ParameterSet &into);

    LinkState linkState() const;
    std::optional<SequenceKind> sequence() const;
    quint8 commandByte() const { return m_exchange.command(); }
    int sendCount() const { return m_exchange.sendCount(); }
    int watchdogTicks() const { return m_watchdogTicks; }
    // The watchdog ran out on the last tick: nothing accepted for kWatchdogTicks ticks.
    bool noConnection() const { return m_noConnection; }
    // The unit's storing progress: SAVE_COUNTDOWN of the last status, set to
    // its full count when a Program sequence ends Ok.
    quint16 saveCountdown() const { return m_saveCountdown; }
    // Engine speed of the last status, 0 without a pick-up signal.
    quint16 engineSpeed() const { return m_engineSpeed; }
    // A running Program has sent page 1: from here on the unit may hold the
    // new set, not yet verified.
    bool programReachedUnit() const;

private:
    // Tick steps, in their order.
    void readComPort();
    void watchDevice();
    void stepSequence();
    void runWatchdog();

    void dispatch(const LinkFrame &frame);
    void takeStatus(const LinkFrame &frame);
    void takeAnswer(const LinkFrame &frame);
    void start(SequenceKind kind, ParameterSet &set);
    void finish(const SequenceEnd &end);
    void sendStatusRequest();
    void loseDevice();
    void reopenDevice();

    Port &m_port;
    LinkListeners m_listeners;
    PageExchange m_exchange{m_port};
    std::optional<Sequence> m_sequence;

    int m_tickCount = 0; // ticks since the last send
    int m_watchdogTicks = 0;
    bool m_noConnection = false;
    quint16 m_saveCountdown = 0;
    quint16 m_engineSpeed = 0;
    QString m_portError;
    QString m_devicePath; // of the port opened last
    bool m_deviceLost = false;
    int m_reopenTicks = 0;
};
