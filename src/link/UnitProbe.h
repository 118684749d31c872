#pragma once

#include "LinkProtocol.h"
#include "PortSurvey.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

// What one device said when it was asked whether a unit is there.
struct ProbeResult
{
    enum class State
    {
        Answering,    // a unit answered the status request
        Silent,       // opened, asked, nothing sound came back in time
        Busy,         // another program holds the device; it was left alone
        NotPermitted, // this user may not open it (facts.group names the group to join)
        Missing,      // no such device
        Failed,       // it would not open for another reason (error says which)
    };

    PortFacts facts;
    State state = State::Silent;
    int dataVersion = -1; // from the status answer
    QString programName;  // from the identification page; empty when it did not come
    QString error;
};

// Asks every given device at once whether the unit is on it: each is opened
// exclusively (one that another program holds is skipped, never taken over)
// and sent one status request. A device whose answer is the unit's status
// is then asked for its identification page, a read that changes nothing,
// for the program's name. Nothing is ever written to a unit. The whole
// search takes about one answer time plus the opens; finished() follows.
class UnitProbe : public QObject
{
    Q_OBJECT

public:
    // Time a device has for each answer: the link's own wait before it resends.
    static constexpr int kAnswerMs = 4 * wire::kTickMs;

    explicit UnitProbe(PortSurvey::AccessCheck check = deviceAccess, QObject *parent = nullptr);
    ~UnitProbe() override;

    void setAccessCheck(PortSurvey::AccessCheck check) { m_survey = PortSurvey(std::move(check)); }

    // The devices a search asks: those the system lists and those the Com
    // items are mapped to (see PortSurvey::survey).
    QList<PortFacts> candidates(const QStringList &comDevices, const QStringList &mapped) const;

    // Starts asking the devices; a search already running is abandoned.
    void start(const QList<PortFacts> &devices);
    bool running() const { return m_pending > 0; }
    // In the order the devices were given.
    QList<ProbeResult> results() const;

    // The answering results, those of this program's data version first.
    static QList<ProbeResult> answering(const QList<ProbeResult> &results);

signals:
    void finished();

private:
    class Line;
    void lineDone();
    void stopAll();

    PortSurvey m_survey;
    std::vector<std::unique_ptr<Line>> m_lines;
    int m_pending = 0;
};
