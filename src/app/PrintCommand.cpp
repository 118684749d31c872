// The Print command: the window turns into a parameter sheet with the date
// and time of printing, goes onto one page of the default printer and turns
// back into the window.
#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "FormBinding.h"
#include "LinkPresenter.h"
#include "MessageBox.h"
#include "PrintTimeLine.h"
#include "SheetPrinter.h"

#include <QDateTime>
#include <QLocale>

void TFormHlav::connectPrintCommand()
{
    connect(ui->MenuPrint, &QAction::triggered, this, &TFormHlav::SpeedButtonPrintClick);
    connect(ui->SpeedButtonPrint, &QToolButton::clicked, this, &TFormHlav::SpeedButtonPrintClick);
}

void TFormHlav::SpeedButtonPrintClick()
{
    m_presenter->beginPrint(print::printTimeLine(m_messages.text(lang::Msg::PrintTimeHeading),
                                                 QDateTime::currentDateTime(), QLocale::system()));
    m_binding->setPrintMode(true);
    ui->RadioGroupInput1->setFocus(Qt::OtherFocusReason);
    m_binding->ApplyVisibilityRules();

    // The screen is restored whether the page went out or not; only then
    // does a failure show, over the normal window.
    const QString failure = print::printSheet(*ui->centralwidget, print::defaultDestination());

    m_binding->setPrintMode(false);
    m_binding->ApplyVisibilityRules();
    m_presenter->endPrint();
    if (!failure.isEmpty())
        showMessageBox(this, failure);
}
