// Typing, arrow clicks and choices in the real main-window form, down to the
// bytes of the parameter image and back into the controls.
#include "ControlRanges.h"
#include "FormFixture.h"

#include <QApplication>
#include <QWheelEvent>

Q_DECLARE_METATYPE(ParameterSet)

class TestFormBinding : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFixture::useEnglishNumbers(); }

    void typedValue_data();
    void typedValue();
    void curveSpeedsKeptRising_data();
    void curveSpeedsKeptRising();
    void fieldWithoutExitHandlerWaitsForNextConfirmedEdit();
    void arrowClick_data();
    void arrowClick();
    void arrowClickFocusesItsFieldFirst();
    void menuFromKeyboardConfirmsNothing_data();
    void menuFromKeyboardConfirmsNothing();
    void showHidingFocusedFieldRunsNoHandler();
    void outOfRangeValueShownClampedUntilCollect();
    void collectAgreesWithModelControlRanges_data();
    void collectAgreesWithModelControlRanges();
    void pickupKindForcesIgnitionsAndPolarity();
    void wheelTurnsListOnlyWithFocus_data();
    void wheelTurnsListOnlyWithFocus();
    void radioChoiceTakesField();
    void checkBoxActsOnMouseReleaseOnly();
    void tabReachesReverseOutputBox();
    void pointCountKeepsHiddenPoints();
    void advanceShiftOnCurrentPointOrAll();
};

void TestFormBinding::typedValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");

    const int enter = Qt::Key_Return;
    const int tab = Qt::Key_Tab;
    const int advance3 = ParameterSet::ADVANCE + 2;
    QTest::newRow("advance, Enter") << "EditAdvance3"
                                    << "25" << enter << advance3 << 25 << "25";
    QTest::newRow("advance, Tab") << "EditAdvance3"
                                  << "25" << tab << advance3 << 25 << "25";
    QTest::newRow("advance out of range kept") << "EditAdvance3"
                                               << "70" << enter << advance3 << 10 << "10";
    QTest::newRow("not a number kept") << "EditAdvance3"
                                       << "2x" << enter << advance3 << 10 << "10";
    QTest::newRow("empty kept") << "EditAdvance3"
                                << "" << tab << advance3 << 10 << "10";
    QTest::newRow("speed truncated to 100 rpm")
        << "EditRpmAdv1"
        << "1550" << enter << int(ParameterSet::RPM_ADV) << 15 << "1,500";
    QTest::newRow("thousands separator ignored")
        << "EditRpmAdv1"
        << "1,550" << enter << int(ParameterSet::RPM_ADV) << 15 << "1,500";
    QTest::newRow("correction -60 stored as 40")
        << "EditRpmKorekce"
        << "-60" << enter << ParameterSet::RPM + 1 << 40 << "-60";
    QTest::newRow("start limiter capped by limiter")
        << "EditOmez1"
        << "16000" << enter << int(ParameterSet::LIMITER) << 150 << "15,000";
    QTest::newRow("base advance") << "EditBaseAdv"
                                  << "33" << tab << int(ParameterSet::BASE_ADV) << 33 << "33";
}

void TestFormBinding::typedValue()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, position);
    QFETCH(int, stored);
    QFETCH(QString, shown);

    FormFixture form([](ParameterSet &image) {
        image.setInput(0, 4); // start limiter in use, so its field takes input
    });
    auto *edit = form.window.findChild<SpinEdit *>(field);
    QVERIFY(edit);
    form.type(edit, typed);
    QTest::keyClick(edit, Qt::Key(key));

    QVERIFY(!edit->hasFocus()); // Enter moves on like Tab
    QCOMPARE(int(form.image.at(position)), stored);
    QCOMPARE(edit->text(), shown);
}

