#include "ControlRanges.h"
#include "ParameterCodes.h"
#include "ParameterSet.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<int>)

class TestParameterSet : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreAlreadyNormal()
    {
        ParameterSet p;
        p.SetDefaults();
        const ParameterSet before = p;
        p.NormaliseParameterSet();
        QCOMPARE(p, before);
        QCOMPARE(p.pocetBodu(), 2);
        QCOMPARE(p.rpmAdv(14), 150);
        QCOMPARE(p.rpm(1), 100);
    }

    void defaultsKeepUntouchedFields()
    {
        ParameterSet p;
        for (int pos = 0; pos < ParameterSet::kSize; ++pos)
            p.set(pos, 0xA5);
        p.SetDefaults();
        for (int pos : {0, 49, int(ParameterSet::BIKE), int(ParameterSet::INPUT),
                        ParameterSet::INPUT + 1, int(ParameterSet::RESERVED_57),
                        int(ParameterSet::RESERVED_58), int(ParameterSet::RESERVED_69)})
            QCOMPARE(p.at(pos), 0xA5);
    }

    void curveSpeeds_data()
    {
        QTest::addColumn<QList<int>>("given");
        QTest::addColumn<QList<int>>("expected");
        QList<int> zeros(15, 0), full(15, 255), low, high;
        for (int i = 0; i < 15; ++i) {
            low << i + 6;
            high << i + 186;
        }
        QTest::newRow("all zero rise from 600 rpm") << zeros << low;
        QTest::newRow("all 255 end at 20000 rpm") << full << high;
        QList<int> ties{10, 10, 10, 50};
        QList<int> tiesFixed{10, 11, 12, 50};
        for (int i = 4; i < 15; ++i) {
            ties << 60 + i;
            tiesFixed << 60 + i;
        }
        QTest::newRow("equal points are raised one step") << ties << tiesFixed;
        QList<int> pushed{10, 9, 11, 12, 100};
        QList<int> pushedFixed{10, 11, 12, 13, 100};
        for (int i = 5; i < 15; ++i) {
            pushed << 101 + i;
            pushedFixed << 101 + i;
        }
        QTest::newRow("a raised point pushes the next ones") << pushed << pushedFixed;
    }

    void curveSpeeds()
    {
        QFETCH(QList<int>, given);
        QFETCH(QList<int>, expected);
        ParameterSet p;
        for (int i = 0; i < 15; ++i)
            p.setRpmAdv(i, quint8(given[i]));
        p.NormaliseParameterSet();
        QList<int> got;
        for (int i = 0; i < 15; ++i)
            got << p.rpmAdv(i);
        QCOMPARE(got, expected);
        const ParameterSet once = p;
        p.NormaliseParameterSet();
        QCOMPARE(p, once);
    }

    void startLimiter_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("limiter");
        QTest::addColumn<int>("expectedStart");
        QTest::newRow("above is lowered") << 200 << 150 << 150;
        QTest::newRow("below stays") << 100 << 150 << 100;
        QTest::newRow("equal stays") << 150 << 150 << 150;
    }

    void startLimiter()
    {
        QFETCH(int, start);
        QFETCH(int, limiter);
        QFETCH(int, expectedStart);
        ParameterSet p;
        p.SetDefaults();
        p.setLimiter(0, quint8(start));
        p.setLimiter(1, quint8(limiter));
        p.setLimiter(2, 7);
        p.NormaliseParameterSet();
        QCOMPARE(int(p.limiter(0)), expectedStart);
        QCOMPARE(int(p.limiter(1)), limiter);
        QCOMPARE(int(p.limiter(2)), 7);
    }

    void conversions()
    {
        QCOMPARE(codes::correctionToDisplay(40), -60);
        QCOMPARE(codes::correctionToDisplay(160), 60);
        QCOMPARE(codes::correctionToDisplay(100), 0);
        QCOMPARE(codes::correctionToStored(-60), 40);
        QCOMPARE(codes::toStored(1550, codes::kRpmScale), 15);
        QCOMPARE(codes::toDisplay(15, codes::kRpmScale), 1500);
        QCOMPARE(codes::toStored(2500, codes::kClutchScale), 250);
    }

    void bikeList()
    {
        const int valueByIndex[] = {0, 4, 1, 5, 2};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(int(*codes::bikeFromListIndex(i)), valueByIndex[i]);
            QCOMPARE(*codes::listIndexFromBike(quint8(valueByIndex[i])), i);
        }
        QVERIFY(!codes::bikeFromListIndex(-1));
        QVERIFY(!codes::bikeFromListIndex(5));
        QVERIFY(!codes::listIndexFromBike(3));
        QVERIFY(!codes::listIndexFromBike(6));
    }

    void geberList()
    {
        QCOMPARE(codes::listIndexFromGeberNr(0), 3);
        QCOMPARE(codes::listIndexFromGeberNr(1), 0);
        QCOMPARE(codes::listIndexFromGeberNr(3), 2);
        QCOMPARE(codes::geberNrFromListIndex(0), 1);
        QCOMPARE(codes::geberNrFromListIndex(3), 0);
        QCOMPARE(codes::geberNrFromListIndex(-1), 0);
    }

    void pickupRule_data()
    {
        QTest::addColumn<int>("bike");
        QTest::addColumn<bool>("forced");
        QTest::addColumn<int>("polarita");
        QTest::newRow("standard is free") << 0 << false << 0;
        QTest::newRow("Kawasaki") << 1 << true << 0;
        QTest::newRow("Yamaha") << 2 << true << 0;
        QTest::newRow("code 3") << 3 << true << 0;
        QTest::newRow("Honda") << 4 << true << 2;
        QTest::newRow("Suzuki") << 5 << true << 2;
        QTest::newRow("above 5 imposes nothing") << 6 << false << 0;
    }

    void pickupRule()
    {
        QFETCH(int, bike);
        QFETCH(bool, forced);
        QFETCH(int, polarita);
        const auto rule = codes::forcedPickup(quint8(bike));
        QCOMPARE(rule.has_value(), forced);
        if (rule) {
            QCOMPARE(rule->geberNr, 1);
            QCOMPARE(int(rule->polarita), polarita);
        }
    }

    void pages()
    {
        ParameterSet p;
        quint8 page[ParameterSet::kPageSize];
        for (int i = 0; i < ParameterSet::kPageSize; ++i)
            page[i] = quint8(i + 1);
        p.setPage(1, page);
        QCOMPARE(p.bike(), 1);
        QCOMPARE(p.advance(14), 50);
        QCOMPARE(p.page(1)[0], 1);
        QCOMPARE(p.at(0), 0);
    }

    // What the controls hold is a fixed point: a set sent once is sent unchanged
    // again, and a set within every range (the defaults) is not touched.
    void controlRangesSettle_data()
    {
        QTest::addColumn<int>("fill");
        QTest::addColumn<int>("bike");
        for (int fill : {0, 3, 128, 255})
            for (int bike : {0, 1, 4})
                QTest::addRow("fill %d, BIKE %d", fill, bike) << fill << bike;
    }

    void controlRangesSettle()
    {
        QFETCH(int, fill);
        QFETCH(int, bike);
        ParameterSet p;
        p.bytes().fill(quint8(fill));
        p.setBike(quint8(bike));
        const ParameterSet sent = controlranges::setToSend(p);
        QCOMPARE(controlranges::setToSend(sent), sent);
        for (int pos : {0, 49, int(ParameterSet::BIKE), int(ParameterSet::RESERVED_57),
                        int(ParameterSet::RESERVED_58), int(ParameterSet::RESERVED_69)})
            QCOMPARE(sent.at(pos), p.at(pos));
        ParameterSet defaults;
        defaults.SetDefaults();
        QCOMPARE(controlranges::setToSend(defaults), defaults);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestParameterSet)
#include "tst_parameterset.moc"
