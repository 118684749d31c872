// Advance - and + on the image, and the range rule of the window settings.
#include "CurveShift.h"
#include "RangeRule.h"
#include "WindowState.h"

#include <QTest>

class TestCurveShift : public QObject
{
    Q_OBJECT

private slots:
    void shift_data();
    void shift();
    void rangeRuleClampsWindowSettings_data();
    void rangeRuleClampsWindowSettings();
};

using Advances = QList<int>;

void TestCurveShift::shift_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("current"); // -1: none
    QTest::addColumn<Advances>("before");
    QTest::addColumn<Advances>("after");

    QTest::newRow("all minus stops at 0")
        << -1 << true << -1 << Advances{0, 5, 60} << Advances{0, 4, 59};
    QTest::newRow("all plus stops at 60")
        << 1 << true << -1 << Advances{0, 5, 60} << Advances{1, 6, 60};
    QTest::newRow("current point only")
        << 1 << false << 1 << Advances{10, 10, 10} << Advances{10, 11, 10};
    QTest::newRow("no current point")
        << -1 << false << -1 << Advances{10, 10, 10} << Advances{10, 10, 10};
    QTest::newRow("current point beyond the curve")
        << 1 << false << 15 << Advances{10, 10, 10} << Advances{10, 10, 10};
    QTest::newRow("file value above 60 comes down")
        << -1 << false << 0 << Advances{70, 10, 10} << Advances{69, 10, 10};
}

void TestCurveShift::shift()
{
    QFETCH(int, step);
    QFETCH(bool, all);
    QFETCH(int, current);
    QFETCH(Advances, before);
    QFETCH(Advances, after);

    ParameterSet image;
    image.SetDefaults();
    image.setPocetBodu(3); // the hidden twelve move with "all" as well
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i)
        image.setAdvance(i, quint8(before[i % before.size()]));
    const ParameterSet untouched = image;

    ShiftAdvance(image, step, all, current < 0 ? std::nullopt : std::optional<int>(current));

    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        const int expected = all ? after[i % after.size()]
                                 : (i < after.size() ? after[i] : before[i % before.size()]);
        QCOMPARE(int(image.advance(i)), expected);
    }
    for (int position = 0; position < ParameterSet::ADVANCE; ++position)
        QCOMPARE(image.at(position), untouched.at(position));
}

void TestCurveShift::rangeRuleClampsWindowSettings_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<int>("languageAfter");
    QTest::addColumn<int>("comPortAfter");

    QTest::newRow("in range") << 3 << 10 << 3 << 10;
    QTest::newRow("language 7 is English") << 7 << 1 << 0 << 1;
    QTest::newRow("port 12 is COM1") << 0 << 12 << 0 << 1;
}

void TestCurveShift::rangeRuleClampsWindowSettings()
{
    QFETCH(int, language);
    QFETCH(int, comPort);
    QFETCH(int, languageAfter);
    QFETCH(int, comPortAfter);

    ParameterSet image;
    image.SetDefaults();
    image.setLimiter(0, 200);
    WindowState state;
    state.setLanguage(quint8(language));
    state.setComPort(quint8(comPort));
    ApplyRangeRule(image, state);
    QCOMPARE(int(state.language()), languageAfter);
    QCOMPARE(int(state.comPort()), comPortAfter);
    QCOMPARE(int(image.limiter(0)), 150); // the image's own rule runs too
}

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestCurveShift)
#include "tst_curveshift.moc"
