#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

namespace print {

// Names a PDF file that receives the sheet instead of the printer.
inline constexpr char kPdfVariable[] = "ZEVRAS_PRINT_PDF";

// What became of a sheet; the window says it in the user's language.
enum class PrintOutcome
{
    Printed,
    NoPrinter,
    NoDefaultPrinter, // printers are installed, but none is the default
    PdfNotWritten,    // the report's pdfFile
    PrinterRefused,   // the report's printerName
    NotInstalled,     // the printing module is missing or does not load
};

// A sheet's outcome with the names its message needs.
struct PrintReport
{
    PrintOutcome outcome = PrintOutcome::NotInstalled;
    QString pdfFile;     // the PDF file named to receive the sheet, if one was
    QString printerName; // the printer that was to take it, if there is one
};

// What the printing module offers. The framework's printing, and what it
// loads, comes with the module on the first print, not with the program.
class SheetPrinting
{
public:
    virtual ~SheetPrinting() = default;

    // Draws the widget as it shows now onto one page of the PDF file named
    // by ZEVRAS_PRINT_PDF, else of the system's default printer, scaled to
    // fit with its proportions kept, without a dialog.
    virtual PrintReport printToDefault(QWidget &sheet) = 0;
};

// The printing module, loaded the first time it is asked for and kept; null
// when it is not installed or does not load.
SheetPrinting *sheetPrinting();

} // namespace print

#define ZEVRAS_SHEET_PRINTING_IID "example.zevra.zevras.SheetPrinting/1"
Q_DECLARE_INTERFACE(print::SheetPrinting, ZEVRAS_SHEET_PRINTING_IID)
