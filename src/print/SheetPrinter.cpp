#include "SheetPrinter.h"

#include "SheetPlacement.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace print {

namespace {

// Fine enough for the smallest text on the sheet, small enough to send fast.
constexpr qreal kSheetDpi = 300;

// The widget drawn as it shows, with pixelRatio image pixels per widget
// pixel. Printers get an image: drawing widgets straight onto a printer
// makes the framework go through a page-sized bitmap at printer resolution.
QImage sheetImage(QWidget &sheet, qreal pixelRatio)
{
    QImage image(sheet.size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    sheet.render(&image, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

PrintOutcome jobFailed(const Destination &destination)
{
    return destination.pdfFile.isEmpty() ? PrintOutcome::PrinterRefused
                                         : PrintOutcome::PdfNotWritten;
}

} // namespace

Destination defaultDestination()
{
    Destination destination;
    destination.pdfFile = qEnvironmentVariable(kPdfVariable);
    if (destination.pdfFile.isEmpty())
        destination.printer = QPrinterInfo::defaultPrinter();
    destination.printersInstalled = !QPrinterInfo::availablePrinterNames().isEmpty();
    return destination;
}

PrintOutcome printSheet(QWidget &sheet, const Destination &destination)
{
    if (destination.pdfFile.isEmpty() && destination.printer.isNull())
        return destination.printersInstalled ? PrintOutcome::NoDefaultPrinter
                                             : PrintOutcome::NoPrinter;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("ZEVRA-S2"));
    if (destination.pdfFile.isEmpty()) {
        printer.setPrinterName(destination.printer.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(destination.pdfFile);
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return jobFailed(destination);
    // The painter's origin is the top-left corner of the printable area.
    const QRectF page(QPointF(), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QRectF target = sheetTarget(sheet.size(), page);
    if (!target.isEmpty()) {
        const qreal inches = target.width() / printer.resolution();
        const qreal pixelRatio = std::max(1.0, std::ceil(inches * kSheetDpi / sheet.width()));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, sheetImage(sheet, pixelRatio));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return jobFailed(destination);
    return PrintOutcome::Printed;
}

} // namespace print
