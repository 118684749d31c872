#include "CurveGraphWindow.h"
#include "MonitorCsv.h"
#include "RideLogCommand.h"
#include "RideLogWindow.h"
#include "RideMap.h"
#include "RideTimeLine.h"
#include "WindowFixture.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

// The ride log viewer on the real main window: from the menu, the command
// line and a drop, its cursor on the curve graph, its exports.
class TestRideLogViewer : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;

    // A recording as the recorder writes it: a row every 330 ms, speed rising.
    QString writeRecording(const QString &name, int rows, const QByteArray &tail = {})
    {
        QByteArray text = MonitorCsv::headerLine();
        const QDateTime start = QDateTime::currentDateTime();
        for (int i = 0; i < rows; ++i) {
            MonitorValues values;
            values.engineSpeed = quint16(1500 + 250 * i);
            values.advanceNow = 10 + i % 20;
            values.supplyMv = 13500;
            values.shiftLight = i % 7 == 0;
            text += MonitorCsv::rowLine(start.addMSecs(330 * i), values, start);
        }
        const QString path = QDir(m_fixture->workFolder()).filePath(name);
        testfiles::writeFile(path, text + tail);
        return path;
    }

    RideLogWindow *viewer() { return m_fixture->window().rideLog().viewer(); }

private slots:
    void init() { m_fixture = std::make_unique<WindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void opens_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("command line") << "command line";
        QTest::newRow("command line after a language word") << "language word";
        QTest::newRow("menu") << "menu";
        QTest::newRow("drop") << "drop";
    }

    void opens()
    {
        QFETCH(QString, how);
        m_fixture->start();
        const QString path = writeRecording(QStringLiteral("ride.txt"), 40);
        if (how == QLatin1String("command line")) {
            m_fixture->start({path});
        } else if (how == QLatin1String("language word")) {
            m_fixture->start({QStringLiteral("CESKY"), path});
        } else if (how == QLatin1String("menu")) {
            QVERIFY(!viewer()); // made only when first needed
            m_fixture->window().rideLog().setFileDialog([&](int, const QString &) { return path; });
            m_fixture->control<QAction>("MenuRideLog")->trigger();
        } else {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            // As the desktop drops: the drag enters, is accepted, and drops.
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(&m_fixture->window(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&m_fixture->window(), &drop);
        }
        QVERIFY(viewer());
        QVERIFY(viewer()->isVisible());
        QCOMPARE(viewer()->log().samples.size(), 40);
        QCOMPARE(viewer()->summary().rows, 40);
        QVERIFY(viewer()->message().isEmpty());
    }

    // A parameter file on the command line is no recording: it opens as before.
    void parameterFileIsLeftToOpen()
    {
        const QString path = QDir(m_fixture->workFolder()).filePath(QStringLiteral("bike.csv"));
        testfiles::writeFile(path, "[ZEVRA]\r\n");
        m_fixture->start({path});
        QVERIFY(!viewer());
    }

    // What could not be read is said in one line, with its line number.
    void cutOffRecordingSaysWhatWasSkipped()
    {
        m_fixture->start();
        const QString path = writeRecording(QStringLiteral("cut.csv"), 10, "2026-12-08T10:0");
        m_fixture->window().rideLog().openRecording(path);
        QCOMPARE(viewer()->log().samples.size(), 10);
        QVERIFY2(viewer()->message().contains(QStringLiteral("12")),
                 qPrintable(viewer()->message()));
        QVERIFY(!viewer()->message().contains(u'\n'));
    }

    // The cursor's moment is the curve graph's operating point, with its curve point.
    void cursorMovesTheGraphsOperatingPoint()
    {
        m_fixture->start();
        m_fixture->window().rideLog().openRecording(writeRecording(QStringLiteral("ride.csv"), 30));
        viewer()->timeLine().setCursorRow(12);
        CurveGraph &graph = m_fixture->control<CurveGraphWindow>("FormCurveGraph")->graph();
        QVERIFY(graph.recordedPoint());
        QCOMPARE(graph.recordedPoint()->rpm, 1500 + 250 * 12);
        QTest::keyClick(&viewer()->timeLine(), Qt::Key_Right);
        QCOMPARE(graph.recordedPoint()->rpm, 1500 + 250 * 13);
        viewer()->close();
        QVERIFY(!graph.recordedPoint());
    }

    void exports()
    {
        m_fixture->start();
        m_fixture->window().rideLog().openRecording(
            writeRecording(QStringLiteral("ride.csv"), 200));
        viewer()->resize(1000, 700);
        const QDir work(m_fixture->workFolder());
        QVERIFY(viewer()->exportTimeLine(work.filePath(QStringLiteral("line.png"))));
        QVERIFY(viewer()->exportMap(work.filePath(QStringLiteral("map.png"))));
        QCOMPARE(QImage(work.filePath(QStringLiteral("line.png"))).size(),
                 viewer()->timeLine().size());
        QVERIFY(!QImage(work.filePath(QStringLiteral("map.png"))).isNull());
        // The visible range only, as recorded.
        const qint64 end = viewer()->log().durationMs();
        viewer()->timeLine().setRange(end / 2, end);
        const auto [first, last] = viewer()->timeLine().visibleRows();
        QVERIFY(first > 90 && last == 199);
        QVERIFY(viewer()->exportVisibleRange(work.filePath(QStringLiteral("part.csv"))));
        const RideLog part = RideLogReader::readFile(work.filePath(QStringLiteral("part.csv")));
        QCOMPARE(part.samples.size(), last - first + 1);
        QCOMPARE(part.samples.first().rpm, viewer()->log().samples[first].rpm);
        // The map counts the time at the curve points, all of it within the ride.
        qint64 total = 0;
        for (const qint64 ms : viewer()->map().timeAtPoints())
            total += ms;
        QVERIFY(total > 0 && total <= end);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestRideLogViewer)
#include "tst_ridelogviewer.moc"
