// The form's own widgets on their own: spin field reading and stepping, radio
// group, label sizing, gauge.
#include "FitLabel.h"
#include "Gauge.h"
#include "PathLabel.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "UpDown.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class TestSpinField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void position_data();
    void position();
    void typingIsNeverBlocked();
    void shownFormat_data();
    void shownFormat();
    void spaceGroupedLocaleTakesTypedSpace();
    void arrowSteps_data();
    void arrowSteps();
    void arrowKeysStepLikeClicks();
    void enterIsReportedAndSwallowed();
    void contextMenuHasTextItemsOnly();
    void backgroundColourShows();
    void radioGroupSelection();
    void labelFollowsItsText();
    void pathLabelShortensInTheMiddle_data();
    void pathLabelShortensInTheMiddle();
    void gaugeClampsValues();
    void gaugeShowsItsShare_data();
    void gaugeShowsItsShare();
    void gaugeWithoutColourIsTheStylesBar();
};

void TestSpinField::position_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("previous");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("within range") << 0 << 60 << 20 << "25" << 25;
    QTest::newRow("above range") << 0 << 60 << 20 << "70" << 20;
    QTest::newRow("below range") << 999 << 25000 << 15000 << "500" << 15000;
    QTest::newRow("not a number") << 0 << 60 << 20 << "2a" << 20;
    QTest::newRow("decimal") << 0 << 60 << 20 << "2.5" << 20;
    QTest::newRow("empty") << 0 << 60 << 20 << "" << 20;
    QTest::newRow("thousands separator") << 600 << 20100 << 1000 << "1,550" << 1550;
    QTest::newRow("off-step value") << 600 << 20100 << 1000 << "1550" << 1550;
    QTest::newRow("negative") << -60 << 60 << 0 << "-60" << -60;
    QTest::newRow("surrounding blanks") << 0 << 60 << 20 << " 25 " << 25;
}

void TestSpinField::position()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, previous);
    QFETCH(QString, text);
    QFETCH(int, position);

    SpinEdit edit;
    edit.setRange(minimum, maximum);
    edit.setValue(previous);
    edit.findChild<QLineEdit *>()->setText(text);
    QCOMPARE(edit.position(), position);
}

void TestSpinField::typingIsNeverBlocked()
{
    SpinEdit edit;
    edit.setRange(0, 60);
    edit.setValue(20);
    edit.findChild<QLineEdit *>()->selectAll();
    QTest::keyClicks(&edit, "70");
    QCOMPARE(edit.text(), QString("70"));
    QCOMPARE(edit.position(), 20);
}

void TestSpinField::shownFormat_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("grouped from 1000") << true << 15000 << "15,000";
    QTest::newRow("grouped below 1000") << true << 999 << "999";
    QTest::newRow("plain") << false << 1500 << "1500";
    QTest::newRow("plain negative") << false << -60 << "-60";
}

void TestSpinField::shownFormat()
{
    QFETCH(bool, grouped);
    QFETCH(int, value);
    QFETCH(QString, shown);

    SpinEdit edit;
    edit.setRange(-100, 25000);
    edit.setGrouped(grouped);
    edit.setValue(value);
    QCOMPARE(edit.text(), shown);
}

void TestSpinField::spaceGroupedLocaleTakesTypedSpace()
{
    SpinEdit edit;
    edit.setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    edit.setRange(600, 20100);
    edit.setGrouped(true);
    edit.setValue(15000);
    QCOMPARE(edit.text(), QString("15") + edit.locale().groupSeparator() + "000");
    edit.findChild<QLineEdit *>()->setText("1 550");
    QCOMPARE(edit.position(), 1550);
}

void TestSpinField::arrowSteps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("value");

    QTest::newRow("up") << "1,000" << 1 << 1100;
    QTest::newRow("down") << "1,000" << -1 << 900;
    QTest::newRow("stops at maximum, no wrap") << "20,100" << 1 << 20100;
    QTest::newRow("stops at minimum, no wrap") << "600" << -1 << 600;
    QTest::newRow("steps from typed text") << "1550" << 1 << 1650;
    QTest::newRow("typed text out of range ignored") << "90000" << 1 << 1100;
}

