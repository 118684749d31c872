// Where the sheet lands on the page, the date-and-time line, and printing a
// widget into a PDF file or failing to.
#include "PdfFile.h"
#include "PrintTimeLine.h"
#include "SheetPlacement.h"
#include "SheetPrinter.h"

#include <QDateTime>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QWidget>
#include <QtTest>

Q_DECLARE_METATYPE(print::PrintOutcome)

class TestSheetPrinter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void sheetTarget_data();
    void sheetTarget();
    void printTimeLine_data();
    void printTimeLine();
    void printsOnePage_data();
    void printsOnePage();
    void failures_data();
    void failures();
    void destinationFromEnvironment_data();
    void destinationFromEnvironment();
    void moduleReports_data();
    void moduleReports();
};

void TestSheetPrinter::sheetTarget_data()
{
    QTest::addColumn<QSizeF>("sheet");
    QTest::addColumn<QRectF>("page");
    QTest::addColumn<QRectF>("target");

    QTest::newRow("window on portrait A4 meets the width")
        << QSizeF(834, 700) << QRectF(0, 0, 9921, 14031) << QRectF(0, 0, 9921, 700 * 9921 / 834.0);
    QTest::newRow("tall sheet on landscape page meets the height")
        << QSizeF(100, 400) << QRectF(0, 0, 2000, 1000) << QRectF(0, 0, 250, 1000);
    QTest::newRow("same proportions fill the page")
        << QSizeF(300, 200) << QRectF(0, 0, 600, 400) << QRectF(0, 0, 600, 400);
    QTest::newRow("larger than the page shrinks")
        << QSizeF(4000, 1000) << QRectF(0, 0, 1000, 1000) << QRectF(0, 0, 1000, 250);
    QTest::newRow("keeps the page's corner")
        << QSizeF(200, 100) << QRectF(50, 80, 400, 400) << QRectF(50, 80, 400, 200);
    QTest::newRow("empty sheet") << QSizeF(0, 300) << QRectF(10, 10, 500, 500)
                                 << QRectF(10, 10, 0, 0);
    QTest::newRow("empty page") << QSizeF(300, 300) << QRectF(0, 0, 0, 500) << QRectF(0, 0, 0, 0);
}

void TestSheetPrinter::sheetTarget()
{
    QFETCH(QSizeF, sheet);
    QFETCH(QRectF, page);
    QFETCH(QRectF, target);

    const QRectF placed = print::sheetTarget(sheet, page);
    QCOMPARE(placed.topLeft(), target.topLeft());
    QCOMPARE(placed.width(), target.width());
    QCOMPARE(placed.height(), target.height());
    QVERIFY(page.contains(placed) || placed.isEmpty());
    if (!placed.isEmpty())
        QCOMPARE(placed.width() / placed.height(), sheet.width() / sheet.height());
}

void TestSheetPrinter::printTimeLine_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("line");

    const QDateTime morning(QDate(2024, 3, 7), QTime(9, 5, 7), Qt::UTC);
    const QDateTime evening(QDate(2024, 12, 24), QTime(21, 45, 0), QTimeZone(3600));
    // Hours, minutes and seconds in the locale's order; no zone lengthens the line.
    QTest::newRow("English") << "Date and time of printing:  "
                             << "en_US" << morning
                             << "Date and time of printing:  3/7/24    9:05:07 AM";
    QTest::newRow("German") << "Zeitpunkt des Ausdruckes   "
                            << "de_DE" << morning
                            << "Zeitpunkt des Ausdruckes   07.03.24    09:05:07";
    QTest::newRow("French") << QString::fromUtf8("Date et heur de l´imprimé:   ") << "fr_FR"
                            << evening
                            << QString::fromUtf8(
                                   "Date et heur de l´imprimé:   24/12/2024    21:45:00");
    QTest::newRow("Czech, time of the zone given")
        << QString::fromUtf8("Datum a čas tisku:  ") << "cs_CZ" << evening
        << QString::fromUtf8("Datum a čas tisku:  24.12.24    21:45:00");
}

void TestSheetPrinter::printTimeLine()
{
    QFETCH(QString, heading);
    QFETCH(QString, locale);
    QFETCH(QDateTime, now);
    QFETCH(QString, line);

    QCOMPARE(print::printTimeLine(heading, now, QLocale(locale)), line);
}

