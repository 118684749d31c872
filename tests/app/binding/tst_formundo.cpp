// Undo, redo and "programming after change" through the form's buttons.
#include "FormFixture.h"

class TestFormUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFixture::useEnglishNumbers(); }

    void buttonsDisabledAfterStart();
    void undoAndRedoOneChange();
    void unchangedCommitRecordsNothing();
    void undoDiscardsUnconfirmedTyping();
    void twoHundredFiftyChangesGive199Undos();
    void programmingAfterChange();
};

void TestFormUndo::buttonsDisabledAfterStart()
{
    FormFixture form;
    QVERIFY(!form.ui.SpeedButtonZpet->isEnabled());
    QVERIFY(!form.ui.SpeedButtonZnovu->isEnabled());
}

void TestFormUndo::undoAndRedoOneChange()
{
    FormFixture form;
    const ParameterSet start = form.image;
    form.type(form.ui.EditBaseAdv, "25");
    QTest::keyClick(form.ui.EditBaseAdv, Qt::Key_Return);
    const ParameterSet changed = form.image;
    QVERIFY(changed != start);
    QVERIFY(form.ui.SpeedButtonZpet->isEnabled());

    QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
    QCOMPARE(form.image, start);
    QCOMPARE(form.ui.EditBaseAdv->text(), QString("10"));
    QVERIFY(!form.ui.SpeedButtonZpet->isEnabled());
    QVERIFY(form.ui.SpeedButtonZnovu->isEnabled());

    QTest::mouseClick(form.ui.SpeedButtonZnovu, Qt::LeftButton);
    QCOMPARE(form.image, changed);
    QCOMPARE(form.ui.EditBaseAdv->text(), QString("25"));
    QVERIFY(form.ui.SpeedButtonZpet->isEnabled());
    QVERIFY(!form.ui.SpeedButtonZnovu->isEnabled());
}

void TestFormUndo::unchangedCommitRecordsNothing()
{
    FormFixture form;
    form.ui.EditBaseAdv->setFocus();
    QTest::keyClick(form.ui.EditBaseAdv, Qt::Key_Return);
    form.clickArrow(form.ui.UpDownBaseAdv, 1); // 10 -> 11
    form.clickArrow(form.ui.UpDownBaseAdv, -1);
    QVERIFY(form.ui.SpeedButtonZpet->isEnabled());
    QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
    QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
    QVERIFY(!form.ui.SpeedButtonZpet->isEnabled()); // only the two arrow clicks were steps
}

void TestFormUndo::undoDiscardsUnconfirmedTyping()
{
    FormFixture form;
    form.clickArrow(form.ui.UpDownAdvance1, 1);
    form.type(form.ui.EditAdvance2, "44");
    QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
    QCOMPARE(form.ui.EditAdvance2->text(), QString("10"));
    QCOMPARE(int(form.image.advance(1)), 10);
}

void TestFormUndo::twoHundredFiftyChangesGive199Undos()
{
    FormFixture form;
    for (int i = 1; i <= 250; ++i) {
        form.image.setAdvance(i % 2, quint8(i % 60));
        form.binding->CommitChange();
    }
    int undos = 0;
    while (form.ui.SpeedButtonZpet->isEnabled() && undos < 250) {
        QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
        ++undos;
    }
    QCOMPARE(undos, 199);
    const ParameterSet oldest = form.image;
    form.binding->SpeedButtonZpetClick();
    QCOMPARE(form.image, oldest);
}

void TestFormUndo::programmingAfterChange()
{
    FormFixture form;
    QSignalSpy programs(form.binding.get(), &FormBinding::startProgramming);

    FormFixture::clickIndicator(form.ui.CheckBoxProgHned);
    QCOMPARE(programs.count(), 0);                           // ticking it starts nothing
    QVERIFY(form.ui.CheckBoxProgHned->autoFillBackground()); // painted red

    form.ui.EditAdvance1->setFocus();
    QTest::keyClick(form.ui.EditAdvance1, Qt::Key_Return);
    QVERIFY(programs.count() >= 1); // armed: even an unchanged commit programs

    form.ui.EditAdvance1->setFocus(); // the click alone, not the exit of another field
    const int before = int(programs.count());
    form.clickArrow(form.ui.UpDownAdvance1, 1);
    QCOMPARE(programs.count(), before + 1);
    QTest::mouseClick(form.ui.SpeedButtonZpet, Qt::LeftButton);
    QCOMPARE(programs.count(), before + 2);
    QTest::mouseClick(form.ui.SpeedButtonZnovu, Qt::LeftButton);
    QCOMPARE(programs.count(), before + 3);

    FormFixture::clickIndicator(form.ui.CheckBoxProgHned); // unticked
    const int unticked = int(programs.count());
    form.clickArrow(form.ui.UpDownAdvance1, 1);
    QCOMPARE(programs.count(), unticked);
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestFormUndo)
#include "tst_formundo.moc"
