// The Print command on the real main window: one page into a PDF file, the
// sheet form while it is drawn, and the screen restored afterwards, also
// when nothing could be printed.
#include "Background.h"
#include "LinkPresenter.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "PdfFile.h"
#include "PollCycle.h"
#include "SheetPrinting.h"
#include "TFormHlav.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QColor kWhite(255, 255, 255);

QColor background(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

// What the window looks like whenever the message line is drawn while the
// command runs: no event loop turns inside it, so those paints are the sheet.
class SheetWatcher : public QObject
{
public:
    SheetWatcher(QWidget *window, QWidget *messageLine) : m_window(window)
    {
        messageLine->installEventFilter(this);
    }

    bool watching = false;
    int paints = 0;
    QString line;
    QColor lineColour;
    QColor windowColour;
    QStringList shown; // controls the sheet leaves out but were visible
    QRect lineBounds;
    bool lineWhole = false; // no part of the line cut off

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watching && event->type() == QEvent::Paint) {
            auto *label = static_cast<QLabel *>(watched);
            ++paints;
            line = label->text();
            lineColour = background(label);
            windowColour = background(m_window);
            lineBounds = label->geometry();
            lineWhole = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                          : label->width() >= label->sizeHint().width();
            for (const char *name :
                 {"UpDownBaseAdv", "UpDownRpmAdv1", "UpDownAdvance1", "GroupBoxToolBar",
                  "StatusBar1", "ImageLogo", "CGaugeRpm", "CGaugeProgram", "CheckBoxProgHned",
                  "CheckBoxZakazCteni", "CheckBoxIgnAll", "BitBtnAdvPlus", "LabelSpojeni"}) {
                if (m_window->findChild<QWidget *>(QLatin1String(name))->isVisible())
                    shown << QLatin1String(name);
            }
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<TFormHlav> m_form;

    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    void openWindow(const QStringList &arguments);
    void print(const QString &trigger);
    void verifyScreenRestored();
    static void closeMessageBoxes();

private slots:
    void init();
    void cleanup();

    void printsSheetIntoPdf_data();
    void printsSheetIntoPdf();
    void failingPrintRestoresScreen_data();
    void failingPrintRestoresScreen();
    void connectionLabelReturnsAfterPrint();
};

void TestPrintCommand::init()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    qunsetenv(print::kPdfVariable);
}

void TestPrintCommand::cleanup()
{
    closeMessageBoxes();
    m_form.reset();
    qunsetenv(print::kPdfVariable);
}

// The port cannot open here; its message box is closed so that the window
// is the active one again and takes its shortcuts.
void TestPrintCommand::openWindow(const QStringList &arguments)
{
    m_form = std::make_unique<TFormHlav>(arguments);
    m_form->show();
    closeMessageBoxes();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestPrintCommand::print(const QString &trigger)
{
    if (trigger == QLatin1String("menu"))
        child<QAction>("MenuPrint")->trigger();
    else if (trigger == QLatin1String("tool button"))
        child<QToolButton>("SpeedButtonPrint")->click();
    else
        QTest::keyClick(m_form.get(), Qt::Key_P, Qt::ControlModifier);
}

void TestPrintCommand::verifyScreenRestored()
{
    for (const char *name : {"UpDownBaseAdv", "UpDownOmez2", "UpDownLedRazeni", "UpDownPocetBodu",
                             "UpDownRpmAdv1", "UpDownAdvance1", "GroupBoxToolBar", "StatusBar1",
                             "ImageLogo", "CGaugeRpm", "CheckBoxProgHned", "CheckBoxZakazCteni",
                             "CheckBoxIgnAll", "BitBtnAdvMinus", "BitBtnAdvPlus", "LabelSnimac"}) {
        if (!child(name)->isVisible())
            QFAIL(qPrintable(QStringLiteral("%1 stays hidden").arg(QLatin1String(name))));
    }
    QCOMPARE(background(m_form.get()), QApplication::palette().color(QPalette::Window));
    QLabel *line = child<QLabel>("LabelHlaseni");
    QCOMPARE(background(line), buttonFace());
    QVERIFY(line->autoFillBackground());
    // The date line stays for the message time.
    QVERIFY(line->isVisible());
    QCOMPARE(m_form->linkPresenter().messageLine().ticks(), MessageLine::kHoldTicks);
}

void TestPrintCommand::closeMessageBoxes()
{
    testboxes::closeMessageBoxes();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestPrintCommand::printsSheetIntoPdf_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("focus");

    QTest::newRow("menu, English, edit field focused")
        << "menu" << QStringList() << "Date and time of printing:  "
        << "EditBaseAdv";
    QTest::newRow("tool button, German")
        << "tool button" << QStringList{"DEUTSCH"} << "Zeitpunkt des Ausdruckes   "
        << "RadioGroupInput1";
    QTest::newRow("Ctrl+P, Czech")
        << "Ctrl+P" << QStringList{"CESKY"} << QString::fromUtf8("Datum a čas tisku:  ")
        << "RadioGroupInput1";
    QTest::newRow("menu, French, edit field focused")
        << "menu" << QStringList{"FRANCE"} << QString::fromUtf8("Date et heur de l´imprimé:   ")
        << "EditRpmAdv1";
}

void TestPrintCommand::printsSheetIntoPdf()
{
    QFETCH(QString, trigger);
    QFETCH(QStringList, arguments);
    QFETCH(QString, heading);
    QFETCH(QString, focus);

    const QString pdfFile = m_home.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
    qputenv(print::kPdfVariable, QFile::encodeName(pdfFile));
    openWindow(arguments);
    // A field that loses the focus commits its edit, which shows the
    // window again; the sheet must not depend on that.
    child(qPrintable(focus))->setFocus(Qt::MouseFocusReason);
    SheetWatcher sheet(m_form.get(), child("LabelHlaseni"));

    sheet.watching = true;
    print(trigger);
    sheet.watching = false;

    QCOMPARE(pdffile::pageCount(pdfFile), 1);
    const QList<QSize> images = pdffile::imageSizes(pdfFile);
    QCOMPARE(images.size(), 1);
    const QSize area = m_form->centralWidget()->size();
    QCOMPARE(qint64(images[0].width()) * area.height(), qint64(images[0].height()) * area.width());
    QCOMPARE(testboxes::shownMessageTexts(), QStringList());
    QVERIFY(sheet.paints > 0);
    QVERIFY2(sheet.line.startsWith(heading), qPrintable(sheet.line));
    QVERIFY(sheet.line.size() > heading.size());
    QCOMPARE(sheet.lineColour, kWhite);
    QCOMPARE(sheet.windowColour, kWhite);
    QCOMPARE(sheet.shown, QStringList());
    // The line stays in its column, above the unit's version line.
    QVERIFY(sheet.lineWhole);
    QVERIFY2(sheet.lineBounds.right() < child("GroupBoxRpm")->x(),
             qPrintable(QString::number(sheet.lineBounds.right())));
    QVERIFY(sheet.lineBounds.bottom() < child("LabelVerze1")->y());

    QCOMPARE(child<QLabel>("LabelHlaseni")->text(), sheet.line);
    verifyScreenRestored();
    // No edit field kept the focus through the sheet.
    QWidget *input1 = child("RadioGroupInput1");
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused == input1 || input1->isAncestorOf(focused));
}