void TestSpinField::arrowSteps()
{
    QFETCH(QString, text);
    QFETCH(int, direction);
    QFETCH(int, value);

    QWidget parent;
    auto *edit = new SpinEdit(&parent);
    edit->setObjectName("EditRpmAdv1");
    edit->setRange(600, 20100);
    edit->setSingleStep(100);
    edit->setGrouped(true);
    edit->setValue(1000);
    auto *upDown = new UpDown(&parent);
    upDown->setObjectName("UpDownRpmAdv1");
    upDown->resize(16, 21);
    UpDown::pairWithEdits(&parent);
    QCOMPARE(upDown->edit(), edit);

    edit->findChild<QLineEdit *>()->setText(text);
    QSignalSpy clicks(upDown, &UpDown::clicked);
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(8, direction > 0 ? 3 : 18));
    QCOMPARE(edit->value(), value);
    QCOMPARE(clicks.count(), 1); // at a limit too: the handler decides
}

void TestSpinField::arrowKeysStepLikeClicks()
{
    QWidget parent;
    auto *edit = new SpinEdit(&parent);
    edit->setRange(0, 60);
    edit->setValue(20);
    auto *upDown = new UpDown(&parent);
    upDown->setEdit(edit);
    QSignalSpy clicks(upDown, &UpDown::clicked);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->value(), 21);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->value(), 19);
    QCOMPARE(clicks.count(), 3);
    QTest::keyClick(edit, Qt::Key_PageUp);
    QCOMPARE(edit->value(), 19);
}

void TestSpinField::enterIsReportedAndSwallowed()
{
    SpinEdit edit;
    edit.setRange(0, 60);
    QSignalSpy enter(&edit, &SpinEdit::enterPressed);
    QSignalSpy finished(&edit, &QAbstractSpinBox::editingFinished);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter);
    QCOMPARE(enter.count(), 2);
    QCOMPARE(finished.count(), 0);
}

void TestSpinField::contextMenuHasTextItemsOnly()
{
    SpinEdit edit;
    edit.setRange(0, 60);
    edit.setValue(20);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const auto itemTexts = [](const QMenu *menu) {
        QStringList texts;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        return texts;
    };
    const std::unique_ptr<QMenu> lineEditMenu(
        edit.findChild<QLineEdit *>()->createStandardContextMenu());

    // The menu runs its own loop: read it from there and close it.
    QStringList offered;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
        if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            offered = itemTexts(popup);
            popup->close();
        }
    });
    poll.start();
    const QPoint middle = edit.rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, middle, edit.mapToGlobal(middle));
    QApplication::sendEvent(&edit, &request);

    QVERIFY(!offered.isEmpty());
    QCOMPARE(offered, itemTexts(lineEditMenu.get()));
    QCOMPARE(edit.value(), 20);
}

void TestSpinField::backgroundColourShows()
{
    SpinEdit edit; // the current curve point is shown in lime
    edit.resize(40, 21);
    edit.setRange(0, 60);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, QColor(0, 255, 0));
    edit.setPalette(palette);
    const QImage image = edit.grab().toImage();
    QCOMPARE(image.pixelColor(image.width() * 3 / 4, image.height() / 2).rgb(), qRgb(0, 255, 0));
    QCOMPARE(image.pixelColor(0, image.height() / 2).rgb(),
             edit.palette().color(QPalette::Dark).rgb());
}

void TestSpinField::radioGroupSelection()
{
    RadioGroup group;
    group.setItems({"Positive", "Negative", "Selfsearch"});
    QCOMPARE(group.itemIndex(), -1);
    QSignalSpy clicks(&group, &RadioGroup::clicked);

    group.setItemIndex(1);
    QCOMPARE(clicks.count(), 1); // a change by the program counts as a click
    group.setItemIndex(1);
    QCOMPARE(clicks.count(), 1);
    group.setItemIndex(7);
    QCOMPARE(group.itemIndex(), 2); // beyond the last item: the last
    QCOMPARE(clicks.count(), 2);

    group.setItems({"Positiv", "Negativ", "Automatisch"});
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(group.items().at(2), QString("Automatisch"));

    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    group.setItemIndex(-2); // nothing chosen already
    QCOMPARE(group.itemIndex(), -1);
    group.setItemIndex(0);
    group.setItemIndex(-5);
    QCOMPARE(group.itemIndex(), -1);
}