void TestSheetPrinter::printsOnePage_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("wide") << QSize(800, 200);
    QTest::newRow("tall") << QSize(200, 900);
    QTest::newRow("tiny") << QSize(3, 2);
    QTest::newRow("empty") << QSize(0, 0);
}

void TestSheetPrinter::printsOnePage()
{
    QFETCH(QSize, size);

    QWidget sheet;
    sheet.resize(size);
    print::Destination destination;
    destination.pdfFile = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");

    QCOMPARE(print::printSheet(sheet, destination), print::PrintOutcome::Printed);
    QCOMPARE(pdffile::pageCount(destination.pdfFile), 1);
    const QList<QSize> images = pdffile::imageSizes(destination.pdfFile);
    if (size.isEmpty()) {
        QCOMPARE(images.size(), 0);
        return;
    }
    // One image of the widget, its proportions kept, no coarser than the screen.
    QCOMPARE(images.size(), 1);
    QCOMPARE(qint64(images[0].width()) * size.height(), qint64(images[0].height()) * size.width());
    QVERIFY(images[0].width() >= size.width());
}

void TestSheetPrinter::failures_data()
{
    QTest::addColumn<QString>("pdfFile");
    QTest::addColumn<bool>("printersInstalled");
    QTest::addColumn<print::PrintOutcome>("outcome");

    QTest::newRow("no printer installed") << QString() << false << print::PrintOutcome::NoPrinter;
    QTest::newRow("printers but no default")
        << QString() << true << print::PrintOutcome::NoDefaultPrinter;
    QTest::newRow("PDF in a missing folder")
        << m_dir.filePath("missing/sheet.pdf") << true << print::PrintOutcome::PdfNotWritten;
}

void TestSheetPrinter::failures()
{
    QFETCH(QString, pdfFile);
    QFETCH(bool, printersInstalled);
    QFETCH(print::PrintOutcome, outcome);

    QWidget sheet;
    sheet.resize(300, 200);
    print::Destination destination;
    destination.pdfFile = pdfFile;
    destination.printersInstalled = printersInstalled;

    QCOMPARE(print::printSheet(sheet, destination), outcome);
    QVERIFY(pdfFile.isEmpty() || !QFile::exists(pdfFile));
}

void TestSheetPrinter::destinationFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("pdfFile");

    QTest::newRow("PDF file named") << QByteArray("/tmp/sheet.pdf") << "/tmp/sheet.pdf";
    QTest::newRow("empty means the printer") << QByteArray() << QString();
}

void TestSheetPrinter::destinationFromEnvironment()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, pdfFile);

    qputenv(print::kPdfVariable, variable);
    const print::Destination destination = print::defaultDestination();
    qunsetenv(print::kPdfVariable);

    QCOMPARE(destination.pdfFile, pdfFile);
    // A named PDF file never falls through to a printer.
    if (!pdfFile.isEmpty())
        QVERIFY(destination.printer.isNull());
    else
        QCOMPARE(destination.printer.printerName(), QPrinterInfo::defaultPrinter().printerName());
}

// Through the printing module, loaded as the window loads it: the outcome
// comes back with the file the window's message names.
void TestSheetPrinter::moduleReports_data()
{
    QTest::addColumn<QString>("pdfFile");
    QTest::addColumn<print::PrintOutcome>("outcome");

    QTest::newRow("printed") << m_dir.filePath("module.pdf") << print::PrintOutcome::Printed;
    QTest::newRow("not written") << m_dir.filePath("missing/module.pdf")
                                 << print::PrintOutcome::PdfNotWritten;
}

void TestSheetPrinter::moduleReports()
{
    QFETCH(QString, pdfFile);
    QFETCH(print::PrintOutcome, outcome);

    print::SheetPrinting *printing = print::sheetPrinting();
    QVERIFY2(printing, "the printing module zevras-print was not found or did not load");
    QCOMPARE(print::sheetPrinting(), printing); // loaded once

    QWidget sheet;
    sheet.resize(300, 200);
    qputenv(print::kPdfVariable, QFile::encodeName(pdfFile));
    const print::PrintReport report = printing->printToDefault(sheet);
    qunsetenv(print::kPdfVariable);

    QCOMPARE(report.outcome, outcome);
    QCOMPARE(report.pdfFile, pdfFile);
    QCOMPARE(pdffile::pageCount(pdfFile), outcome == print::PrintOutcome::Printed ? 1 : -1);
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestSheetPrinter)
#include "tst_sheetprinter.moc"
