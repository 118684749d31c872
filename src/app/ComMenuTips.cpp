#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "ControlTexts.h"
#include "LanguageTexts.h"
#include "PortTexts.h"

#include <QAction>

// The status line names the device behind each COM item as well, since the
// number alone does not tell which adapter it opens, and says when that
// device is not there. Built from the language tables, so it can follow
// every language pass; the Com menu asks again each time it opens.
void TFormHlav::updateComMenuTips()
{
    const lang::ControlTexts texts(m_language);
    const QList<QAction *> items = comMenuItems();
    const QStringList devices = comDevices();
    for (int i = 0; i < items.size(); ++i) {
        const QString status = lang::splitHint(texts.hint(items[i]->objectName())).status;
        QString device = devices[i];
        if (!m_portSurvey.facts(device, devices).exists)
            device += QStringLiteral(": ") + lang::portText(lang::PortText::Missing, m_language);
        items[i]->setStatusTip(status + QStringLiteral(" (") + device + QLatin1Char(')'));
    }
    ui->MenuChooseDevice->setText(lang::portText(lang::PortText::MenuCaption, m_language));
    lang::setHint(ui->MenuChooseDevice, lang::portText(lang::PortText::MenuHint, m_language));
}
