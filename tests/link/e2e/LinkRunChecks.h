#pragma once

#include "FrameBytes.h"
#include "LinkBounds.h"
#include "LinkDisplay.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "TappedPort.h"

#include <QList>
#include <QString>
#include <QTest>

#include <algorithm>

// What the link's runs against a simulated unit are checked by, whether the
// unit runs as a process on a pseudo-terminal or inside the test. A rig has
// a TappedPort port, a RecordingDisplay view, a LinkPresenter presenter and
// idle().
namespace e2e {

// The unit stores a programmed set in 53 steps of one tick, then the next
// status poll reports it done.
constexpr int kSaveTicks = wire::status::kSaveFullCount + 2 * PollCycle::kStatusPollTicks;
// Status polls a faulty line may lose before one gets through.
constexpr int kLostPollTicks = 6 * PollCycle::kStatusPollTicks;
// Program, Read and Verify rounds per faulty line.
constexpr int kFaultyRounds = 3;

// A parameter set unlike the defaults, already in range; variant picks one of many.
inline ParameterSet parameterSet(int variant)
{
    ParameterSet set;
    set.SetDefaults();
    set.setPocetBodu(quint8(3 + variant % 12));
    set.setBaseAdv(quint8(5 + variant % 20));
    set.setLimiter(1, quint8(120 + variant % 40));
    set.setInput(0, quint8(variant % 5));
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        set.setRpmAdv(i, quint8(15 + 9 * i + variant % 7));
        set.setAdvance(i, quint8(8 + (3 * i + variant) % 30));
    }
    set.NormaliseParameterSet();
    return set;
}

// Codes of the page requests that left the port, in order.
inline QList<int> pageRequests(const TappedPort &port)
{
    QList<int> codes;
    for (const TappedPort::Sent &s : port.sent()) {
        if (s.bytes[0] != wire::CMD_STATUS)
            codes << s.bytes[0];
    }
    return codes;
}

// A page request with its resends: the same frame sent again.
struct Request
{
    int code;
    QByteArray data;
    int sends;
};

// The page requests that left the port, in order, each resend folded into
// the request it repeats. How often a request went out depends on how soon
// the simulator's answer came, which a busy machine can delay; what went out
// does not.
inline QList<Request> requestsSent(const TappedPort &port)
{
    QList<Request> requests;
    QByteArray previous;
    for (const TappedPort::Sent &s : port.sent()) {
        if (s.bytes[0] == wire::CMD_STATUS)
            continue;
        const QByteArray frame = bytesOf(s.bytes);
        if (frame == previous) {
            ++requests.last().sends;
            continue;
        }
        previous = frame;
        requests.append({s.bytes[0], dataOf(s.bytes), 1});
    }
    return requests;
}

inline QList<int> codesOf(const QList<Request> &requests)
{
    QList<int> codes;
    for (const Request &r : requests)
        codes << r.code;
    return codes;
}

// No request went out more often than the resend rules allow.
inline bool withinResendRules(const QList<Request> &requests)
{
    return std::all_of(requests.begin(), requests.end(),
                       [](const Request &r) { return r.sends <= PollCycle::kMaxSends; });
}

// Every step between the ticks equals step.
inline bool evenlySpaced(const QList<int> &ticks, int step)
{
    for (int i = 1; i < ticks.size(); ++i) {
        if (ticks[i] - ticks[i - 1] != step)
            return false;
    }
    return true;
}

enum class Transaction
{
    Read,
    Program,
    Verify
};

template <typename Rig> void start(Rig &rig, Transaction transaction)
{
    switch (transaction) {
    case Transaction::Read:
        rig.presenter.startRead();
        break;
    case Transaction::Program:
        rig.presenter.startProgram();
        break;
    case Transaction::Verify:
        rig.presenter.startVerify();
        break;
    }
}

template <typename Rig> bool failed(const Rig &rig)
{
    return rig.idle() && rig.view.messageColour == LabelColour::Red;
}

// A program run has ended once the unit reports its store done, or on a red error.
template <typename Rig> bool programEnded(const Rig &rig)
{
    return failed(rig) || (rig.idle() && rig.view.messageText == QLatin1String("Programing: OK"));
}

template <typename Rig> bool verifyEnded(const Rig &rig)
{
    return failed(rig) || (rig.idle() && rig.view.messageText == QLatin1String("Verify: OK"));
}

// Program, Read and Verify kFaultyRounds times over a faulty line: each
// transaction ends, a success means the window and the unit hold the same
// set, and a failure leaves the window's set as it was or as the unit's.
// Reports a failed check as the test's; the caller returns after it.
template <typename Rig> void faultyRounds(Rig &rig)
{
    QByteArray unitPage0;
    int successes = 0;
    const int programTicks = transactionTicks(kProgramPages) + kLostPollTicks;
    for (int round = 0; round < kFaultyRounds; ++round) {
        rig.image = parameterSet(10 + round);
        const QByteArray programmed = pageOf(rig.image, 1);
        rig.presenter.startProgram();
        QVERIFY2(rig.tickUntil([&] { return programEnded(rig); }, programTicks),
                 qPrintable(rig.view.messageText));
        QCOMPARE(pageOf(rig.image, 1), programmed);
        if (!failed(rig)) {
            ++successes;
            QCOMPARE(rig.unitPage1(), programmed);
            if (unitPage0.isEmpty())
                unitPage0 = pageOf(rig.image, 0);
            QCOMPARE(pageOf(rig.image, 0), unitPage0);
        } else {
            QVERIFY2(rig.view.messageText == "Program error!" ||
                         rig.view.messageText == "Verify error!",
                     qPrintable(rig.view.messageText));
        }

        const QByteArray unitPage = rig.unitPage1();
        const QByteArray other = pageOf(parameterSet(40 + round), 1);
        rig.image.setPage(1, reinterpret_cast<const quint8 *>(other.constData()));
        rig.presenter.startRead();
        QVERIFY2(rig.tickUntil([&] { return verifyEnded(rig); }, transactionTicks(kReadPages)),
                 qPrintable(rig.view.messageText));
        if (!failed(rig)) {
            ++successes;
            QCOMPARE(pageOf(rig.image, 1), unitPage);
        } else if (rig.view.messageText == "Read error!") {
            QCOMPARE(pageOf(rig.image, 1), other);
        } else {
            // Page 1 came whole; its second reading was lost.
            QCOMPARE(rig.view.messageText, QStringLiteral("Verify error!"));
            QCOMPARE(pageOf(rig.image, 1), unitPage);
        }

        rig.presenter.startVerify();
        QVERIFY2(rig.tickUntil([&] { return verifyEnded(rig); }, transactionTicks(kVerifyPages)),
                 qPrintable(rig.view.messageText));
        if (!failed(rig)) {
            ++successes;
            QCOMPARE(pageOf(rig.image, 1), unitPage);
        } else {
            QCOMPARE(rig.view.messageText, QStringLiteral("Verify error!"));
        }
    }
    // The faults did strike: pages had to be sent again.
    const int fewestSends = kFaultyRounds * (kProgramPages + kReadPages + kVerifyPages);
    const int sends = int(pageRequests(rig.port).size());
    qInfo("%d of %d transactions succeeded, %d page requests for at least %d", successes,
          3 * kFaultyRounds, sends, fewestSends);
    QVERIFY(successes > 0);
    QVERIFY(sends > fewestSends);
}

} // namespace e2e
