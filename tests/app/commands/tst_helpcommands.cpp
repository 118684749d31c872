#include "ManualLookup.h"
#include "TFormAbout.h"
#include "WindowFixture.h"

#include <QPointer>

class TestHelpCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;
    ViewerRecorder m_viewer;
    QStringList m_placedManuals;

    // A manual where Help may look; removed again after the test.
    void placeManual(const QString &folder, const QString &name)
    {
        const QString path = folder + '/' + name;
        QVERIFY(!QFile::exists(path));
        testfiles::writeFile(path, "%PDF-1.4\n");
        m_placedManuals << path;
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_viewer.opened.clear();
    }

    void cleanup()
    {
        for (const QString &path : std::as_const(m_placedManuals))
            QFile::remove(path);
        m_placedManuals.clear();
        m_fixture.reset();
    }

    void findManualTakesFirstFolderHoldingIt_data()
    {
        QTest::addColumn<QList<int>>("holding"); // folders with the manual as a file
        QTest::addColumn<int>("folderNamed");    // folder with a folder of that name, or -1
        QTest::addColumn<int>("found");          // -1: not found
        QTest::newRow("none") << QList<int>{} << -1 << -1;
        QTest::newRow("first") << QList<int>{0, 1, 2} << -1 << 0;
        QTest::newRow("third") << QList<int>{2} << -1 << 2;
        QTest::newRow("folder of that name is passed over") << QList<int>{2} << 0 << 2;
    }

    void findManualTakesFirstFolderHoldingIt()
    {
        QFETCH(QList<int>, holding);
        QFETCH(int, folderNamed);
        QFETCH(int, found);
        const QString name = "manual_zevras_en.pdf";
        QTemporaryDir root;
        QStringList folders;
        for (int i = 0; i < 3; ++i) {
            folders << root.path() + "/f" + QString::number(i);
            QDir().mkpath(folders.last());
        }
        for (int i : holding)
            testfiles::writeFile(folders[i] + '/' + name, "%PDF");
        if (folderNamed >= 0)
            QDir().mkpath(folders[folderNamed] + '/' + name);
        QCOMPARE(findManual(name, folders), found < 0 ? QString() : folders[found] + '/' + name);
    }

    void helpOpensManualOfLanguage_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QStringList>("places"); // "work", "program"
        QTest::addColumn<QString>("openedFrom"); // empty: not opened
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("viewer"); // the desktop has a program for the manual
        QTest::newRow("next to the program")
            << QByteArray() << "manual_zevras_en.pdf" << QStringList{"program"} << "program"
            << QString() << true;
        QTest::newRow("working folder first")
            << QByteArray() << "manual_zevras_en.pdf" << QStringList{"program", "work"} << "work"
            << QString() << true;
        QTest::newRow("German") << QByteArray("[FORM_HLAV]\nLanguage=1\n") << "manual_zevras_de.pdf"
                                << QStringList{"work"} << "work" << QString() << true;
        QTest::newRow("English missing")
            << QByteArray() << "manual_zevras_en.pdf" << QStringList{} << QString()
            << "Open file error manual_zevras_en.pdf !" << true;
        QTest::newRow("German missing")
            << QByteArray("[FORM_HLAV]\nLanguage=1\n") << "manual_zevras_de.pdf" << QStringList{}
            << QString() << "Fehler beim öffnen der Datei manual_zevras_de.pdf !" << true;
        QTest::newRow("Czech missing, English present")
            << QByteArray("[FORM_HLAV]\nLanguage=3\n") << "manual_zevras_en.pdf"
            << QStringList{"work"} << QString()
            << "Chyba při otevírání souboru manual_zevras_cz.pdf !" << true;
        QTest::newRow("no viewer")
            << QByteArray() << "manual_zevras_en.pdf" << QStringList{"work"} << QString()
            << "No program to show manual_zevras_en.pdf is installed." << false;
        QTest::newRow("no viewer, Czech")
            << QByteArray("[FORM_HLAV]\nLanguage=3\n") << "manual_zevras_cz.pdf"
            << QStringList{"work"} << QString()
            << "Není nainstalován žádný program k zobrazení manual_zevras_cz.pdf." << false;
    }

    void helpOpensManualOfLanguage()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, manual);
        QFETCH(QStringList, places);
        QFETCH(QString, openedFrom);
        QFETCH(QString, message);
        QFETCH(bool, viewer);
        const QString installed = manualFolders().last();
        if (!message.isEmpty() && QFile::exists(installed + '/' + message.section(' ', -2, -2)))
            QSKIP("The manuals are installed on this system");
        const QMap<QString, QString> folders{{"work", m_fixture->workFolder()},
                                             {"program", QCoreApplication::applicationDirPath()}};
        for (const QString &place : places)
            placeManual(folders[place], manual);
        if (!settings.isEmpty())
            m_fixture->writeSettings(settings);
        m_fixture->start().setViewerCheck([viewer](const QString &) { return viewer; });

        m_fixture->control<QAction>("MenuContens")->trigger();
        if (openedFrom.isEmpty()) {
            QVERIFY(m_viewer.opened.isEmpty());
            QCOMPARE(testboxes::shownMessageTexts(), QStringList{message});
        } else {
            QCOMPARE(m_viewer.opened,
                     QList<QUrl>{QUrl::fromLocalFile(folders[openedFrom] + '/' + manual)});
            QVERIFY(testboxes::shownMessageTexts().isEmpty());
        }
    }

    void aboutShowsOneBoxModally_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << QByteArray() << "About ZEVRA-S2";
        QTest::newRow("Czech") << QByteArray("[FORM_HLAV]\nLanguage=3\n") << "O programu ZEVRA-S2";
    }

    void aboutShowsOneBoxModally()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, caption);
        if (!settings.isEmpty())
            m_fixture->writeSettings(settings);
        TFormHlav &form = m_fixture->start();
        // Made when first asked for, then kept.
        QVERIFY(form.findChildren<TFormAbout *>().isEmpty());
        QPointer<QWidget> box;

        for (int showing = 0; showing < 2; ++showing) {
            QWidget *shown = nullptr;
            const bool modal =
                testmodal::withModal([&] { m_fixture->control<QAction>("MenuAbout")->trigger(); },
                                     [&](QWidget *widget) {
                                         shown = widget;
                                         QCOMPARE(widget->windowTitle(), caption);
                                         widget->close();
                                     });
            QVERIFY(modal);
            if (!box)
                box = shown;
            QCOMPARE(shown, box.data());
            QCOMPARE(shown->parentWidget(), &form);
            QVERIFY(box->isHidden());
        }
        QCOMPARE(form.findChildren<TFormAbout *>().size(), 1);
    }

    void exitClosesAndStores()
    {
        TFormHlav &form = m_fixture->start();
        QVERIFY(m_fixture->showActive());
        QVERIFY(!QFile::exists(m_fixture->settingsPath()));
        m_fixture->control<QAction>("MenuExit")->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(testfiles::readFile(m_fixture->settingsPath()).startsWith("[FORM_HLAV]"));
    }

    void comTipsNameDevice_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("tip"); // %1: the work folder
        QTest::newRow("mapped, missing") << QByteArray("0") << "MenuCom3"
                                         << "Set com 3 (/dev/ttyUSB2x: missing)";
        QTest::newRow("mapped, missing, German")
            << QByteArray("1") << "MenuCom3"
            << "Com-Anschluß auswahl 3 (/dev/ttyUSB2x: nicht vorhanden)";
#ifndef Q_OS_WIN
        // Windows knows ports by name only, so a file is no device there.
        QTest::newRow("tenth, present") << QByteArray("2") << "MenuCom10"
                                        << "installer com 10 (%1/ttyPresent)";
        // Whether an adapter is plugged in differs between machines.
        QTest::newRow("default device") << QByteArray("0") << "MenuCom1"
                                        << "Set com 1 (/dev/ttyUSB0";
#endif
    }

    void comTipsNameDevice()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, item);
        QFETCH(QString, tip);
        const QString present = m_fixture->workFolder() + "/ttyPresent";
        testfiles::writeFile(present, QByteArray());
        m_fixture->writeSettings(
            "[FORM_HLAV]\nLanguage=" + language +
            "\n[PORTS]\nCOM3=/dev/ttyUSB2x\nCOM10=" + QFile::encodeName(present) + "\n");
        m_fixture->start();
        const QString shown = m_fixture->control<QAction>(item.toLatin1())->statusTip();
        QVERIFY2(shown.startsWith(tip.arg(m_fixture->workFolder())), qPrintable(shown));
        QVERIFY(shown.endsWith(QLatin1Char(')')));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
