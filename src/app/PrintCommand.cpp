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
#include <QDir>
#include <QLocale>

void TFormHlav::connectPrintCommand()
{
    connect(ui->MenuPrint, &QAction::triggered, this, &TFormHlav::SpeedButtonPrintClick);
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
    const print::Destination destination = print::defaultDestination();
    const print::PrintOutcome outcome = print::printSheet(*ui->centralwidget, destination);

    m_binding->setPrintMode(false);
    m_binding->ApplyVisibilityRules();
    m_presenter->endPrint();
    switch (outcome) {
    case print::PrintOutcome::Printed:
        break;
    case print::PrintOutcome::NoPrinter:
        showMessageBox(this, m_messages.text(lang::Msg::NoPrinter));
        break;
    case print::PrintOutcome::PdfNotWritten:
        showMessageBox(this, m_messages.text(lang::Msg::PdfNotWritten)
                                 .arg(QDir::toNativeSeparators(destination.pdfFile)));
        break;
    case print::PrintOutcome::PrinterRefused:
        showMessageBox(
            this,
            m_messages.text(lang::Msg::PrinterRefusedJob).arg(destination.printer.printerName()));
        break;
    }
}
