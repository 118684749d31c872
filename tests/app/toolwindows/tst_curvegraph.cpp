// The advance curve graph on the real form: a drag, an arrow key or a range
// edit is one edit through the form's own edit path, and the graph follows
// the image; its second curve follows the source chosen.
#include "CurveEditBar.h"
#include "CurveGraphWindow.h"
#include "CurveRangeEdit.h"
#include "FakePort.h"
#include "FormFixture.h"
#include "IgnFile.h"
#include "MessageTable.h"
#include "ParameterCodes.h"
#include "PollCycle.h"
#include "SecondCurveChooser.h"
#include "ToolTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Four points in use: 1000..4000 rpm, 10..25 degrees (the rest at 10
// degrees, 1000 rpm apart, for more points in use).
void fourPoints(ParameterSet &p, int inUse = 4)
{
    p.setPocetBodu(quint8(inUse));
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        p.setRpmAdv(i, quint8(10 * (i + 1)));
        p.setAdvance(i, quint8(i < 4 ? 10 + 5 * i : 10));
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
    explicit GraphRig(int startAdvance = -1, int inUse = 4)
        : form([startAdvance, inUse](ParameterSet &p) {
              fourPoints(p, inUse);
              if (startAdvance >= 0)
                  p.setAdvance(1, quint8(startAdvance));
          }),
          link(port), window(form.image, form.state, link, &form.window),
          rangeEdit(*form.binding, *form.events)
    {
        const ControlTables &tables = form.binding->tables();
        graph().setRanges({tables.RpmAdvEdits[0]->minimum(), tables.RpmAdvEdits[0]->maximum(),
                           tables.AdvanceEdits[0]->minimum(), tables.AdvanceEdits[0]->maximum()});
        QObject::connect(&window, &CurveGraphWindow::pointEdited, form.events.get(),
                         &FormEvents::CurvePointEdit);
        QObject::connect(form.binding.get(), &FormBinding::parameterSetShown, &window,
                         &CurveGraphWindow::refresh);
        const CurveEditBar *bar = &window.editBar();
        QObject::connect(bar, &CurveEditBar::shiftAsked, &rangeEdit, &CurveRangeEdit::shiftRange);
        QObject::connect(bar, &CurveEditBar::scaleAsked, &rangeEdit, &CurveRangeEdit::scaleRange);
        QObject::connect(bar, &CurveEditBar::smoothAsked, &rangeEdit, &CurveRangeEdit::smoothRange);
        QObject::connect(bar, &CurveEditBar::insertAsked, &rangeEdit, &CurveRangeEdit::insertPoint);
        QObject::connect(bar, &CurveEditBar::deleteAsked, &rangeEdit, &CurveRangeEdit::deletePoint);
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

    QList<int> speeds(int count = 4) const
    {
        QList<int> stored;
        for (int i = 0; i < count; ++i)
            stored << form.image.rpmAdv(i);
        return stored;
    }

    QList<int> advances() const
    {
        QList<int> stored;
        for (int i = 0; i < form.image.pocetBodu(); ++i)
            stored << form.image.advance(i);
        return stored;
    }

    void click(const char *button)
    {
        auto *found = window.findChild<QToolButton *>(QLatin1String(button));
        QVERIFY2(found, button);
        QTest::mouseClick(found, Qt::LeftButton);
    }

    FormFixture form;
    FakePort port;
    PollCycle link;
    CurveGraphWindow window;
    CurveRangeEdit rangeEdit;
    PaintCounter paintCounter;
};

QList<QPoint> curveOf(const ParameterSet &set)
{
    QList<QPoint> points;
    for (int i = 0; i < set.pocetBodu(); ++i)
        points << QPoint(codes::toDisplay(set.rpmAdv(i), codes::kRpmScale), set.advance(i));
    return points;
}

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

    void rangeEdits_data()
    {
        QTest::addColumn<int>("inUse");
        QTest::addColumn<int>("startAdvance"); // of point 2, or -1
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("first"); // the range
        QTest::addColumn<int>("last");  // and the selected point
        QTest::addColumn<int>("percent");
        QTest::addColumn<QList<int>>("advances"); // in use afterwards
        QTest::addColumn<QList<int>>("speeds");   // stored, 100 rpm
        QTest::addColumn<bool>("changed");

        const QList<int> speeds{10, 20, 30, 40};
        const QList<int> none;
        QTest::newRow("plus over two") << 4 << -1 << QByteArray("ButtonCurvePlus") << 1 << 2 << 0
                                       << QList<int>{10, 16, 21, 25} << speeds << true;
        QTest::newRow("minus over all, chosen backwards")
            << 4 << -1 << QByteArray("ButtonCurveMinus") << 3 << 0 << 0 << QList<int>{9, 14, 19, 24}
            << speeds << true;
        QTest::newRow("plus stops at the top") << 4 << 60 << QByteArray("ButtonCurvePlus") << 0 << 1
                                               << 0 << QList<int>{11, 60, 20, 25} << speeds << true;
        QTest::newRow("minus stops at zero") << 4 << 0 << QByteArray("ButtonCurveMinus") << 1 << 2
                                             << 0 << QList<int>{10, 0, 19, 25} << speeds << true;
        QTest::newRow("scale by half, rounded")
            << 4 << -1 << QByteArray("ButtonCurveScale") << 2 << 3 << 50
            << QList<int>{10, 15, 10, 13} << speeds << true;
        QTest::newRow("scale stops at the top")
            << 4 << -1 << QByteArray("ButtonCurveScale") << 0 << 3 << 300
            << QList<int>{30, 45, 60, 60} << speeds << true;
        QTest::newRow("smooth from the curve as it was")
            << 4 << 30 << QByteArray("ButtonCurveSmooth") << 1 << 2 << 0
            << QList<int>{10, 20, 25, 25} << speeds << true;
        QTest::newRow("smooth the first point with its one neighbour")
            << 4 << 30 << QByteArray("ButtonCurveSmooth") << 0 << 0 << 0
            << QList<int>{20, 30, 20, 25} << speeds << true;
        QTest::newRow("insert halfway, the points above move up")
            << 4 << -1 << QByteArray("ButtonCurveInsert") << 1 << 1 << 0
            << QList<int>{10, 15, 18, 20, 25} << QList<int>{10, 20, 25, 30, 40} << true;
        QTest::newRow("insert after the last point is refused")
            << 4 << -1 << QByteArray("ButtonCurveInsert") << 3 << 3 << 0
            << QList<int>{10, 15, 20, 25} << speeds << false;
        QTest::newRow("insert at fifteen points is refused")
            << 15 << -1 << QByteArray("ButtonCurveInsert") << 1 << 1 << 0
            << QList<int>{10, 15, 20, 25, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10} << speeds
            << false;
        QTest::newRow("delete, the points above move down")
            << 4 << -1 << QByteArray("ButtonCurveDelete") << 1 << 1 << 0 << QList<int>{10, 20, 25}
            << QList<int>{10, 30, 40} << true;
        QTest::newRow("delete at one point is refused")
            << 1 << -1 << QByteArray("ButtonCurveDelete") << 0 << 0 << 0 << QList<int>{10}
            << QList<int>{10} << false;
    }

    // Programming after change is ticked: a changed edit programs once.
    void rangeEdits()
    {
        QFETCH(int, inUse);
        QFETCH(int, startAdvance);
        QFETCH(QByteArray, button);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, percent);
        QFETCH(QList<int>, advances);
        QFETCH(QList<int>, speeds);
        QFETCH(bool, changed);

        GraphRig rig(startAdvance, inUse);
        rig.form.ui.CheckBoxProgHned->setChecked(true);
        const ParameterSet before = rig.form.image;
        QSignalSpy programming(rig.form.binding.get(), &FormBinding::startProgramming);
        rig.graph().selectRange(first, last);
        if (percent)
            rig.window.findChild<QSpinBox *>("SpinBoxCurveScale")->setValue(percent);
        rig.click(button.constData());

        QCOMPARE(rig.advances(), advances);
        QCOMPARE(rig.speeds(int(speeds.size())), speeds);
        QCOMPARE(rig.form.ui.EditPocetBodu->value(), int(advances.size()));
        QCOMPARE(programming.count(), changed ? 1 : 0);
        QCOMPARE(rig.form.ui.SpeedButtonZpet->isEnabled(), changed);
        if (!changed) {
            QCOMPARE(rig.form.image, before);
            return;
        }
        QTest::mouseClick(rig.form.ui.SpeedButtonZpet, Qt::LeftButton);
        QCOMPARE(rig.form.image, before);
        QVERIFY(!rig.form.ui.SpeedButtonZpet->isEnabled());
    }

    void selectsARange_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");

        QTest::newRow("Shift and Right twice") << "shift-right" << 1 << 3;
        QTest::newRow("Shift and Left") << "shift-left" << 0 << 1;
        QTest::newRow("a drag across two points") << "drag" << 1 << 2;
        QTest::newRow("Shift and a click") << "shift-click" << 1 << 3;
    }

    void selectsARange()
    {
        QFETCH(QString, how);
        QFETCH(int, first);
        QFETCH(int, last);

        GraphRig rig;
        CurveGraph &graph = rig.graph();
        graph.selectPoint(1);
        graph.setFocus();
        const ParameterSet before = rig.form.image;
        if (how == "shift-right") {
            QTest::keyClick(&graph, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(&graph, Qt::Key_Right, Qt::ShiftModifier);
        } else if (how == "shift-left") {
            QTest::keyClick(&graph, Qt::Key_Left, Qt::ShiftModifier);
        } else if (how == "shift-click") {
            QTest::mouseClick(&graph, Qt::LeftButton, Qt::ShiftModifier,
                              graph.pointPosition(3).toPoint());
        } else {
            // From between points 0 and 1 to between 2 and 3, below the curve.
            const int y = int(graph.toWidget(0, 2).y());
            const auto between = [&](int a) {
                return int((graph.pointPosition(a).x() + graph.pointPosition(a + 1).x()) / 2);
            };
            QTest::mousePress(&graph, Qt::LeftButton, {}, QPoint(between(0), y));
            QTest::mouseMove(&graph, QPoint(between(1), y));
            QTest::mouseRelease(&graph, Qt::LeftButton, {}, QPoint(between(2), y));
        }
        QCOMPARE(graph.rangeFirst(), first);
        QCOMPARE(graph.rangeLast(), last);
        QCOMPARE(rig.form.image, before); // selecting edits nothing
    }

    void secondCurve_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("badFile");
        QTest::addColumn<bool>("unitAnswers");
        QTest::addColumn<bool>("shown"); // the other set's curve, else none

        QTest::newRow("a file") << int(SecondCurveChooser::File) << false << false << true;
        QTest::newRow("a file that is no .ign")
            << int(SecondCurveChooser::File) << true << false << false;
        QTest::newRow("a history entry")
            << int(SecondCurveChooser::HistoryEntry) << false << false << true;
        QTest::newRow("the unit") << int(SecondCurveChooser::Unit) << false << true << true;
        QTest::newRow("the unit fails") << int(SecondCurveChooser::Unit) << false << false << false;
    }

    // Then "none" hides it, and the window's set is left alone throughout.
    void secondCurve()
    {
        QFETCH(int, item);
        QFETCH(bool, badFile);
        QFETCH(bool, unitAnswers);
        QFETCH(bool, shown);

        GraphRig rig;
        ParameterSet other = rig.form.image;
        other.setPocetBodu(3);
        for (int i = 0; i < 3; ++i)
            other.setAdvance(i, quint8(30 + i));
        QTemporaryDir dir;
        const QString path = dir.filePath("other.ign");
        if (badFile) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a parameter file");
        } else {
            QVERIFY(IgnFile::save(path, other));
        }
        SecondCurveChooser &chooser = rig.window.secondCurve();
        chooser.setSources({[&] { return path; }, [&] { return path; },
                            [&](const SecondCurveChooser::UnitSetTaken &taken) {
                                taken(unitAnswers ? &other : nullptr, "no answer");
                            }});
        const ParameterSet before = rig.form.image;

        chooser.choose(SecondCurveChooser::Item(item));
        QCOMPARE(rig.graph().secondCurve(), shown ? curveOf(other) : QList<QPoint>{});
        QCOMPARE(rig.window.findChild<QComboBox *>("ComboBoxSecondCurve")->currentIndex(), item);
        if (item == SecondCurveChooser::File && shown) {
            rig.form.state.setLanguage(lang::Czech); // the line beside the list follows
            QCOMPARE(rig.window.findChild<QLabel *>("LabelSecondCurveShown")->text(),
                     lang::toolText(lang::Tool::SecondCurveOfFile, lang::Czech).arg("other.ign"));
        }
        chooser.choose(SecondCurveChooser::None);
        QVERIFY(rig.graph().secondCurve().isEmpty());
        QCOMPARE(rig.form.image, before);
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
