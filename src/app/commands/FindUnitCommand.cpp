#include "FindUnitCommand.h"

#include "ComPortCommands.h"
#include "PollCycle.h"
#include "PortDialog.h"
#include "PortTexts.h"
#include "SettingsFile.h"
#include "WindowState.h"

#include <QHash>
#include <QStatusBar>

using lang::PortText;

FindUnitCommand::FindUnitCommand(QWidget &window, QStatusBar &statusBar, ComPortCommands &ports,
                                 PollCycle &link, const WindowState &state)
    : QObject(&window), m_window(window), m_statusBar(statusBar), m_ports(ports), m_link(link),
      m_state(state)
{
    connect(&m_probe, &UnitProbe::finished, this, &FindUnitCommand::searched);
}

void FindUnitCommand::setPortAccessCheck(PortSurvey::AccessCheck check)
{
    m_check = check;
    m_probe.setAccessCheck(std::move(check));
}

// The window's own port is closed first: the unit may be on it, and a device
// held open, by this program or another, is never asked. A transfer running
// is not cut short.
void FindUnitCommand::find()
{
    if (m_probe.running() || m_link.sequence())
        return;
    m_statusBar.showMessage(lang::portText(PortText::Searching, m_state.language()));
    m_link.closeComPort();
    m_probe.start(m_probe.candidates(m_ports.comDevices(), m_ports.mappedDevices()));
}

void FindUnitCommand::searched()
{
    const QList<ProbeResult> results = m_probe.results();
    const QList<ProbeResult> units = UnitProbe::answering(results);
    QString device;
    if (units.size() == 1) {
        device = units.first().facts.path;
    } else {
        QHash<QString, QString> said;
        for (const ProbeResult &result : results)
            said.insert(result.facts.path, answerText(result));
        const PortSurvey survey(m_check);
        PortDialog dialog(survey, m_ports.comDevices(), m_ports.mappedDevices(), m_state.comPort(),
                          m_state.language(), &m_window);
        dialog.showProbeAnswers(said, units.isEmpty() ? QString() : units.first().facts.path);
        if (dialog.exec() == QDialog::Accepted)
            device = dialog.chosenDevice();
    }
    if (device.isEmpty()) {
        m_ports.openComPort();
        if (units.isEmpty())
            m_statusBar.showMessage(
                lang::portText(PortText::NoneAnswered, m_state.language()).arg(results.size()));
    } else {
        m_ports.useDevice(device);
        for (const ProbeResult &unit : units) {
            if (unit.facts.path == device)
                m_statusBar.showMessage(lang::portText(PortText::Found, m_state.language())
                                            .arg(unit.programName, device)
                                            .arg(m_state.comPort()));
        }
    }
    emit searchEnded();
}

QString FindUnitCommand::answerText(const ProbeResult &result) const
{
    using State = ProbeResult::State;
    switch (result.state) {
    case State::Answering:
        return lang::portText(PortText::Answering, m_state.language())
            .arg(result.programName)
            .arg(result.dataVersion);
    case State::Silent:
        return lang::portText(PortText::Silent, m_state.language());
    case State::Busy:
        return lang::portText(PortText::Busy, m_state.language());
    case State::NotPermitted:
        return lang::portText(PortText::NoPermission, m_state.language());
    case State::Missing:
        return lang::portText(PortText::Missing, m_state.language());
    case State::Failed:
        break;
    }
    return lang::portText(PortText::OpenFailed, m_state.language());
}