void TestSpinField::labelFollowsItsText()
{
    QWidget parent;
    parent.resize(400, 100);
    auto *label = new FitLabel(&parent);
    label->setText("All");
    parent.show();
    const int shortWidth = label->width();

    QLabel *plain = label; // however the text is set
    plain->setText("Programmierung nach Änderung");
    QVERIFY(label->width() > shortWidth);
    QCOMPARE(label->size(), label->sizeHint());

    auto *coloured = new FitLabel(&parent);
    coloured->setMinimumSize(174, 29);
    coloured->setText("x");
    coloured->show();
    QCOMPARE(coloured->size(), QSize(174, 29));
}

void TestSpinField::pathLabelShortensInTheMiddle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("shortened");

    QTest::newRow("fits") << "/home/set.ign" << false;
    QTest::newRow("too long") << "/home/mechanic/workshop/customers/2026/december/honda/set.ign"
                              << true;
    QTest::newRow("none") << "" << false;
}

void TestSpinField::pathLabelShortensInTheMiddle()
{
    QFETCH(QString, path);
    QFETCH(bool, shortened);

    PathLabel label;
    label.resize(160, 14);
    label.setText(path);
    const QString shown = label.shownText();

    QCOMPARE(label.text(), path); // the whole path stays what the label holds
    QVERIFY(label.fontMetrics().horizontalAdvance(shown) <= label.width());
    QCOMPARE(shown != path, shortened);
    if (shortened) {
        QVERIFY2(shown.startsWith("/home/") && shown.endsWith("/set.ign"), qPrintable(shown));
    }
}

void TestSpinField::gaugeClampsValues()
{
    Gauge gauge;
    gauge.setRange(0, 100);
    gauge.setValue(150);
    QCOMPARE(gauge.value(), 100);
    gauge.setValue(-5);
    QCOMPARE(gauge.value(), 0);
    gauge.setValue(42);
    QCOMPARE(gauge.value(), 42);
    QVERIFY(!gauge.isTextVisible());
}

void TestSpinField::gaugeShowsItsShare_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("barColumns"); // of the 239 inside the frame

    QTest::newRow("empty") << 100 << 0 << 0;
    QTest::newRow("half") << 100 << 50 << 119;
    QTest::newRow("full") << 100 << 100 << 239;
    QTest::newRow("one step of three") << 3 << 1 << 79;
    QTest::newRow("three of three") << 3 << 3 << 239;
}

void TestSpinField::gaugeShowsItsShare()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, barColumns);

    const QColor bar(255, 0, 255);
    Gauge gauge;
    gauge.resize(241, 16);
    gauge.setRange(0, maximum);
    gauge.setBarColor(bar);
    gauge.setValue(value);
    const QImage shown = gauge.grab().toImage();
    const QPalette palette = gauge.palette();

    const int middle = shown.height() / 2;
    int columns = 0;
    for (int x = 1; x < shown.width() - 1; ++x) {
        const QRgb colour = shown.pixel(x, middle);
        if (colour == bar.rgb())
            ++columns;
        else
            QCOMPARE(colour, palette.color(QPalette::Base).rgb());
    }
    QCOMPARE(columns, barColumns);
    // The frame stays round the bar, whatever it shows.
    for (const QPoint edge :
         {QPoint(0, middle), QPoint(shown.width() - 1, middle), QPoint(shown.width() / 2, 0),
          QPoint(shown.width() / 2, shown.height() - 1)})
        QCOMPARE(shown.pixel(edge), palette.color(QPalette::Mid).rgb());
}

void TestSpinField::gaugeWithoutColourIsTheStylesBar()
{
    Gauge gauge;
    QProgressBar bar;
    bar.setTextVisible(false);
    for (QProgressBar *shown : {static_cast<QProgressBar *>(&gauge), &bar}) {
        shown->resize(241, 16);
        shown->setValue(40);
    }
    QCOMPARE(gauge.grab().toImage(), bar.grab().toImage());
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestSpinField)
#include "tst_spinfield.moc"
