#pragma once

#include "LinkListener.h"
#include "MessageLine.h"
#include "MonitorText.h"

#include <QString>

#include <functional>
#include <optional>

class LinkDisplay;
class ParameterSet;
class PollCycle;

namespace lang {
class MessageTable;
}

// The window's side of the link: starts the sequences on the window's image
// and turns what the link reports into the message line, the gauges, the
// monitor and connection labels, the curve-point row and the version box,
// in the current language.
class LinkPresenter : public LinkListener
{
public:
    // Listens to link from here on; image and messages belong to the window.
    LinkPresenter(PollCycle &link, ParameterSet &image, const lang::MessageTable &messages,
                  LinkDisplay &display);
    ~LinkPresenter() override;
    LinkPresenter(const LinkPresenter &) = delete;
    LinkPresenter &operator=(const LinkPresenter &) = delete;

    // Opens the numbered port; a failed open shows "Com opening error!".
    void openComPort(int comPort, const QString &devicePath);

    // Starts on the image as it stands: the caller has collected, normalised
    // and shown it for Program and Verify. Program-at-once follows an edit.
    void startRead();
    void startProgram();
    void startProgramAtOnce();
    void startVerify();

    // Reads the unit into a separate set, leaving the image and the message
    // line alone; whoever started it hears its end from the link. A sequence
    // started after it replaces it, and it never ends.
    // A Read, Program or Verify runs, which a read-only read would cut short.
    bool transferRuns() const;
    void startReadOnly(ParameterSet &into);
    // The message a Read would show for an end that is not Ok.
    QString failureText(const SequenceEnd &end) const;

    // The print command's date line; the connection label goes with the
    // rest of the window's link labels while print mode lasts.
    void beginPrint(const QString &dateLine);
    void endPrint();

    MessageLine &messageLine() { return m_line; }
    const MessageLine &messageLine() const { return m_line; }
    // A programming was verified: "Programing: OK" follows the unit's storing.
    bool programmedOk() const { return m_programmedOk; }

    void statusTaken(const MonitorValues &values) override;
    void unitInfoTaken() override;
    void setChanged() override;
    void phaseChanged(Phase phase) override;
    void progressChanged(int value) override;
    void sequenceEnded(const SequenceEnd &end) override;
    void idleStep() override;
    void tickEnded() override;
    void portLost(const QString &devicePath) override;
    void portBack(const QString &devicePath) override;

private:
    void showStart(const QString &text);
    void showEnd(const SequenceEnd &end);
    bool readOnlyRuns() const;
    void showConnection();
    void deliverVersionBox();
    void versionBoxClosed();

    PollCycle &m_link;
    ParameterSet &m_image;
    const lang::MessageTable &m_messages;
    LinkDisplay &m_display;
    MessageLine m_line{m_display};
    MonitorText m_monitor{m_messages};
    bool m_programmedOk = false;
    std::optional<QString> m_pendingVersionBox;
    bool m_versionBoxOpen = false;
};
