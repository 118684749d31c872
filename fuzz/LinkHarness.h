#pragma once

#include "LinkDisplay.h"
#include "LinkPresenter.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "Port.h"

#include <QByteArray>

class FuzzInput;

// A port without a device: bytes arrive when the harness feeds them (and are
// lost while the port is closed); every frame the link writes is checked and
// the last one kept.
class FuzzPort : public Port
{
public:
    bool open(const QString &, QString *error) override
    {
        if (m_failOpen) {
            m_failOpen = false;
            *error = QStringLiteral("busy");
            return false;
        }
        m_open = true;
        return true;
    }
    void close() override
    {
        m_open = false;
        m_incoming.clear();
    }
    bool isOpen() const override { return m_open; }
    qint64 bytesWaiting() override;
    QByteArray read(qint64 maxBytes) override;
    bool write(const LinkFrame::Bytes &frame) override;
    bool waitSent() override { return true; }

    void feed(QByteArrayView bytes)
    {
        if (m_open)
            m_incoming += bytes;
    }
    // The next bytesWaiting() reports -1, as a port that cannot tell.
    void hideWaitingOnce() { m_hideWaiting = true; }
    void failNextOpen() { m_failOpen = true; }
    const LinkFrame::Bytes &lastWrite() const { return m_lastWrite; }

private:
    bool m_open = false;
    bool m_hideWaiting = false;
    bool m_failOpen = false;
    QByteArray m_incoming;
    LinkFrame::Bytes m_lastWrite{};
};

// A window that shows nothing but checks what the presenter asks it to show.
class CheckingView : public LinkDisplay
{
public:
    explicit CheckingView(const ParameterSet &image) : m_image(image) {}

    void setMessageText(const QString &) override {}
    void setMessageColour(LabelColour) override {}
    void setMessageVisible(bool) override {}
    void setProgress(int value) override;
    void setProgressVisible(bool) override {}
    void setConnectionLabelVisible(bool) override {}
    void setVersionLabelText(const QString &) override {}
    void setVersionLabelVisible(bool) override {}
    void setEeDataErrorVisible(bool) override {}
    void setMonitorText(MonitorLabel label, const QString &) override;
    void setMonitorColour(MonitorLabel label, LabelColour) override;
    void setRpmGauge(int percent) override;
    void setCurrentPoint(std::optional<int> row) override;
    void setUnitTexts(const UnitIdentification &) override {}
    void showParameterSet() override;
    bool printMode() const override { return printing; }
    // The box is closed at once, as a user quick to click would.
    void showVersionMismatch(const QString &, std::function<void()> closed) override { closed(); }
    void showComOpeningError(const QString &) override {}

    bool printing = false;

private:
    const ParameterSet &m_image;
};

// Checks what the link reports before the presenter takes it.
class CheckingListener : public LinkListener
{
public:
    CheckingListener(const PollCycle &link, LinkListener &next) : m_link(link), m_next(next) {}

    void statusTaken(const MonitorValues &values) override { m_next.statusTaken(values); }
    void unitInfoTaken() override;
    void setChanged() override { m_next.setChanged(); }
    void phaseChanged(Phase phase) override;
    void progressChanged(int value) override;
    void sequenceEnded(const SequenceEnd &end) override;
    void idleStep() override;
    void tickEnded() override { m_next.tickEnded(); }

private:
    const PollCycle &m_link;
    LinkListener &m_next;
};

// A poll cycle and its presenter, the port open and the window's image at
// the New defaults.
class LinkHarness
{
public:
    LinkHarness();

    // Starts nothing (0) or one of the four transactions, by selector % 5.
    void start(quint8 selector);
    void ticks(int count);
    // What the window does between ticks, by selector % 5: close the port,
    // reopen it, fail to reopen it, print mode on, print mode off.
    void windowCommand(quint8 selector);
    // The answer code for the request the link waits for.
    quint8 pendingAnswerCode() const { return m_link.commandByte() ^ wire::kAnswerBit; }

    FuzzPort &port() { return m_port; }

private:
    void checkState() const;

    ParameterSet m_image;
    lang::MessageTable m_messages;
    FuzzPort m_port;
    CheckingView m_view{m_image};
    PollCycle m_link{m_port};
    LinkPresenter m_presenter{m_link, m_image, m_messages, m_view};
    CheckingListener m_checks{m_link, m_presenter};
};

// The common head of the link inputs: the transaction to start and how many
// ticks to run after the input ends (resends, time-outs, the message count).
struct LinkScriptHead
{
    quint8 start;
    int closingTicks;

    static LinkScriptHead read(FuzzInput &input);
};
