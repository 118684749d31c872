#include "CurveGraph.h"
#include "HistoryFolder.h"
#include "IgnFile.h"
#include "TestPaths.h"
#include "WindowRig.h"

#include "MonitorCsv.h"
#include "ParameterComparison.h"
#include "PortTexts.h"
#include "ToolTexts.h"
#include "TuningTools.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);

// A parameter set unlike the defaults and already in range.
ParameterSet otherSet(int advance, int hardLimiter)
{
    ParameterSet set;
    set.SetDefaults();
    set.setPocetBodu(6);
    set.setBaseAdv(14);
    set.setLimiter(1, quint8(hardLimiter));
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        set.setRpmAdv(i, quint8(12 + 8 * i));
        set.setAdvance(i, quint8(advance + i));
    }
    set.NormaliseParameterSet();
    return set;
}

// The defaults with five curve points at 1000, 2000 ... 5000 rpm.
ParameterSet fivePoints()
{
    ParameterSet set;
    set.SetDefaults();
    set.setPocetBodu(5);
    return set;
}

// The one set the history holds, with what happened to it.
void checkHistory(const WindowRig &rig, HistoryEvent event, const ParameterSet &set)
{
    const QList<HistoryEntry> entries = HistoryFolder(rig.historyFolder()).entries();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().event, event);
    QCOMPARE(entries.first().unit, rig.label("LabelVerze1")->text());
    ParameterSet kept;
    QCOMPARE(IgnFile::load(entries.first().path, kept), IgnFile::LoadResult::Loaded);
    QCOMPARE(pageOf(kept, 1), pageOf(set, 1));
}

bool ended(const WindowRig &rig, const QString &text)
{
    return rig.idle() && rig.message() == text;
}

QMessageBox *openMessageBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Focus, select all, type, Enter: the way a user confirms a value.
void typeValue(QAbstractSpinBox *edit, const QString &text)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// zevras-cli program, run to its end against the unit on device; its exit
// status, and what it wrote on standard error in errors.
int programWithCli(const QString &device, const QString &path, QString &errors)
{
    QTemporaryDir config;
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    cli.setProcessEnvironment(environment);
    cli.start(testpaths::cli(), {"--port", device, "program", path});
    const bool finished = cli.waitForFinished(e2e::kProcessMs * 4);
    if (!finished)
        cli.kill();
    errors = QString::fromLocal8Bit(cli.readAllStandardError());
    return finished && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

// A file's set with every field the rows name set beyond its control's range.
ParameterSet beyondRanges(quint8 bike, quint8 fill)
{
    ParameterSet set;
    set.SetDefaults();
    if (fill != 0) {
        for (int position = ParameterSet::kPageSize; position < ParameterSet::kSize; ++position)
            set.set(position, fill);
    }
    set.setBike(bike);
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i)
        set.setAdvance(i, 99);
    set.setPocetBodu(0);
    set.setBaseAdv(200);
    set.setLimiter(0, 5);
    set.setLimiter(1, 5);
    set.setLimiter(2, 200);
    set.setPolarita(7);
    set.setGeberNr(9);
    set.setInput(0, 7);
    set.setInput(1, 9);
    return set;
}

} // namespace

Q_DECLARE_METATYPE(ParameterSet)

class TestWindowEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Grouped fields then show "12,500".
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // What the window shows is programmed, a value typed but not yet confirmed included.
    void programKeyStoresTheWindowsSet()
    {
        const ParameterSet stored = otherSet(21, 140);
        WindowRig rig;
        QVERIFY(rig.start({}, stored));
        auto *edit = rig.control<QAbstractSpinBox>("EditAdvance2");
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("37"));
        QCOMPARE(rig.form->parameters(), stored);
        ParameterSet windowSet = stored;
        windowSet.setAdvance(1, 37);
        QVERIFY(rig.unitPage1() != pageOf(windowSet, 1));
        rig.clearMessages();

        // The key goes where the keyboard focus is, as a user's would.
        QTest::keyClick(edit, Qt::Key_F9);
        QCOMPARE(rig.message(), QStringLiteral("Programing:"));
        QVERIFY(rig.runUntil([&] { return ended(rig, "Programing: OK"); },
                             win::kTransactionTicks + win::kSaveTicks));

        QCOMPARE(rig.messages(),
                 QStringList({"Programing:", "Verify:", "Saving:", "Programing: OK"}));
        QVERIFY(rig.label("LabelHlaseni")->isVisible());
        auto *gauge = rig.control<QProgressBar>("CGaugeProgram");
        QVERIFY(gauge->isVisible());
        QCOMPARE(gauge->value(), PollCycle::kProgressMax);
        QCOMPARE(rig.label("LabelFile2")->text(), QString::fromLatin1(win::kLastFile));
        QCOMPARE(pageOf(rig.form->parameters(), 1), pageOf(windowSet, 1));
        QCOMPARE(rig.unitPage1(), pageOf(windowSet, 1));
        checkHistory(rig, HistoryEvent::Programmed, windowSet);
    }

    void readKeyBringsTheUnitsSetIntoTheControls()
    {
        const ParameterSet unitSet = otherSet(23, 125);
        WindowRig rig;
        QVERIFY(rig.start({"--page1-hex", win::hexOf(unitSet)}));
        QCOMPARE(rig.control<QAbstractSpinBox>("EditAdvance1")->text(), QStringLiteral("10"));
        QCOMPARE(rig.label("LabelFile2")->text(), QString::fromLatin1(win::kLastFile));

        QTest::keyClick(rig.form.get(), Qt::Key_F7);
        QCOMPARE(rig.message(), QStringLiteral("Read:"));
        QVERIFY(rig.label("LabelFile2")->text().isEmpty());
        QVERIFY(rig.runUntil([&] { return ended(rig, "Verify: OK"); }, win::kTransactionTicks));

        QCOMPARE(rig.control<QAbstractSpinBox>("EditAdvance1")->text(), QStringLiteral("23"));
        QCOMPARE(rig.control<QAbstractSpinBox>("EditAdvance6")->text(), QStringLiteral("28"));
        QCOMPARE(rig.control<QAbstractSpinBox>("EditOmez2")->text(), QStringLiteral("12,500"));
        QCOMPARE(rig.control<QAbstractSpinBox>("EditBaseAdv")->text(), QStringLiteral("14"));
        QCOMPARE(rig.control<QAbstractSpinBox>("EditPocetBodu")->text(), QStringLiteral("6"));
        QCOMPARE(pageOf(rig.form->parameters(), 1), pageOf(unitSet, 1));
        QCOMPARE(rig.label("LabelVerze1")->text(), QStringLiteral("SIL13"));
        checkHistory(rig, HistoryEvent::Read, unitSet);
    }

    void keyAndButtonsStartTheirCommands_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("trigger"); // a key or a button
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("limit");
        const QStringList sameSet;
        const QStringList otherUnitSet{"--page1-hex", win::hexOf(otherSet(30, 130))};
        QTest::newRow("F8") << sameSet << "F8"
                            << "Verify: OK" << win::kTransactionTicks;
        QTest::newRow("F8 against another set") << otherUnitSet << "F8"
                                                << "Verify error!" << win::kTransactionTicks;
        QTest::newRow("Read button") << sameSet << "ButtonRead"
                                     << "Verify: OK" << win::kTransactionTicks;
        QTest::newRow("Verify button") << sameSet << "ButtonVerify"
                                       << "Verify: OK" << win::kTransactionTicks;
        QTest::newRow("Program button")
            << otherUnitSet << "ButtonProgram"
            << "Programing: OK" << win::kTransactionTicks + win::kSaveTicks;
    }

    void keyAndButtonsStartTheirCommands()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, trigger);
        QFETCH(QString, outcome);
        QFETCH(int, limit);
        WindowRig rig;
        QVERIFY(rig.start(simOptions));
        if (trigger == QLatin1String("F8"))
            QTest::keyClick(rig.form.get(), Qt::Key_F8);
        else
            QTest::mouseClick(rig.control<QPushButton>(qPrintable(trigger)), Qt::LeftButton);
        QVERIFY(!rig.idle());
        QVERIFY(rig.runUntil([&] { return ended(rig, outcome); }, limit));
        const QColor colour = rig.label("LabelHlaseni")->palette().color(QPalette::Window);
        QCOMPARE(colour == kRed, outcome.endsWith(QLatin1Char('!')));
    }

    // Ticking the box programs nothing by itself; the next confirmed edit
    // does, and so does undo.
    void editWithProgramAtOnceProgramsTheUnit()
    {
        WindowRig rig;
        QVERIFY(rig.start({}));
        auto *atOnce = rig.control<QCheckBox>("CheckBoxProgHned");
        QTest::mouseClick(atOnce, Qt::LeftButton, {}, QPoint(6, atOnce->height() / 2));
        QVERIFY(atOnce->isChecked());
        QVERIFY(rig.idle());
        const QByteArray before = rig.unitPage1();

        rig.clearMessages();
        typeValue(rig.control<QAbstractSpinBox>("EditAdvance1"), QStringLiteral("33"));
        QVERIFY(!rig.idle());
        QCOMPARE(rig.message(), QStringLiteral("Programing"));
        QVERIFY(rig.runUntil([&] { return ended(rig, "Programing: OK"); },
                             win::kTransactionTicks + win::kSaveTicks));
        QCOMPARE(rig.messages(),
                 QStringList({"Programing", "Verify:", "Saving:", "Programing: OK"}));

        QCOMPARE(int(rig.form->parameters().advance(0)), 33);
        const QByteArray after = rig.unitPage1();
        QCOMPARE(after, pageOf(rig.form->parameters(), 1));
        QVERIFY(after != before);

        // Enter moved the focus on to the next field, which must pass Ctrl+Z on.
        QVERIFY(qobject_cast<QAbstractSpinBox *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rig.control<QAbstractSpinBox>("EditAdvance1")->text(), QStringLiteral("10"));
        QVERIFY(!rig.idle());
        QVERIFY(rig.runUntil([&] { return ended(rig, "Programing: OK"); },
                             win::kTransactionTicks + win::kSaveTicks));
        QCOMPARE(rig.unitPage1(), before);
    }

    void readProtectedUnitShowsNoReadingInRed()
    {
        WindowRig rig;
        QVERIFY(rig.start({"--read-protected"}));
        const QByteArray windowPage = pageOf(rig.form->parameters(), 1);

        QTest::keyClick(rig.form.get(), Qt::Key_F7);
        QVERIFY(rig.runUntil([&] { return ended(rig, "No reading!"); }, win::kTransactionTicks));

        QLabel *line = rig.label("LabelHlaseni");
        QVERIFY(line->isVisible());
        QVERIFY(line->autoFillBackground());
        QCOMPARE(line->palette().color(QPalette::Window), kRed);
        QCOMPARE(pageOf(rig.form->parameters(), 1), windowPage);
    }

    // A read that took page 0 and then failed: from the next refresh on, the
    // window shows the unit's identification, whatever the refresh follows.
    void identificationStaysAfterAFailedRead()
    {
        WindowRig rig;
        // Each request code is ignored five times: the first read fails at
        // page 0, the second takes page 0 and fails at page 1.
        QVERIFY(rig.start({"--first-silent", "5", "--name", "ABC", "--number", "7"}));
        for (int read = 0; read < 2; ++read) {
            QTest::keyClick(rig.form.get(), Qt::Key_F7);
            QVERIFY(
                rig.runUntil([&] { return ended(rig, "Read error!"); }, win::kTransactionTicks));
        }
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rig.form->parameters().page(0)), 3),
                 QByteArray("ABC"));

        typeValue(rig.control<QAbstractSpinBox>("EditBaseAdv"), QStringLiteral("17"));
        QCOMPARE(int(rig.form->parameters().baseAdv()), 17);
        QCOMPARE(rig.label("LabelVerze1")->text(), QStringLiteral("ABC07"));
    }

    void otherFormatVersionShowsTheVersionBox()
    {
        WindowRig rig;
        QVERIFY(rig.start({"--format-version", "45"}));

        QTest::keyClick(rig.form.get(), Qt::Key_F7);
        QVERIFY(rig.runUntil([] { return openMessageBox() != nullptr; }, win::kTransactionTicks));

        QMessageBox *box = openMessageBox();
        QVERIFY(box->text().contains(QStringLiteral("PC-46, IGN-45")));
        QCOMPARE(box->text(),
                 QStringLiteral("Unmatched version of PC and Ignition programs!  PC-46, IGN-45"));
        QVERIFY(rig.idle());
        // The box blocks the user, not the link: the window keeps polling,
        // and the message line and the gauge stay while the box is open.
        QVERIFY(rig.runTicks(PollCycle::kStatusPollTicks + 2));
        QVERIFY(rig.label("LabelVersion")->isVisible());
        QVERIFY(rig.label("LabelHlaseni")->isVisible());
        QVERIFY(rig.control<QProgressBar>("CGaugeProgram")->isVisible());
        box->accept();
        QVERIFY(rig.runTicks(1));
        QVERIFY(!rig.label("LabelHlaseni")->isVisible());
        QVERIFY(!rig.control<QProgressBar>("CGaugeProgram")->isVisible());
    }

    void monitorShowsSpeedAndMarksTheCurveRow_data()
    {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("row");   // 0: no row marked
        QTest::addColumn<int>("gauge"); // per cent of the 15,000 rpm limiter

        QTest::newRow("3000 rpm on point 3") << 3000 << 3 << 20;
        QTest::newRow("3600 rpm nearer point 4") << 3600 << 4 << 24;
        QTest::newRow("above the last point") << 7000 << 5 << 46;
        QTest::newRow("below the first point") << 900 << 0 << 6;
    }

    void monitorShowsSpeedAndMarksTheCurveRow()
    {
        QFETCH(int, rpm);
        QFETCH(int, row);
        QFETCH(int, gauge);
        WindowRig rig;
        QVERIFY(rig.start({"--rpm", QString::number(rpm)}, fivePoints()));
        const QString speed = QStringLiteral("RPM = %1 ").arg(rpm);
        QVERIFY(rig.runUntil([&] { return rig.label("LabelRpm")->text() == speed; },
                             win::kFirstStatusTicks));
        QCOMPARE(rig.control<QProgressBar>("CGaugeRpm")->value(), gauge);

        for (int r = 1; r <= ParameterSet::kCurvePoints; ++r) {
            for (const char *kind : {"EditRpmAdv%1", "EditAdvance%1"}) {
                const QByteArray name = QString::fromLatin1(kind).arg(r).toLatin1();
                const QColor base =
                    rig.control<QWidget>(name.constData())->palette().color(QPalette::Base);
                QCOMPARE(base == kLime, r == row);
            }
        }

        // The graph marks the engine and the same point in use.
        const auto *graph = rig.control<CurveGraph>("CurveGraph");
        QVERIFY(graph->operatingPoint());
        QCOMPARE(graph->operatingPoint()->rpm, rpm);
        QCOMPARE(graph->currentPoint(), row ? std::optional<int>(row - 1) : std::nullopt);
    }

    // The unit's set goes into the comparison only: the window's set, its
    // undo history, file name and message line stay as they were.
    void compareWithUnitLeavesTheWindowAlone_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("failure"); // empty: the read succeeds

        const ParameterSet unitSet = otherSet(23, 125);
        QTest::newRow("another set")
            << QStringList{"--page1-hex", win::hexOf(unitSet)} << QString();
        QTest::newRow("read protected")
            << QStringList{"--read-protected"} << QStringLiteral("No reading!");
        QTest::newRow("silent unit")
            << QStringList{"--first-silent", "5"} << QStringLiteral("Read error!");
        QTest::newRow("other format version")
            << QStringList{"--format-version", "45"}
            << QStringLiteral("Unmatched version of PC and Ignition programs!  PC-46, IGN-45");
    }

    void compareWithUnitLeavesTheWindowAlone()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, failure);
        WindowRig rig;
        QVERIFY(rig.start(simOptions));
        // One edit, so that there is an undo step to keep.
        typeValue(rig.control<QAbstractSpinBox>("EditBaseAdv"), QStringLiteral("17"));
        const ParameterSet before = rig.form->parameters();
        auto *undo = rig.control<QAction>("MenuZpet");
        auto *redo = rig.control<QAction>("MenuZnovu");
        const bool undoBefore = undo->isEnabled();
        const bool redoBefore = redo->isEnabled();
        const QString lineBefore = rig.message();
        const bool lineShownBefore = rig.label("LabelHlaseni")->isVisible();
        rig.clearMessages();

        rig.control<QAction>("MenuCompareUnit")->trigger();
        QVERIFY(!rig.idle());
        QVERIFY(rig.runUntil([&] { return rig.idle(); }, win::kTransactionTicks));

        auto *table = rig.control<QTableWidget>("TableCompare");
        QLabel *message = rig.label("LabelCompareMessage");
        if (failure.isEmpty()) {
            QVERIFY(!message->isVisible());
            ParameterSet unitSet = before;
            unitSet.setPage(1, reinterpret_cast<const quint8 *>(
                                   QByteArray::fromHex(simOptions.at(1).toLatin1()).constData()));
            int marked = 0;
            for (int r = 0; r < table->rowCount(); ++r)
                marked += table->item(r, 0)->data(Qt::UserRole).toBool() ? 1 : 0;
            QVERIFY(marked > 0);
            QCOMPARE(marked, int(ParameterComparison::compare(before, unitSet).size()));
        } else {
            QVERIFY(message->isVisible());
            QCOMPARE(message->text(), failure);
            QCOMPARE(table->rowCount(), 0);
        }
        QVERIFY(!openMessageBox());
        QCOMPARE(rig.form->parameters(), before);
        QCOMPARE(undo->isEnabled(), undoBefore);
        QCOMPARE(redo->isEnabled(), redoBefore);
        QCOMPARE(rig.label("LabelFile2")->text(), QString::fromLatin1(win::kLastFile));
        QCOMPARE(rig.message(), lineBefore);
        QCOMPARE(rig.label("LabelHlaseni")->isVisible(), lineShownBefore);
    }

    // Ctrl+L starts and stops: one row per status answer, the columns of every
    // CSV recording, the file and the row count in the status line.
    void recordLiveValues()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("live.csv"));
        WindowRig rig;
        QVERIFY(rig.start({"--rpm", "3000"}));
        TuningTools &tools = rig.form->tuningTools();
        tools.setCsvDialog([&] { return path; });

        QTest::keyClick(rig.form.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(tools.recording());
        QStatusBar *status = rig.form->statusBar();
        const QString shownPath = QDir::toNativeSeparators(path);
        const auto statusText = [&](lang::Tool text, qsizetype count) {
            return lang::toolText(text, lang::English)
                .arg(shownPath, lang::rowCount(lang::English, int(count)));
        };
        QCOMPARE(status->currentMessage(), statusText(lang::Tool::Recording, 0));
        const auto rows = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') - 1 : -1;
        };
        QVERIFY(rig.runUntil([&] { return rows() >= 2; },
                             win::kFirstStatusTicks + 2 * PollCycle::kStatusPollTicks));
        QCOMPARE(status->currentMessage(), statusText(lang::Tool::Recording, rows()));

        QTest::keyClick(rig.form.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!tools.recording());
        const int written = int(rows());
        QVERIFY(rig.runTicks(2 * PollCycle::kStatusPollTicks));
        QCOMPARE(rows(), written);
        QCOMPARE(status->currentMessage(), statusText(lang::Tool::RecordingStopped, written));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.first() + '\n', MonitorCsv::headerLine());
        const qsizetype columns = MonitorCsv::headerLine().count(',');
        for (int i = 1; i <= written; ++i) {
            QVERIFY(lines.at(i).endsWith('\r'));
            QCOMPARE(lines.at(i).count(','), columns);
            QCOMPARE(lines.at(i).split(',').at(1), QByteArray("3000"));
        }

        // Closing the window ends a recording too.
        QTest::keyClick(rig.form.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(tools.recording());
        rig.form->close();
        QVERIFY(!tools.recording());
    }

    // The window opens the file and Program sends it; zevras-cli programs the
    // same file into a second unit. Both units then hold the same bytes, and
    // the command line named every value it changed.
    void windowAndCommandLineProgramTheSameSet_data()
    {
        QTest::addColumn<ParameterSet>("inFile");
        QTest::newRow("free pick-up kind") << beyondRanges(0, 0);
        QTest::newRow("forced pick-up kind, every other byte 255") << beyondRanges(4, 255);
    }

    void windowAndCommandLineProgramTheSameSet()
    {
        QFETCH(ParameterSet, inFile);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("beyond.ign"));
        QVERIFY(IgnFile::save(path, inFile));
        ParameterSet opened;
        opened.SetDefaults();
        QCOMPARE(IgnFile::load(path, opened), IgnFile::LoadResult::Loaded);

        WindowRig rig;
        QVERIFY(rig.start({}, std::nullopt, {path}));
        rig.control<QAction>("MenuProgram")->trigger();
        QVERIFY(rig.runUntil([&] { return ended(rig, "Programing: OK"); },
                             win::kTransactionTicks + win::kSaveTicks));
        const QByteArray fromWindow = rig.unitPage1();
        QCOMPARE(fromWindow.size(), int(ParameterSet::kPageSize));
        QVERIFY(fromWindow != pageOf(opened, 1));

        SimProcess unit{testpaths::simulator()};
        const QString device = unit.start({}, e2e::kProcessMs);
        QVERIFY(!device.isEmpty());
        QString errors;
        QCOMPARE(programWithCli(device, path, errors), 0);
        QCOMPARE(unit.storedPage1(e2e::kProcessMs).toHex(), fromWindow.toHex());

        ParameterSet sent = opened;
        sent.setPage(1, reinterpret_cast<const quint8 *>(fromWindow.constData()));
        const int changed = int(ParameterComparison::compare(opened, sent).size());
        QVERIFY(changed > 0);
        QVERIFY2(errors.count(QStringLiteral("note: ")) == changed, qPrintable(errors));
    }

    // Com 1 maps to a silent device; Find unit gives it the device the unit
    // answers on, mapped to Com 3, and the status poll goes on there.
    void findUnitMapsTheAnsweringDevice()
    {
        SimProcess unit{testpaths::simulator()};
        const QString device = unit.start({"--rpm", "3000"}, e2e::kProcessMs);
        QVERIFY(!device.isEmpty());
        WindowRig rig;
        rig.morePorts = "COM3=" + QFile::encodeName(device) + "\n";
        QVERIFY(rig.start({"--silent"}));
        QStatusBar *status = rig.form->statusBar();
        rig.control<QAction>("MenuFindUnit")->trigger();
        QCOMPARE(status->currentMessage(), lang::portText(lang::PortText::Searching, 0));
        const QString found = lang::portText(lang::PortText::Found, 0).arg("SIL13", device).arg(1);
        QVERIFY(rig.runUntil([&] { return status->currentMessage() == found; },
                             win::kFirstStatusTicks));
        QCOMPARE(int(rig.form->comPort()), 1);
        // The search has just closed the device the window opens again; on a
        // busy machine the first poll after may go unanswered.
        QVERIFY2(rig.runUntil([&] { return rig.label("LabelRpm")->text() == "RPM = 3000 "; },
                              win::kFirstStatusTicks + PollCycle::kWatchdogTicks),
                 qPrintable(QStringLiteral("the window shows \"%1\", \"%2\"")
                                .arg(rig.message(), status->currentMessage())));
        // Nothing was written to either unit.
        ParameterSet defaults;
        defaults.SetDefaults();
        QCOMPARE(unit.storedPage1(e2e::kProcessMs), pageOf(defaults, 1));
        QCOMPARE(rig.unitPage1(), pageOf(defaults, 1));
    }

    void unpluggedUnitShowsNoConnection()
    {
        WindowRig rig;
        QVERIFY(rig.start({"--rpm", "3000"}));
        QLabel *connection = rig.label("LabelSpojeni");
        QVERIFY(rig.runUntil([&] { return rig.label("LabelRpm")->text() == "RPM = 3000 "; },
                             win::kFirstStatusTicks));
        QVERIFY(rig.runTicks(1));
        QVERIFY(!connection->isVisible());

        rig.sim.stop();
        // Silence is counted from the last answer, which came at most one poll
        // period and the tick that took it before the unit went away.
        const int unplugged = rig.ticks();
        QVERIFY(
            rig.runUntil([&] { return connection->isVisible(); }, PollCycle::kWatchdogTicks + 1));
        QVERIFY(rig.ticks() - unplugged >=
                PollCycle::kWatchdogTicks - PollCycle::kStatusPollTicks - 1);
        QCOMPARE(connection->text(), QStringLiteral("No connection with PC"));
        QVERIFY(!openMessageBox());
        QVERIFY(rig.runTicks(PollCycle::kStatusPollTicks));
        QVERIFY(connection->isVisible());
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestWindowEndToEnd)
#include "tst_windowendtoend.moc"
