#pragma once

#include "FrameBytes.h"
#include "ImageFile.h"
#include "LinkBounds.h"
#include "LinkProtocol.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "SimProcess.h"
#include "TFormHlav.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

// Bounds in the window's own time: ticks of its Timer1.
namespace win {

// The first status answer: one poll period, then the answer, which a busy
// machine may delay by several ticks.
constexpr int kFirstStatusTicks = PollCycle::kStatusPollTicks + e2e::kLateAnswerTicks;
// Read and Program alike: page 0, page 1, verify.
constexpr int kTransactionTicks = e2e::transactionTicks(e2e::kProgramPages);
// The unit stores in 53 steps of one tick; the next poll reports it done.
constexpr int kSaveTicks = wire::status::kSaveFullCount + 2 * PollCycle::kStatusPollTicks;
// The file the settings name as the one last opened.
const QByteArray kLastFile = "bike.ign";
// A stalled timer must not hang the test: wall time allowed per tick, with
// room for a machine too busy to keep the timer's pace.
constexpr int kWallMsPerTick = 10 * PollCycle::kTickMs;

inline QString hexOf(const ParameterSet &image)
{
    return QString::fromLatin1(pageOf(image, 1).toHex());
}

} // namespace win

// The real main window, started with its settings (and its history of sets)
// in a private folder that
// points COM1 at a running simulator. The window's own timer drives the link;
// the rig counts its ticks and samples the message line after each one.
class WindowRig
{
public:
    WindowRig()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
    }
    ~WindowRig()
    {
        if (form)
            form->close();
        form.reset();
        sim.stop();
    }
    WindowRig(const WindowRig &) = delete;
    WindowRig &operator=(const WindowRig &) = delete;

    // Starts the simulator with these options, then the window, whose stored
    // image is windowImage when given (else it starts at the defaults), with
    // these command-line words.
    bool start(const QStringList &simOptions,
               const std::optional<ParameterSet> &windowImage = std::nullopt,
               const QStringList &arguments = {})
    {
        const QString device = sim.start(simOptions, e2e::kProcessMs);
        if (device.isEmpty() || !m_config.isValid())
            return false;
        const QString folder = m_config.path() + QStringLiteral("/zevras");
        QDir().mkpath(folder);
        QFile settings(folder + QStringLiteral("/zevras.ini"));
        if (!settings.open(QIODevice::WriteOnly))
            return false;
        settings.write("[FORM_HLAV]\nComPort=1\nFile=" + win::kLastFile +
                       "\n\n[PORTS]\nCOM1=" + QFile::encodeName(device) + "\n" + morePorts);
        settings.close();
        if (windowImage && !ImageFile::save(folder + QStringLiteral("/_zevras.ini"), *windowImage))
            return false;

        form = std::make_unique<TFormHlav>(arguments);
        auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer1"));
        if (!timer)
            return false;
        // Connected after the window's own handler, so it sees each tick's result.
        QObject::connect(timer, &QTimer::timeout, form.get(), [this] { afterTick(); });
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    template <typename T> T *control(const char *name) const
    {
        T *widget = form->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QLabel *label(const char *name) const { return control<QLabel>(name); }

    // Lets the window run until done() holds, at most limit ticks.
    bool runUntil(const std::function<bool()> &done, int limit)
    {
        const int end = m_ticks + limit;
        return QTest::qWaitFor([&] { return done() || m_ticks >= end; },
                               limit * win::kWallMsPerTick) &&
               done();
    }

    // False when the timer stalls.
    bool runTicks(int count)
    {
        const int end = m_ticks + count;
        return QTest::qWaitFor([&] { return m_ticks >= end; }, count * win::kWallMsPerTick);
    }

    int ticks() const { return m_ticks; }
    bool idle() const { return form->link().linkState() == PollCycle::LinkState::Idle; }
    QString message() const { return label("LabelHlaseni")->text(); }
    // The message line as it stood after each tick, repeats left out.
    const QStringList &messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

    // Where the window keeps the history of sets.
    QString historyFolder() const { return m_data.path() + QStringLiteral("/zevras/history"); }

    QByteArray unitPage1() { return sim.storedPage1(e2e::kProcessMs); }

    SimProcess sim{testpaths::simulator()};
    std::unique_ptr<TFormHlav> form;
    // Lines for [PORTS] after COM1's, set before start().
    QByteArray morePorts;

private:
    void afterTick()
    {
        ++m_ticks;
        const QString text = message();
        if (m_messages.isEmpty() || m_messages.last() != text)
            m_messages << text;
    }

    QTemporaryDir m_config;
    QTemporaryDir m_data;
    int m_ticks = 0;
    QStringList m_messages;
};
