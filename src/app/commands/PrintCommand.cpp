#include "PrintCommand.h"

#include "FormBinding.h"
#include "LinkPresenter.h"
#include "MessageBox.h"
#include "MessageTable.h"
#include "PrintTimeLine.h"
#include "SheetPrinting.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QWidget>

PrintCommand::PrintCommand(QWidget &window, QWidget &sheet, QWidget &focusTarget,
                           FormBinding &binding, LinkPresenter &presenter,
                           const lang::MessageTable &messages)
    : m_window(window), m_sheet(sheet), m_focusTarget(focusTarget), m_binding(binding),
      m_presenter(presenter), m_messages(messages)
{
}

void PrintCommand::print()
{
    m_presenter.beginPrint(print::printTimeLine(m_messages.text(lang::Msg::PrintTimeHeading),
                                                QDateTime::currentDateTime(), QLocale::system()));
    m_binding.setPrintMode(true);
    m_focusTarget.setFocus(Qt::OtherFocusReason);
    m_binding.ApplyVisibilityRules();

    // The screen is restored whether the page went out or not; only then
    // does a failure show, over the normal window.
    print::SheetPrinting *printing = print::sheetPrinting();
    const print::PrintReport report =
        printing ? printing->printToDefault(m_sheet) : print::PrintReport{};

    m_binding.setPrintMode(false);
    m_binding.ApplyVisibilityRules();
    m_presenter.endPrint();
    switch (report.outcome) {
    case print::PrintOutcome::Printed:
        break;
    case print::PrintOutcome::NoPrinter:
        showMessageBox(&m_window, m_messages.text(lang::Msg::NoPrinter));
        break;
    case print::PrintOutcome::NoDefaultPrinter:
        showMessageBox(&m_window, m_messages.text(lang::Msg::NoDefaultPrinter));
        break;
    case print::PrintOutcome::PdfNotWritten:
        showMessageBox(&m_window, m_messages.text(lang::Msg::PdfNotWritten)
                                      .arg(QDir::toNativeSeparators(report.pdfFile)));
        break;
    case print::PrintOutcome::PrinterRefused:
        showMessageBox(&m_window,
                       m_messages.text(lang::Msg::PrinterRefusedJob).arg(report.printerName));
        break;
    case print::PrintOutcome::NotInstalled:
        showMessageBox(&m_window, m_messages.text(lang::Msg::PrintingNotInstalled));
        break;
    }
}
