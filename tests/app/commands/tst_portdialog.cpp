#include "PortTexts.h"
#include "SimProcess.h"
#include "TestPaths.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

using lang::PortText;

namespace {

constexpr int kSimStartMs = 5000;
constexpr int kConnectMs = 5000;

enum class Device
{
    SimulatorPty, // a pseudo-terminal the system does not list as a serial port
    Denied,       // a file whose access check says: no permission
    Unplugged     // mapped, but not there
};

// What the dialog showed for the device, gathered before the dialog closes.
struct Seen
{
    bool listed = false;
    QString comItems;
    QString access;
    bool fixShown = false;
    QString fix;
    bool useEnabled = false;
};

} // namespace

class TestPortDialog : public QObject
{
    Q_OBJECT

private slots:
    void listsMappedDevicesAndChooses_data()
    {
        QTest::addColumn<Device>("device");
        QTest::addColumn<int>("access"); // PortText of the Access column
        QTest::addColumn<bool>("fixShown");
        QTest::addColumn<bool>("choose"); // Use for the checked item, else Cancel
        QTest::newRow("simulator pty, chosen")
            << Device::SimulatorPty << int(PortText::MayOpen) << false << true;
        QTest::newRow("no permission shows the fix")
            << Device::Denied << int(PortText::NoPermission) << true << false;
        QTest::newRow("unplugged is missing")
            << Device::Unplugged << int(PortText::Missing) << false << false;
    }

    void listsMappedDevicesAndChooses()
    {
        QFETCH(Device, device);
        QFETCH(int, access);
        QFETCH(bool, fixShown);
        QFETCH(bool, choose);

        WindowFixture fixture;
        SimProcess sim(testpaths::simulator());
        QString path;
        switch (device) {
        case Device::SimulatorPty:
            path = sim.start({QStringLiteral("--rpm"), QStringLiteral("3000")}, kSimStartMs);
            QVERIFY2(!path.isEmpty(), "zevras-sim offered no device");
            break;
        case Device::Denied:
            path = fixture.workFolder() + QStringLiteral("/ttyDenied");
            testfiles::writeFile(path, QByteArray());
            break;
        case Device::Unplugged:
            path = fixture.workFolder() + QStringLiteral("/ttyGone");
            break;
        }
        // Mapped to Com 3 while Com 1 is checked: choosing maps it to Com 1 too.
        fixture.writeSettings("[FORM_HLAV]\nComPort=1\n\n[PORTS]\nCOM3=" + QFile::encodeName(path) +
                              "\n");
        TFormHlav &window = fixture.start();
        // Root may open anything, so the refusal comes through the survey's seam.
        const bool denied = device == Device::Denied;
        window.setPortAccessCheck([path, denied](const QString &asked) {
            if (denied && asked == path)
                return DeviceAccess{true, false, QStringLiteral("dialout")};
            return deviceAccess(asked);
        });

        Seen seen;
        const bool shown = testmodal::withModal(
            [&] { fixture.control<QAction>("MenuChooseDevice")->trigger(); },
            [&](QWidget *modal) {
                auto *list = modal->findChild<QTreeWidget *>(QStringLiteral("PortList"));
                auto *fix = modal->findChild<QLabel *>(QStringLiteral("LabelPermissionFix"));
                auto *use = modal->findChild<QPushButton *>(QStringLiteral("ButtonUseDevice"));
                const QList<QTreeWidgetItem *> rows =
                    list ? list->findItems(path, Qt::MatchExactly) : QList<QTreeWidgetItem *>();
                if (rows.size() == 1 && fix && use) {
                    list->setCurrentItem(rows.first());
                    const auto column = [&](PortText heading) {
                        const QString text = lang::portText(heading, lang::English);
                        for (int c = 0; c < list->columnCount(); ++c) {
                            if (list->headerItem()->text(c) == text)
                                return rows.first()->text(c);
                        }
                        return QString();
                    };
                    seen = {true,
                            column(PortText::ComItems),
                            column(PortText::Access),
                            fix->isVisible(),
                            fix->text(),
                            use->isEnabled()};
                }
                if (choose && seen.useEnabled)
                    use->click();
                else
                    modal->close();
            });
        QVERIFY2(shown, "the device chooser did not open");
        QVERIFY2(seen.listed, qPrintable(path + " is not listed once"));
        QCOMPARE(seen.comItems, QStringLiteral("Com 3"));
        QCOMPARE(seen.access, lang::portText(PortText(access), lang::English));
        QCOMPARE(seen.fixShown, fixShown);
        if (fixShown)
            QVERIFY2(seen.fix.contains(QLatin1String("usermod -aG dialout $USER")),
                     qPrintable(seen.fix));
        QCOMPARE(seen.useEnabled, device != Device::Unplugged);

        const QString tip = fixture.control<QAction>("MenuCom3")->statusTip();
        QVERIFY2(tip.contains(path), qPrintable(tip));
        QCOMPARE(tip.contains(lang::portText(PortText::Missing, lang::English)),
                 device == Device::Unplugged);

        if (!choose)
            return;
        // Opened at once: the unit's engine speed reaches the window.
        fixture.control<QTimer>("Timer1")->start();
        QTRY_VERIFY2_WITH_TIMEOUT(
            fixture.control<QLabel>("LabelRpm")->text().contains(QLatin1String("3000")),
            qPrintable(QStringLiteral("the window shows \"%1\", \"%2\"")
                           .arg(fixture.control<QLabel>("LabelHlaseni")->text(),
                                window.statusBar()->currentMessage())),
            kConnectMs);
        window.close();
        const Settings saved = SettingsFile::load(fixture.settingsPath());
        QCOMPARE(SettingsFile::portDevice(saved, 1), path);
        QCOMPARE(SettingsFile::portDevice(saved, 3), path);
    }

