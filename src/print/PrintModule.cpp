#include "PrintModule.h"

#include "SheetPrinter.h"

print::PrintReport PrintModule::printToDefault(QWidget &sheet)
{
    const print::Destination destination = print::defaultDestination();
    return {print::printSheet(sheet, destination), destination.pdfFile,
            destination.printer.printerName()};
}
