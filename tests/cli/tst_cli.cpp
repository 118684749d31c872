#include "IgnFile.h"
#include "ParameterSet.h"
#include "ShownParameters.h"
#include "SimProcess.h"
#include "TestFiles.h"
#include "TestPaths.h"
#include "ToolTexts.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// zevras-cli as a process against the simulated unit on a pseudo-terminal:
// what it exits with, what it writes and what the unit holds afterwards.

namespace {

// Start-up of a process; every command here ends far sooner.
constexpr int kStartMs = 10000;
constexpr int kCommandMs = 40000;

const QString kCli = testpaths::cli();
const QString kKeepMe = QStringLiteral("keep me\n");

enum class Sets
{
    Defaults, // the New defaults, as the simulator starts
    Changed,  // a set the simulator does not hold
    Spare,    // the New defaults with a spare byte set, which no parameter file holds
};

ParameterSet setOf(Sets which)
{
    ParameterSet image;
    image.SetDefaults();
    if (which == Sets::Changed) {
        image.setBaseAdv(12);
        image.setAdvance(0, 25);
        image.setRpmAdv(1, 23);
        image.setClutch(1, 50);
    }
    if (which == Sets::Spare)
        image.set(ParameterSet::RESERVED_57, 5);
    return image;
}

QByteArray page1(const ParameterSet &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.page(1)), ParameterSet::kPageSize);
}

// What a row prepares as the command's input file.
enum class Input
{
    None,
    Changed,
    ChangedWithBom, // as a Windows editor saves it
    WrongVersion,
    Empty,
    Garbage,
};

// What a row expects at the output path, which holds kKeepMe before the run.
enum class Output
{
    Kept,           // still kKeepMe: a failed command never cuts an existing file
    UnitsSet,       // the parameter file of the set the unit holds
    CsvRows,        // a header and --count rows
    CsvLines,       // a header and at least one row, every line complete
    StdoutUnitsSet, // kept; standard output is the parameter file of the unit's set
};

// What the test does while the command runs.
enum class Act
{
    None,
    TerminateAfterRow,  // SIGTERM once the CSV has a row
    TerminateVerifying, // SIGTERM once the command says it verifies
    UnplugVerifying,    // the unit's cable pulled once the command says it verifies
    UnplugStoring,      // the same once it waits for the unit's storing
    ReplugAfterRow,     // pulled once the CSV has a row, plugged in again, SIGTERM after more rows
    StdoutFull,         // standard output on a full disk
};

int csvLines(const QString &path)
{
    return int(testfiles::readFile(path).count('\n'));
}

// The window's texts in what a row expects, in English: "{name KEY N}" is its
// name for parameter N of the key, "{parameter}" the header of the names.
QString withShownTexts(QString text)
{
    static const QRegularExpression named(QStringLiteral("\\{name (\\w+) (\\d+)\\}"));
    for (QRegularExpressionMatch match = named.match(text); match.hasMatch();
         match = named.match(text)) {
        QString name;
        for (const IgnFile::Key &key : IgnFile::keys()) {
            if (match.captured(1) == QLatin1String(key.name))
                name = lang::shownName(0, key, match.captured(2).toInt());
        }
        text.replace(match.capturedStart(), match.capturedLength(), name);
    }
    return text.replace(QStringLiteral("{parameter}"),
                        lang::toolText(lang::Tool::ColumnParameter, 0));
}

// Whether the output holds what a row expects, blanks simplified; a leading
// "^" asks for it at the start.
bool outputHas(const QString &output, const QString &expected)
{
    const QString simplified = output.simplified();
    if (expected.startsWith(QLatin1Char('^')))
        return simplified.startsWith(withShownTexts(expected.mid(1)).simplified());
    return simplified.contains(withShownTexts(expected).simplified());
}

} // namespace