    // Two units answer Find unit, mapped to Com 2 and Com 3, a silent device
    // to Com 4: the dialog lists what each said, and the unit chosen becomes
    // the device of the checked Com 1.
    void findUnitWithSeveralUnitsLetsTheUserChoose()
    {
        WindowFixture fixture;
        SimProcess first(testpaths::simulator());
        SimProcess second(testpaths::simulator());
        SimProcess silent(testpaths::simulator());
        const QString firstPath = first.start({}, kSimStartMs);
        const QString secondPath = second.start({"--rpm", "3000"}, kSimStartMs);
        const QString silentPath = silent.start({"--silent"}, kSimStartMs);
        QVERIFY(!firstPath.isEmpty() && !secondPath.isEmpty() && !silentPath.isEmpty());
        fixture.writeSettings(
            "[FORM_HLAV]\nComPort=1\n\n[PORTS]\nCOM2=" + QFile::encodeName(firstPath) + "\nCOM3=" +
            QFile::encodeName(secondPath) + "\nCOM4=" + QFile::encodeName(silentPath) + "\n");
        fixture.start();

        QHash<QString, QString> said;
        bool answered = false;
        const bool shown = testmodal::withModal(
            [&] {
                fixture.control<QAction>("MenuFindUnit")->trigger();
                // Whether the dialog came is withModal's answer, checked below.
                static_cast<void>(QTest::qWaitFor([&] { return answered; }, kConnectMs));
            },
            [&](QWidget *modal) {
                auto *list = modal->findChild<QTreeWidget *>(QStringLiteral("PortList"));
                auto *use = modal->findChild<QPushButton *>(QStringLiteral("ButtonUseDevice"));
                for (int row = 0; list && row < list->topLevelItemCount(); ++row) {
                    QTreeWidgetItem *item = list->topLevelItem(row);
                    said.insert(item->text(0), item->text(2));
                    if (item->text(0) == secondPath)
                        list->setCurrentItem(item);
                }
                answered = true;
                if (use && list->currentItem() && list->currentItem()->text(0) == secondPath)
                    use->click();
                else
                    modal->close();
            });
        QVERIFY2(shown, "Find unit showed no choice");
        const QString unit =
            lang::portText(PortText::Answering, lang::English).arg("SIL13").arg(46);
        QCOMPARE(said.value(firstPath), unit);
        QCOMPARE(said.value(secondPath), unit);
        QCOMPARE(said.value(silentPath), lang::portText(PortText::Silent, lang::English));

        fixture.control<QTimer>("Timer1")->start();
        QTRY_VERIFY_WITH_TIMEOUT(
            fixture.control<QLabel>("LabelRpm")->text().contains(QLatin1String("3000")),
            kConnectMs);
        QVERIFY(fixture.control<QAction>("MenuCom1")->statusTip().contains(secondPath));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestPortDialog)
#include "tst_portdialog.moc"
