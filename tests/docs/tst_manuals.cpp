#include "MessageTable.h"
#include "TestPaths.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

// The manuals are built as PDFs next to the program, one per language, and
// quote the program's messages exactly as the program shows them.
class TestManuals : public QObject
{
    Q_OBJECT

private slots:
    void pdfIsBuilt_data();
    void pdfIsBuilt();
    void quotesMessagesLetterForLetter_data();
    void quotesMessagesLetterForLetter();
};

namespace {

struct Manual
{
    const char *code;
    quint8 language;
};

const Manual kManuals[] = {
    {"en", lang::English}, {"de", lang::German}, {"fr", lang::French}, {"cz", lang::Czech}};

// The messages every manual explains.
struct Quoted
{
    lang::Msg msg;
    const char *name;
};

const Quoted kQuoted[] = {
    {lang::Msg::ComOpeningError, "port error"},
    {lang::Msg::ProgramError, "program error"},
    {lang::Msg::VerifyError, "verify error"},
    {lang::Msg::ReadError, "read error"},
    {lang::Msg::NoReading, "read protection"},
    {lang::Msg::UnmatchedVersion, "unit version"},
    {lang::Msg::UnmatchedIgnFile, "file version"},
    {lang::Msg::FileError, "file error"},
    {lang::Msg::HelpError, "help error"},
    {lang::Msg::Saving, "saving"},
    {lang::Msg::DefaultSettingQuestion, "default question"},
    {lang::Msg::PrintTimeHeading, "print heading"},
};

// A handful of pages at least; an empty or failed layout gives one.
constexpr int kMinimumPages = 5;
constexpr qint64 kMinimumBytes = 20 * 1024;

QString manualText(const char *code)
{
    QFile file((testpaths::manualSources() + QStringLiteral("/%1.html")).arg(QLatin1String(code)));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    // Blanks that must not collapse are written as no-break spaces.
    return document.toPlainText().replace(QChar::Nbsp, QLatin1Char(' '));
}

} // namespace

void TestManuals::pdfIsBuilt_data()
{
    QTest::addColumn<QString>("fileName");
    for (const Manual &manual : kManuals) {
        const QString name = QStringLiteral("manual_zevras_%1.pdf").arg(QLatin1String(manual.code));
        QTest::newRow(manual.code) << name;
    }
}

void TestManuals::pdfIsBuilt()
{
    QFETCH(QString, fileName);

    QFile pdf(testpaths::builtManuals() + QLatin1Char('/') + fileName);
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF-"));
    QVERIFY2(content.size() >= kMinimumBytes, qPrintable(QString::number(content.size())));
    QVERIFY(content.trimmed().endsWith("%%EOF"));
    const int pages = content.count("/Type /Page\n");
    QVERIFY2(pages >= kMinimumPages, qPrintable(QString::number(pages)));
}

void TestManuals::quotesMessagesLetterForLetter_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("message");

    for (const Manual &manual : kManuals) {
        for (const Quoted &quoted : kQuoted) {
            QTest::addRow("%s %s", manual.code, quoted.name)
                << QString::fromLatin1(manual.code) << int(manual.language) << int(quoted.msg);
        }
    }
}

void TestManuals::quotesMessagesLetterForLetter()
{
    QFETCH(QString, code);
    QFETCH(int, language);
    QFETCH(int, message);

    static QHash<QString, QString> texts;
    if (!texts.contains(code))
        texts.insert(code, manualText(qPrintable(code)));
    const QString &manual = texts[code];
    QVERIFY(!manual.isEmpty());

    lang::MessageTable table;
    table.fill(quint8(language));
    const QString quote = table.text(lang::Msg(message));
    QVERIFY2(manual.contains(quote), qPrintable(QStringLiteral("missing: \"%1\"").arg(quote)));
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestManuals)
#include "tst_manuals.moc"