void TestPrintCommand::failingPrintRestoresScreen_data()
{
    QTest::addColumn<QString>("pdfFile");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // null: the table's text of the language

    const QString unwritable = m_home.filePath("missing/sheet.pdf");
    QTest::newRow("PDF in a missing folder") << unwritable << QStringList()
                                             << QString("The PDF file \"%1\" cannot be written.")
                                                    .arg(QDir::toNativeSeparators(unwritable));
    QTest::newRow("no printer installed")
        << QString() << QStringList() << "No printer is installed.";
    QTest::newRow("PDF in a missing folder, German")
        << unwritable << QStringList{"DEUTSCH"} << QString();
    QTest::newRow("no printer installed, Czech") << QString() << QStringList{"CESKY"} << QString();
}

void TestPrintCommand::failingPrintRestoresScreen()
{
    QFETCH(QString, pdfFile);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    if (pdfFile.isEmpty() && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed; this would print a real sheet");
    if (!pdfFile.isEmpty())
        qputenv(print::kPdfVariable, QFile::encodeName(pdfFile));
    openWindow(arguments);
    lang::MessageTable texts;
    texts.fill(m_form->language());
    if (message.isNull()) {
        QVERIFY(m_form->language() != lang::English);
        message = pdfFile.isEmpty()
                      ? texts.text(lang::Msg::NoPrinter)
                      : texts.text(lang::Msg::PdfNotWritten).arg(QDir::toNativeSeparators(pdfFile));
    }

    child<QAction>("MenuPrint")->trigger();

    QCOMPARE(testboxes::shownMessageTexts(), QStringList{message});
    verifyScreenRestored();
    QVERIFY(
        child<QLabel>("LabelHlaseni")->text().startsWith(texts.text(lang::Msg::PrintTimeHeading)));
}

// With the unit silent "No Connection" shows; it is left off the sheet and
// the poll cycle brings it back on its next tick, the date line staying.
void TestPrintCommand::connectionLabelReturnsAfterPrint()
{
    qputenv(print::kPdfVariable, QFile::encodeName(m_home.filePath("connection.pdf")));
    openWindow({});
    QLabel *connection = child<QLabel>("LabelSpojeni");
    const int watchdogMs = PollCycle::kTickMs * (PollCycle::kWatchdogTicks + 1);
    // The design shows the label until the first tick; the watchdog shows it again.
    QTRY_VERIFY_WITH_TIMEOUT(m_form->link().watchdogTicks() >= PollCycle::kWatchdogTicks &&
                                 connection->isVisible(),
                             4 * watchdogMs);

    child<QAction>("MenuPrint")->trigger();
    QVERIFY(!connection->isVisible());

    // The next tick; a busy machine may be late with it.
    QTRY_VERIFY_WITH_TIMEOUT(connection->isVisible(), 20 * PollCycle::kTickMs);
    QVERIFY(child<QLabel>("LabelHlaseni")->isVisible());
    QVERIFY(m_form->linkPresenter().messageLine().ticks() < MessageLine::kHoldTicks);
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
