#pragma once

#include "SheetPrinting.h"

#include <QPrinterInfo>
#include <QString>

class QWidget;

namespace print {

// Where a sheet goes: the PDF file when one is named, else the printer.
struct Destination
{
    QString pdfFile;
    QPrinterInfo printer;           // null when no printer is installed or none is the default
    bool printersInstalled = false; // some printer, the default or not
};

// The PDF file named by ZEVRAS_PRINT_PDF, else the system's default printer.
Destination defaultDestination();

// Draws the widget as it shows now onto one page, scaled to fit with its
// proportions kept, without a dialog.
PrintOutcome printSheet(QWidget &sheet, const Destination &destination);

} // namespace print
