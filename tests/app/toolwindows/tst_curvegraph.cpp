// The advance curve graph on the real form: a drag or an arrow key is one
// edit through the form's own edit path, and the graph follows the image.
#include "CurveGraphWindow.h"
#include "FakePort.h"
#include "FormFixture.h"
#include "MessageTable.h"
#include "PollCycle.h"
#include "ToolTexts.h"

namespace {

// Four points in use: 1000..4000 rpm, 10..25 degrees.
void fourPoints(ParameterSet &p)
{
    p.setPocetBodu(4);
    for (int i = 0; i < 4; ++i) {
        p.setRpmAdv(i, quint8(10 * (i + 1)));
        p.setAdvance(i, quint8(10 + 5 * i));
    }
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The graph window wired to the form as the main window wires it.
struct GraphRig
{
    explicit GraphRig(int startAdvance = -1)
        : form([startAdvance](ParameterSet &p) {
              fourPoints(p);
              if (startAdvance >= 0)
                  p.setAdvance(1, quint8(startAdvance));
          }),
          link(port), window(form.image, form.state, link, &form.window)
    {
        const ControlTables &tables = form.binding->tables();
        graph().setRanges({tables.RpmAdvEdits[0]->minimum(), tables.RpmAdvEdits[0]->maximum(),
                           tables.AdvanceEdits[0]->minimum(), tables.AdvanceEdits[0]->maximum()});
        QObject::connect(&window, &CurveGraphWindow::pointEdited, form.events.get(),
                         &FormEvents::CurvePointEdit);
        QObject::connect(form.binding.get(), &FormBinding::parameterSetShown, &window,
                         &CurveGraphWindow::refresh);
        window.resize(640, 440);
        window.open();
        graph().installEventFilter(&paintCounter);
    }

    CurveGraph &graph() { return window.graph(); }

    void drag(int index, const QPointF &to)
    {
        const QPoint from = graph().pointPosition(index).toPoint();
        QTest::mousePress(&graph(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&graph(), (from + to.toPoint()) / 2);
        QTest::mouseMove(&graph(), to.toPoint());
        QTest::mouseRelease(&graph(), Qt::LeftButton, {}, to.toPoint());
    }

    QList<int> speeds() const
    {
        QList<int> stored;
        for (int i = 0; i < 4; ++i)
            stored << form.image.rpmAdv(i);
        return stored;
    }

    FormFixture form;
    FakePort port;
    PollCycle link;
    CurveGraphWindow window;
    PaintCounter paintCounter;
};

} // namespace

class TestCurveGraph : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFixture::useEnglishNumbers(); }

    void dragIsOneEdit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rpm"); // where the point is dropped
        QTest::addColumn<int>("advance");
        QTest::addColumn<QList<int>>("speeds"); // stored afterwards, 100 rpm
        QTest::addColumn<int>("storedAdvance");

        QTest::newRow("inside the ranges") << 1 << 2500 << 18 << QList<int>{10, 25, 30, 40} << 18;
        QTest::newRow("below its predecessor is raised past it")
            << 2 << 1200 << 20 << QList<int>{10, 20, 21, 40} << 20;
        QTest::newRow("past its successor pushes it on")
            << 1 << 3500 << 15 << QList<int>{10, 35, 36, 40} << 15;
        QTest::newRow("above the advance range stops at its top")
            << 0 << 1000 << 75 << QList<int>{10, 20, 30, 40} << 60;
        QTest::newRow("left of the speed range stops at its bottom")
            << 0 << 0 << 10 << QList<int>{6, 20, 30, 40} << 10;
    }

    void dragIsOneEdit()
    {
        QFETCH(int, index);
        QFETCH(int, rpm);
        QFETCH(int, advance);
        QFETCH(QList<int>, speeds);
        QFETCH(int, storedAdvance);

        GraphRig rig;
        const ParameterSet before = rig.form.image;
        rig.drag(index, rig.graph().toWidget(rpm, advance));

        QCOMPARE(rig.speeds(), speeds);
        QCOMPARE(int(rig.form.image.advance(index)), storedAdvance);
        // The point's fields show what the image holds.
        QCOMPARE(rig.form.binding->tables().AdvanceEdits[index]->value(), storedAdvance);

        // One undo step, and the graph follows it back.
        const int paints = rig.paintCounter.paints;
        QTest::mouseClick(rig.form.ui.SpeedButtonZpet, Qt::LeftButton);
        QCOMPARE(rig.form.image, before);
        QVERIFY(!rig.form.ui.SpeedButtonZpet->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(rig.paintCounter.paints > paints, 2000);
        QCOMPARE(rig.graph().pointPosition(index),
                 rig.graph().toWidget(10 * 100 * (index + 1), 10 + 5 * index));
    }

    void clickWithoutMoveOnlySelects()
    {
        GraphRig rig;
        const QPoint at = rig.graph().pointPosition(2).toPoint();
        QTest::mouseClick(&rig.graph(), Qt::LeftButton, {}, at);
        QCOMPARE(rig.graph().selectedPoint(), 2);
        QVERIFY(!rig.form.ui.SpeedButtonZpet->isEnabled());
    }

    void arrowKeys_data()
    {
        QTest::addColumn<int>("startAdvance");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("programAfterChange");
        QTest::addColumn<int>("speed"); // of point 2, stored afterwards
        QTest::addColumn<int>("advance");
        QTest::addColumn<bool>("changed");

        QTest::newRow("left") << 15 << int(Qt::Key_Left) << false << 19 << 15 << true;
        QTest::newRow("right") << 15 << int(Qt::Key_Right) << false << 21 << 15 << true;
        QTest::newRow("up") << 15 << int(Qt::Key_Up) << false << 20 << 16 << true;
        QTest::newRow("down") << 15 << int(Qt::Key_Down) << false << 20 << 14 << true;
        QTest::newRow("up at the top stays") << 60 << int(Qt::Key_Up) << false << 20 << 60 << false;
        QTest::newRow("down at zero stays") << 0 << int(Qt::Key_Down) << false << 20 << 0 << false;
        QTest::newRow("programs when ticked") << 15 << int(Qt::Key_Up) << true << 20 << 16 << true;
    }

    void arrowKeys()
    {
        QFETCH(int, startAdvance);
        QFETCH(int, key);
        QFETCH(bool, programAfterChange);
        QFETCH(int, speed);
        QFETCH(int, advance);
        QFETCH(bool, changed);

        GraphRig rig(startAdvance);
        rig.form.ui.CheckBoxProgHned->setChecked(programAfterChange);
        QSignalSpy programming(rig.form.binding.get(), &FormBinding::startProgramming);
        rig.graph().selectPoint(1);
        rig.graph().setFocus();
        QTest::keyClick(&rig.graph(), Qt::Key(key));

        QCOMPARE(int(rig.form.image.rpmAdv(1)), speed);
        QCOMPARE(int(rig.form.image.advance(1)), advance);
        QCOMPARE(rig.form.ui.SpeedButtonZpet->isEnabled(), changed);
        QCOMPARE(programming.count(), programAfterChange ? 1 : 0);
    }

    // The language comes from the window state, heard without a show of the set.
    void followsTheLanguage()
    {
        GraphRig rig;
        rig.form.state.setLanguage(lang::Czech);
        QCOMPARE(rig.window.windowTitle(),
                 lang::toolText(lang::Tool::CurveGraphTitle, lang::Czech));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestCurveGraph)
#include "tst_curvegraph.moc"