void TestFormBinding::curveSpeedsKeptRising_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("speeds");

    // Defaults: 1 000, 2 000, 3 000, ... rpm.
    QTest::newRow("below predecessor raised") << 2 << "900" << QList<int>{10, 11, 30, 40, 50};
    QTest::newRow("above followers pushes them") << 1 << "3500" << QList<int>{35, 36, 37, 40, 50};
    QTest::newRow("equal to predecessor raised") << 3 << "2000" << QList<int>{10, 20, 21, 40, 50};
}

void TestFormBinding::curveSpeedsKeptRising()
{
    QFETCH(int, point);
    QFETCH(QString, typed);
    QFETCH(QList<int>, speeds);

    FormFixture form([](ParameterSet &image) { image.setPocetBodu(5); });
    SpinEdit *edit = form.binding->tables().RpmAdvEdits[point - 1];
    form.type(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);

    for (int i = 0; i < speeds.size(); ++i) {
        QCOMPARE(int(form.image.rpmAdv(i)), speeds[i]);
        QCOMPARE(form.binding->tables().RpmAdvEdits[i]->value(), speeds[i] * 100);
    }
}

void TestFormBinding::fieldWithoutExitHandlerWaitsForNextConfirmedEdit()
{
    FormFixture form([](ParameterSet &image) { image.setInput(0, 2); });
    form.type(form.ui.EditClutch1, "500");
    QTest::keyClick(form.ui.EditClutch1, Qt::Key_Tab);
    QCOMPARE(int(form.image.clutch(0)), 20);

    form.type(form.ui.EditAdvance1, "11");
    QTest::keyClick(form.ui.EditAdvance1, Qt::Key_Return);
    QCOMPARE(int(form.image.clutch(0)), 50);
    QCOMPARE(int(form.image.advance(0)), 11);
}

void TestFormBinding::arrowClick_data()
{
    QTest::addColumn<QString>("arrows");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");

    const int advance = ParameterSet::ADVANCE;
    QTest::newRow("advance up") << "UpDownAdvance1" << 1 << advance << 10 << 11 << 11;
    QTest::newRow("advance down") << "UpDownAdvance1" << -1 << advance << 10 << 9 << 9;
    QTest::newRow("speed stops at 600")
        << "UpDownRpmAdv1" << -1 << int(ParameterSet::RPM_ADV) << 6 << 6 << 600;
    QTest::newRow("limiter stops at 25000")
        << "UpDownOmez2" << 1 << ParameterSet::LIMITER + 1 << 250 << 250 << 25000;
    QTest::newRow("start limiter stops at 999")
        << "UpDownOmez1" << -1 << int(ParameterSet::LIMITER) << 9 << 9 << 999;
    QTest::newRow("correction stops at -60")
        << "UpDownRpmKorekce" << -1 << ParameterSet::RPM + 1 << 40 << 40 << -60;
    QTest::newRow("points up") << "UpDownPocetBodu" << 1 << int(ParameterSet::POCET_BODU) << 2 << 3
                               << 3;
    QTest::newRow("clutch arrow steps but commits nothing")
        << "UpDownClutch1" << 1 << int(ParameterSet::CLUTCH) << 20 << 20 << 210;
}

void TestFormBinding::arrowClick()
{
    QFETCH(QString, arrows);
    QFETCH(int, direction);
    QFETCH(int, position);
    QFETCH(int, start);
    QFETCH(int, stored);
    QFETCH(int, shown);

    FormFixture form([&](ParameterSet &image) {
        image.setInput(0, 2); // clutch master and start limiter in use: their arrows show
        image.setInput(1, 4);
        image.set(position, quint8(start));
    });
    auto *upDown = form.window.findChild<UpDown *>(arrows);
    QVERIFY(upDown && upDown->isVisible());
    form.clickArrow(upDown, direction);

    QCOMPARE(int(form.image.at(position)), stored);
    QCOMPARE(upDown->edit()->value(), shown);
    // A click that leaves the image as it was records nothing.
    QCOMPARE(form.ui.SpeedButtonZpet->isEnabled(), stored != start);
}

