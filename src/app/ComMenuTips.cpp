#include "TFormHlav.h"

#include "ControlTexts.h"

#include <QAction>

// The status line names the device behind each COM item as well, since the
// number alone does not tell which adapter it opens. Built from the language
// table, so it can follow every language pass.
void TFormHlav::updateComMenuTips()
{
    const lang::ControlTexts texts(m_language);
    const QList<QAction *> items = comMenuItems();
    for (int i = 0; i < items.size(); ++i) {
        const QString status = lang::splitHint(texts.hint(items[i]->objectName())).status;
        const QString device = SettingsFile::portDevice(m_settings, i + 1);
        items[i]->setStatusTip(status + QStringLiteral(" (") + device + QLatin1Char(')'));
    }
}
