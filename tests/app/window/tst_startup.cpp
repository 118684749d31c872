#include "IgnFile.h"
#include "MessageTable.h"
#include "PollCycle.h"
#include "TFormHlav.h"
#include "TestFiles.h"
#include "TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using testfiles::readFile;
using testfiles::writeFile;

namespace {

// The image text the program writes: "%5u " per byte, ten to a line.
QByteArray imageText(const ParameterSet &p)
{
    QByteArray text;
    for (int i = 0; i < ParameterSet::kSize; ++i) {
        text += QByteArray::number(p.at(i)).rightJustified(5, ' ') + ' ';
        if (i % 10 == 9)
            text += '\n';
    }
    return text;
}

ParameterSet startImage()
{
    ParameterSet p;
    p.SetDefaults();
    return p;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_folder;

    QString settingsPath() const { return m_folder + "/zevras.ini"; }
    QString imagePath() const { return m_folder + "/_zevras.ini"; }

private slots:
    void init()
    {
        QVERIFY(m_home.isValid());
        m_folder = m_home.path() + "/zevras";
        QDir(m_folder).removeRecursively();
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void firstStartWritesDefaultsOnClose()
    {
        {
            TFormHlav form({});
            QVERIFY(!QFile::exists(settingsPath()));
            form.close();
        }
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QByteArray expected =
            "[FORM_HLAV]\n"
            "Left=" +
            QByteArray::number(screen.x() + (screen.width() - 834) / 2) +
            "\nTop=" + QByteArray::number(screen.y() + (screen.height() - 758) / 2) +
            "\nHeight=758\nWidth=834\nComPort=1\nLanguage=0\nFile=\n"
            "IniDir=\nCheckBoxIgnAll->Checked=0\n";
        QCOMPARE(readFile(settingsPath()).replace("\r\n", "\n"), expected);
        QCOMPARE(readFile(imagePath()).replace("\r\n", "\n"), imageText(startImage()));
    }

    void preparedFolder_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("comPort");
        QTest::newRow("word overrides stored language")
            << QByteArray("[FORM_HLAV]\nLanguage=3\n") << QStringList{"DEUTSCH"} << 1 << 1;
        QTest::newRow("lower-case word changes nothing")
            << QByteArray("[FORM_HLAV]\nLanguage=3\n") << QStringList{"deutsch"} << 3 << 1;
        QTest::newRow("language 7 is English")
            << QByteArray("[FORM_HLAV]\nLanguage=7\n") << QStringList{} << 0 << 1;
        QTest::newRow("port 12 is COM1")
            << QByteArray("[FORM_HLAV]\nComPort=12\n") << QStringList{} << 0 << 1;
        QTest::newRow("port 266 keeps low bits")
            << QByteArray("[FORM_HLAV]\nComPort=266\n") << QStringList{"CESKY"} << 3 << 10;
        QTest::newRow("binary settings keep defaults")
            << QByteArray("\x00\xff[FORM\x01\n=\n==", 12) << QStringList{} << 0 << 1;
    }

    void preparedFolder()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, arguments);
        QFETCH(int, language);
        QFETCH(int, comPort);
        writeFile(settingsPath(), settings);
        TFormHlav form(arguments);
        QCOMPARE(int(form.language()), language);
        QCOMPARE(int(form.comPort()), comPort);
        // A word that is no language and no file opens nothing, not even a file error.
        lang::MessageTable shown;
        shown.fill(quint8(language));
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (const auto *box = qobject_cast<QMessageBox *>(widget))
                QVERIFY(!box->isVisible() || box->text() != shown.text(lang::Msg::FileError));
        }
        QVERIFY(form.findChild<QLabel *>("LabelFile2")->text().isEmpty());
        // A port that failed to open is named in the status line in the language chosen.
        if (!form.link().portError().isEmpty()) {
            lang::MessageTable texts;
            texts.fill(quint8(language));
            QStringList parts =
                texts.text(lang::Msg::PortOpenFailed).split(QRegularExpression("%[12]"));
            for (QString &part : parts)
                part = QRegularExpression::escape(part);
            const QRegularExpression wanted("^" + parts.join(".+") + "$");
            const QString shown = form.statusBar()->currentMessage();
            QVERIFY2(wanted.match(shown).hasMatch(), qPrintable(shown));
        }
        form.close();
        QVERIFY(readFile(settingsPath()).contains("Language=" + QByteArray::number(language)));
    }

    void fileOnCommandLineOpens_data()
    {
        QTest::addColumn<QStringList>("before"); // words before the file name
        QTest::addColumn<int>("language");
        QTest::newRow("file alone") << QStringList{} << 0;
        QTest::newRow("after the language word") << QStringList{"FRANCE"} << 2;
    }

    void fileOnCommandLineOpens()
    {
        QFETCH(QStringList, before);
        QFETCH(int, language);
        ParameterSet inFile = startImage();
        inFile.setBaseAdv(quint8(inFile.baseAdv() + 1));
        const QString path = m_home.filePath("bike.ign");
        QVERIFY(IgnFile::save(path, inFile));
        TFormHlav form(before + QStringList{path});
        QCOMPARE(int(form.language()), language);
        QCOMPARE(IgnFile::parameterFileText(form.parameters()), IgnFile::parameterFileText(inFile));
        QCOMPARE(form.findChild<QLabel *>("LabelFile2")->text(), path);
    }

    void versionAndHelpNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version" << ZEVRAS_VERSION;
        QTest::newRow("help") << "--help"
                              << "[LANGUAGE] [FILE]";
    }

    void versionAndHelpNeedNoDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        QProcess zevras;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        env.insert("XDG_CONFIG_HOME", m_home.path());
        zevras.setProcessEnvironment(env);
        zevras.start(testpaths::window(), {option});
        QVERIFY(zevras.waitForFinished(10000));
        QCOMPARE(zevras.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(zevras.readAllStandardOutput()).contains(answer));
        QVERIFY(!QFile::exists(settingsPath()));
    }

    // An option the window does not know is named once and the window opens all the same.
    void unknownOptionIsIgnored()
    {
        QProcess zevras;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZEVRAS_EXIT_AFTER_SHOW", "1");
        zevras.setProcessEnvironment(env);
        zevras.start(testpaths::window(), {"--no-such-option", "DEUTSCH"});
        QVERIFY(zevras.waitForFinished(30000));
        QCOMPARE(zevras.exitCode(), 0);
        QVERIFY(zevras.readAllStandardOutput().startsWith("shown "));
        const QByteArray errors = zevras.readAllStandardError();
        QCOMPARE(errors.count("no-such-option"), 1);
    }

    void shortImageFillsItsPositionsOnly()
    {
        QByteArray thirty;
        for (int i = 0; i < 30; ++i)
            thirty += QByteArray::number(i + 200) + ' ';
        writeFile(imagePath(), thirty);
        TFormHlav form({});
        ParameterSet expected = startImage();
        for (int i = 0; i < 30; ++i)
            expected.set(i, quint8(i + 200));
        QCOMPARE(form.parameters(), expected);
    }

    void imageIsNormalisedAtStart()
    {
        ParameterSet stored = startImage();
        stored.setRpmAdv(1, 5);
        stored.setLimiter(0, 200);
        writeFile(imagePath(), imageText(stored));
        TFormHlav form({});
        QCOMPARE(int(form.parameters().rpmAdv(1)), 11);
        QCOMPARE(int(form.parameters().limiter(0)), 150);
    }

    void positionOffEveryScreenIsCentred()
    {
        writeFile(settingsPath(), "[FORM_HLAV]\nLeft=40000\nTop=30000\n");
        TFormHlav form({});
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form.geometry().x(), screen.x() + (screen.width() - form.width()) / 2);
        QCOMPARE(form.geometry().y(), screen.y() + (screen.height() - form.height()) / 2);
    }

    void positionPartlyOnScreenIsKept()
    {
        writeFile(settingsPath(), "[FORM_HLAV]\nLeft=-500\nTop=20\nWidth=900\nHeight=700\n");
        TFormHlav form({});
        QCOMPARE(form.geometry().topLeft(), QPoint(-500, 20));
        QCOMPARE(form.size(), QSize(900, 700));
    }

    // The settings keep the window's outer bounds, frame included: the
    // design size is that of the whole window, and nothing drifts over runs.
    void outerBoundsStayOverRuns_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QRect>("outer");
        QTest::newRow("design size")
            << QByteArray("[FORM_HLAV]\nLeft=30\nTop=20\n") << QRect(30, 20, 834, 758);
        QTest::newRow("stored size")
            << QByteArray("[FORM_HLAV]\nLeft=120\nTop=80\nHeight=800\nWidth=900\n")
            << QRect(120, 80, 900, 800);
    }

    void outerBoundsStayOverRuns()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QRect, outer);
        writeFile(settingsPath(), settings);
        for (int run = 0; run < 2; ++run) {
            TFormHlav form({});
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.frameGeometry(), outer);
            form.close();
        }
        const QByteArray text = readFile(settingsPath()).replace("\r\n", "\n");
        const QByteArray stored = "Left=" + QByteArray::number(outer.x()) +
                                  "\nTop=" + QByteArray::number(outer.y()) +
                                  "\nHeight=" + QByteArray::number(outer.height()) +
                                  "\nWidth=" + QByteArray::number(outer.width()) + "\n";
        QVERIFY2(text.contains(stored), text);
    }

    // On a screen too small for the asked size the whole window stays on it,
    // its content scrolling; on a screen large enough it has the asked size.
    // The settings keep the asked size either way.
    void windowFitsItsScreen_data()
    {
        const QPoint kLaptop(10, 10), kLarge(1290, 10); // see small-and-large-screens.json
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QPoint>("onScreen");
        QTest::newRow("stored on the laptop")
            << QByteArray("[FORM_HLAV]\nLeft=200\nTop=30\n") << QSize(834, 758) << kLaptop;
        QTest::newRow("stored on the large screen")
            << QByteArray("[FORM_HLAV]\nLeft=1500\nTop=100\n") << QSize(834, 758) << kLarge;
        QTest::newRow("stored above the laptop's top")
            << QByteArray("[FORM_HLAV]\nLeft=100\nTop=-40\nHeight=800\nWidth=900\n")
            << QSize(900, 800) << kLaptop;
        QTest::newRow("stored larger than the large screen")
            << QByteArray("[FORM_HLAV]\nLeft=1300\nTop=10\nHeight=1500\nWidth=900\n")
            << QSize(900, 1500) << kLarge;
    }

    void windowFitsItsScreen()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QSize, asked);
        QFETCH(QPoint, onScreen);
        if (QGuiApplication::screens().size() != 2)
            QSKIP("needs the configuration of a small and a large screen");
        writeFile(settingsPath(), settings);
        {
            TFormHlav form({});
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const QRect area = QGuiApplication::screenAt(onScreen)->availableGeometry();
            const bool fits = asked.width() <= area.width() && asked.height() <= area.height();
            QTRY_COMPARE_WITH_TIMEOUT(form.frameGeometry().size(), asked.boundedTo(area.size()),
                                      2000);
            const QRect frame = form.frameGeometry();
            QVERIFY2(area.intersects(frame) && (!fits || area.contains(frame)),
                     qPrintable(QString("window %1,%2 %3x%4")
                                    .arg(frame.x())
                                    .arg(frame.y())
                                    .arg(frame.width())
                                    .arg(frame.height())));
            const auto *scroll = form.findChild<QScrollArea *>();
            QVERIFY(scroll);
            // Every part of the content can be scrolled into view; bars only where needed.
            const QScrollBar *bar = scroll->verticalScrollBar();
            QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() + scroll->viewport()->height() >=
                                         scroll->widget()->minimumHeight(),
                                     2000);
            QCOMPARE(bar->isVisible(), bar->maximum() > 0);
            if (fits)
                QVERIFY(!bar->isVisible() && !scroll->horizontalScrollBar()->isVisible());
            form.close();
        }
        const QByteArray text = readFile(settingsPath()).replace("\r\n", "\n");
        QVERIFY2(text.contains("\nHeight=" + QByteArray::number(asked.height()) +
                               "\nWidth=" + QByteArray::number(asked.width()) + "\n"),
                 text);
    }

    void testSwitch_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("word after another") << QByteArray("foo TEST_ENABLE\n") << true;
        QTest::newRow("letter added") << QByteArray("TEST_ENABLEX") << false;
        QTest::newRow("lower case") << QByteArray("test_enable") << false;
    }

    void testSwitch()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, enabled);
        writeFile(m_folder + "/test_pelmar.txt", content);
        TFormHlav form({});
        QCOMPARE(form.testMode(), enabled);
    }

    void terminationSignalWritesBothFiles()
    {
#ifdef Q_OS_UNIX
        QProcess zevras;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        zevras.setProcessEnvironment(env);
        // Blocked until the program has its handler in place, so the signal
        // cannot arrive too early and kill it outright.
        zevras.setChildProcessModifier([] {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, SIGTERM);
            sigprocmask(SIG_BLOCK, &set, nullptr);
        });
        zevras.start(testpaths::window(), {});
        QVERIFY(zevras.waitForStarted());
        ::kill(pid_t(zevras.processId()), SIGTERM);
        QVERIFY(zevras.waitForFinished(10000));
        QCOMPARE(zevras.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zevras.exitCode(), 0);
        QVERIFY(readFile(settingsPath()).startsWith("[FORM_HLAV]"));
        QCOMPARE(readFile(imagePath()).replace("\r\n", "\n"), imageText(startImage()));
#else
        QSKIP("termination signals exist on Unix only");
#endif
    }
};

#include "TestMain.h"

ZEVRAS_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
