// Closing the window in the middle of a Program: the warning comes only once
// page 1 has gone to the unit.
#include "CloseWarning.h"
#include "LinkRig.h"
#include "MessageTable.h"
#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QtTest>

class TestCloseWarning : public QObject
{
    Q_OBJECT

private slots:
    void warnsAfterPageOne_data()
    {
        QTest::addColumn<bool>("programming");
        QTest::addColumn<int>("pagesAnswered"); // 0: page 0 is on its way
        QTest::addColumn<bool>("warned");

        QTest::newRow("idle") << false << 0 << false;
        QTest::newRow("page 0 sent") << true << 0 << false;
        QTest::newRow("page 1 sent") << true << 1 << true;
        QTest::newRow("verifying") << true << 2 << true;
    }

    void warnsAfterPageOne()
    {
        QFETCH(bool, programming);
        QFETCH(int, pagesAnswered);
        LinkRig rig;
        lang::MessageTable messages;
        messages.fill(lang::French);
        if (programming) {
            rig.link.startProgram(rig.image);
            QVERIFY(rig.ticksUntilWrite(PollCycle::kResendTicks) > 0);
        }
        if (pagesAnswered >= 1) {
            rig.port.feed(testframes::frame(0x80, bytes(unitPage0())));
            rig.link.tick();
        }
        if (pagesAnswered >= 2) {
            rig.port.feed(testframes::frame(0x81, rig.image.page(1)));
            rig.link.tick();
        }
        QString shown;
        const bool boxShown =
            testmodal::withModal([&] { warnOfUnverifiedSet(nullptr, rig.link, messages); },
                                 [&](QWidget *modal) {
                                     auto *box = qobject_cast<QMessageBox *>(modal);
                                     QVERIFY2(box, "a message box");
                                     shown = box->text();
                                     box->button(QMessageBox::Ok)->click();
                                 });
        QTEST(boxShown, "warned");
        if (boxShown)
            QCOMPARE(shown, messages.text(lang::Msg::UnitMayHoldUnverified));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestCloseWarning)
#include "tst_closewarning.moc"