void TestFormBinding::arrowClickFocusesItsFieldFirst()
{
    FormFixture form;
    form.type(form.ui.EditAdvance3, "25");
    form.clickArrow(form.ui.UpDownAdvance1, 1);

    QCOMPARE(int(form.image.advance(2)), 25); // the field left is confirmed
    QCOMPARE(int(form.image.advance(0)), 11);
    QVERIFY(form.ui.EditAdvance1->hasFocus());
}

void TestFormBinding::menuFromKeyboardConfirmsNothing_data()
{
    QTest::addColumn<QString>("focusAfterMenu");
    QTest::addColumn<bool>("undoFromMenu");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");

    // Advance 3 starts at 10; 25 is typed, then Alt takes the focus to the menu bar.
    QTest::newRow("menu closed, back in the field") << "EditAdvance3" << false << 10 << "25";
    QTest::newRow("menu closed, then another field") << "EditAdvance1" << false << 25 << "25";
    QTest::newRow("undo chosen from the menu") << "EditAdvance3" << true << 10 << "10";
}

void TestFormBinding::menuFromKeyboardConfirmsNothing()
{
    QFETCH(QString, focusAfterMenu);
    QFETCH(bool, undoFromMenu);
    QFETCH(int, stored);
    QFETCH(QString, shown);

    FormFixture form;
    form.type(form.ui.EditAdvance2, "11");
    QTest::keyClick(form.ui.EditAdvance2, Qt::Key_Return); // one step to undo
    form.type(form.ui.EditAdvance3, "25");
    form.ui.MainMenu1->setFocus(Qt::MenuBarFocusReason);
    QCOMPARE(int(form.image.advance(2)), 10);

    if (undoFromMenu)
        form.ui.MenuZpet->trigger();
    form.window.findChild<SpinEdit *>(focusAfterMenu)->setFocus(Qt::MenuBarFocusReason);

    QCOMPARE(int(form.image.advance(2)), stored);
    QCOMPARE(form.ui.EditAdvance3->text(), shown);
    QCOMPARE(int(form.image.advance(1)), undoFromMenu ? 10 : 11);
}

// A read or undo that shows fewer points and another polarity while the user
// is in a field about to be hidden: Qt moves the focus on mid-show.
void TestFormBinding::showHidingFocusedFieldRunsNoHandler()
{
    FormFixture form([](ParameterSet &image) { image.setPocetBodu(5); });
    form.type(form.ui.EditAdvance4, "33");
    ParameterSet shownSet = form.image;
    shownSet.setPocetBodu(2);
    shownSet.setPolarita(1);
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i)
        shownSet.setAdvance(i, quint8(30 + i));

    form.image = shownSet;
    form.binding->ShowParameterSet();

    QVERIFY(!form.ui.EditAdvance4->isVisible());
    QVERIFY(form.image == shownSet);
    // The polarity group's click is the only step recorded.
    form.binding->SpeedButtonZpetClick();
    QVERIFY(!form.ui.SpeedButtonZpet->isEnabled());
}

void TestFormBinding::outOfRangeValueShownClampedUntilCollect()
{
    FormFixture form;
    form.image.setLimiter(0, 5); // as an .ign file can bring it
    form.binding->ShowParameterSet();
    QCOMPARE(form.ui.EditOmez1->text(), QString("999"));
    QCOMPARE(int(form.image.limiter(0)), 5);

    form.binding->CollectControls();
    QCOMPARE(int(form.image.limiter(0)), 9);
}