Q_DECLARE_METATYPE(Act)
Q_DECLARE_METATYPE(Sets)
Q_DECLARE_METATYPE(Input)
Q_DECLARE_METATYPE(Output)

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QStringList>("arguments"); // {device}, {in}, {out} filled in
        QTest::addColumn<QString>("settings");      // zevras.ini; {device} filled in
        QTest::addColumn<Input>("input");
        QTest::addColumn<Act>("act");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<Output>("output");
        QTest::addColumn<Sets>("unitAfter");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");

        const QStringList port{"--port", "{device}"};
        const QStringList noisy{"--drop", "10", "--garbage", "--split", "7", "--seed", "5"};
        const QString comThree = QStringLiteral("[FORM_HLAV]\nComPort=3\n[PORTS]\nCOM3={device}\n");
        auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };

        row("read") << QStringList{} << port + QStringList{"read", "{out}"} << QString()
                    << Input::None << Act::None << 0 << Output::UnitsSet << Sets::Defaults
                    << "{name LIMITER 2} 15000 rpm {name LIMITER 3} 6 °"
                    << "";
        // Scripts take these lines: the file's keys in fixed columns, no header.
        row("read, the file's keys")
            << QStringList{} << port + QStringList{"read", "--keys", "{out}"} << QString()
            << Input::None << Act::None << 0 << Output::UnitsSet << Sets::Defaults
            << "^BIKE 0 RPM_ADV[1] 1000 rpm"
            << "";
        row("read to standard output")
            << QStringList{} << port + QStringList{"read", "-"} << QString() << Input::None
            << Act::None << 0 << Output::StdoutUnitsSet << Sets::Defaults << ""
            << "";
        row("read to a full standard output")
            << QStringList{} << port + QStringList{"read", "-"} << QString() << Input::None
            << Act::StdoutFull << 2 << Output::Kept << Sets::Defaults << ""
            << "cannot write the standard output";
        row("read through the settings' Com port")
            << QStringList{} << QStringList{"read", "{out}"} << comThree << Input::None << Act::None
            << 0 << Output::UnitsSet << Sets::Defaults << ""
            << "";
        row("read, silent unit") << QStringList{"--silent"} << port + QStringList{"read", "{out}"}
                                 << QString() << Input::None << Act::None << 3 << Output::Kept
                                 << Sets::Defaults << ""
                                 << "no answer";
        row("read, read-protected unit")
            << QStringList{"--read-protected"} << port + QStringList{"read", "{out}"} << QString()
            << Input::None << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "read protection";
        row("read, version mismatch")
            << QStringList{"--format-version", "45"} << port + QStringList{"read", "{out}"}
            << QString() << Input::None << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "45";
        row("read, noisy line") << noisy << port + QStringList{"read", "{out}"} << QString()
                                << Input::None << Act::None << 0 << Output::UnitsSet
                                << Sets::Defaults << ""
                                << "";
        row("read, port that will not open")
            << QStringList{} << QStringList{"--port", "{out}.missing", "read", "{out}"} << QString()
            << Input::None << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "cannot open";

        // {held}: the test holds the device open, as the window would.
        row("read, port held by another program")
            << QStringList{} << port + QStringList{"{held}", "read", "{out}"} << QString()
            << Input::None << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "in use by another program";

        row("program") << QStringList{} << port + QStringList{"program", "{in}"} << QString()
                       << Input::Changed << Act::None << 0 << Output::Kept << Sets::Changed << ""
                       << "stored";
        row("program, silent unit")
            << QStringList{"--silent"} << port + QStringList{"program", "{in}"} << QString()
            << Input::Changed << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "no answer";
        row("program, version mismatch")
            << QStringList{"--format-version", "47"} << port + QStringList{"program", "{in}"}
            << QString() << Input::Changed << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "47";
        row("program, read-protected unit")
            << QStringList{"--read-protected"} << port + QStringList{"program", "{in}"} << QString()
            << Input::Changed << Act::None << 0 << Output::Kept << Sets::Changed << ""
            << "";
        row("program, noisy line")
            << noisy << port + QStringList{"program", "{in}"} << QString() << Input::Changed
            << Act::None << 0 << Output::Kept << Sets::Changed << ""
            << "";
        // {stdin<in}: the command's standard input is the input file.
        row("program from standard input")
            << QStringList{} << port + QStringList{"program", "-", "{stdin<in}"} << QString()
            << Input::ChangedWithBom << Act::None << 0 << Output::Kept << Sets::Changed << ""
            << "stored";
        row("program, empty standard input")
            << QStringList{} << port + QStringList{"program", "-", "{stdin<in}"} << QString()
            << Input::Empty << Act::None << 2 << Output::Kept << Sets::Defaults << ""
            << "standard input is empty";
        row("program, file of another version")
            << QStringList{} << port + QStringList{"program", "{in}"} << QString()
            << Input::WrongVersion << Act::None << 2 << Output::Kept << Sets::Defaults << ""
            << "KORVALEN_KEY";

        row("verify, equal") << QStringList{} << port + QStringList{"verify", "{out}"} << QString()
                             << Input::None << Act::None << 0 << Output::Kept << Sets::Defaults
                             << "the unit holds the set of"
                             << "";
        row("verify, different") << QStringList{} << port + QStringList{"verify", "{in}"}
                                 << QString() << Input::Changed << Act::None << 1 << Output::Kept
                                 << Sets::Defaults
                                 << "^{parameter} in.ign unit {name RPM_ADV 2} 2300 rpm 2000 rpm"
                                 << "differs";
        row("verify, different, the file's keys")
            << QStringList{} << port + QStringList{"verify", "--keys", "{in}"} << QString()
            << Input::Changed << Act::None << 1 << Output::Kept << Sets::Defaults
            << "^RPM_ADV[2] 2300 2000 rpm"
            << "differs";
        row("verify of standard input")
            << QStringList{} << port + QStringList{"verify", "-", "{stdin<in}"} << QString()
            << Input::Changed << Act::None << 1 << Output::Kept << Sets::Defaults
            << "^{parameter} stdin unit"
            << "differs";
        row("verify, a spare byte differs")
            << QStringList{"--page1-hex", QString::fromLatin1(page1(setOf(Sets::Spare)).toHex())}
            << port + QStringList{"verify", "{out}"} << QString() << Input::None << Act::None << 1
            << Output::Kept << Sets::Spare << ""
            << "spare bytes";
        row("verify, silent unit")
            << QStringList{"--silent"} << port + QStringList{"verify", "{in}"} << QString()
            << Input::Changed << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "no answer";
        row("diff of two files")
            << QStringList{} << QStringList{"diff", "{out}", "{in}"} << QString() << Input::Changed
            << Act::None << 1 << Output::Kept << Sets::Defaults
            << "^{parameter} out.ign in.ign {name RPM_ADV 2} 2000 rpm 2300 rpm "
               "{name ADVANCE 1} 10 ° 25 °"
            << "";
        row("diff of two files, the file's keys")
            << QStringList{} << QStringList{"diff", "--keys", "{out}", "{in}"} << QString()
            << Input::Changed << Act::None << 1 << Output::Kept << Sets::Defaults
            << "^RPM_ADV[2] 2000 2300 rpm ADVANCE[1] 10 25 deg"
            << "";
        row("diff with the unit") << QStringList{} << port + QStringList{"diff", "{in}", "unit"}
                                  << QString() << Input::Changed << Act::None << 1 << Output::Kept
                                  << Sets::Defaults << "^{parameter} in.ign unit {name RPM_ADV 2}"
                                  << "";
        row("diff of standard input and a file")
            << QStringList{} << QStringList{"diff", "-", "{out}", "{stdin<in}"} << QString()
            << Input::Changed << Act::None << 1 << Output::Kept << Sets::Defaults
            << "^{parameter} stdin out.ign {name RPM_ADV 2} 2300 rpm 2000 rpm"
            << "";
        row("diff, garbage on standard input")
            << QStringList{} << QStringList{"diff", "{out}", "-", "{stdin<in}"} << QString()
            << Input::Garbage << Act::None << 2 << Output::Kept << Sets::Defaults << ""
            << "standard input is not a parameter file";
        row("diff, standard input twice")
            << QStringList{} << QStringList{"diff", "-", "-", "{stdin<in}"} << QString()
            << Input::Changed << Act::None << 2 << Output::Kept << Sets::Defaults << ""
            << "only one file";

        row("monitor to CSV") << QStringList{"--rpm", "3000"}
                              << port + QStringList{"monitor", "--count", "3", "--csv", "{out}"}
                              << QString() << Input::None << Act::None << 0 << Output::CsvRows
                              << Sets::Defaults << ""
                              << "";
        row("monitor, silent unit")
            << QStringList{"--silent"} << port + QStringList{"monitor", "--csv", "{out}"}
            << QString() << Input::None << Act::None << 3 << Output::Kept << Sets::Defaults << ""
            << "no answer";
        row("monitor ended by SIGTERM")
            << QStringList{} << port + QStringList{"monitor", "--csv", "{out}"} << QString()
            << Input::None << Act::TerminateAfterRow << 0 << Output::CsvLines << Sets::Defaults
            << ""
            << "";

        const QStringList slowFirst{"--first-silent", "1"}; // each first request resent
        row("program interrupted after page 1")
            << slowFirst << port + QStringList{"program", "{in}"} << QString() << Input::Changed
            << Act::TerminateVerifying << 3 << Output::Kept << Sets::Changed << ""
            << "run verify";
        row("program, cable pulled after page 1")
            << slowFirst << port + QStringList{"program", "{in}"} << QString() << Input::Changed
            << Act::UnplugVerifying << 3 << Output::Kept << Sets::Changed << ""
            << "disconnected";
        row("program, cable pulled while storing")
            << QStringList{} << port + QStringList{"program", "{in}"} << QString() << Input::Changed
            << Act::UnplugStoring << 3 << Output::Kept << Sets::Changed << ""
            << "run verify";
        row("monitor waits for the cable")
            << QStringList{} << port + QStringList{"monitor", "--csv", "{out}"} << QString()
            << Input::None << Act::ReplugAfterRow << 0 << Output::CsvLines << Sets::Defaults << ""
            << "connected again";
        row("monitor to a full disk")
            << QStringList{} << port + QStringList{"monitor", "--count", "5"} << QString()
            << Input::None << Act::StdoutFull << 2 << Output::Kept << Sets::Defaults << ""
            << "cannot write";
        row("diff to a full disk")
            << QStringList{} << QStringList{"diff", "{out}", "{in}"} << QString() << Input::Changed
            << Act::StdoutFull << 2 << Output::Kept << Sets::Defaults << ""
            << "cannot write";

        row("read into a missing folder")
            << QStringList{} << port + QStringList{"read", "{out}.d/unit.ign"} << QString()
            << Input::None << Act::None << 2 << Output::Kept << Sets::Defaults << ""
            << "does not exist";
        row("bad usage") << QStringList{} << port + QStringList{"monitor", "--count", "0"}
                         << QString() << Input::None << Act::None << 2 << Output::Kept
                         << Sets::Defaults << ""
                         << "--count";
        row("ports") << QStringList{} << QStringList{"ports"} << comThree << Input::None
                     << Act::None << 0 << Output::Kept << Sets::Defaults
                     << "{device}  present  may open"
                     << "";
    }

    void commands()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QStringList, arguments);
        QFETCH(QString, settings);
        QFETCH(Input, input);
        QFETCH(Act, act);
        QFETCH(int, exitStatus);
        QFETCH(Output, output);
        QFETCH(Sets, unitAfter);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SimProcess sim(testpaths::simulator());
        const QString device = sim.start(simOptions, kStartMs);
        QVERIFY2(!device.isEmpty(), "the simulator offers no device");

        const QString in = dir.filePath(QStringLiteral("in.ign"));
        const QString out = dir.filePath(QStringLiteral("out.ign"));
        if (input == Input::Changed)
            QVERIFY(IgnFile::save(in, setOf(Sets::Changed)));
        if (input == Input::ChangedWithBom)
            testfiles::writeFile(in,
                                 "\xEF\xBB\xBF" + IgnFile::parameterFileText(setOf(Sets::Changed)));
        if (input == Input::WrongVersion) {
            testfiles::writeFile(
                in, IgnFile::parameterFileText(setOf(Sets::Changed)).replace("46", "45"));
        }
        if (input == Input::Empty)
            testfiles::writeFile(in, "\r\n");
        if (input == Input::Garbage)
            testfiles::writeFile(in, "not a parameter file\n");
        testfiles::writeFile(out, kKeepMe.toUtf8());
        // Where verify or diff read {out}, it holds the New defaults.
        if ((arguments.contains(QStringLiteral("verify")) ||
             arguments.contains(QStringLiteral("diff"))) &&
            arguments.contains("{out}"))
            QVERIFY(IgnFile::save(out, setOf(Sets::Defaults)));
        const QByteArray before = testfiles::readFile(out);
        if (!settings.isEmpty()) {
            testfiles::writeFile(dir.filePath(QStringLiteral("config/zevras/zevras.ini")),
                                 QString(settings).replace("{device}", device).toUtf8());
        }
        for (QString &argument : arguments) {
            argument.replace("{device}", device).replace("{in}", in).replace("{out}", out);
        }
        QSerialPort holder(device);
        if (arguments.removeAll(QStringLiteral("{held}")) > 0)
            QVERIFY2(holder.open(QIODevice::ReadWrite), qPrintable(holder.errorString()));

        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
        cli.setProcessEnvironment(environment);
        if (act == Act::StdoutFull)
            cli.setStandardOutputFile(QStringLiteral("/dev/full"));
        // Without a file, standard input is a pipe that ends at once.
        const bool feedsInput = arguments.removeAll(QStringLiteral("{stdin<in}")) > 0;
        cli.setStandardInputFile(feedsInput ? in : QProcess::nullDevice());
        cli.start(kCli, arguments);
        QVERIFY2(cli.waitForStarted(kStartMs), qPrintable(cli.errorString()));
        QByteArray stderrBytes;
        const QDeadlineTimer deadline(kCommandMs);
        auto waitFor = [&](const std::function<bool()> &done) {
            while (!done() && !deadline.hasExpired() && cli.state() == QProcess::Running) {
                QTest::qWait(20);
                stderrBytes += cli.readAllStandardError();
            }
        };
        auto stderrSays = [&](const char *cue) {
            return [&, cue] { return stderrBytes.contains(cue); };
        };
        auto csvHas = [&](int lines) { return [&, lines] { return csvLines(out) >= lines; }; };
        switch (act) {
        case Act::None:
        case Act::StdoutFull:
            break;
        case Act::TerminateAfterRow:
            waitFor(csvHas(2));
            cli.terminate();
            break;
        case Act::TerminateVerifying:
            waitFor(stderrSays("Verifying"));
            cli.terminate();
            break;
        case Act::UnplugVerifying:
        case Act::UnplugStoring:
            waitFor(stderrSays(act == Act::UnplugStoring ? "Storing" : "Verifying"));
            sim.command(QStringLiteral("unplug"));
            waitFor(stderrSays("disconnected")); // runs the loop that sends the command
            break;
        case Act::ReplugAfterRow: {
            waitFor(csvHas(2));
            sim.command(QStringLiteral("unplug"));
            waitFor(stderrSays("disconnected"));
            sim.command(QStringLiteral("plug"));
            waitFor(stderrSays("connected again"));
            waitFor(csvHas(csvLines(out) + 2));
            cli.terminate();
            break;
        }
        }
        // It may have ended while the loop above ran.
        const bool finished =
            cli.state() == QProcess::NotRunning || cli.waitForFinished(kCommandMs);
        if (!finished)
            cli.kill();
        const QByteArray stdoutBytes = cli.readAllStandardOutput();
        const QString stdoutText = QString::fromLocal8Bit(stdoutBytes);
        const QString stderrText = QString::fromLocal8Bit(stderrBytes + cli.readAllStandardError());
        QVERIFY2(finished, qPrintable(QStringLiteral("still running; stderr: ") + stderrText));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QVERIFY2(
            cli.exitCode() == exitStatus,
            qPrintable(QStringLiteral("exit %1; stderr: %2").arg(cli.exitCode()).arg(stderrText)));
        // Columns are padded: compare with single blanks.
        QVERIFY2(outputHas(stdoutText, QString(stdoutHas).replace("{device}", device)),
                 qPrintable(stdoutText));
        QVERIFY2(stderrText.contains(stderrHas, Qt::CaseInsensitive), qPrintable(stderrText));
        // Every error is one line.
        if (exitStatus >= 2)
            QCOMPARE(stderrText.count(QStringLiteral("zevras-cli: ")), 1);

        const QByteArray unitPage = sim.storedPage1(kStartMs);
        QCOMPARE(unitPage.toHex(), page1(setOf(unitAfter)).toHex());

        const QByteArray written = testfiles::readFile(out);
        const QList<QByteArray> lines = written.split('\n');
        switch (output) {
        case Output::Kept:
            QCOMPARE(written, before);
            break;
        case Output::StdoutUnitsSet: {
            QCOMPARE(written, before);
            QBuffer file;
            file.setData(stdoutBytes);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ParameterSet image;
            image.SetDefaults();
            QVERIFY2(IgnFile::LoadParameterFile(file, image), stdoutBytes.constData());
            QCOMPARE(page1(image).toHex(), unitPage.toHex());
            // The file and nothing else.
            QCOMPARE(stdoutBytes, IgnFile::parameterFileText(image));
            break;
        }
        case Output::UnitsSet: {
            ParameterSet image;
            QCOMPARE(IgnFile::load(out, image), IgnFile::LoadResult::Loaded);
            QCOMPARE(page1(image).toHex(), unitPage.toHex());
            break;
        }
        case Output::CsvRows:
        case Output::CsvLines:
            // Complete lines only: the text ends with a line end.
            QVERIFY2(written.endsWith("\r\n"), written.constData());
            QVERIFY(lines.first().startsWith("time,engine_rpm,"));
            if (output == Output::CsvRows)
                QCOMPARE(written.count('\n'), 4);
            else
                QVERIFY(written.count('\n') >= 2);
            for (const QByteArray &line : lines.mid(1, lines.size() - 2))
                QCOMPARE(line.count(','), lines.first().count(','));
            break;
        }
    }

    // Several mapped devices, the unit answering on one of them: --port auto
    // finds it, ports --probe says what each device answered.
    void searchForTheUnit_data()
    {
        QTest::addColumn<QStringList>("unitOptions"); // the simulator mapped to COM3
        QTest::addColumn<bool>("holdUnit");           // the test holds COM3's device open
        QTest::addColumn<QStringList>("arguments");   // {out} filled in
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("stdoutHas"); // {unit} and {silent}: the two devices
        QTest::addColumn<QString>("stderrHas");
        const QStringList readAuto{"--port", "auto", "read", "--keys", "{out}"};
        QTest::newRow("read finds the unit")
            << QStringList{} << false << readAuto << 0 << "LIMITER[1]"
            << "found the unit on {unit}";
        QTest::newRow("read, no unit answers")
            << QStringList{"--silent"} << false << readAuto << 3 << ""
            << "no unit answered";
        QTest::newRow("probe") << QStringList{} << false << QStringList{"ports", "--probe"} << 0
                               << "COM3 {unit} answering: SIL13, data version 46"
                               << "";
        QTest::newRow("probe, silent devices")
            << QStringList{"--silent"} << false << QStringList{"ports", "--probe"} << 3
            << "COM2 {silent} silent"
            << "";
        QTest::newRow("probe leaves a device in use alone")
            << QStringList{} << true << QStringList{"ports", "--probe"} << 3 << "COM3 {unit} busy"
            << "";
    }

    void searchForTheUnit()
    {
        QFETCH(QStringList, unitOptions);
        QFETCH(bool, holdUnit);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SimProcess silent(testpaths::simulator());
        SimProcess unit(testpaths::simulator());
        const QString silentDevice = silent.start({"--silent"}, kStartMs);
        const QString unitDevice = unit.start(unitOptions, kStartMs);
        QVERIFY(!silentDevice.isEmpty() && !unitDevice.isEmpty());
        testfiles::writeFile(dir.filePath(QStringLiteral("config/zevras/zevras.ini")),
                             "[PORTS]\nCOM2=" + silentDevice.toUtf8() +
                                 "\nCOM3=" + unitDevice.toUtf8() + "\n");
        // Held the way the window holds its port: exclusively.
        QSerialPort held(unitDevice);
        if (holdUnit)
            QVERIFY(held.open(QIODevice::ReadWrite));
        const QString out = dir.filePath(QStringLiteral("out.ign"));
        for (QString &argument : arguments)
            argument.replace("{out}", out);

        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
        cli.setProcessEnvironment(environment);
        cli.start(kCli, arguments);
        const bool finished = cli.waitForFinished(kCommandMs);
        if (!finished)
            cli.kill();
        const QString stdoutText = QString::fromLocal8Bit(cli.readAllStandardOutput());
        const QString stderrText = QString::fromLocal8Bit(cli.readAllStandardError());
        QVERIFY2(finished, qPrintable(stderrText));
        QVERIFY2(cli.exitCode() == exitStatus,
                 qPrintable(QStringLiteral("exit %1; %2").arg(cli.exitCode()).arg(stderrText)));
        auto filled = [&](QString text) {
            return text.replace("{unit}", unitDevice)
                .replace("{silent}", silentDevice)
                .simplified();
        };
        QVERIFY2(stdoutText.simplified().contains(filled(stdoutHas)), qPrintable(stdoutText));
        QVERIFY2(stderrText.contains(filled(stderrHas), Qt::CaseInsensitive),
                 qPrintable(stderrText));
        // The search sends nothing but requests that change nothing, and a
        // device held open stays with its holder.
        QCOMPARE(unit.storedPage1(kStartMs).toHex(), page1(setOf(Sets::Defaults)).toHex());
        if (holdUnit)
            QVERIFY(held.isOpen() && held.error() == QSerialPort::NoError);
    }

    // The window's Read normalises the unit's set and verifies it in that
    // form: a set outside the range rule ends in a failure, and the file gets
    // the set as the window shows it.
    void readOfASetOutsideTheRangeRule()
    {
        ParameterSet held = setOf(Sets::Defaults);
        held.setRpmAdv(1, held.rpmAdv(0)); // not rising
        held.setLimiter(2, 200);           // beyond the retard's range
        QTemporaryDir dir;
        SimProcess sim(testpaths::simulator());
        const QString device =
            sim.start({"--page1-hex", QString::fromLatin1(page1(held).toHex())}, kStartMs);
        QVERIFY(!device.isEmpty());
        const QString out = dir.filePath(QStringLiteral("out.ign"));
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
        cli.setProcessEnvironment(environment);
        cli.start(kCli, {"--port", device, "read", out});
        QVERIFY(cli.waitForFinished(kCommandMs));
        const QString errors = QString::fromLocal8Bit(cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == 1, qPrintable(errors));
        QCOMPARE(errors.count(QStringLiteral("note: ")), 2);
        QVERIFY2(errors.contains(QStringLiteral("Verify error!")), qPrintable(errors));
        ParameterSet written;
        written.SetDefaults();
        QCOMPARE(IgnFile::load(out, written), IgnFile::LoadResult::Loaded);
        QVERIFY(written.rpmAdv(1) > written.rpmAdv(0));
        QVERIFY(written.limiter(2) < held.limiter(2));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
