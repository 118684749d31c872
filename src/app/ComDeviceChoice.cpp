#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "PollCycle.h"
#include "PortDialog.h"

QStringList TFormHlav::comDevices() const
{
    QStringList devices;
    for (int port = 1; port <= comMenuItems().size(); ++port)
        devices << SettingsFile::portDevice(m_settings, port);
    return devices;
}

// The chosen device joins the [PORTS] mapping, written when the window
// closes, and is opened at once as a click on the Com item opens its device.
void TFormHlav::MenuChooseDeviceClick()
{
    PortDialog dialog(m_portSurvey, comDevices(), m_settings.portDevices.values(), m_comPort,
                      m_language, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenDevice().isEmpty())
        return;
    m_settings.portDevices.insert(m_comPort, dialog.chosenDevice());
    updateComMenuTips();
    m_link->closeComPort();
    OpenComPort();
}