// The command line sends what the model's control ranges give; the window
// sends what its controls collect after an Open. The two must agree.
void TestFormBinding::collectAgreesWithModelControlRanges_data()
{
    QTest::addColumn<ParameterSet>("opened");
    ParameterSet reported;
    reported.SetDefaults();
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i)
        reported.setAdvance(i, 99);
    reported.setPocetBodu(0);
    reported.setBaseAdv(200);
    reported.setLimiter(0, 5);
    reported.setLimiter(1, 5);
    reported.setLimiter(2, 200);
    reported.setPolarita(7);
    reported.setInput(0, 7);
    reported.setInput(1, 9);
    QTest::newRow("a file beyond the ranges") << reported;
    for (const quint8 fill : {quint8(0), quint8(255), quint8(3)}) {
        for (const quint8 bike : {quint8(0), quint8(4), quint8(1)}) {
            ParameterSet all;
            all.bytes().fill(fill);
            all.setBike(bike);
            QTest::addRow("every byte %d, BIKE %d", fill, bike) << all;
        }
    }
}

void TestFormBinding::collectAgreesWithModelControlRanges()
{
    QFETCH(ParameterSet, opened);
    FormFixture form([&](ParameterSet &image) { image = opened; });
    form.binding->CollectControls();
    form.image.NormaliseParameterSet();
    QCOMPARE(
        QByteArray(reinterpret_cast<const char *>(form.image.bytes().data()), ParameterSet::kSize)
            .toHex(),
        QByteArray(reinterpret_cast<const char *>(controlranges::setToSend(opened).bytes().data()),
                   ParameterSet::kSize)
            .toHex());
}

void TestFormBinding::pickupKindForcesIgnitionsAndPolarity()
{
    FormFixture form([](ParameterSet &image) {
        image.setGeberNr(2);
        image.setPolarita(0);
    });
    QCOMPARE(form.ui.ComboBoxPocPalcu->currentIndex(), 1);
    QVERIFY(form.ui.ComboBoxPocPalcu->isEnabled());

    form.ui.ComboBoxBike->setCurrentIndex(form.ui.ComboBoxBike->findText("Honda CBF250"));

    QCOMPARE(int(form.image.bike()), 4);
    QCOMPARE(int(form.image.geberNr()), 1);
    QCOMPARE(int(form.image.polarita()), 2);
    QCOMPARE(form.ui.ComboBoxPocPalcu->currentText(), QString("1 ignition per revolution"));
    QCOMPARE(form.ui.RadioGroupPolarita->itemIndex(), 2);
    QVERIFY(!form.ui.ComboBoxPocPalcu->isEnabled());
    QVERIFY(!form.ui.RadioGroupPolarita->isEnabled());
    QVERIFY(!form.ui.LabelPolaritaMer->isEnabled());

    form.ui.ComboBoxBike->setCurrentIndex(0);
    QCOMPARE(int(form.image.bike()), 0);
    QVERIFY(form.ui.ComboBoxPocPalcu->isEnabled());
    QVERIFY(form.ui.RadioGroupPolarita->isEnabled());
}

void TestFormBinding::wheelTurnsListOnlyWithFocus_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("focused");

    QTest::newRow("pick-up kind, unfocused") << "ComboBoxBike" << false;
    QTest::newRow("pick-up kind, focused") << "ComboBoxBike" << true;
    QTest::newRow("ignitions, unfocused") << "ComboBoxPocPalcu" << false;
    QTest::newRow("ignitions, focused") << "ComboBoxPocPalcu" << true;
}

void TestFormBinding::wheelTurnsListOnlyWithFocus()
{
    QFETCH(QString, list);
    QFETCH(bool, focused);

    FormFixture form;
    auto *combo = form.window.findChild<QComboBox *>(list);
    QVERIFY(combo);
    if (focused)
        combo->setFocus(Qt::MouseFocusReason);
    else
        form.ui.EditAdvance1->setFocus(Qt::MouseFocusReason);
    const ParameterSet before = form.image;
    const QPoint middle = combo->rect().center();
    QWheelEvent down(middle, combo->mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &down);

    QCOMPARE(combo->currentIndex() != 0, focused);
    QCOMPARE(form.image == before, !focused);
    QCOMPARE(form.ui.SpeedButtonZpet->isEnabled(), focused);
}

