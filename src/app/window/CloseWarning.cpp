#include "CloseWarning.h"

#include "MessageTable.h"
#include "PollCycle.h"

#include <QMessageBox>

void warnOfUnverifiedSet(QWidget *window, const PollCycle &link, const lang::MessageTable &messages)
{
    if (!link.programReachedUnit())
        return;
    QMessageBox warning(QMessageBox::Warning, QStringLiteral("ZEVRA-S2"),
                        messages.text(lang::Msg::UnitMayHoldUnverified), QMessageBox::Ok, window);
    warning.exec();
}
