#include "ComPortCommands.h"

#include "ControlTexts.h"
#include "FindUnitCommand.h"
#include "LanguageTexts.h"
#include "LinkPresenter.h"
#include "MessageTable.h"
#include "PollCycle.h"
#include "PortDialog.h"
#include "PortTexts.h"
#include "SettingsFile.h"
#include "WindowState.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

ComPortCommands::ComPortCommands(const Items &items, QWidget &window, QStatusBar &statusBar,
                                 Settings &settings, WindowState &state, PollCycle &link,
                                 LinkPresenter &presenter)
    : QObject(&window), m_items(items), m_group(new QActionGroup(this)), m_window(window),
      m_statusBar(statusBar), m_settings(settings), m_state(state), m_link(link),
      m_presenter(presenter)
{
    for (int i = 0; i < m_items.numbered.size(); ++i) {
        QAction *item = m_items.numbered[i];
        item->setCheckable(true);
        item->setData(i + 1);
        m_group->addAction(item);
    }
    m_findUnit = new FindUnitCommand(window, statusBar, *this, link, state);
    connect(&m_items.comMenu, &QMenu::aboutToShow, this, &ComPortCommands::updateComMenuTips);
    connect(&m_state, &WindowState::languageChanged, this, &ComPortCommands::updateComMenuTips);
}

void ComPortCommands::choosePort(int number)
{
    m_state.setComPort(quint8(number));
    checkComMenuItem();
    reopen();
}

// The chosen device joins the [PORTS] mapping, written when the window
// closes, and is opened at once as a click on the Com item opens its device.
void ComPortCommands::chooseDevice()
{
    PortDialog dialog(m_survey, comDevices(), mappedDevices(), m_state.comPort(),
                      m_state.language(), &m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenDevice().isEmpty())
        return;
    useDevice(dialog.chosenDevice());
}

void ComPortCommands::useDevice(const QString &device)
{
    m_settings.portDevices.insert(m_state.comPort(), device);
    updateComMenuTips();
    reopen();
}

void ComPortCommands::setPortAccessCheck(PortSurvey::AccessCheck check)
{
    m_survey = PortSurvey(check);
    m_findUnit->setPortAccessCheck(std::move(check));
}

QStringList ComPortCommands::mappedDevices() const
{
    return m_settings.portDevices.values();
}

void ComPortCommands::reopen()
{
    m_link.closeComPort();
    openComPort();
}

// A failed open shows its message box from the presenter; the status line adds
// which device it was and why, which is what a user needs to fix it.
void ComPortCommands::openComPort()
{
    const QString device = SettingsFile::portDevice(m_settings, m_state.comPort());
    m_presenter.openComPort(m_state.comPort(), device);
    if (!m_link.portError().isEmpty())
        m_statusBar.showMessage(
            m_state.messages().text(lang::Msg::PortOpenFailed).arg(device, m_link.portError()));
}

// The group unchecks the others; a number without an item leaves none checked.
void ComPortCommands::checkComMenuItem()
{
    for (QAction *item : m_group->actions()) {
        if (item->data().toInt() == m_state.comPort()) {
            item->setChecked(true);
            return;
        }
    }
    if (QAction *checked = m_group->checkedAction())
        checked->setChecked(false);
}

QStringList ComPortCommands::comDevices() const
{
    QStringList devices;
    for (int port = 1; port <= m_items.numbered.size(); ++port)
        devices << SettingsFile::portDevice(m_settings, port);
    return devices;
}

// The status line names the device behind each COM item as well, since the
// number alone does not tell which adapter it opens, and says when that
// device is not there. Built from the language tables, so it can follow
// every language pass; the Com menu asks again each time it opens.
void ComPortCommands::updateComMenuTips()
{
    const quint8 language = m_state.language();
    const lang::ControlTexts texts(language);
    const QStringList devices = comDevices();
    for (int i = 0; i < m_items.numbered.size(); ++i) {
        QAction *item = m_items.numbered[i];
        const QString status = lang::splitHint(texts.hint(item->objectName())).status;
        QString device = devices[i];
        if (!m_survey.facts(device, devices).exists)
            device += QStringLiteral(": ") + lang::portText(lang::PortText::Missing, language);
        item->setStatusTip(status + QStringLiteral(" (") + device + QLatin1Char(')'));
    }
}