void TestFormBinding::radioChoiceTakesField()
{
    FormFixture form;
    QVERIFY(!form.ui.EditRetard->isEnabled());
    const QList<QRadioButton *> items = form.ui.RadioGroupInput1->findChildren<QRadioButton *>();
    FormFixture::clickIndicator(items.at(3));

    QCOMPARE(int(form.image.input(0)), 3);
    QVERIFY(form.ui.EditRetard->isEnabled());
    QVERIFY(form.ui.UpDownRetard->isVisible());
    QVERIFY(form.ui.SpeedButtonZpet->isEnabled());
}

void TestFormBinding::checkBoxActsOnMouseReleaseOnly()
{
    FormFixture form;
    QCheckBox *box = form.ui.CheckBoxZakazCteni;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(int(form.image.noReading()), 0);
    box->setChecked(false);

    FormFixture::clickIndicator(box);
    QVERIFY(box->isChecked());
    QCOMPARE(int(form.image.noReading()), 1);
    QVERIFY(box->autoFillBackground());
    QCOMPARE(box->palette().color(QPalette::Window), QColor(255, 0, 0));

    FormFixture::clickIndicator(box);
    QCOMPARE(int(form.image.noReading()), 0);
    QVERIFY(!box->autoFillBackground());
}

void TestFormBinding::tabReachesReverseOutputBox()
{
    FormFixture form;
    form.ui.EditLedRazeni->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(form.ui.EditLedRazeni, Qt::Key_Tab);
    QVERIFY(form.ui.CheckBoxRevOutLedRazeni->hasFocus());
}

void TestFormBinding::pointCountKeepsHiddenPoints()
{
    FormFixture form([](ParameterSet &image) {
        image.setPocetBodu(5);
        image.setRpmAdv(3, 44);
        image.setAdvance(3, 33);
        image.setAdvance(4, 34);
    });
    const ControlTables &tables = form.binding->tables();
    form.type(form.ui.EditPocetBodu, "3");
    QTest::keyClick(form.ui.EditPocetBodu, Qt::Key_Return);
    QVERIFY(tables.RpmAdvEdits[2]->isVisible());
    QVERIFY(!tables.RpmAdvEdits[3]->isVisible());
    QVERIFY(!tables.AdvanceUpDowns[4]->isVisible());
    QCOMPARE(int(form.image.advance(3)), 33);

    form.type(form.ui.EditPocetBodu, "5");
    QTest::keyClick(form.ui.EditPocetBodu, Qt::Key_Return);
    QVERIFY(tables.RpmAdvEdits[3]->isVisible());
    QVERIFY(tables.AdvanceUpDowns[4]->isVisible());
    QCOMPARE(tables.RpmAdvEdits[3]->text(), QString("4,400"));
    QCOMPARE(tables.AdvanceEdits[3]->text(), QString("33"));
    QCOMPARE(tables.AdvanceEdits[4]->text(), QString("34"));
}

void TestFormBinding::advanceShiftOnCurrentPointOrAll()
{
    FormFixture form;
    form.binding->setCurrentPoint(2);
    QTest::mouseClick(form.ui.BitBtnAdvPlus, Qt::LeftButton);
    QCOMPARE(int(form.image.advance(1)), 10);
    QCOMPARE(int(form.image.advance(2)), 11);
    QCOMPARE(form.binding->tables().AdvanceEdits[2]->text(), QString("11"));

    form.binding->setCurrentPoint(std::nullopt);
    QTest::mouseClick(form.ui.BitBtnAdvMinus, Qt::LeftButton);
    QCOMPARE(int(form.image.advance(2)), 11);

    form.ui.CheckBoxIgnAll->setChecked(true);
    QTest::mouseClick(form.ui.BitBtnAdvMinus, Qt::LeftButton);
    QCOMPARE(int(form.image.advance(0)), 9);
    QCOMPARE(int(form.image.advance(2)), 10);
    QCOMPARE(int(form.image.advance(14)), 9); // hidden points move too
}

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestFormBinding)
#include "tst_formbinding.moc"
