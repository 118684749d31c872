#pragma once

#include "LinkFrame.h"
#include "MonitorDecoder.h"
#include "StatusRecord.h"
#include "UnitInfo.h"

#include <QString>

#include <optional>

class LinkView;
class ParameterSet;
class Port;

namespace lang {
class MessageTable;
}

// The link to the unit, driven by one tick every kTickMs: collects answers,
// runs the read, program and verify transactions with their resends, polls
// the status while idle, and keeps the window's link indicators. Counts time
// in ticks only. The image and the texts belong to the window; the link
// works on them through references.
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
    static constexpr int kMaxSends = 5;        // sends of one page request
    static constexpr int kMessageTicks = 200;  // message line time-out
    static constexpr int kWatchdogTicks = 18;  // silence before "No Connection"
    static constexpr int kProgressMax = 3;     // CGaugeProgram maximum
    static constexpr int kFirstComPort = 1;
    static constexpr int kLastComPort = 10;

    PollCycle(ParameterSet &image, const lang::MessageTable &messages, Port &port, LinkView &view);

    // Opens the port numbered comPort at devicePath (the caller maps the
    // number to its platform's device). A number outside 1..10 leaves the
    // port closed without a word; a failed open shows "Com opening error!".
    void openComPort(int comPort, const QString &devicePath);
    void closeComPort();
    // Why the last open failed, for diagnostics.
    const QString &portError() const { return m_portError; }

    // One poll tick; call every kTickMs.
    void tick();

    // Transaction starts; each replaces a running transaction. Program and
    // Verify collect the controls first (LinkView::collectControls), normalise
    // the image and show it. Program-at-once follows an edit whose image the
    // window has already collected and shown.
    void startRead();
    void startProgram();
    void startVerify();
    void startProgramAtOnce();

    // While the window is printed the message and connection labels stay hidden.
    void setPrintMode(bool on) { m_printMode = on; }
    // Keeps the message line the window has just filled on screen for
    // kMessageTicks ticks; the countdown hides it afterwards.
    void holdMessage() { m_messageTicks = kMessageTicks; }

    LinkState linkState() const { return m_linkState; }
    quint8 commandByte() const { return m_commandByte; }
    int sendCount() const { return m_sendCount; }
    int messageTicks() const { return m_messageTicks; }
    int watchdogTicks() const { return m_watchdogTicks; }
    bool programmedOk() const { return m_programmedOk; }
    quint16 saveCountdown() const { return m_saveCountdown; }
    quint16 engineSpeed() const { return m_engineSpeed; }
    std::optional<int> currentPoint() const { return m_currentPoint; }
    // Texts from page 0, rebuilt whenever the unit sends page 0.
    const UnitIdentification &identification() const { return m_identification; }

private:
    // Tick steps, in their order.
    void readComPort();
    void stepTransaction();
    void countDownMessage();
    void runWatchdog();
    void highlightCurvePoint();
    void deliverVersionBox();

    void dispatch(const LinkFrame &frame);
    void takeStatus(const LinkFrame &frame);
    void takeAnswer(int page, const quint8 *data);
    void takeReadAnswer(int page, const quint8 *data);
    void takeProgramAnswer(int page, const quint8 *data);
    void takeVerifyAnswer(const quint8 *data);

    void sendRequest();
    void sendStatusRequest();
    void sendNextPage(quint8 command);
    void beginVerify();
    void failTransaction();
    bool versionMismatch();
    void rebuildIdentification();
    void normaliseAndShow();
    void begin(LinkState state, quint8 command, const QString &text);
    // Fills the message line and keeps it on screen for kMessageTicks.
    void showMessage(const QString &text, LabelColour colour);
    void setProgress(int value);

    // Ends of the message line's text: a step under way, a step done.
    static constexpr QLatin1String kColon{":"};
    static constexpr QLatin1String kOk{": OK"};

    ParameterSet &m_image;
    const lang::MessageTable &m_messages;
    Port &m_port;
    LinkView &m_view;
    MonitorDecoder m_monitor;

    LinkState m_linkState = LinkState::Idle;
    quint8 m_commandByte = 0;
    int m_tickCount = 0;
    int m_sendCount = 0;
    int m_messageTicks = 0;
    int m_watchdogTicks = 0;
    bool m_programmedOk = false;
    bool m_printMode = false;
    bool m_failureShown = false; // the message line shows a red failure text
    int m_progress = 0;
    quint16 m_saveCountdown = 0;
    quint16 m_engineSpeed = 0;
    std::optional<int> m_currentPoint;
    UnitIdentification m_identification;
    QString m_portError;
    std::optional<QString> m_pendingVersionBox;
};
