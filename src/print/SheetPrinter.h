#pragma once

#include <QPrinterInfo>
#include <QString>

class QWidget;

namespace print {

// Names a PDF file that receives the sheet instead of the printer.
inline constexpr char kPdfVariable[] = "ZEVRAS_PRINT_PDF";

// Where a sheet goes: the PDF file when one is named, else the printer.
struct Destination
{
    QString pdfFile;
    QPrinterInfo printer;           // null when no printer is installed or none is the default
    bool printersInstalled = false; // some printer, the default or not
};

// The PDF file named by ZEVRAS_PRINT_PDF, else the system's default printer.
Destination defaultDestination();

// What became of a sheet; the window says it in the user's language.
enum class PrintOutcome
{
    Printed,
    NoPrinter,
    NoDefaultPrinter, // printers are installed, but none is the default
    PdfNotWritten,    // destination.pdfFile
    PrinterRefused,   // destination.printer
};

// Draws the widget as it shows now onto one page, scaled to fit with its
// proportions kept, without a dialog.
PrintOutcome printSheet(QWidget &sheet, const Destination &destination);

} // namespace print
